#pragma once

#include <QString>

// How the machine's files and streams write real numbers: the general form with up to 15
// significant digits and no trailing zeros ("1.10000002384186" for a float holding 1.1,
// "66.6669998168945", "2.5", "20"); scientific ("1E-6", "1.5E15") only below 0.00001 or
// from 10^15 on. Infinities and NaN are written "INF", "-INF" and "NAN".
QString floatToStr(double value);

// C's "%g" (six significant digits), used where the files store a value that way.
QString formatG(double value);

// Tenths of a millimetre as the dialogs show them: the shortest decimal number of
// millimetres, "130" for 1300, "130.5" for 1305.
QString millimetreText(double tenths);

// A value with a fixed number of decimals, as the dialogs show model values in a fixed form
// ("0.0000"); a value that rounds to zero shows without a minus sign.
QString fixedDecimals(double value, int decimals);

// A float model value (tenths of a millimetre) in millimetres, as the dialogs show it: the
// shortest decimal that names the float, one place to the left, so 333.3f shows as "33.33"
// and not as the float's binary tail.
QString floatMillimetreText(float tenths);
