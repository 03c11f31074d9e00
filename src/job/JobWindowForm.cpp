#include "job/JobWindowForm.h"

#include "model/ConversionError.h"
#include "model/Convert.h"

#include <QCoreApplication>

namespace {

class JobWindowText {
    Q_DECLARE_TR_FUNCTIONS(TfrmOstrel)
};

int flag(bool ticked)
{
    return ticked ? 1 : 0;
}

MarginCheck checkMargin(const QString& text, int limit, const char* control, const char* tooLarge)
{
    MarginCheck check;
    try {
        check.tenths = tenthsOfMillimetre(text);
    } catch (const ConversionError&) {
        check.problem = {JobWindowText::tr("请输入正确的数值！"), QString::fromLatin1(control)};
        return check;
    }
    // The limit itself lies outside the cutter's reach.
    if (check.tenths >= limit)
        check.problem = {JobWindowText::tr(tooLarge), QString::fromLatin1(control)};
    return check;
}

} // namespace

JobWindowForm jobWindowForm(const JobSettings& settings, const QString& recordRange)
{
    JobWindowForm form;
    form.printer = printControlsFromSettings(settings);
    form.cutter = controlsFromSettings(settings);
    form.txtPrintSleep = QString::number(settings.printSleep);
    form.chbThread = settings.ifThread != 0;
    form.chbPrintFile = settings.ifPrintFile != 0;
    form.txtPrintFile = settings.printFile;
    form.chbIfDB = settings.ifDBPrint != 0;
    form.txtRecord = recordRange;
    form.txtCounter = QString::number(settings.counter);
    return form;
}

MarginCheck checkLeftMargin(const QString& text, const JobSettings& settings)
{
    // A left margin too large pushes the drawing past the cutter's right limit.
    return checkMargin(text, settings.cutMaxWidth, "txtCutLeftMargin",
                       QT_TRANSLATE_NOOP("TfrmOstrel", "雕刻右边距的数值太大了！"));
}

MarginCheck checkTopMargin(const QString& text, const JobSettings& settings)
{
    return checkMargin(text, settings.cutMaxHeight, "txtCutTopMargin",
                       QT_TRANSLATE_NOOP("TfrmOstrel", "雕刻下边距的数值太大了！"));
}

FormProblem storeJobWindowForm(const JobWindowForm& form, JobSettings& settings)
{
    const PrintControls& printer = form.printer;
    const JobControls& cutter = form.cutter;
    const MarginCheck left = checkLeftMargin(cutter.txtCutLeftMargin, settings);
    if (!left.problem.message.isEmpty())
        return left.problem;
    const MarginCheck top = checkTopMargin(cutter.txtCutTopMargin, settings);
    if (!top.problem.message.isEmpty())
        return top.problem;

    JobSettings next = settings;
    next.printSensor = printer.cmbPrintSensor;
    next.printRibbon = printer.cmbPrintRibbon;
    next.printSpeed = printer.cmbPrintSpeed;
    next.printDarkness = printer.cmbPrintDarkness;
    next.printDpi = printer.cmbPrintDPI;
    next.printPort = printer.cmbPrintPort;
    next.printStatusPort = printer.cmbPrintStatusPort;
    next.quantity = printer.txtQuantity;
    next.printRotation = printer.cmbPrintRotation;
    next.ostrel = printer.cmbOstrel;
    next.printU1U2 = tenthsOfMillimetre(printer.txtPrintU1U2);
    next.printSleep = strToInt(form.txtPrintSleep);
    next.Gap = tenthsOfMillimetre(printer.txtPrintGap);
    next.counter = strToInt(form.txtCounter);
    next.cutLeft = left.tenths;
    next.cutTop = top.tenths;
    next.cutSleep = strToInt(cutter.txtCutSleep);
    next.cutPort = cutter.cmbCutPort;
    next.cutBaud = cutter.cmbCutBaud;
    next.printBaud = printer.cmbPrintBaud;
    next.ifCutSpeed = flag(cutter.chbCutSpeed);
    next.ifCutFeed = flag(cutter.chbCutFeed);
    next.ifCutFeedBlack = flag(cutter.chbCutFeedBlack);
    next.cutSpeed = strToInt(cutter.cmbCutSpeed);
    next.ifNullSpeed = flag(cutter.chbNullSpeed);
    next.NullSpeed = strToInt(cutter.cmbNullSpeed);
    next.ifGoLeft = flag(cutter.rbGoLeft);
    next.ifGoRight = flag(cutter.rbGoRight);
    next.ifGoDown = flag(cutter.rbGoDown);
    next.ifGoUp = flag(cutter.rbGoUp);
    next.ifBlack = flag(cutter.chbBlack);
    next.ifGoInit = flag(cutter.chbGoInit);
    next.ifCmdCut = flag(cutter.chbCmd);
    next.ifThread = flag(form.chbThread);
    next.mcX = static_cast<float>(strToFloat(cutter.cmbMcX));
    next.mcY = static_cast<float>(strToFloat(cutter.cmbMcY));
    next.sendBeforeCut = flag(cutter.chbSendBeforeCut);
    next.moveAfterCut = strToInt(cutter.txtMoveAfterCut);
    next.printX = tenthsOfMillimetre(printer.txtPrintX);
    next.printY = tenthsOfMillimetre(printer.txtPrintY);
    next.ifFeed = flag(printer.cbFeed);
    next.ifDBPrint = flag(form.chbIfDB);
    next.ifPrintFile = flag(form.chbPrintFile);
    next.printFile = form.txtPrintFile;
    settings = next;
    return {};
}

QString dataSourceProblem(const JobSettings& settings)
{
    if (settings.dbName.isEmpty() || settings.tableName.isEmpty())
        return JobWindowText::tr("请先进行数据库设置！");
    return {};
}
