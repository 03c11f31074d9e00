#include "cutter/DxfReader.h"

#include "cutter/CutterText.h"
#include "model/ConversionError.h"
#include "model/Convert.h"

#include <QIODevice>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// Binary DXF begins with this sentinel; the reader understands only the text form.
constexpr QByteArrayView kBinarySentinel = "AutoCAD Binary DXF";

// The drawing's units are millimetres, the label's tenths of a millimetre.
constexpr double kToModel = 10;

std::optional<double> parseNumber(QByteArrayView text)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    double value = 0;
    const auto [stop, status] = std::from_chars(begin, end, value);
    if (begin == end || status != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

int groupCode(QByteArrayView text)
{
    int code = -1;
    const auto [stop, status] = std::from_chars(text.data(), text.data() + text.size(), code);
    return status == std::errc() && stop == text.data() + text.size() ? code : -1;
}

// |trunc(value)| as the box's half-size, without the overflow of abs() on the clamped value.
float truncatedMagnitude(double value)
{
    return static_cast<float>(std::abs(static_cast<double>(truncToInt(value))));
}

QString entityName(int type)
{
    static const char* const names[] = {"LINE", "ARC", "CIRCLE", "ELLIPSE"};
    return QString::fromLatin1(names[type]);
}

} // namespace

DxfReader::DxfReader(QIODevice& device)
    : m_lines(device)
    , m_device(device)
{
}

bool DxfReader::readPair()
{
    QByteArrayView line;
    if (!m_lines.next(line)) {
        m_end = true;
        return false;
    }
    m_code.clear();
    m_code.append(line.data(), line.size());
    if (!m_lines.next(line)) {
        m_end = true;
        return false;
    }
    m_pair = {m_code, line};
    return true;
}

bool DxfReader::isMarker(const char* value) const
{
    return m_pair.code == "0" && m_pair.value == value;
}

float DxfReader::number(double scale) const
{
    const std::optional<double> value = parseNumber(m_pair.value);
    const QString text = QString::fromLatin1(m_pair.value);
    if (!value) {
        throw ConversionError(CutterText::tr("DXF文件第%2行的“%1”不是数字")
                                  .arg(text)
                                  .arg(m_lines.lineNumber()));
    }
    const double scaled = *value * scale;
    if (std::abs(scaled) > std::numeric_limits<float>::max()) {
        throw ConversionError(CutterText::tr("DXF文件第%2行的数值“%1”超出范围")
                                  .arg(text)
                                  .arg(m_lines.lineNumber()));
    }
    return static_cast<float>(scaled);
}

std::optional<DxfReadStop> DxfReader::read(const EntitySink& sink)
{
    if (m_device.peek(kBinarySentinel.size()) == kBinarySentinel) {
        return DxfReadStop{0, CutterText::tr("这是二进制格式的DXF文件，无法导入；"
                                             "请在CAD程序中另存为文本格式（ASCII）的DXF文件。")};
    }
    bool sawEntities = false;
    bool sawSection = false;
    try {
        while (!m_end && readPair()) {
            if (isMarker("EOF"))
                break;
            if (!isMarker("SECTION") || !readPair())
                continue;
            sawSection = true;
            if (m_pair.value == "HEADER") {
                readHeader();
            } else if (m_pair.value == "ENTITIES") {
                sawEntities = true;
                readEntities(sink);
            }
        }
    } catch (const ConversionError& error) {
        return DxfReadStop{m_lines.lineNumber(), error.message()};
    }
    // Every DXF drawing is made of sections; a file without one is some other file, and
    // importing it as an empty drawing would hide the mistake.
    if (!sawSection)
        return DxfReadStop{0, CutterText::tr("不是DXF图形文件")};
    if (sawEntities && (!m_haveMinX || !m_haveMaxY))
        m_warnings.append(CutterText::tr("DXF文件头中没有图形范围（$EXTMIN或$EXTMAX），"
                                         "缺少的偏移按0计算。"));
    return std::nullopt;
}

