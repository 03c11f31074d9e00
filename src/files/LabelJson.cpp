#include "files/LabelJson.h"

#include "files/LabelFormat.h"

#include <charconv>
#include <cmath>
#include <type_traits>

namespace {

void appendString(QByteArray& out, const QString& text)
{
    out += '"';
    for (char c : text.toUtf8()) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out += QByteArray("\\u00") + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    out += '"';
}

template <typename Real>
void appendReal(QByteArray& out, Real value)
{
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char buffer[64];
    // The shortest text that reads back to exactly this float or double.
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end - buffer);
}

template <typename Value>
void appendValue(QByteArray& out, const Value& value)
{
    if constexpr (std::is_same_v<Value, bool>)
        out += value ? "true" : "false";
    else if constexpr (std::is_same_v<Value, int>)
        out += QByteArray::number(value);
    else if constexpr (std::is_same_v<Value, QString>)
        appendString(out, value);
    else
        appendReal(out, value);
}

void appendKey(QByteArray& out, const char* name, bool first)
{
    if (!first)
        out += ", ";
    out += '"';
    out += name;
    out += "\": ";
}

} // namespace

QByteArray labelToJson(bool complete, const LabelSettings& label, const JobSettings& job,
                       const ShapeList& objects)
{
    QByteArray out;
    out.reserve(1024 + objects.size() * 512);
    out += "{\"complete\": ";
    out += complete ? "true" : "false";
    out += ", \"settings\": {";
    bool first = true;
    for (const SettingField& field : settingFields()) {
        appendKey(out, field.name, first);
        first = false;
        visitSetting(field, label, job, [&](const auto& value) { appendValue(out, value); });
    }
    out += "}, \"objects\": [";
    bool firstObject = true;
    for (const Tshape& shape : objects) {
        if (!shape.isKnownKind())
            continue;
        out += firstObject ? "{" : ", {";
        firstObject = false;
        bool firstField = true;
        for (const ShapeField* field : shapeWriteOrder(shape.kind())) {
            appendKey(out, field->name, firstField);
            firstField = false;
            visitField(*field, shape, [&](const auto& value) { appendValue(out, value); });
        }
        out += '}';
    }
    out += "]}";
    return out;
}
