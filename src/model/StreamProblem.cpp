#include "model/StreamProblem.h"

#include "model/ModelText.h"

namespace {

// Commands can carry raw raster bytes and long symbol data; a report shows their start only.
constexpr qsizetype kShownBytes = 48;

QString shown(const QByteArray& command)
{
    QString text = printableBytes(command.first(qMin(command.size(), kShownBytes)));
    if (command.size() > kShownBytes)
        text += QStringLiteral("…");
    return text;
}

} // namespace

QString printableBytes(const QByteArray& bytes)
{
    QString text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f)
            text += QChar(byte);
        else
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QChar(u'0'));
    }
    return text;
}

QString StreamProblem::describe() const
{
    if (command.isEmpty())
        return ModelText::tr("第 %1 字节：%2").arg(offset).arg(reason);
    return ModelText::tr("第 %1 字节 “%2”：%3").arg(offset).arg(shown(command), reason);
}
