#include "data/CellValue.h"
#include "data/XlsxRelationships.h"
#include "data/XlsxSheetReader.h"
#include "data/XlsxStyles.h"

#include <gtest/gtest.h>

namespace {

TEST(CellValue, DisplaysValuesAsTheSpreadsheetUserSeesThem)
{
    const struct {
        CellValue value;
        const char16_t* text;
    } cases[] = {
        {CellValue(), u""},
        {CellValue::fromNumber(3), u"3"}, // whole numbers without ".0"
        {CellValue::fromNumber(2.5), u"2.5"},
        {CellValue::fromNumber(-7), u"-7"},
        {CellValue::fromNumber(123456789012.0), u"123456789012"}, // long codes stay whole
        {CellValue::fromNumber(0.1 + 0.2), u"0.3"},
        {CellValue::fromText(QStringLiteral("批号 01")), u"批号 01"},
        {CellValue::fromDayCount(45356, CellKind::Date), u"2024-03-05"},
        {CellValue::fromDayCount(45356.6041666667, CellKind::DateTime), u"2024-03-05 14:30:00"},
        {CellValue::fromDayCount(0.34409722222, CellKind::Time), u"08:15:30"},
        // Beyond 9999-12-31 no calendar shows it: the number stays a number.
        {CellValue::fromDayCount(1e9, CellKind::Date), u"1000000000"},
    };
    for (const auto& row : cases)
        EXPECT_EQ(row.value.displayText(), QString::fromUtf16(row.text));
}

TEST(CellValue, ReadsMomentsFromDatesNumbersAndText)
{
    const QDateTime afternoon(QDate(2024, 3, 5), QTime(14, 30));
    const struct {
        CellValue value;
        QDateTime expected;
    } cases[] = {
        {CellValue::fromDayCount(45356.6041666667, CellKind::DateTime), afternoon},
        {CellValue::fromNumber(45356), QDateTime(QDate(2024, 3, 5), QTime(0, 0))},
        {CellValue::fromText(QStringLiteral("2024-03-05 14:30:00")), afternoon},
        {CellValue::fromText(QStringLiteral(" 2024-03-05 ")), QDateTime(QDate(2024, 3, 5), QTime(0, 0))},
        {CellValue::fromText(QStringLiteral("下周")), QDateTime()},
        {CellValue(), QDateTime()},
    };
    for (const auto& row : cases)
        EXPECT_EQ(row.value.dateTime(), row.expected) << qPrintable(row.value.displayText());
}

TEST(DateSystems, SerialsBecomeTheCalendarDaysTheSpreadsheetShows)
{
    const struct {
        double serial;
        bool date1904;
        QDate expected;
    } cases[] = {
        {1, false, QDate(1900, 1, 1)},
        {59, false, QDate(1900, 2, 28)},
        {61, false, QDate(1900, 3, 1)}, // after the phantom 29 February 1900
        {45356, false, QDate(2024, 3, 5)},
        {0, true, QDate(1904, 1, 1)},
        {43894, true, QDate(2024, 3, 5)},
    };
    for (const auto& row : cases) {
        const QDateTime moment =
            dateTimeFromDayCount(xlsx::dayCountFromSerial(row.serial, row.date1904));
        EXPECT_EQ(moment.date(), row.expected) << row.serial << " 1904=" << row.date1904;
    }
}

TEST(NumberFormats, TellDatesAndTimesFromNumbers)
{
    const struct {
        const char16_t* code;
        CellKind kind;
    } cases[] = {
        {u"General", CellKind::Number},
        {u"0.00", CellKind::Number},
        {u"#,##0;[Red]-#,##0", CellKind::Number}, // "d" of "Red" is a colour, not a day
        {u"0.00E+00", CellKind::Number},
        {u"\"days\" 0", CellKind::Number},          // quoted text says nothing
        {u"0\\d", CellKind::Number},                // nor an escaped character
        {u"yyyy-mm-dd", CellKind::Date},
        {u"yyyy\"年\"m\"月\"d\"日\"", CellKind::Date},
        {u"[$-804]mmmm", CellKind::Date},           // "m" alone is the month
        {u"m/d", CellKind::Date},
        {u"h:mm:ss", CellKind::Time},
        {u"mm:ss", CellKind::Time},                 // "m" beside seconds is minutes
        {u"[h]:mm", CellKind::Time},
        {u"h AM/PM", CellKind::Time},
        {u"yyyy/m/d h:mm", CellKind::DateTime},
        {u"yyyy-mm-dd;@", CellKind::Date},
    };
    for (const auto& row : cases)
        EXPECT_EQ(xlsx::numberFormatKind(QStringView(row.code)), row.kind)
            << qPrintable(QString::fromUtf16(row.code));

    const struct {
        int id;
        CellKind kind;
    } builtIn[] = {{0, CellKind::Number}, {2, CellKind::Number}, {14, CellKind::Date},
                   {20, CellKind::Time},  {22, CellKind::DateTime}, {31, CellKind::Date},
                   {32, CellKind::Time},  {45, CellKind::Time},   {49, CellKind::Number},
                   {57, CellKind::Date}};
    for (const auto& row : builtIn)
        EXPECT_EQ(xlsx::numberFormatKind(row.id), row.kind) << row.id;
}

TEST(Relationships, ResolveAbsoluteAndRelativeTargets)
{
    const struct {
        const char* source;
        const char* target;
        const char* part;
    } cases[] = {
        {"xl/workbook.xml", "worksheets/sheet1.xml", "xl/worksheets/sheet1.xml"},
        {"xl/workbook.xml", "/xl/worksheets/sheet1.xml", "xl/worksheets/sheet1.xml"},
        {"xl/workbook.xml", "../customXml/item1.xml", "customXml/item1.xml"},
        {"xl/workbook.xml", "./a/../b.xml", "xl/b.xml"},
        {"", "xl/workbook.xml", "xl/workbook.xml"},
        {"", "/xl/workbook.xml", "xl/workbook.xml"},
        {"xl/workbook.xml", "../../../etc/passwd", "etc/passwd"}, // never leaves the package
    };
    for (const auto& row : cases)
        EXPECT_EQ(xlsx::resolveTarget(QString::fromLatin1(row.source),
                                      QString::fromLatin1(row.target)),
                  QString::fromLatin1(row.part))
            << row.target;
}

} // namespace
