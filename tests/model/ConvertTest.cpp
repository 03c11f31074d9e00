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
        EXPECT_EQ(error.message(), QStringLiteral("'abc' is not a valid integer value"));
    }
}
