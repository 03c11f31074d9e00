#pragma once

#include "model/FormProblem.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

struct JobSettings;

// What the text and symbol dialogs share: their lists, the font sample, the spreadsheet
// column and the position of a symbol.

// "0度" … "270度": the entry's index is the stored direction.
QStringList directionEntries();
// "0.7" … "1.5" in steps of 0.1, with "1" (not "1.0") in the middle, as the scale lists show.
QStringList scaleFactorEntries();
// The sizes the font lists offer, in points.
QStringList fontSizeEntries();

// The font the sample panel shows, which is the font a text or a barcode's readable line is
// given: a size typed but not shown by the sample is not stored.
struct FontSample {
    QString name = QStringLiteral("宋体");
    int size = 12; // points
    bool bold = false;
    bool italic = false;
    bool underLine = false;
    bool strikeOut = false;

    friend bool operator==(const FontSample&, const FontSample&) = default;
};

// The size the sample takes from the size field: a whole number of points from 1 to
// kLargestSampleSize. Anything else (a size half typed, a slip of the keyboard, a size no
// label could hold) leaves the sample as it was, without a message.
inline constexpr int kLargestSampleSize = 1000;
std::optional<int> sampleFontSize(const QString& text);
QFont sampleFont(const FontSample& sample);

// The spreadsheet column that replaces the value when each label is printed.
struct RecordColumn {
    bool use = false;     // "使用数据库"
    QString column;       // the chosen entry of the column list

    // The column stored in the object; an empty text means none.
    QString stored() const { return use ? column : QString(); }
};

// What ticking "使用数据库" offers: the columns of the sheet the data source names, read from
// the workbook (a workbook that cannot be read shows its own message and offers none). No
// value when the data source names no workbook or no sheet: the operator is asked to set one
// up first (setUpDataSourceFirstMessage) and the box is cleared again.
std::optional<QStringList> recordColumnChoices(const JobSettings& settings);
QString setUpDataSourceFirstMessage();

// The symbol dialogs read each number without raising and name the field that is wrong.
std::optional<double> typedNumber(const QString& text);
std::optional<int> typedInteger(const QString& text);

// The position of a symbol in millimetres: a number, zero included, and not negative.
// The message names the first field that is wrong; empty when both are right.
QString symbolPositionProblem(const QString& left, const QString& top);
