#include "model/JobSettings.h"
#include "model/LabelSettings.h"

#include <gtest/gtest.h>

TEST(JobSettings, NewLabelStartsWithTheMachineDefaults)
{
    const JobSettings settings;
    EXPECT_EQ(settings.printSpeed, 0);
    EXPECT_EQ(settings.cutSpeed, 0);
    EXPECT_EQ(settings.cutPort, QStringLiteral("com1"));
    EXPECT_EQ(settings.cutBaud, QStringLiteral("9600"));
    EXPECT_EQ(settings.printPort, QStringLiteral("lpt1"));
    EXPECT_EQ(settings.printStatusPort, QStringLiteral("com4"));
    EXPECT_EQ(settings.printBaud, QStringLiteral("115200"));
    EXPECT_EQ(settings.quantity, QStringLiteral("1"));
    EXPECT_EQ(settings.counter, 0);
    EXPECT_EQ(settings.printDarkness, 10); // "+00"
    EXPECT_EQ(settings.cutMaxWidth, 1300);
    EXPECT_EQ(settings.cutMaxHeight, 3000);
    EXPECT_EQ(settings.ifThread, 1);
    EXPECT_EQ(settings.ifGoLeft, 1);
    EXPECT_EQ(settings.ifGoUp, 1);
    // 66.667 although the vertical list's last entry is "67".
    EXPECT_FLOAT_EQ(settings.mcX, 66.667f);
    EXPECT_FLOAT_EQ(settings.mcY, 66.667f);
}

TEST(JobSettings, OneSharedInstanceEach)
{
    jobSettings().counter = 5;
    labelSettings().Width = 600;
    EXPECT_EQ(jobSettings().counter, 5);
    EXPECT_EQ(labelSettings().Width, 600);
    jobSettings() = JobSettings{};
    labelSettings() = LabelSettings{};
    EXPECT_EQ(labelSettings().Width, 1300);
    EXPECT_EQ(labelSettings().Height, 900);
}
