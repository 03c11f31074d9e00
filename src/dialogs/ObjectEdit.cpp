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
