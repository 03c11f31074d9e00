#include "cutter/CutGeometry.h"

#include "model/Convert.h"

#include <array>
#include <cmath>
#include <numbers>

float CutContext::pulseFactor(double pulsesPerMillimetre)
{
    return static_cast<float>(static_cast<long double>(pulsesPerMillimetre) * 0.1L);
}

int ToPulses(float value, float factor)
{
    return roundHalfUp(static_cast<long double>(value) * factor);
}

namespace {

std::array<long double, 91> firstQuadrantSines()
{
    std::array<long double, 91> table{};
    for (int degree = 0; degree <= 90; ++degree)
        table[degree] = std::sin(degree * std::numbers::pi_v<long double> / 180);
    table[0] = 0;
    table[30] = 0.5L;
    table[90] = 1;
    return table;
}

} // namespace

long double sinDegrees(long long degrees)
{
    static const std::array<long double, 91> sines = firstQuadrantSines();
    const int reduced = static_cast<int>(((degrees % 360) + 360) % 360);
    if (reduced <= 90)
        return sines[reduced];
    if (reduced <= 180)
        return sines[180 - reduced];
    if (reduced <= 270)
        return -sines[reduced - 180];
    return -sines[360 - reduced];
}

long double cosDegrees(long long degrees)
{
    return sinDegrees(degrees % 360 + 90);
}
