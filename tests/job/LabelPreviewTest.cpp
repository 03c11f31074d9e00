#include "GoodsBook.h"
#include "ViewTestSupport.h"

#include "job/LabelPreview.h"
#include "model/AnchoredBox.h"
#include "model/TextCodec.h"
#include "printer/PrinterStream.h"
#include "support/TestApp.h"
#include "view/LabelRenderer.h"
#include "view/SymbolMeasure.h"

#ifdef MARLUNE_HAVE_ZXING
#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>
#endif

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using testing_support::placedShape;
using view_test::inkBox;

// A 100 × 60 mm label.
constexpr int kWidth = 1000;
constexpr int kHeight = 600;

// What each row compares between the preview and the view's own drawing.
enum class Check {
    Ink,    // the dots cover the same box, within one dot each side
    Anchor, // the symbol lies at the same anchor corner, within one dot
    Text,   // the text's dots are the bits of its raster graphic, placed at the view's anchor
    Symbol, // only decoded: the view leaves the library's margin before EAN bars, the printer does not
};

struct Drawn {
    LabelPreview result;
    QImage view;  // the view's drawing at the printer's resolution, turned as the printer sees the label
    Tshape drawn; // the object with the box the view wrote back
};

// Measures a two-dimensional code's box the way the add operations do, so that the view
// draws it at its anchor.
void placeMatrixCode(const Tobject& document, Tshape& code)
{
    const int width = code.kind() == ShapeKind::PrintPdf417Bar
                          ? MeasurePdf417Width(document, code.barValue, code.barWidth, code.barLevel)
                      : code.kind() == ShapeKind::PrintQRBar
                          ? MeasureQR(document, code.barValue, code.barWidth, code.barLevel)
                          : MeasureDataMatrix(document, code.barValue, code.barWidth);
    const int height = code.kind() == ShapeKind::PrintPdf417Bar
                           ? MeasurePdf417Height(document, code.barValue, code.barWidth, code.barLevel)
                           : width;
    setAnchoredBox(code, document.ToPixels(code.printLeft), document.ToPixels(code.printTop), width, height);
}

Drawn drawBoth(const Tshape& object, int dpi, int rotation)
{
    JobSettings settings;
    settings.printDpi = dpi == 203 ? 0 : 1;
    LabelSettings label;
    label.Width = kWidth;
    label.Height = kHeight;
    label.Rotation = rotation;
    const ShapeList objects{object};
    Drawn drawn{previewLabel({objects, label, settings, nullptr}), {}, object};

    Tobject document;
    document.dpi = dpi;
    document.current = -1;
    document.objects = objects;
    Tshape& shape = document.objects[0];
    if (shape.kind() == ShapeKind::PrintQRBar || shape.kind() == ShapeKind::PrintDataMatrix
        || shape.kind() == ShapeKind::PrintPdf417Bar)
        placeMatrixCode(document, shape);
    drawn.view = QImage(document.ToPixels(kWidth), document.ToPixels(kHeight), QImage::Format_RGB32);
    Draw(drawn.view, document, false);
    drawn.drawn = shape;
    // A sideways label reaches the printer a quarter turn round: its left edge at the bottom.
    if (rotation == 3)
        drawn.view = drawn.view.transformed(QTransform().rotate(-90));
    return drawn;
}

// Corners in the order of the anchored kinds' rotations: top-left, bottom-left,
// bottom-right, top-right.
QPoint corner(const PixelBox& box, int which)
{
    switch (which & 3) {
    case 1:
        return {box.left, box.bottom};
    case 2:
        return {box.right, box.bottom};
    case 3:
        return {box.right, box.top};
    default:
        return {box.left, box.top};
    }
}

bool withinOneDot(QPoint a, QPoint b)
{
    return std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1;
}

