#include "job/JobControls.h"

#include "model/NumberFormat.h"

namespace {

QString millimetres(int tenths)
{
    return floatToStr(tenths * 0.1);
}

QString pulsesPerMillimetre(float value)
{
    return QString::number(value, 'f', 3);
}

} // namespace

JobControls controlsFromSettings(const JobSettings& settings)
{
    JobControls controls;
    controls.cmbMcX = pulsesPerMillimetre(settings.mcX);
    controls.cmbMcY = pulsesPerMillimetre(settings.mcY);
    controls.txtCutLeftMargin = millimetres(settings.cutLeft);
    controls.txtCutTopMargin = millimetres(settings.cutTop);
    controls.txtCutSleep = QString::number(settings.cutSleep);
    controls.txtMoveAfterCut = QString::number(settings.moveAfterCut);
    controls.chbCmd = settings.ifCmdCut != 0;
    controls.chbCutFeed = settings.ifCutFeed != 0;
    controls.chbCutFeedBlack = settings.ifCutFeedBlack != 0;
    controls.chbSendBeforeCut = settings.sendBeforeCut != 0;
    // Each group is filled one button after the other, and checking a radio button clears
    // its partner: when a file sets both flags of a group, the button filled last holds.
    controls.rbGoRight = settings.ifGoRight == 1;
    controls.rbGoLeft = settings.ifGoLeft == 1 && !controls.rbGoRight;
    controls.rbGoUp = settings.ifGoUp == 1;
    controls.rbGoDown = settings.ifGoDown == 1 && !controls.rbGoUp;
    controls.chbCutSpeed = settings.ifCutSpeed != 0;
    controls.cmbCutSpeed = QString::number(settings.cutSpeed);
    controls.chbNullSpeed = settings.ifNullSpeed != 0;
    controls.cmbNullSpeed = QString::number(settings.NullSpeed);
    controls.chbBlack = settings.ifBlack != 0;
    controls.chbGoInit = settings.ifGoInit != 0;
    controls.txtQuantity = settings.quantity.isEmpty() ? QStringLiteral("1") : settings.quantity;
    controls.cmbCutPort = settings.cutPort;
    controls.cmbCutBaud = settings.cutBaud;
    return controls;
}
