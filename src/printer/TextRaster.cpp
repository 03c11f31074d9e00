#include "printer/TextRaster.h"

#include "model/ConversionError.h"
#include "model/Convert.h"
#include "model/TextCodec.h"
#include "printer/Tcom.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

struct NamedSize {
    const char* name;
    int points;
};

constexpr NamedSize kNamedSizes[] = {
    {"初号", 42}, {"小初", 36}, {"一号", 26}, {"小一", 24}, {"二号", 22}, {"小二", 18},
    {"三号", 16}, {"小三", 15}, {"四号", 14}, {"小四", 12}, {"五号", 11}, {"小五", 9},
    {"六号", 8},  {"小六", 7},  {"七号", 6},  {"八号", 5},
};

// The drawing surface of one text is limited to what a raster image can hold; a text that
// needs more could never be sent in one graphic.
constexpr int kMaxSurfaceSide = 32767;

constexpr QRgb kTextColour = 0xffff0000; // pure red, the only colour that becomes dots

// One character of the text as the printer stream walks it: one byte below 128, else two.
struct Character {
    QString text;
    int bytes;
};

QList<Character> charactersOf(const QByteArray& bytes)
{
    QList<Character> characters;
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = quint8(bytes[i]) >= 128 && i + 1 < bytes.size() ? 2 : 1;
        characters.append({gbk::decode(bytes.mid(i, length)), length});
        i += length;
    }
    return characters;
}

// The characters that make up the first byteCount bytes (a character cut in half is left out).
QString leadingText(const QList<Character>& characters, qsizetype byteCount)
{
    QString text;
    qsizetype bytes = 0;
    for (const Character& character : characters) {
        bytes += character.bytes;
        if (bytes > byteCount)
            break;
        text += character.text;
    }
    return text;
}

// The font at trunc(dpi × points / 96) points on a surface of 96 pixels per inch, so that one
// surface pixel is one printer dot.
QFont renderingFont(const TextGraphic& request, int points)
{
    const qint64 scaledPoints = qint64(request.dpi) * points / 96;
    const qint64 pixels = (scaledPoints * 96 + 36) / 72;
    QFont font(request.fontName);
    font.setPixelSize(int(std::clamp<qint64>(pixels, 1, kMaxSurfaceSide)));
    const QString& style = request.styleText;
    font.setBold(style == QStringLiteral("粗体") || style == QStringLiteral("粗斜体"));
    font.setItalic(style == QStringLiteral("斜体") || style == QStringLiteral("粗斜体"));
    font.setKerning(false);
    return font;
}

} // namespace

int pointSizeOf(const QString& sizeText)
{
    for (const NamedSize& size : kNamedSizes) {
        if (sizeText == QString::fromUtf8(size.name))
            return size.points;
    }
    return strToInt(sizeText);
}

std::optional<RasterGraphic> textGraphic(const TextGraphic& request)
{
    const int points = pointSizeOf(request.sizeText);
    const QByteArray bytes = gbk::encode(request.text);
    const qint64 n = bytes.size();
    if (n == 0 || points <= 0 || request.dpi <= 0 || !(request.widthFactor > 0) || !(request.heightFactor > 0))
        return std::nullopt;
    const qint64 charsPerLine = qMax(1, request.charsPerLine);
    const QList<Character> characters = charactersOf(bytes);

    const int gap = truncToInt(std::ceil(request.dpi * request.gap / 25.4 / request.widthFactor));
    const QFont font = renderingFont(request, points);
    const QFontMetrics metrics(font);
    const qint64 measuredWidth = metrics.horizontalAdvance(leadingText(characters, charsPerLine + 1));
    const qint64 measuredHeight = metrics.height();
    const qint64 lines = (n + charsPerLine - 1) / charsPerLine;
    const qint64 surfaceWidth = measuredWidth + 8 + (n + lines - 1) / lines * gap;
    const qint64 surfaceHeight = measuredHeight * lines + qint64(request.lineGap) * (lines - 1);
    if (surfaceWidth <= 0 || surfaceHeight <= 0)
        return std::nullopt;
    if (surfaceWidth > kMaxSurfaceSide || surfaceHeight > kMaxSurfaceSide)
        requireSendableSize(int(qMin<qint64>(surfaceWidth, INT_MAX)), int(qMin<qint64>(surfaceHeight, INT_MAX)));

    const int p = truncToInt(surfaceWidth * static_cast<long double>(request.widthFactor));
    const int q = truncToInt(surfaceHeight * static_cast<long double>(request.heightFactor));
    if (p <= 0 || q <= 0)
        return std::nullopt;
    requireSendableSize(raisedToByte(p), raisedToByte(q));

    // Glyphs are filled as outlines without smoothing: every pixel is either the text colour
    // or the background, whatever size the font engine would otherwise smooth.
    QPainterPath glyphs;
    qint64 x = 0;
    qint64 y = 0;
    qint64 count = 0;
    for (const Character& character : characters) {
        if (!character.text.isEmpty()) {
            glyphs.addText(QPointF(x, y + metrics.ascent()), font, character.text);
            x = x + metrics.horizontalAdvance(character.text) + gap;
        } else {
            x += gap;
        }
        count += character.bytes;
        if (count == charsPerLine || count == charsPerLine + 1) {
            x = 0;
            y += measuredHeight + request.lineGap;
            count = 0;
        }
    }
    QImage surface(int(surfaceWidth), int(surfaceHeight), QImage::Format_RGB32);
    surface.fill(Qt::white);
    {
        QPainter painter(&surface);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillPath(glyphs, QColor::fromRgb(kTextColour));
    }
    if (p != surface.width() || q != surface.height())
        surface = surface.scaled(p, q, Qt::IgnoreAspectRatio, Qt::FastTransformation);

    const int rotation = ((request.rotation % 4) + 4) % 4;
    RasterGraphic graphic = turnedRaster(dotMaskOf(surface, [](QRgb pixel) { return pixel == kTextColour; }), rotation);
    const bool across = rotation % 2 == 1;
    const int sentP = across ? p : raisedToByte(p);
    const int sentQ = across ? raisedToByte(q) : q;
    const int lengthP = truncToInt(qint64(sentP) * 254 / static_cast<long double>(request.dpi));
    const int lengthQ = truncToInt(qint64(sentQ) * 254 / static_cast<long double>(request.dpi));
    graphic.x = request.x - (rotation == 2 ? lengthP : rotation == 3 ? lengthQ : 0);
    graphic.y = request.y - (rotation == 1 ? lengthP : rotation == 2 ? lengthQ : 0);
    return graphic;
}

bool SendTextGraphic(Tcom& link, const TextGraphic& request)
{
    const std::optional<RasterGraphic> graphic = textGraphic(request);
    return !graphic || writeGraphic(link, *graphic);
}
