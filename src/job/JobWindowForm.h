#pragma once

#include "job/JobControls.h"
#include "job/PrintControls.h"
#include "model/FormProblem.h"
#include "model/JobSettings.h"

#include <QString>

// Every control of the job window that shows a setting or that a run reads, as the operator
// sees it: texts as typed, list positions, ticks. The quantity box is one control:
// printer.txtQuantity and cutter.txtQuantity always hold the same text.
struct JobWindowForm {
    PrintControls printer; // tab "打印参数", the printer's baud on "端口设置"
    JobControls cutter;    // tab "雕刻参数", the cutter's baud on "端口设置"
    QString txtPrintSleep; // milliseconds
    bool chbThread = true; // print-and-cut waits for the printer's status echo
    bool chbPrintFile = false;
    QString txtPrintFile;
    bool chbIfDB = false;                  // tab "数据库设置"
    QString txtRecord = QStringLiteral("1"); // window-only: the record range of a run
    QString txtCounter;

    friend bool operator==(const JobWindowForm&, const JobWindowForm&) = default;
};

// The controls as the window shows the settings when it opens. The record range keeps the
// text the window held last.
JobWindowForm jobWindowForm(const JobSettings& settings, const QString& recordRange = QStringLiteral("1"));

// Closing the window: every control converted first, then every setting stored, so that a
// text which is no number (ConversionError) or a margin the cutter cannot reach (the
// returned problem) leaves all settings as they were and the window open.
FormProblem storeJobWindowForm(const JobWindowForm& form, JobSettings& settings);

// The check made when the operator leaves a margin box: the margin in tenths of a
// millimetre, or the problem that refuses it ("请输入正确的数值！" for a text that is no
// number, "too large" at or beyond the cutter's working width or height). A refused margin
// is never stored, so the next cut cannot use it.
struct MarginCheck {
    int tenths = 0;
    FormProblem problem;
};
MarginCheck checkLeftMargin(const QString& text, const JobSettings& settings);
MarginCheck checkTopMargin(const QString& text, const JobSettings& settings);

// Using the spreadsheet needs a workbook and a sheet chosen first ("请先进行数据库设置！"); an
// empty text when both are set.
QString dataSourceProblem(const JobSettings& settings);
