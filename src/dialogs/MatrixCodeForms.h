#pragma once

#include "dialogs/PrintObjectForms.h"

#include <QString>
#include <QStringList>

class Tobject;

// The dialogs of the three two-dimensional codes as the operator filled them. Each is
// placed by its anchor in millimetres; list choices are their entry's index.

struct PrintQRBarForm {
    QString name;
    int direction = 0;
    QString barWidth = QStringLiteral("4"); // module size in printer dots; the list ends with an empty entry
    int barLevel = 1;                       // "高密度级", "标准级", "可靠级", "高可靠级"
    QString barValue = QStringLiteral("12345678");
    QString left = QStringLiteral("0");
    QString top = QStringLiteral("0");
    RecordColumn record;
};

struct PrintDataMatrixForm {
    QString name;
    int direction = 0;
    QString barWidth = QStringLiteral("4");
    QString barValue = QStringLiteral("12345678");
    QString left = QStringLiteral("0");
    QString top = QStringLiteral("0");
    RecordColumn record;
};

// The label files keep the module width and the column count of a PDF417 code as positions
// in their lists ("02" as 1, "10" columns as 9), and the printer reads them so; the level
// "00" … "08" is its own position as well.
struct PrintPdf417BarForm {
    QString name;
    int direction = 0;
    int barWidth = 1;                         // "01" … "10"
    QString barHeight = QStringLiteral("10"); // "1" … "100", stored as the number shown
    int barColumn = 9;                        // "01" … "30"
    int barLevel = 2;                         // "00" … "08"
    QString barValue = QStringLiteral("12345678");
    QString left = QStringLiteral("10");
    QString top = QStringLiteral("10");
    RecordColumn record;
};

QStringList qrModuleEntries();         // "1" … "52" and an empty entry
QStringList dataMatrixModuleEntries(); // "0" … "52" and an empty entry
QStringList qrLevelEntries();
QStringList pdf417WidthEntries();      // "01" … "10"
QStringList pdf417HeightEntries();     // "1" … "100"
QStringList pdf417ColumnEntries();     // "01" … "30"
QStringList pdf417LevelEntries();      // "00" … "08"

// What the create commands set before the dialogs show: the position at the label's
// corner and no spreadsheet column. Every other field keeps its last value.
template <typename Form>
void presetMatrixCode(Form& form)
{
    form.left = form.top = QStringLiteral("0");
    form.record = {};
}

// The first reason a code cannot be added, naming the field; empty when it can.
QString printQRBarProblem(const PrintQRBarForm& form);
QString printDataMatrixProblem(const PrintDataMatrixForm& form);
QString printPdf417BarProblem(const PrintPdf417BarForm& form);

// Add the code to the document. Raise ConversionError for a field that is not a number
// before the document changes.
void addPrintQRBar(const PrintQRBarForm& form, Tobject& document);
void addPrintDataMatrix(const PrintDataMatrixForm& form, Tobject& document);
void addPrintPdf417Bar(const PrintPdf417BarForm& form, Tobject& document);
