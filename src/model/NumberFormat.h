#pragma once

#include <QString>

// How the machine's files and streams write real numbers: the general form with up to 15
// significant digits and no trailing zeros ("1.10000002384186" for a float holding 1.1,
// "66.6669998168945", "2.5", "20"); scientific ("1E-6", "1.5E15") only below 0.00001 or
// from 10^15 on. Infinities and NaN are written "INF", "-INF" and "NAN".
QString floatToStr(double value);

// C's "%g" (six significant digits), used where the files store a value that way.
QString formatG(double value);
