#include "printer/PrintCommands.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintCommands, PadLeftCutsOrFillsToTheWidth)
{
    struct Case {
        const char* text;
        const char* padded;
    } const cases[] = {
        {"75", "0075"}, {"12345", "1234"}, {"-5", "00-5"}, {"1300", "1300"}, {"", "0000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PadLeft(QString::fromLatin1(c.text), 4, u'0'), QString::fromLatin1(c.padded)) << c.text;
}

TEST(PrintCommands, HeaderCarriesSizeClearAndDensity)
{
    struct Case {
        int width, height, gap;
        bool sideways, feedMode;
        int ribbon, darkness;
        const char* header;
    } const cases[] = {
        {1300, 900, 0, false, false, 2, 10, "{D0900,1300,0900|}{C|}{AY;+00,0|}"},
        {1300, 900, 20, true, false, 2, 10, "{D1320,0900,1300|}{C|}{AY;+00,0|}"},
        {1300, 900, 0, false, true, 2, 10, "{D0900,1300,0900|}{AY;+00,0|}"},   // feed mode keeps the buffer
        {1300, 900, 0, false, false, 0, 7, "{D0900,1300,0900|}{C|}{AY;-03,1|}"}, // direct thermal
        {1300, 900, 0, false, false, 3, 20, "{D0900,1300,0900|}{C|}{AY;+10,0|}"},
        {1300, 900, 0, false, false, 1, 99, "{D0900,1300,0900|}{C|}{AY;+00,0|}"}, // no such list entry
    };
    for (const Case& c : cases) {
        JobSettings settings;
        settings.Gap = c.gap;
        settings.printRibbon = c.ribbon;
        settings.printDarkness = c.darkness;
        EXPECT_EQ(labelHeader(c.width, c.height, c.sideways, settings, c.feedMode), QByteArray(c.header));
    }
}

TEST(PrintCommands, IssueCommandCarriesQuantityCodesAndFeedAdjustment)
{
    struct Case {
        const char* quantity;
        int feed;
        int ostrel, sensor, speed, ribbon, rotation;
        const char* issue;
    } const cases[] = {
        {"1", 0, 0, 2, 0, 2, 0, "{XS;I,0001,0002C3201|}"},
        {"12345", 0, 0, 2, 0, 2, 0, "{XS;I,1234,0002C3201|}"},
        {"5", 0, 1, 4, 2, 0, 3, "{XS;I,0005,0014C8031|}"},
        {"5", 0, 1, 7, 9, 9, 9, "{XS;I,0005,0010C3331|}"}, // positions beyond the lists
        {"1", 120, 0, 2, 0, 2, 0, "{U2;0120,1|}{XS;I,0001,0002C3201|}{U1;0120,1|}"},
        {"1", 2000, 0, 2, 0, 2, 0, "{U2;2000,1|}{XS;I,0001,0002C3201|}{U1;2000,1|}"},
        {"1", 2500, 0, 2, 0, 2, 0, "{U2;2000,1|}{U2;0500,1|}{XS;I,0001,0002C3201|}{U1;2000,1|}{U1;0500,1|}"},
        {"1", -1, 0, 2, 0, 2, 0, "{U1;0001,1|}{XS;I,0001,0002C3201|}{U2;0001,1|}"},
        {"1", -4000, 0, 2, 0, 2, 0,
         "{U1;2000,1|}{U1;2000,1|}{XS;I,0001,0002C3201|}{U2;2000,1|}{U2;2000,1|}"},
    };
    for (const Case& c : cases) {
        JobSettings settings;
        settings.printU1U2 = c.feed;
        settings.ostrel = c.ostrel;
        settings.printSensor = c.sensor;
        settings.printSpeed = c.speed;
        settings.printRibbon = c.ribbon;
        settings.printRotation = c.rotation;
        EXPECT_EQ(issueCommand(QString::fromLatin1(c.quantity), settings), QByteArray(c.issue));
    }
}

TEST(PrintCommands, ResolutionAndDensityTextsFollowTheirLists)
{
    EXPECT_EQ(printerDpi(0), 203);
    EXPECT_EQ(printerDpi(1), 305);
    EXPECT_EQ(printerDpi(7), 305);
    EXPECT_EQ(darknessText(0), QStringLiteral("-10"));
    EXPECT_EQ(darknessText(10), QStringLiteral("+00"));
    EXPECT_EQ(darknessText(13), QStringLiteral("+03"));
    EXPECT_EQ(darknessText(-1), QStringLiteral("+00"));
}

} // namespace
