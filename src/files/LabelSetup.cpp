#include "files/LabelSetup.h"

void SetUpLabel(Tobject& document, LabelSettings& label, int width, int height, float zoom)
{
    label.Width = width;
    label.Height = height;
    label.Zoom = zoom;
    document.Reset(width, height, document.dpi, zoom);
    if (label.BGFile.isEmpty()) {
        label.BGX = label.BGY = label.BGWidth = label.BGHeight = 0;
        document.bgFile.clear();
        document.bgX = document.bgY = document.bgWidth = document.bgHeight = 0;
        return;
    }
    document.bgFile = label.BGFile;
    document.bgX = label.BGX;
    document.bgY = label.BGY;
    document.bgWidth = label.BGWidth;
    document.bgHeight = label.BGHeight;
}
