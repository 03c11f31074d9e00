#include "CutJobSupport.h"

#include "cutter/CutText.h"
#include "model/ConversionError.h"
#include "model/MessageError.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using ControlChange = std::function<void(JobControls&)>;

// The rectangle of the fixture, centred on the 130 mm cutter: 10.5 mm from its origin.
const QByteArray kRectangle = " O20.5000,10.0000,30.0000,20.0000,0.0000,0,0,0.0000,0.0000,0.0000,0";

QString header(const CutJobFixture& job, CutJobMode mode = CutJobMode::CurrentLabel)
{
    return cutStreamHeader(job.controls, mode, job.settings, job.label);
}

TEST(CutStream, NewLabelIsOneRectangleBetweenTheSetUpAndClosingCommands)
{
    CutJobFixture job;
    const std::optional<CutStream> stream = buildCutStream(CutJobMode::CurrentLabel, job.inputs());
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->header, "# Q66.667,66.667 H1 H2");
    EXPECT_EQ(stream->body, kRectangle);
    EXPECT_EQ(stream->trailer, " H7 N @");
    EXPECT_EQ(stream->whole(), "# Q66.667,66.667 H1 H2" + kRectangle + " H7 N @");
}

TEST(CutStream, HeaderAndTrailerFollowTheControls)
{
    const struct {
        const char* name;
        ControlChange change;
        CutJobMode mode;
        const char* header;
        const char* trailer;
    } cases[] = {
        {"pulse factors trimmed, vertical first",
         [](auto& c) { c.cmbMcX = QStringLiteral(" 40 "); c.cmbMcY = QStringLiteral("43\t"); },
         CutJobMode::CurrentLabel, "# Q43,40 H1 H2", " H7 N @"},
        {"reply before cutting", [](auto& c) { c.chbSendBeforeCut = true; },
         CutJobMode::CurrentLabel, "# Q66.667,66.667 N H1 H2", " H7 @"},
        {"carriage right and front", [](auto& c) {
             c.rbGoLeft = c.rbGoUp = false;
             c.rbGoRight = c.rbGoDown = true;
         }, CutJobMode::CurrentLabel, "# Q66.667,66.667 H3 H4", " H7 N @"},
        {"carriage stays", [](auto& c) { c.rbGoLeft = c.rbGoUp = false; },
         CutJobMode::CurrentLabel, "# Q66.667,66.667", " H7 N @"},
        {"speeds and black mark after the carriage", [](auto& c) {
             c.chbCutSpeed = c.chbNullSpeed = c.chbBlack = true;
             c.cmbCutSpeed = QStringLiteral(" 85 ");
             c.cmbNullSpeed = QStringLiteral("90");
         }, CutJobMode::CurrentLabel, "# Q66.667,66.667 H1 H2 C125 S110 F200", " H7 N @"},
        {"speed texts are not read while unticked", [](auto& c) {
             c.cmbCutSpeed = c.cmbNullSpeed = QStringLiteral("fast");
         }, CutJobMode::CurrentLabel, "# Q66.667,66.667 H1 H2", " H7 N @"},
        {"no return to the start", [](auto& c) { c.chbGoInit = false; },
         CutJobMode::CurrentLabel, "# Q66.667,66.667 H1 H2", " N @"},
        {"alternative begin and end texts", [](auto& c) {
             c.cmbCutStartChar = QStringLiteral(";:H A L0 EC1 U ");
             c.cmbCutEndChar = QStringLiteral(" U F @");
         }, CutJobMode::CurrentLabel, ";:H A L0 EC1 U  Q66.667,66.667 H1 H2", " H7 N  U F @"},
        {"cutter feed by black mark", [](auto& c) {
             c.chbCutFeedBlack = true;
             c.txtQuantity = QStringLiteral(" 5 ");
         }, CutJobMode::CutterFeed, "# Q66.667,66.667 Y92.00,50,0,1  H1 H2", " H7 W5 N @"},
        {"plain cutter feed, reply before cutting", [](auto& c) { c.chbSendBeforeCut = true; },
         CutJobMode::CutterFeed, "# Q66.667,66.667 Y92.00,50,0,0  N H1 H2", " H7 W1 @"},
        {"cutter feed ignored when cutting one label", [](auto& c) { c.chbCutFeedBlack = true; },
         CutJobMode::CurrentLabel, "# Q66.667,66.667 H1 H2", " H7 N @"},
    };
    for (const auto& c : cases) {
        CutJobFixture job;
        job.label.Height = 900;
        job.settings.Gap = 20;
        c.change(job.controls);
        EXPECT_EQ(header(job, c.mode), QString::fromUtf8(c.header)) << c.name;
        EXPECT_EQ(cutStreamTrailer(job.controls, c.mode), QString::fromUtf8(c.trailer)) << c.name;
    }
}

