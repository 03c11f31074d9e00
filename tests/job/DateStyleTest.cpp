#include "job/DateStyle.h"
#include "model/ConversionError.h"

#include <gtest/gtest.h>

namespace {

TEST(DateStyle, WritesTheFifthOfMarch2017InEveryStyle)
{
    const QDateTime date(QDate(2017, 3, 5), QTime(14, 30));
    // Expected texts follow the date list of the text dialog ("2011/03/24" … "11.3.24").
    const char16_t* const expected[kDateStyleCount] = {
        u"2017/03/05", u"2017-03-05", u"2017.03.05", u"2017/3/5", u"2017-3-5", u"2017.3.5",
        u"17/03/05",   u"17-03-05",   u"17.03.05",   u"17/3/5",   u"17-3-5",   u"17.3.5",
    };
    for (int style = 0; style < kDateStyleCount; ++style)
        EXPECT_EQ(formatDateStyle(date, style, QStringLiteral("/")), QString::fromUtf16(expected[style]))
            << "style " << style;
}

TEST(DateStyle, SlashStandsForTheSeparatorOnly)
{
    const QDateTime date(QDate(2009, 11, 24), QTime());
    struct Case {
        int style;
        const char16_t* separator;
        const char16_t* expected;
    } const cases[] = {
        {0, u".", u"2009.11.24"},
        {9, u"-", u"09-11-24"},
        {1, u".", u"2009-11-24"}, // "-" and "." are written as they stand
        {11, u"/", u"09.11.24"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatDateStyle(date, c.style, QString::fromUtf16(c.separator)),
                  QString::fromUtf16(c.expected));
}

TEST(DateStyle, YearsAreAlwaysFourAndTwoDigits)
{
    EXPECT_EQ(formatDateStyle(QDateTime(QDate(812, 1, 2), QTime()), 1, QStringLiteral("/")),
              QStringLiteral("0812-01-02"));
    EXPECT_EQ(formatDateStyle(QDateTime(QDate(2005, 1, 2), QTime()), 10, QStringLiteral("/")),
              QStringLiteral("05-1-2"));
}

TEST(DateStyle, StylesOutsideTheListHaveNoPattern)
{
    for (const int style : {-1, 12, 1000}) {
        EXPECT_TRUE(dateStylePattern(style).isEmpty()) << style;
        EXPECT_TRUE(formatDateStyle(QDateTime(QDate(2017, 3, 5), QTime()), style, QStringLiteral("/"))
                        .isEmpty());
    }
}

TEST(DateStyle, SeparatorComesFromTheLocalesShortDate)
{
    struct Case {
        QLocale::Language language;
        QLocale::Territory territory;
        const char16_t* expected;
    } const cases[] = {
        {QLocale::English, QLocale::UnitedStates, u"/"},
        {QLocale::German, QLocale::Germany, u"."},
        {QLocale::Swedish, QLocale::Sweden, u"-"},
        {QLocale::Chinese, QLocale::China, u"/"},
        {QLocale::C, QLocale::AnyTerritory, u"/"}, // "d MMM yyyy": no sign between numbers
    };
    for (const Case& c : cases) {
        const QLocale locale(c.language, c.territory);
        EXPECT_EQ(localeDateSeparator(locale), QString::fromUtf16(c.expected))
            << qPrintable(locale.dateFormat(QLocale::ShortFormat));
    }
}

TEST(DateStyle, ReadsSpreadsheetDateTexts)
{
    struct Case {
        const char16_t* text;
        QDateTime expected;
    } const cases[] = {
        {u"2017-03-05", QDateTime(QDate(2017, 3, 5), QTime(0, 0))},
        {u"2017/3/5", QDateTime(QDate(2017, 3, 5), QTime(0, 0))},
        {u" 2017.3.5 ", QDateTime(QDate(2017, 3, 5), QTime(0, 0))},
        {u"2017-3-5 8:07", QDateTime(QDate(2017, 3, 5), QTime(8, 7))},
        {u"2017/03/05 18:07:09", QDateTime(QDate(2017, 3, 5), QTime(18, 7, 9))},
        {u"2017-03-05T18:07:09", QDateTime(QDate(2017, 3, 5), QTime(18, 7, 9))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseRecordDateTime(QString::fromUtf16(c.text)), c.expected)
            << qPrintable(QString::fromUtf16(c.text));
}

TEST(DateStyle, NonDatesRaiseAConversionErrorNamingTheText)
{
    for (const char16_t* text : {u"", u"abc", u"2017-13-05", u"2017-02-30", u"5.3.2017x", u"12345"}) {
        try {
            parseRecordDateTime(QString::fromUtf16(text));
            ADD_FAILURE() << "accepted " << qPrintable(QString::fromUtf16(text));
        } catch (const ConversionError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf16(text)));
        }
    }
}

} // namespace
