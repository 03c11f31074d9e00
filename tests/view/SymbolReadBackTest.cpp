// Every symbology the label view draws, read back from the drawn preview by an independent
// decoder (ZXing-C++): the symbol must hold the object's value, as the printer's symbol will,
// and be of the type the operator chose.
#include "model/TextCodec.h"
#include "model/Tobject.h"
#include "view/SymbolDrawing.h"

#include "ViewTestSupport.h"

#include <QPainter>

#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using ZXing::BarcodeFormat;

struct SymbolCase {
    const char* barType; // a linear barcode's type; null for the two-dimensional kinds
    ShapeKind kind;
    const char16_t* value;
    BarcodeFormat format;
    const char16_t* decoded; // what the symbol holds: the value, with the check digit the
                             // symbology adds (worked out by hand from its rule)
};

struct View {
    float zoom;
    int direction;
};

// Draws the object as the label view does, on a white surface at the document's zoom.
QImage preview(const SymbolCase& symbol, const View& view)
{
    Tobject document;
    document.zoom = view.zoom;
    QImage surface = view_test::whiteSurface(1400, 1400);
    QPainter painter(&surface);
    if (symbol.barType) {
        // The anchor is far enough from every edge for the longest symbol turned either way.
        Tshape bar = view_test::codeBar(QString::fromUtf16(symbol.value), 200, 1300, view.direction);
        bar.barType = QString::fromLatin1(symbol.barType);
        bar.barWidth = 7;
        drawBarcode(painter, bar, document);
    } else {
        const Tshape code = view_test::matrixCode(symbol.kind, QString::fromUtf16(symbol.value), 300, 300,
                                                  view.direction);
        drawMatrixSymbol(painter, code, document);
    }
    return surface;
}

// What a scanner sees of the drawn object: the object alone with a white quiet zone round it.
// (The decoder looks for a Data Matrix from the middle of the picture.)
QImage symbolArea(const QImage& surface)
{
    constexpr int kQuietZone = 40;
    const PixelBox ink = view_test::inkBox(surface);
    QImage area = view_test::whiteSurface(ink.right - ink.left + 2 * kQuietZone, ink.bottom - ink.top + 2 * kQuietZone);
    QPainter(&area).drawImage(kQuietZone, kQuietZone, surface, ink.left, ink.top, ink.right - ink.left,
                              ink.bottom - ink.top);
    return area;
}

ZXing::Result readBack(const QImage& surface)
{
    const QImage grey = symbolArea(surface).convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView image(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                 static_cast<int>(grey.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setTryHarder(true).setTryRotate(true).setTryCode39ExtendedMode(true);
    return ZXing::ReadBarcode(image, hints);
}

} // namespace

TEST(SymbolReadBack, EverySymbologyDrawnHoldsItsValueAtEveryZoomAndTurn)
{
    const SymbolCase cases[] = {
        {"CODE128(with auto code)", ShapeKind::PrintBar, u"Lot 7-ab", BarcodeFormat::Code128, u"Lot 7-ab"},
        {"CODE128(without auto code)", ShapeKind::PrintBar, u"Lot 8", BarcodeFormat::Code128, u"Lot 8"},
        {"CODE93", ShapeKind::PrintBar, u"CODE93 TEST", BarcodeFormat::Code93, u"CODE93 TEST"},
        {"EAN8", ShapeKind::PrintBar, u"1234567", BarcodeFormat::EAN8, u"12345670"},
        {"EAN13", ShapeKind::PrintBar, u"690123456789", BarcodeFormat::EAN13, u"6901234567892"},
        {"EAN128", ShapeKind::PrintBar, u"[01]12345678901231", BarcodeFormat::Code128, u"0112345678901231"},
        {"UPC-A", ShapeKind::PrintBar, u"01234567890", BarcodeFormat::UPCA, u"012345678905"},
        {"UPC-E", ShapeKind::PrintBar, u"123456", BarcodeFormat::UPCE, u"01234565"},
        {"CODE39(STANDARD)", ShapeKind::PrintBar, u"ABC-123", BarcodeFormat::Code39, u"ABC-123"},
        {"CODE39(FULL ASCII)", ShapeKind::PrintBar, u"Lot 7a", BarcodeFormat::Code39, u"Lot 7a"},
        {"ITF25", ShapeKind::PrintBar, u"12345678", BarcodeFormat::ITF, u"12345678"},
        {nullptr, ShapeKind::PrintQRBar, u"HELLO 标签 42", BarcodeFormat::QRCode, u"HELLO 标签 42"},
        {nullptr, ShapeKind::PrintDataMatrix, u"DM 标签 42", BarcodeFormat::DataMatrix, u"DM 标签 42"},
        {nullptr, ShapeKind::PrintPdf417Bar, u"PDF417 标签", BarcodeFormat::PDF417, u"PDF417 标签"},
    };
    const View views[] = {{1.0f, 0}, {2.0f, 0}, {1.0f, 1}};
    for (const SymbolCase& symbol : cases) {
        const char* name = symbol.barType ? symbol.barType : ZXing::ToString(symbol.format);
        // Values reach the symbol as GBK bytes, Chinese included.
        const QByteArray expected = gbk::encode(QString::fromUtf16(symbol.decoded));
        for (const View& view : views) {
            const ZXing::Result result = readBack(preview(symbol, view));
            if (!result.isValid()) {
                ADD_FAILURE() << name << " unread at zoom " << view.zoom << ", direction " << view.direction;
                continue;
            }
            EXPECT_EQ(result.format(), symbol.format) << name;
            const std::string bytes(result.bytes().begin(), result.bytes().end());
            EXPECT_EQ(bytes, expected.toStdString()) << name << " at zoom " << view.zoom << ", direction "
                                                     << view.direction;
        }
    }
}

