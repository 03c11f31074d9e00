#include "dialogs/ObjectEdit.h"

#include "model/Tobject.h"

void commitEdit(Tobject& document, int index, const std::function<void(Tshape&)>& write)
{
    if (!document.isIndex(index))
        return;
    Tshape edited = document.objects[index];
    write(edited);
    document.TakeSnapshot();
    document.objects[index] = std::move(edited);
    document.modified = true;
}

void replaceAsCreated(Tshape& shape, const Tobject& document, const std::function<void(Tobject&)>& add)
{
    Tobject alone;
    alone.dpi = document.dpi;
    alone.zoom = document.zoom;
    alone.labelWidth = document.labelWidth;
    alone.labelHeight = document.labelHeight;
    add(alone);
    if (alone.objects.size() != 1)
        return;
    Tshape created = std::move(alone.objects.front());
    created.Selected = shape.Selected;
    created.ifPrint = shape.ifPrint;
    shape = std::move(created);
}
