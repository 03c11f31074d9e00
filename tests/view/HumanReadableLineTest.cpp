#include "view/HumanReadableLine.h"

#include "ViewTestSupport.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// The bars of a 200-pixel symbol with 40-pixel bars whose anchor is (300, 300), as the
// view lays them out for each rotation.
PixelBox barsAt(int direction)
{
    switch (direction) {
    case 1: return {300, 100, 340, 300};
    case 2: return {100, 260, 300, 300};
    case 3: return {260, 300, 300, 500};
    default: return {300, 300, 500, 340};
    }
}
constexpr int kSymbolLength = 200;

// Where the line lies along the bars' run, counted from the end where the symbol starts.
struct RunSpan {
    int start;
    int end;
};

RunSpan runSpan(const HumanReadableLine& line, const PixelBox& bars)
{
    const PixelBox& t = line.target;
    switch (line.direction) {
    case 1: return {bars.bottom - t.bottom, bars.bottom - t.top};
    case 2: return {bars.right - t.right, bars.right - t.left};
    case 3: return {t.top - bars.top, t.bottom - bars.top};
    default: return {t.left - bars.left, t.right - bars.left};
    }
}

// Distance of the line from the bars, on the side below the upright symbol.
int distanceFromBars(const HumanReadableLine& line, const PixelBox& bars)
{
    switch (line.direction) {
    case 1: return line.target.left - bars.right;
    case 2: return bars.top - line.target.bottom;
    case 3: return bars.left - line.target.right;
    default: return line.target.top - bars.bottom;
    }
}

HumanReadableLine layout(const Tshape& bar, const Tobject& document = Tobject())
{
    const auto line = humanReadableLine(bar, document, barsAt(bar.direction), kSymbolLength);
    EXPECT_TRUE(line.has_value());
    return line.value_or(HumanReadableLine());
}

} // namespace

TEST(HumanReadableLine, JustifiedTextSpansTheSymbolWhateverTheFont)
{
    const struct {
        float fontSize;
        float widthFactor;
        const char* value;
    } rows[] = {{8, 1.0f, "12345"}, {12, 0.7f, "ABCDEFGH"}, {20, 1.5f, "123456789012"}, {30, 1.0f, "12"}};
    for (const auto& row : rows) {
        for (int direction = 0; direction < 4; ++direction) {
            Tshape bar = view_test::codeBar(QString::fromLatin1(row.value), 0, 0, direction);
            bar.alignMode = 3;
            bar.fontSize = row.fontSize;
            bar.widthFactor = row.widthFactor;
            const HumanReadableLine line = layout(bar);
            const RunSpan span = runSpan(line, barsAt(direction));
            EXPECT_EQ(span.start, 0) << row.value << " direction " << direction;
            EXPECT_EQ(span.end, kSymbolLength) << row.value << " direction " << direction;
        }
    }
}

TEST(HumanReadableLine, AlignmentAndOffsetsFollowTheRunOfTheBars)
{
    // One millimetre of shift and two of distance at 96 dpi: 4 and 8 pixels.
    for (int direction = 0; direction < 4; ++direction) {
        for (int mode = 0; mode < 3; ++mode) {
            Tshape bar = view_test::codeBar(QStringLiteral("12345"), 0, 0, direction);
            bar.alignMode = mode;
            bar.xOffset = 1;
            bar.yOffset = 2;
            const HumanReadableLine line = layout(bar);
            const RunSpan span = runSpan(line, barsAt(direction));
            const int length = span.end - span.start;
            const int expectedStart = mode == 0 ? 0 : mode == 1 ? kSymbolLength - length : (kSymbolLength - length) / 2;
            EXPECT_GT(length, 0);
            EXPECT_EQ(span.start, expectedStart + 4) << "direction " << direction << " mode " << mode;
            EXPECT_EQ(distanceFromBars(line, barsAt(direction)), 8) << "direction " << direction << " mode " << mode;
        }
    }
}

TEST(HumanReadableLine, ASingleJustifiedCharacterIsLeftAligned)
{
    Tshape bar = view_test::codeBar(QStringLiteral("7"), 0, 0, 0);
    bar.alignMode = 3;
    const HumanReadableLine line = layout(bar);
    const RunSpan span = runSpan(line, barsAt(0));
    EXPECT_EQ(span.start, 0);
    EXPECT_EQ(span.end, QFontMetrics(line.font).horizontalAdvance(QStringLiteral("7")));
    EXPECT_EQ(line.spacing, 0);
}

