#include "view/Rulers.h"

#include <QImage>

#include <gtest/gtest.h>

#include <limits>

namespace {

const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kBlack = qRgb(0, 0, 0);

// 254 dpi at 100 %: ten pixels per millimetre.
Tobject tenPixelsPerMillimetre()
{
    Tobject document;
    document.dpi = 254;
    document.zoom = 1;
    return document;
}

} // namespace

TEST(Rulers, TicksEveryMillimetreLongerEveryFiveAndTen)
{
    const Tobject document = tenPixelsPerMillimetre();
    struct Case {
        int length;   // ruler length in pixels
        int at;       // pixel along the ruler
        int reach;    // how far from the outer edge the tick starts
    };
    // A 300 px ruler's 30 mm tick falls just off its image; at 305 px it is the last tick drawn.
    for (const Case c : {Case{300, 10, 15}, Case{300, 30, 15}, Case{300, 50, 10}, Case{300, 150, 10},
                         Case{300, 200, 2}, Case{305, 300, 2}}) {
        QImage row(c.length, kRulerThickness, QImage::Format_RGB32);
        QImage column(kRulerThickness, c.length, QImage::Format_RGB32);
        DrawRowRuler(c.length, row, document);
        DrawColRuler(c.length, column, document);
        EXPECT_EQ(row.pixel(c.at, c.reach), kBlack) << c.at;
        EXPECT_EQ(row.pixel(c.at, kRulerThickness - 1), kBlack) << c.at;
        EXPECT_EQ(column.pixel(c.reach, c.at), kBlack) << c.at;
        if (c.reach > 2) {
            EXPECT_EQ(row.pixel(c.at, c.reach - 2), kYellow) << c.at;
            EXPECT_EQ(column.pixel(c.reach - 2, c.at), kYellow) << c.at;
        }
        EXPECT_EQ(row.pixel(15, 18), kYellow) << "nothing between millimetres";
    }
}

TEST(Rulers, UnusableLengthOrZoomDrawsOnlyTheBackground)
{
    Tobject document = tenPixelsPerMillimetre();
    QImage row(5, kRulerThickness, QImage::Format_RGB32);
    DrawRowRuler(0, row, document);
    for (const float zoom : {0.0f, -1.0f, 1e-9f, std::numeric_limits<float>::quiet_NaN()}) {
        document.zoom = zoom;
        row.fill(Qt::black);
        DrawRowRuler(5, row, document); // must return at once, not count a billion ticks
        EXPECT_EQ(row.pixel(4, 19), kYellow) << zoom;
        EXPECT_EQ(row.pixel(0, 19), kYellow) << zoom;
    }
}

TEST(Rulers, MarksDrawnTwiceRestoreTheSurface)
{
    QImage row(100, kRulerThickness, QImage::Format_RGB32);
    row.fill(kYellow);
    QImage column(kRulerThickness, 100, QImage::Format_RGB32);
    column.fill(kYellow);
    const QImage rowBefore = row;
    const QImage columnBefore = column;
    drawRulerPointerMarks(row, column, QPoint(40, 60));
    EXPECT_NE(row.pixel(40, 10), kYellow);
    EXPECT_NE(column.pixel(10, 60), kYellow);
    drawRulerPointerMarks(row, column, QPoint(40, 60));
    EXPECT_EQ(row, rowBefore);
    EXPECT_EQ(column, columnBefore);

    struct Box {
        int left, top, right, bottom;
    };
    for (const Box b : {Box{10, 10, 50, 40}, Box{30, 10, 30, 40}, Box{10, 30, 50, 30}}) {
        QImage surface(100, 100, QImage::Format_RGB32);
        surface.fill(Qt::white);
        const QImage before = surface;
        drawDragOutline(surface, b.left, b.top, b.right, b.bottom);
        EXPECT_NE(surface, before) << b.left << "," << b.top << "-" << b.right << "," << b.bottom;
        drawDragOutline(surface, b.left, b.top, b.right, b.bottom);
        EXPECT_EQ(surface, before) << b.left << "," << b.top << "-" << b.right << "," << b.bottom;
    }
}