TEST(CutStream, SpeedCodes)
{
    const struct {
        int value;
        const char* cutting;
        const char* travel;
    } cases[] = {
        {80, " C130", " S130"}, {90, " C110", " S110"}, {100, " C100", " S100"},
        {110, " C90", " S90"},  {120, " C80", " S80"},  {130, " C70", " S70"},
        {140, " C65", " S65"},  {150, " C60", " S60"},
        {85, " C125", ""},  // between the listed values: 210 - value, no travel command
        {200, " C10", ""},
        {250, " C10", ""},  // held at 200
        {50, " C130", ""},  // raised to 80; the travel speed is not limited
        {0, " C130", ""},
        {-2147483647 - 1, " C130", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cuttingSpeedCommand(c.value), QString::fromUtf8(c.cutting)) << c.value;
        EXPECT_EQ(travelSpeedCommand(c.value), QString::fromUtf8(c.travel)) << c.value;
    }
}

TEST(CutStream, CarriageMovesAfterCuttingOnlyForAWholeNumberOtherThanZero)
{
    const struct {
        const char* typed;
        const char* trailer;
    } cases[] = {
        {"0", " H7 N @"},
        {"-5", " H7 X0,-5 N @"},
        {" 12 ", " H7 X0,12 N @"},
        {"2.5", " H7 N @"},
        {"", " H7 N @"},
        {"abc", " H7 N @"},
        {"+3", " H7 X0,3 N @"},  // the cutter receives the number, not the sign as typed
        {"$A", " H7 X0,10 N @"}, // nor the operator's hexadecimal
    };
    for (const auto& c : cases) {
        JobControls controls = controlsFromSettings(JobSettings{});
        controls.txtMoveAfterCut = QString::fromUtf8(c.typed);
        EXPECT_EQ(cutStreamTrailer(controls, CutJobMode::CurrentLabel), QString::fromUtf8(c.trailer))
            << c.typed;
    }
}

TEST(CutStream, OffsetsCentreTheLabelAcrossTheCutter)
{
    const struct {
        const char* name;
        int width, height, rotation, cutMaxWidth;
        const char* left;
        const char* top;
        int offsetX, offsetY;
    } cases[] = {
        {"rotated: the height lies across", 600, 1000, 3, 1300, "20", "0", 455, 0},
        {"upright: the width lies across", 600, 1000, 0, 1300, "20", "0", 655, 0},
        {"margins truncated to tenths", 1300, 900, 0, 1300, "2.57", " 1.5 ", 130, 15},
        {"odd difference halved toward zero", 1301, 900, 0, 1300, "0", "0", 105, 0},
        {"label wider than the cutter", 1400, 900, 0, 1300, "0", "-0.19", 55, -1},
    };
    for (const auto& c : cases) {
        JobSettings settings;
        settings.cutMaxWidth = c.cutMaxWidth;
        LabelSettings label;
        label.Width = c.width;
        label.Height = c.height;
        label.Rotation = c.rotation;
        JobControls controls = controlsFromSettings(settings);
        controls.txtCutLeftMargin = QString::fromUtf8(c.left);
        controls.txtCutTopMargin = QString::fromUtf8(c.top);
        controls.chbCmd = false;
        const CutContext context = cutContextFrom(controls, settings, label);
        EXPECT_EQ(context.offsetX, c.offsetX) << c.name;
        EXPECT_EQ(context.offsetY, c.offsetY) << c.name;
        EXPECT_EQ(context.rotated, c.rotation != 0) << c.name;
        EXPECT_EQ(context.labelWidth, c.width) << c.name;
        EXPECT_FALSE(context.commandMode) << c.name;
        EXPECT_FLOAT_EQ(context.kx, 6.6667f) << c.name;
    }
}

