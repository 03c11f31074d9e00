#include "app/cli/CliOutput.h"

#include <cstdio>

namespace {

void writeUtf8(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

QString oneLine(const QString& text)
{
    QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.join(QStringLiteral("；"));
}

} // namespace

void writeStdout(const QString& text)
{
    writeUtf8(stdout, text);
}

void writeStderr(const QString& text)
{
    writeUtf8(stderr, text);
}

void writeLine(const QStringList& values)
{
    QString line;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            line += u'\t';
        QString value = values[i];
        for (QChar& c : value) {
            if (c == u'\t' || c == u'\n' || c == u'\r')
                c = u' ';
        }
        line += value;
    }
    writeUtf8(stdout, line + u'\n');
}

void writeCommandLine(const QString& command, const QString& subject, const QString& text)
{
    QString line = command.isEmpty() ? QStringLiteral("marlune-cli: ") : QStringLiteral("marlune-cli %1: ").arg(command);
    QString reason = oneLine(text);
    if (!subject.isEmpty()) {
        const QString prefix = subject + QStringLiteral(": ");
        if (reason.startsWith(prefix))
            reason.remove(0, prefix.size());
        line += prefix;
    }
    writeUtf8(stderr, line + reason + u'\n');
    std::fflush(stderr);
}

CliMessages& CliMessages::instance()
{
    static CliMessages messages;
    return messages;
}

CliMessages::CliMessages()
{
    setMessageService(this);
}

MessageAnswer CliMessages::show(const Message& message)
{
    switch (message.buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        break;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Yes;
    }
    m_texts.append(message.text);
    return MessageAnswer::Ok;
}

QString CliMessages::takeOr(const QString& fallback)
{
    const QString shown = take();
    return shown.isEmpty() ? fallback : shown;
}

QString CliMessages::take()
{
    const QString text = m_texts.join(u'\n');
    m_texts.clear();
    return text;
}
