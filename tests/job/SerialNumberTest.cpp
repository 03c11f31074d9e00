#include "job/RecordFields.h"
#include "job/SerialNumber.h"
#include "job/VariableData.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct SerialCase {
    const char16_t* text;
    int step;
    const char16_t* expected;
};

TEST(IncrementSerial, StepsTheTrailingNumberKeepingItsWidth)
{
    const SerialCase cases[] = {
        {u"A001", 1, u"A002"},
        {u"A099", 1, u"A100"},
        {u"A999", 1, u"A1000"},        // a longer number is used as it is
        {u"No.009-X", 1, u"No.010-X"}, // "-X" after the last digit stays as the suffix
        {u"12", -3, u"09"},
        {u"005", -10, u"0-5"},         // zeros go before the minus sign
        {u"1", -3, u"-2"},
        {u"A-5", 1, u"A-6"},           // a minus before the digits is part of the prefix
        {u"9", 1, u"10"},
        {u"1a2b", 2, u"1a4b"},         // only the last group of digits steps
        {u"000000000000000000007", 3, u"000000000000000000010"}, // leading zeros do not count
        {u"序号0099号", 1, u"序号0100号"},
        {u"2147483646", 1, u"2147483647"},
        {u"-2147483647", -1, u"-2147483646"}, // the "-" is a prefix: 2147483647 + (-1)
        {u"0", std::numeric_limits<int>::min(), u"-2147483648"},
    };
    for (const SerialCase& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(IncrementSerial(text, c.step), QString::fromUtf16(c.expected))
            << qPrintable(text) << " step " << c.step;
    }
}

TEST(IncrementSerial, LeavesTextsItCannotStepUnchanged)
{
    const SerialCase cases[] = {
        {u"ABC", 1, u"ABC"},                   // no digit at all
        {u"", 1, u""},
        {u"--", -1, u"--"},
        {u"X2147483648", 1, u"X2147483648"},    // number part beyond 32 bits
        {u"99999999999999999999", 1, u"99999999999999999999"},
        {u"2147483647", 1, u"2147483647"},      // would wrap to a negative number
        {u"٣", 1, u"٣"},                        // only the digits 0 to 9 form the number
    };
    for (const SerialCase& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(IncrementSerial(text, c.step), QString::fromUtf16(c.expected))
            << qPrintable(text) << " step " << c.step;
    }
}

Tshape serialText(const QString& str, int step)
{
    Tshape shape = makeShape(ShapeKind::PrintString);
    shape.str = str;
    shape.serialNo = step;
    return shape;
}

Tshape serialBar(const QString& value, int step)
{
    Tshape shape = makeShape(ShapeKind::PrintBar);
    shape.barValue = value;
    shape.selfAdd = step;
    return shape;
}

TEST(AdvanceSerials, StepsEveryStoredSerialOncePerLabelJob)
{
    ShapeList objects{serialText(QStringLiteral("A001"), 1), serialBar(QStringLiteral("100"), 1),
                      serialText(QStringLiteral("N05"), -2), serialBar(QStringLiteral("777"), 0),
                      serialText(QStringLiteral("fixed 1"), 0), makeShape(ShapeKind::CutRect)};
    objects[2].ifPrint = false; // an object left out of printing still advances

    Tshape qr = makeShape(ShapeKind::PrintQRBar);
    qr.barValue = QStringLiteral("5");
    qr.selfAdd = 1; // only linear symbols step
    objects.append(qr);
    Tshape cut = makeShape(ShapeKind::CutLine);
    cut.str = QStringLiteral("1");
    cut.serialNo = 1;
    objects.append(cut);

    const ShapeList before = objects;
    AdvanceSerials(objects);

    EXPECT_EQ(objects[0].str, QStringLiteral("A002"));
    // Quantity 5 printed 100 … 104 through the printer's own step; the stored value moves
    // by one step per job.
    EXPECT_EQ(objects[1].barValue, QStringLiteral("101"));
    EXPECT_EQ(objects[2].str, QStringLiteral("N03"));
    EXPECT_EQ(objects[3], before[3]);
    EXPECT_EQ(objects[4], before[4]);
    EXPECT_EQ(objects[5], before[5]);
    EXPECT_EQ(objects[6], before[6]);
    EXPECT_EQ(objects[7], before[7]);
}

TEST(AdvanceSerials, RecordValuesAreNeverAdvanced)
{
    Tshape text = serialText(QStringLiteral("S01"), 1);
    text.DBField = QStringLiteral("编号");
    Tshape bar = serialBar(QStringLiteral("500"), 1);
    bar.DBField = QStringLiteral("编号");
    ShapeList objects{text, bar};
    const MemoryRecord record{{QStringLiteral("编号"), QStringLiteral("R7")}};

    EXPECT_EQ(textValue(objects[0], &record), QStringLiteral("R7"));
    AdvanceSerials(objects);
    EXPECT_EQ(objects[0].str, QStringLiteral("S02"));
    EXPECT_EQ(objects[1].barValue, QStringLiteral("501"));
    EXPECT_EQ(textValue(objects[0], &record), QStringLiteral("R7"));
    EXPECT_EQ(symbolData(objects[1], &record), QStringLiteral("R7"));
    EXPECT_EQ(record.text(QStringLiteral("编号")), QStringLiteral("R7"));
}

} // namespace
