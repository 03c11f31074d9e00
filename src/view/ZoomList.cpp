#include "view/ZoomList.h"

#include "model/Convert.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<float, 11> entryZooms{0.0f, 0.5f, 0.75f, 1.0f, 1.25f, 1.5f,
                                           1.75f, 2.0f, 3.0f, 4.0f, 5.0f};
constexpr int lastEntry = static_cast<int>(entryZooms.size()) - 1;

} // namespace

QStringList zoomEntryTexts()
{
    QStringList texts{QCoreApplication::translate("TfrmMain", "全屏幕")};
    for (int index = 1; index <= lastEntry; ++index)
        texts.append(QStringLiteral("%1%").arg(qRound(entryZooms[index] * 100)));
    return texts;
}

std::optional<float> zoomOfEntry(int index, float fitZoom)
{
    if (index < 0 || index > lastEntry)
        return std::nullopt;
    return index == 0 ? fitZoom : entryZooms[index];
}

int zoomInEntry(int index)
{
    return std::clamp(index + 1, 0, lastEntry);
}

int zoomOutEntry(int index)
{
    return std::clamp(index - 1, 1, lastEntry);
}

QSize zoomedSurfaceSize(int width, int height, int dpi, float zoom)
{
    const auto side = [&](int size) {
        return truncToInt(static_cast<long double>(static_cast<long long>(size) * dpi / 254) * zoom);
    };
    return {side(width), side(height)};
}
