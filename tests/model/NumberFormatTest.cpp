#include "model/NumberFormat.h"

#include <gtest/gtest.h>

#include <limits>

TEST(NumberFormat, GeneralFormWithFifteenSignificantDigits)
{
    struct Row {
        double value;
        const char* text;
    };
    const Row rows[] = {
        {1.1f, "1.10000002384186"},  // a float widened, as the label file holds it
        {66.667f, "66.6669998168945"},
        {2.5, "2.5"},
        {20, "20"},
        {-0.5, "-0.5"},
        {0, "0"},
        {0.00001, "0.00001"},        // still fixed at the threshold
        {0.000001, "1E-6"},          // scientific below it
        {-0.0000015, "-1.5E-6"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},              // scientific from 10^15
        {1.5e15, "1.5E15"},
        {0.1 + 0.2, "0.3"},          // rounded to 15 digits
        {999999999999999.9, "1E15"}, // rounding carries into the next power
        {std::numeric_limits<double>::infinity(), "INF"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(floatToStr(row.value), QString::fromLatin1(row.text)) << row.text;
}

TEST(NumberFormat, PercentG)
{
    EXPECT_EQ(formatG(66.667f), QStringLiteral("66.667"));
    EXPECT_EQ(formatG(1.0), QStringLiteral("1"));
    EXPECT_EQ(formatG(0.8f), QStringLiteral("0.8"));
}