TEST(CutStream, BodyTakesEnabledCutObjectsInListOrder)
{
    CutJobFixture job;
    job.objects = CutJobFixture::mixedObjects();
    const std::optional<CutStream> stream = buildCutStream(CutJobMode::CurrentLabel, job.inputs());
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->body, " E10.5,0,10,5" + kRectangle);
}

TEST(CutStream, NothingToCutGivesNoStream)
{
    Tshape disabled = CutJobFixture::cutRectangle();
    disabled.ifPrint = false;
    const ShapeList labels[] = {
        {},
        {disabled, disabled},
        {makeShape(ShapeKind::PrintRect), makeShape(ShapeKind::PrintString)},
    };
    for (const ShapeList& objects : labels) {
        CutJobFixture job;
        job.objects = objects;
        job.controls.chbCutSpeed = true;
        job.controls.cmbCutSpeed = QStringLiteral("fast"); // read only when there is a body
        EXPECT_FALSE(buildCutStream(CutJobMode::CurrentLabel, job.inputs())) << objects.size();
    }
}

TEST(CutStream, TextThatMustBeANumberRaisesBeforeAnyStream)
{
    const struct {
        const char* name;
        ControlChange change;
    } cases[] = {
        {"horizontal factor", [](auto& c) { c.cmbMcX = QStringLiteral("66,667"); }},
        {"vertical factor", [](auto& c) { c.cmbMcY.clear(); }},
        {"left margin", [](auto& c) { c.txtCutLeftMargin = QStringLiteral("2 mm"); }},
        {"top margin", [](auto& c) { c.txtCutTopMargin = QStringLiteral("nan"); }},
        {"cutting speed", [](auto& c) { c.chbCutSpeed = true; c.cmbCutSpeed = QStringLiteral("8.5"); }},
        {"travel speed", [](auto& c) { c.chbNullSpeed = true; c.cmbNullSpeed = QStringLiteral("x"); }},
    };
    for (const auto& c : cases) {
        CutJobFixture job;
        c.change(job.controls);
        EXPECT_THROW(buildCutStream(CutJobMode::CurrentLabel, job.inputs()), ConversionError) << c.name;
    }
}

TEST(CutStream, StoresTheCutterPortOnceTheFactorsAndMarginsAreRead)
{
    CutJobFixture job;
    job.controls.cmbCutPort = QStringLiteral(" com3 ");
    job.controls.cmbMcX = QStringLiteral("x");
    EXPECT_THROW(buildCutStream(CutJobMode::CurrentLabel, job.inputs()), ConversionError);
    EXPECT_EQ(job.settings.cutPort, QStringLiteral("com1"));
    job.controls.cmbMcX = QStringLiteral("40");
    buildCutStream(CutJobMode::CurrentLabel, job.inputs());
    EXPECT_EQ(job.settings.cutPort, QStringLiteral(" com3 "));
}

TEST(CutStream, APictureThatCannotBeTracedEndsTheJob)
{
    CutJobFixture job;
    Tshape picture = makeShape(ShapeKind::CutImage);
    picture.fileName = QStringLiteral("/nonexistent/outline.bmp");
    picture.printRight = 100;
    picture.printBottom = 100;
    job.objects.append(picture);
    const CutText alone = CutObjectText(picture, cutContextFrom(job.controls, job.settings, job.label));
    ASSERT_FALSE(alone.ok());
    try {
        buildCutStream(CutJobMode::CurrentLabel, job.inputs());
        ADD_FAILURE() << "a stream was built";
    } catch (const MessageError& error) {
        EXPECT_EQ(error.message(), alone.error);
    }
}

} // namespace