TEST(HumanReadableLine, GapAndFactorsShapeTheLine)
{
    Tshape bar = view_test::codeBar(QStringLiteral("12345"), 0, 0, 0);
    bar.strGap = 0.5f;       // ToPixels(5) = 2 pixels between characters
    bar.widthFactor = 1.0f;
    bar.heightFactor = 1.5f;
    const HumanReadableLine line = layout(bar);
    const QFontMetrics metrics(line.font);
    const int textWidth = metrics.horizontalAdvance(QStringLiteral("12345"));
    EXPECT_EQ(line.spacing, 2);
    EXPECT_EQ(line.upright, QSize(textWidth + 8, metrics.height()));
    EXPECT_EQ(line.target.right - line.target.left, textWidth + 8);
    EXPECT_EQ(line.target.bottom - line.target.top, static_cast<int>(1.5 * metrics.height()));

    bar.alignMode = 3;
    const HumanReadableLine justified = layout(bar);
    EXPECT_EQ(justified.spacing, (kSymbolLength - (textWidth + 8)) / 4 + 2);
}

TEST(HumanReadableLine, FontHeightFollowsSizeZoomAndResolution)
{
    const struct {
        float fontSize;
        float zoom;
        int dpi;
        int cellHeight;
    } rows[] = {{12, 1.0f, 96, 16}, {12, 2.0f, 96, 32}, {12, 1.0f, 120, 20}, {9, 1.5f, 96, 18}, {30, 1.0f, 96, 40}};
    for (const auto& row : rows) {
        Tobject document;
        document.zoom = row.zoom;
        document.dpi = row.dpi;
        Tshape bar = view_test::codeBar(QStringLiteral("123"), 0, 0, 0);
        bar.fontSize = row.fontSize;
        const HumanReadableLine line = layout(bar, document);
        EXPECT_NEAR(QFontMetrics(line.font).height(), row.cellHeight, 1) << row.fontSize << " " << row.zoom << " " << row.dpi;
    }
}

TEST(HumanReadableLine, BoldIsTheHeaviestWeight)
{
    Tshape bar = view_test::codeBar(QStringLiteral("123"), 0, 0, 0);
    bar.bold = 1;
    bar.italic = 1;
    const HumanReadableLine line = layout(bar);
    EXPECT_EQ(line.font.weight(), QFont::Black);
    EXPECT_TRUE(line.font.italic());
}

TEST(HumanReadableLine, Code39StarsAreShownOnlyWhenAskedFor)
{
    const struct {
        const char* barType;
        int if39Star;
        const char* text;
    } rows[] = {
        {"CODE39(standard)", 1, "*AB12*"},
        {"code39(full ascii)", 1, "*AB12*"},
        {"CODE39(standard)", 0, "AB12"},
        {"CODE128(with auto code)", 1, "AB12"},
    };
    for (const auto& row : rows) {
        Tshape bar = view_test::codeBar(QStringLiteral("B1"), 0, 0, 0);
        bar.beginStr = QStringLiteral("A");
        bar.endStr = QStringLiteral("2");
        bar.barType = QString::fromLatin1(row.barType);
        bar.if39Star = row.if39Star;
        EXPECT_EQ(humanReadableText(bar), QString::fromLatin1(row.text)) << row.barType;
    }
}

TEST(HumanReadableLine, NoLineWithoutTextOrFontHeight)
{
    const Tobject document;
    Tshape empty = view_test::codeBar(QString(), 0, 0, 0);
    EXPECT_FALSE(humanReadableLine(empty, document, barsAt(0), kSymbolLength).has_value());
    Tshape flat = view_test::codeBar(QStringLiteral("12"), 0, 0, 0);
    flat.fontSize = 0;
    EXPECT_FALSE(humanReadableLine(flat, document, barsAt(0), kSymbolLength).has_value());
}

TEST(HumanReadableLine, HostileSpacingNeitherOverflowsNorFails)
{
    Tshape bar = view_test::codeBar(QString(300, u'9'), 0, 0, 1);
    bar.strGap = 3.0e38f;
    bar.xOffset = -3.0e38f;
    bar.alignMode = 3;
    const auto line = humanReadableLine(bar, Tobject(), barsAt(1), kSymbolLength);
    ASSERT_TRUE(line.has_value());
    QImage surface = view_test::whiteSurface(100, 100);
    QPainter painter(&surface);
    drawHumanReadableLine(painter, *line, Qt::black);
}