void DxfReader::readHeader()
{
    while (readPair()) {
        if (isMarker("ENDSEC"))
            return;
        if (isMarker("EOF")) {
            m_end = true;
            return;
        }
        if (m_pair.code != "9")
            continue;
        // The pairs after the variable name are taken in order, whatever their group codes:
        // x then y.
        if (m_pair.value == "$EXTMIN") {
            if (!readPair())
                return;
            m_minX = number(kToModel);
            m_haveMinX = true;
            if (!readPair())
                return;
        } else if (m_pair.value == "$EXTMAX") {
            if (!readPair() || !readPair())
                return;
            m_maxY = number(kToModel);
            m_haveMaxY = true;
        }
    }
}

void DxfReader::readEntities(const EntitySink& sink)
{
    if (!readPair())
        return;
    while (true) {
        if (m_pair.code == "0") {
            if (m_pair.value == "ENDSEC")
                return;
            if (m_pair.value == "EOF") {
                m_end = true;
                return;
            }
            std::optional<EntityType> type;
            if (m_pair.value == "LINE")
                type = EntityType::Line;
            else if (m_pair.value == "ARC")
                type = EntityType::Arc;
            else if (m_pair.value == "CIRCLE")
                type = EntityType::Circle;
            else if (m_pair.value == "ELLIPSE")
                type = EntityType::Ellipse;
            if (type) {
                // The entity ends at the next group-0 pair, which names what follows.
                readEntity(*type, sink);
                if (m_end)
                    return;
                continue;
            }
        }
        if (!readPair())
            return;
    }
}

void DxfReader::readEntity(EntityType type, const EntitySink& sink)
{
    float x = 0;
    float y = 0;
    float axisX = 0; // LINE: end point; ELLIPSE: end of the major axis relative to the centre
    float axisY = 0;
    float radius = 0;
    float ratio = 1;
    float startAngle = 0;
    float endAngle = 0;
    const bool hasSecondPoint = type == EntityType::Line || type == EntityType::Ellipse;
    while (true) {
        if (!readPair()) {
            m_warnings.append(CutterText::tr("DXF文件在第%1行意外结束，最后一个%2图元没有导入。")
                                  .arg(m_lines.lineNumber())
                                  .arg(entityName(static_cast<int>(type))));
            return;
        }
        if (m_pair.code == "0")
            break;
        switch (groupCode(m_pair.code)) {
        case 10:
            x = number(kToModel);
            break;
        case 20:
            y = number(kToModel);
            break;
        case 11:
            if (hasSecondPoint)
                axisX = number(kToModel);
            break;
        case 21:
            if (hasSecondPoint)
                axisY = number(kToModel);
            break;
        case 40:
            if (type == EntityType::Ellipse)
                ratio = number(1);
            else if (type != EntityType::Line)
                radius = number(kToModel);
            break;
        case 50:
            if (type == EntityType::Arc)
                startAngle = number(1);
            break;
        case 51:
            if (type == EntityType::Arc)
                endAngle = number(1);
            break;
        default:
            break;
        }
    }

    const float centerX = x - m_minX;
    const float centerY = m_maxY - y;
    switch (type) {
    case EntityType::Line:
        sink(DxfLine{centerX, centerY, axisX - m_minX, m_maxY - axisY});
        break;
    case EntityType::Arc:
        if (endAngle < startAngle)
            endAngle += 360;
        sink(DxfArc{centerX, centerY, radius, startAngle, endAngle});
        break;
    case EntityType::Circle:
        sink(DxfEllipseBox{centerX - radius, centerY - radius, centerX + radius, centerY + radius});
        break;
    case EntityType::Ellipse: {
        // The box cannot be tilted, so the major axis is laid along the axis it mostly
        // follows. Taking x whenever its component is not exactly 0 would flatten a
        // vertical ellipse whose axis a CAD program wrote as (6e-17, 20) into a point.
        float rx = 0;
        float ry = 0;
        if (axisX != 0 && std::abs(axisX) >= std::abs(axisY)) {
            rx = truncatedMagnitude(axisX);
            ry = truncatedMagnitude(static_cast<double>(axisX) * ratio);
        } else {
            rx = truncatedMagnitude(static_cast<double>(axisY) * ratio);
            ry = truncatedMagnitude(axisY);
        }
        sink(DxfEllipseBox{centerX - rx, centerY - ry, centerX + rx, centerY + ry});
        break;
    }
    }
}
