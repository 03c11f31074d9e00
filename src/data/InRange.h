#pragma once

#include <QString>

// True when record n (counted from 1) lies in the record range text: items separated by
// ",", each a record number or "a-b" (both ends included, a reversed range matches
// nothing), a trailing "," allowed. Items are read one by one until one matches; an item
// that is not a number raises ConversionError, so "" and "1,,3" (for n = 3) raise while
// "1,,3" for n = 1 does not.
bool InRange(int n, const QString& text);
