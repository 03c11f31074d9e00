#include "editor/ListSelection.h"

#include "model/Tobject.h"

bool SelectListedObjects(Tobject& document, const QList<int>& numbers)
{
    document.SelectAll(false);
    for (int number : numbers) {
        const int index = number - 1;
        if (!document.isIndex(index))
            continue;
        document.SelectIndex(index);
        document.current = index;
    }
    return !numbers.isEmpty();
}
