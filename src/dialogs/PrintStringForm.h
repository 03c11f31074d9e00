#pragma once

#include "dialogs/PrintObjectForms.h"
#include "dialogs/Replication.h"

#include <QString>

class QPaintDevice;
class Tobject;
struct LabelSettings;

// The text dialog as the operator filled it: lengths in millimetres, the copies as counts
// and the pitches between the anchors of neighbouring copies (not the gaps between them).
struct PrintStringForm {
    QString name;
    QString str = QStringLiteral("12345678");
    QString left = QStringLiteral("0");
    QString top = QStringLiteral("0");
    FontSample font;
    // The extra space after each character, in whole pixels of the label surface. Decimals
    // are read and cut to whole pixels, so "2", "2.5" and the "2.000" the format dialog
    // writes all give 2.
    QString strGap = QStringLiteral("0");
    int direction = 0;
    // The gaps of the copies are the pitches: "水平间距" 20 mm, "垂直间距" 10 mm.
    ReplicationForm copies{.columnGap = QStringLiteral("20"), .rowGap = QStringLiteral("10")};
    QString widthFactor = QStringLiteral("1");
    QString heightFactor = QStringLiteral("1");
    QString serial = QStringLiteral("0"); // step of the text's trailing number after each label
    RecordColumn record;
    QString DBType = QStringLiteral("文本"); // "文本" or "日期"
    int DBDateStyle = 0;
};

// The types of the database page as the label file stores them ("文本", "日期": the job tells a
// date column by that text, in any interface language), and each as the list shows it.
QStringList recordTypeEntries();
QString recordTypeCaption(const QString& type);
// The date formats shown as a sample date.
QStringList dateStyleEntries();

// What "打印字符" sets before the dialog shows; every other field keeps its last value.
void presetPrintString(PrintStringForm& form);

// The first reason the form cannot be added to the label. A grid whose last anchor reaches
// the label's right or bottom edge is refused; the text's own size is not part of the test.
// Any field that is no number is reported as the serial step's message, and the serial
// field takes the focus; the character gap, which the format dialog also fills, has its own.
FormProblem printStringProblem(const PrintStringForm& form, const LabelSettings& label);

// Adds the grid of texts, measured on surface, to the document. Every field is converted
// before the document changes: a field that is not a number raises ConversionError and
// leaves the document and its undo snapshot as they were.
void addPrintStrings(const PrintStringForm& form, Tobject& document, const QPaintDevice& surface);
