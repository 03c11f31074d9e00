#include "model/ConversionError.h"
#include "model/Convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Convert, TruncatesTowardZeroAndClamps)
{
    EXPECT_EQ(truncToInt(2.9L), 2);
    EXPECT_EQ(truncToInt(-2.9L), -2);
    EXPECT_EQ(roundHalfUp(2.5L), 3);
    EXPECT_EQ(roundHalfUp(0.378L), 0);
    EXPECT_EQ(roundHalfUp(-0.7L), 0); // half up then toward zero, as the machine rounds
    EXPECT_EQ(truncToInt(1e30L), std::numeric_limits<int>::max());
    EXPECT_EQ(truncToInt(-1e30L), std::numeric_limits<int>::min());
    EXPECT_EQ(truncToInt(std::nanl("")), 0);
}

TEST(Convert, OperatorTextToNumbers)
{
    EXPECT_EQ(strToInt(QStringLiteral(" 42 ")), 42);
    EXPECT_EQ(strToInt(QStringLiteral("-7")), -7);
    EXPECT_EQ(strToInt(QStringLiteral("$1F")), 31);
    EXPECT_DOUBLE_EQ(strToFloat(QStringLiteral("2.5")), 2.5);
    EXPECT_DOUBLE_EQ(strToFloat(QStringLiteral(" -0.1 ")), -0.1);
    EXPECT_EQ(strToIntDef(QStringLiteral("x"), 9), 9);
}

TEST(Convert, BadTextRaisesConversionErrorNamingTheText)
{
    const char* badIntegers[] = {"", "  ", "1.5", "12a", "99999999999", "1,000"};
    for (const char* text : badIntegers)
        EXPECT_THROW(strToInt(QString::fromLatin1(text)), ConversionError) << text;
    const char* badFloats[] = {"", "abc", "1,5", "inf", "nan", "1e999"};
    for (const char* text : badFloats)
        EXPECT_THROW(strToFloat(QString::fromLatin1(text)), ConversionError) << text;
    try {
        strToInt(QStringLiteral("abc"));
        FAIL();
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("“abc”不是有效的整数"));
    }
}

// Every size an operator can type with one decimal must be stored as written: 33.3 held in
// binary is 33.29999…, and multiplying that by ten lost a tenth on 1,199 of these values.
TEST(Convert, EveryOneDecimalMillimetreBecomesThatManyTenths)
{
    for (int tenths = 1; tenths <= 3000; ++tenths) {
        const QString typed = QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
        ASSERT_EQ(tenthsOfMillimetre(typed), tenths) << qPrintable(typed);
        ASSERT_EQ(floatTenthsOfMillimetre(typed), static_cast<float>(tenths)) << qPrintable(typed);
    }
}

TEST(Convert, TypedMillimetresAreTruncatedAsTheOperatorReadsThem)
{
    const struct {
        const char* typed;
        int tenths;
        float floatTenths;
    } cases[] = {
        {"33.33", 333, 333.3f},
        {"33.39", 333, 333.9f},
        {"2.3", 23, 23.0f},
        {" 130 ", 1300, 1300.0f},
        {"-0.1", -1, -1.0f},
        {"-0.09", 0, -0.9f},
        {"-2.35", -23, -23.5f},
        {"+7.5", 75, 75.0f},
        {".5", 5, 5.0f},
        {"5.", 50, 50.0f},
        {"0.0001", 0, 0.001f},
        {"1.5e2", 1500, 1500.0f},
        {"33.3e-1", 33, 33.3f},
        {"0e99999999999999999999", 0, 0.0f},
        {"0000000000000123.4", 1234, 1234.0f},
        {"214748364.7", 2147483647, 2147483647.0f},
        {"214748364.8", std::numeric_limits<int>::max(), 2147483648.0f},
        {"-214748364.9", std::numeric_limits<int>::min(), -2147483649.0f},
        {"1e300", std::numeric_limits<int>::max(), std::numeric_limits<float>::max()},
    };
    for (const auto& c : cases) {
        const QString typed = QString::fromLatin1(c.typed);
        EXPECT_EQ(tenthsOfMillimetre(typed), c.tenths) << c.typed;
        EXPECT_FLOAT_EQ(floatTenthsOfMillimetre(typed), c.floatTenths) << c.typed;
    }
    for (const char* bad : {"", "abc", "1,5", "3.3mm", "1e999", "inf", "--1"}) {
        EXPECT_THROW(tenthsOfMillimetre(QString::fromLatin1(bad)), ConversionError) << bad;
        EXPECT_THROW(floatTenthsOfMillimetre(QString::fromLatin1(bad)), ConversionError) << bad;
    }
}
