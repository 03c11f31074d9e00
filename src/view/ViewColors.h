#pragma once

#include <QColor>

// The colours of the label view. Cut objects are dark red so that they stand apart from
// what the printer will print (black); what the jobs skip is grey.
namespace view_colors {
inline const QColor sheet{255, 255, 255};
inline const QColor cutOutline{128, 0, 0};
inline const QColor printInk{0, 0, 0};
inline const QColor disabled{128, 128, 128};
inline const QColor directionArrow{0, 128, 0};
inline const QColor jointGap{255, 0, 0};
inline const QColor selection{0, 0, 255};
inline const QColor currentFrame{255, 0, 0};
inline const QColor currentHandles{0, 128, 0};
inline const QColor ruler{255, 255, 0};
} // namespace view_colors
