#pragma once

#include <QString>

// Number rules shared by every part of the machine: float-to-integer conversions
// truncate toward zero, and rounding adds 0.5 before truncating. Values outside the
// 32-bit range are clamped (and NaN becomes 0) so that hostile input can never reach
// an undefined conversion.
int truncToInt(long double value);
inline int roundHalfUp(long double value)
{
    return truncToInt(value + 0.5L);
}

// Operator text to numbers, as the program reads every edit box: surrounding blanks are
// allowed, anything else that is not a number raises ConversionError with the text quoted.
int strToInt(const QString& text);
double strToFloat(const QString& text);
// strToInt for a value that may be absent: returns fallback instead of raising.
int strToIntDef(const QString& text, int fallback);

// Millimetres typed in any box, in tenths of a millimetre, truncated toward zero as the
// operator reads the text: "33.3" is 333 tenths and "33.39" is 333, although 33.3 held in
// binary is a hair below 33.3 and would lose a tenth. Raises ConversionError as strToFloat.
int tenthsOfMillimetre(const QString& millimetres);
// The same value for a float field: the float nearest the typed value in tenths.
float floatTenthsOfMillimetre(const QString& millimetres);
// The same value untruncated: the double nearest the typed value in tenths.
double doubleTenthsOfMillimetre(const QString& millimetres);
