#pragma once

#include <QList>

class Tobject;

// A click in the object list: exactly the objects of the selected rows (their numbers, from
// 1, in row order) become selected, and the last of them becomes the current object, the one
// the edit command opens. With no row selected nothing is selected and current stays.
// Returns whether a row was selected.
bool SelectListedObjects(Tobject& document, const QList<int>& numbers);
