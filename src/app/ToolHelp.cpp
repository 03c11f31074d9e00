#include "app/ToolHelp.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <numeric>

QString dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString toolOptionColumn(const ToolOption& option)
{
    QStringList names = QString::fromLatin1(option.names).split(u',');
    for (QString& name : names)
        name = dashed(name);
    QString column = names.join(QStringLiteral(", "));
    if (option.valueName)
        column += u' ' + QString::fromLatin1(option.valueName);
    return column;
}

QString toolOptionList(const QList<const ToolOption*>& options, const char* context)
{
    qsizetype width = 0;
    for (const ToolOption* option : options)
        width = std::max(width, toolOptionColumn(*option).size());
    QString text;
    for (const ToolOption* option : options) {
        text += QStringLiteral("  %1  %2\n")
                    .arg(toolOptionColumn(*option), -int(width))
                    .arg(QCoreApplication::translate(context, option->description));
    }
    return text;
}

namespace {

// Columns on a terminal: Chinese characters take two.
qsizetype displayWidth(const QString& text)
{
    return std::accumulate(text.begin(), text.end(), qsizetype(0),
                           [](qsizetype width, QChar c) { return width + (c.unicode() >= 0x1100 ? 2 : 1); });
}

} // namespace

QString usageBlock(const QString& label, const QStringList& lines)
{
    return label + lines.join(u'\n' + QString(displayWidth(label), u' ')) + u'\n';
}
