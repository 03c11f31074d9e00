#include "job/PrintControls.h"

#include "model/Convert.h"
#include "model/NumberFormat.h"

#include <algorithm>

namespace {

constexpr int kFeedLimit = 4000;

QString millimetresText(int tenths)
{
    return floatToStr(tenths * 0.1);
}

} // namespace

PrintControls printControlsFromSettings(const JobSettings& settings)
{
    PrintControls controls;
    controls.cmbPrintSensor = settings.printSensor;
    controls.cmbPrintRibbon = settings.printRibbon;
    controls.cmbPrintSpeed = settings.printSpeed;
    controls.cmbPrintDarkness = settings.printDarkness;
    controls.cmbPrintDPI = settings.printDpi;
    controls.cmbPrintRotation = settings.printRotation;
    controls.cmbOstrel = settings.ostrel;
    controls.cmbPrintPort = settings.printPort;
    controls.cmbPrintStatusPort = settings.printStatusPort;
    controls.cmbPrintBaud = settings.printBaud;
    controls.txtPrintGap = millimetresText(settings.Gap);
    controls.txtPrintU1U2 = millimetresText(settings.printU1U2);
    controls.txtPrintX = millimetresText(settings.printX);
    controls.txtPrintY = millimetresText(settings.printY);
    controls.txtQuantity = settings.quantity.isEmpty() ? QStringLiteral("1") : settings.quantity;
    controls.cbFeed = settings.ifFeed != 0;
    return controls;
}

void refreshPrintSettings(JobSettings& settings, const PrintControls& controls, int offsetX, int offsetY)
{
    const int gap = tenthsOfMillimetre(controls.txtPrintGap);
    // The window shows the adjustment in millimetres with its tenths ("1.5"), so it is read
    // back the same way rather than refused for not being a whole number.
    const int feed = std::clamp(tenthsOfMillimetre(controls.txtPrintU1U2), -kFeedLimit, kFeedLimit);
    settings.printSensor = controls.cmbPrintSensor;
    settings.printRibbon = controls.cmbPrintRibbon;
    settings.printSpeed = controls.cmbPrintSpeed;
    settings.printDarkness = controls.cmbPrintDarkness;
    settings.printDpi = controls.cmbPrintDPI;
    settings.printRotation = controls.cmbPrintRotation;
    settings.printPort = controls.cmbPrintPort;
    settings.printStatusPort = controls.cmbPrintStatusPort;
    settings.Gap = gap;
    settings.printU1U2 = feed;
    settings.quantity = controls.txtQuantity;
    settings.printX = offsetX;
    settings.printY = offsetY;
}
