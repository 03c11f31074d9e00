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
