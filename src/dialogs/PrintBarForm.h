#pragma once

#include "dialogs/PrintObjectForms.h"

#include <QString>
#include <QStringList>

class Tobject;

// The one-dimensional barcode dialog as the operator filled it. List choices are their
// entry's index, except the type, which is stored as the text it shows.
struct PrintBarForm {
    QString name;
    QString barType = QStringLiteral("CODE128(with auto code)");
    int direction = 0;
    QString barWidth = QStringLiteral("2"); // narrow bar, printer dots
    QString barValue = QStringLiteral("12345678");
    int wideBarRatio = 0; // "2:1", "3:1", "5:2"
    QString barHeight = QStringLiteral("10");
    QString left = QStringLiteral("0");
    QString top = QStringLiteral("0");
    int displayCode = 2; // no readable line, the printer's, the program's own
    QString selfAdd = QStringLiteral("0");
    QString beginStr;
    QString endStr;
    RecordColumn record;
    // The readable line the program prints itself.
    FontSample font{QStringLiteral("宋体"), 10};
    QString strGap = QStringLiteral("0"); // millimetres
    QString widthFactor = QStringLiteral("1");
    QString heightFactor = QStringLiteral("1");
    int alignMode = 2; // left, right, centre, justified
    bool if39Star = false;
    QString xOffset = QStringLiteral("0"); // millimetres
    QString yOffset = QStringLiteral("0");
};

QStringList barTypeEntries();
QStringList barWidthEntries();       // "1" … "15"
QStringList wideBarRatioEntries();   // "2:1", "3:1", "5:2"
QStringList displayCodeEntries();
QStringList alignModeEntries();

// The wide bar for a narrow bar and a ratio entry: × 2, × 3, or × 5 div 2 for "5:2".
int wideBarWidth(int barWidth, int ratioIndex);

// What "打印一维码" sets before the dialog shows; every other field keeps its last value.
void presetPrintBar(PrintBarForm& form);

// The first reason the barcode cannot be added, naming the field; empty when it can.
QString printBarProblem(const PrintBarForm& form);

// Adds the barcode to the document. Raises ConversionError for a field that is not a
// number before the document changes.
void addPrintBar(const PrintBarForm& form, Tobject& document);
