#include "model/ViewGeometry.h"

#include "model/Convert.h"

#include <algorithm>

float fitZoom(int width, int height, int dpi, QSize area)
{
    // Whole pixels as the view measures them; a label too small to measure counts as one
    // pixel so that a degenerate size cannot divide by zero.
    const long long w = std::max(1LL, static_cast<long long>(width) * dpi / 254);
    const long long h = std::max(1LL, static_cast<long long>(height) * dpi / 254);
    const float fitH = static_cast<float>(area.height() - 30) / h;
    const float fitW = static_cast<float>(area.width() - 30) / w;
    return fitH < fitW ? fitH : fitW;
}

QSize labelImageSize(int width, int height, int dpi, float zoom)
{
    const auto side = [&](int size) {
        return truncToInt(static_cast<long double>(size) * dpi / 254 * zoom);
    };
    return {side(width), side(height)};
}