#ifdef MARLUNE_HAVE_ZXING
// Every symbol an independent decoder finds around the ink of the picture, as the bytes it
// encodes. The decoder is given the symbol's surroundings only: it misses small Data Matrix
// codes on a large white label.
QList<QByteArray> decodedSymbols(const QImage& picture)
{
    const PixelBox ink = inkBox(picture);
    const QRect around = QRect(QPoint(ink.left, ink.top), QPoint(ink.right, ink.bottom)).adjusted(-20, -20, 20, 20);
    const QImage grey = picture.copy(around).convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                int(grey.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    QList<QByteArray> found;
    for (const ZXing::Result& result : ZXing::ReadBarcodes(view, hints))
        found.append(QByteArray(reinterpret_cast<const char*>(result.bytes().data()), qsizetype(result.bytes().size())));
    return found;
}
#endif

// The raster graphic of the stream's one text, placed where the printer places it.
struct PlacedRaster {
    QRect dots;
    QByteArray rows;
};

PlacedRaster textRaster(const QByteArray& stream, int dpi)
{
    PrinterStreamScanner scanner;
    scanner.append(stream);
    QList<StreamProblem> problems;
    while (const std::optional<PrinterCommand> command = scanner.next(problems)) {
        if (command->name != "SG")
            continue;
        const QList<QByteArray> fields = command->body.split(',');
        const QPoint at(dotsOf(fields[0].toInt(), dpi), dotsOf(fields[1].toInt(), dpi));
        return {QRect(at, QSize(fields[2].toInt(), fields[3].toInt())), command->raster};
    }
    return {};
}

void expectRasterBits(const QImage& picture, const PlacedRaster& raster, const char* name)
{
    ASSERT_FALSE(raster.dots.isEmpty()) << name;
    const int rowBytes = raster.dots.width() / 8;
    int differing = 0;
    for (int r = 0; r < raster.dots.height(); ++r) {
        for (int c = 0; c < raster.dots.width(); ++c) {
            const bool set = quint8(raster.rows[r * rowBytes + c / 8]) & (0x80 >> (c % 8));
            const bool printed = picture.pixel(raster.dots.left() + c, raster.dots.top() + r) == qRgb(0, 0, 0);
            differing += set != printed ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0) << name;
}

Tshape box(ShapeKind kind, int left, int top, int right, int bottom, int width)
{
    Tshape shape = placedShape(kind, left, top, right, bottom);
    shape.lineWidth = width;
    shape.printLineWidth = width;
    return shape;
}

Tshape solid(Tshape rect)
{
    rect.isSolid = 1;
    return rect;
}

Tshape picture()
{
    Tshape image = placedShape(ShapeKind::PrintImage, 100, 100, 400, 250);
    image.fileName = testing_support::sourcePath(QStringLiteral("examples/logo.bmp"));
    return image;
}

Tshape text(const QString& value, int direction)
{
    Tshape shape = placedShape(ShapeKind::PrintString, 150, 250);
    shape.str = value;
    shape.direction = direction;
    shape.fontName = QStringLiteral("DejaVu Sans");
    shape.fontSize = 12;
    shape.printSize = 12;
    shape.widthFactor = 1;
    shape.heightFactor = 1;
    return shape;
}

// A linear symbol with no readable line, anchored in the middle of the label so that it
// fits whichever way it turns.
Tshape bar(const char* type, const char* value, int direction, int barWidth = 2, int wideBarWidth = 5)
{
    Tshape shape = view_test::codeBar(QString::fromLatin1(value), 500, 300, direction);
    shape.barType = QString::fromLatin1(type);
    shape.barWidth = barWidth;
    shape.wideBarWidth = wideBarWidth;
    shape.displayCode = 0;
    return shape;
}

Tshape code(ShapeKind kind, const QString& value, int direction, int barWidth = 4)
{
    Tshape shape = placedShape(kind, 500, 300);
    shape.barValue = value;
    shape.direction = direction;
    shape.barWidth = barWidth;
    shape.barLevel = kind == ShapeKind::PrintPdf417Bar ? 2 : 1;
    shape.barHeight = 6;
    shape.barColumn = 4;
    return shape;
}

} // namespace

// A label of each print kind is written as the printer stream, read back into a picture and
// compared with the view's own drawing at the printer's resolution; symbols are decoded from
// the picture by a reader of their own.
TEST(LabelPreview, EveryPrintKindLandsWhereTheViewShowsIt)
{
    const QString chinese = QStringLiteral("批号 A0001");
    const struct {
        const char* name;
        int dpi;
        int rotation;
        Tshape object;
        Check check;
        const char* decoded; // checked against a decoder; nullptr: no symbol
    } rows[] = {
        {"line across", 203, 0, box(ShapeKind::PrintLine, 100, 100, 500, 100, 3), Check::Ink, nullptr},
        {"line down", 203, 0, box(ShapeKind::PrintLine, 300, 50, 300, 350, 2), Check::Ink, nullptr},
        {"outline rectangle", 203, 0, box(ShapeKind::PrintRect, 100, 80, 500, 300, 4), Check::Ink, nullptr},
        {"solid rectangle", 305, 0, solid(box(ShapeKind::PrintRect, 120, 90, 480, 310, 1)), Check::Ink, nullptr},
        {"picture", 203, 0, picture(), Check::Ink, nullptr},
        {"sideways rectangle", 203, 3, box(ShapeKind::PrintRect, 100, 80, 500, 300, 2), Check::Ink, nullptr},
        {"text", 203, 0, text(chinese, 0), Check::Text, nullptr},
        {"text at 305 dpi", 305, 0, text(chinese, 0), Check::Text, nullptr},
        {"text turned", 203, 0, text(chinese, 1), Check::Text, nullptr},
        {"text on a sideways label", 203, 3, text(chinese, 0), Check::Text, nullptr},
        {"Code 128", 203, 0, bar("CODE128(with auto code)", "A001-2026", 0), Check::Anchor, "A001-2026"},
        {"Code 128 up", 203, 0, bar("CODE128(with auto code)", "A0012", 1), Check::Anchor, "A0012"},
        {"Code 128 upside down", 305, 0, bar("CODE128(with auto code)", "A001-2026", 2), Check::Anchor, "A001-2026"},
        {"Code 128 down", 203, 0, bar("CODE128(with auto code)", "A0012", 3), Check::Anchor, "A0012"},
        {"EAN-13", 203, 0, bar("EAN13", "690123456789", 0), Check::Symbol, "6901234567892"},
        {"Code 39, narrow and wide", 203, 0, bar("CODE39(standard)", "A12", 0), Check::Anchor, "A12"},
        {"interleaved 2 of 5", 203, 0, bar("ITF25", "12345678", 0, 2, 6), Check::Anchor, "12345678"},
        {"QR code", 203, 0, code(ShapeKind::PrintQRBar, QStringLiteral("A002-2026"), 0), Check::Anchor, "A002-2026"},
        {"QR code up", 203, 0, code(ShapeKind::PrintQRBar, QStringLiteral("A002-2026"), 1), Check::Anchor, "A002-2026"},
        {"QR code upside down", 203, 0, code(ShapeKind::PrintQRBar, QStringLiteral("A002"), 2), Check::Anchor, "A002"},
        {"QR code down", 305, 0, code(ShapeKind::PrintQRBar, QStringLiteral("A002"), 3), Check::Anchor, "A002"},
        {"QR code on a sideways label", 203, 3, code(ShapeKind::PrintQRBar, QStringLiteral("A002"), 0), Check::Anchor,
         "A002"},
        {"Data Matrix", 203, 0, code(ShapeKind::PrintDataMatrix, QStringLiteral("A003-2026"), 0), Check::Anchor,
         "A003-2026"},
        {"Data Matrix upside down", 203, 0, code(ShapeKind::PrintDataMatrix, QStringLiteral("A003"), 2),
         Check::Anchor, "A003"},
        {"PDF417", 203, 0, code(ShapeKind::PrintPdf417Bar, QStringLiteral("A004-2026"), 0, 2), Check::Anchor,
         "A004-2026"},
    };
    for (const auto& row : rows) {
        const Drawn drawn = drawBoth(row.object, row.dpi, row.rotation);
        const QImage& picture = drawn.result.picture;
        EXPECT_TRUE(drawn.result.problems.isEmpty()) << row.name << ": " << drawn.result.problems.join(u'\n').toStdString();
        ASSERT_EQ(picture.size(), drawn.view.size()) << row.name;
        const PixelBox printed = inkBox(picture);
        const PixelBox viewed = inkBox(drawn.view);
        switch (row.check) {
        case Check::Ink:
            for (int which = 0; which < 4; ++which)
                EXPECT_TRUE(withinOneDot(corner(printed, which), corner(viewed, which)))
                    << row.name << ": printed " << testing::PrintToString(printed) << ", viewed "
                    << testing::PrintToString(viewed);
            break;
        case Check::Anchor: {
            const int at = row.object.direction + (row.rotation == 3 ? 1 : 0);
            EXPECT_TRUE(withinOneDot(corner(printed, at), corner(viewed, at)))
                << row.name << ": printed " << testing::PrintToString(printed) << ", viewed "
                << testing::PrintToString(viewed);
            break;
        }
        case Check::Text: {
            const PlacedRaster raster = textRaster(drawn.result.printerStream, row.dpi);
            expectRasterBits(picture, raster, row.name);
            const PixelBox placed{raster.dots.left(), raster.dots.top(), raster.dots.right() + 1,
                                  raster.dots.bottom() + 1};
            const int at = row.object.direction + (row.rotation == 3 ? 1 : 0);
            if (row.rotation == 0) {
                EXPECT_TRUE(withinOneDot(corner(placed, at), corner(pixelBoxOf(drawn.drawn), at))) << row.name;
            }
            break;
        }
        case Check::Symbol:
            break;
        }
#ifdef MARLUNE_HAVE_ZXING
        if (row.decoded) {
            EXPECT_TRUE(decodedSymbols(picture).contains(QByteArray(row.decoded))) << row.name;
        }
#endif
    }
}

// A picture that cannot be loaded ends the print job at it, as the job itself ends: the
// preview says so, shows what was sent before, and still draws the knife's path.
TEST(LabelPreview, ReportsAJobThatWouldStopAndStillShowsTheCut)
{
    Tshape missing = picture();
    missing.fileName = QStringLiteral("/nonexistent/logo.bmp");
    Tshape cut = placedShape(ShapeKind::CutRect, 100, 100, 300, 200);
    const ShapeList objects{box(ShapeKind::PrintRect, 50, 50, 950, 550, 3), missing, cut};
    LabelSettings label;
    label.Width = kWidth;
    label.Height = kHeight;
    const LabelPreview preview = previewLabel({objects, label, JobSettings(), nullptr});

    const QString problems = preview.problems.join(u'\n');
    EXPECT_TRUE(problems.contains(QStringLiteral("打印任务在这里中断"))) << problems.toStdString();
    EXPECT_TRUE(problems.contains(QStringLiteral("打印机不会打印"))) << problems.toStdString();
    EXPECT_EQ(preview.printed.copies, 0);
    EXPECT_FALSE(inkBox(preview.printed.dots.convertToFormat(QImage::Format_RGB32)) == PixelBox{});
    // The rectangle's left edge, 10 mm in: 120 dots at 305 dots per inch, drawn dark red.
    bool cutDrawn = false;
    for (int x = 117; x <= 123; ++x) {
        const QRgb pixel = preview.picture.pixel(x, 180);
        cutDrawn = cutDrawn || (qRed(pixel) > 100 && qGreen(pixel) < 80);
    }
    EXPECT_TRUE(cutDrawn);
}

// The job window previews the label its next print makes: the first record of the range,
// or the stored values when records are off.
TEST(LabelPreview, NextLabelTakesTheFirstRecordOfTheRange)
{
    SKIP_WITHOUT_WORKBOOK_WRITER();
    QTemporaryDir dir;
    JobSettings settings;
    settings.dbName = testing_support::writeGoodsBook(dir.filePath(QStringLiteral("货品.xlsx")));
    settings.tableName = QStringLiteral("货品");
    Tshape qr = makeShape(ShapeKind::PrintQRBar);
    qr.barWidth = 4;
    qr.barValue = QStringLiteral("存货");
    qr.DBField = QStringLiteral("品名");
    const LabelSettings label;
    const struct {
        const char* range;
        bool records;
        int record;        // 0: the stored values; -1: refused
        const char* value; // what the symbol holds
    } cases[] = {
        {"2-3", true, 2, "桃"}, {"3,1", true, 1, "梨"}, {"3-9", true, -1, ""},
        {"2,1", false, 0, "存货"},
    };
    for (const auto& c : cases) {
        settings.ifDBPrint = c.records ? 1 : 0;
        if (c.record < 0) {
            EXPECT_THROW(previewNextLabel({qr}, label, settings, QString::fromLatin1(c.range)), MessageError)
                << c.range;
            continue;
        }
        const NextLabelPreview next = previewNextLabel({qr}, label, settings, QString::fromLatin1(c.range));
        EXPECT_EQ(next.record, c.record) << c.range;
        Tshape stored = qr;
        stored.DBField.clear();
        stored.barValue = QString::fromUtf8(c.value);
        JobSettings plain = settings;
        plain.ifDBPrint = 0;
        const ShapeList objects{stored};
        EXPECT_EQ(next.label.printerStream, previewLabel({objects, label, plain, nullptr}).printerStream) << c.range;
    }
}
