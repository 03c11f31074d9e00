#include "model/StreamProblem.h"

#include "model/ModelText.h"

namespace {

// Commands can carry raw raster bytes and long symbol data; a report shows their start only,
// with bytes that are no printable ASCII written as \xNN.
constexpr qsizetype kShownBytes = 48;

QString shown(const QByteArray& command)
{
    QString text;
    for (qsizetype i = 0; i < command.size() && i < kShownBytes; ++i) {
        const auto byte = static_cast<unsigned char>(command[i]);
        if (byte >= 0x20 && byte < 0x7f)
            text += QChar(byte);
        else
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QChar(u'0'));
    }
    if (command.size() > kShownBytes)
        text += QStringLiteral("…");
    return text;
}

} // namespace

QString StreamProblem::describe() const
{
    if (command.isEmpty())
        return ModelText::tr("第 %1 字节：%2").arg(offset).arg(reason);
    return ModelText::tr("第 %1 字节 “%2”：%3").arg(offset).arg(shown(command), reason);
}
