#pragma once

#include "model/MessageService.h"

#include <QStringList>

void writeStdout(const QString& text);
void writeStderr(const QString& text);

// Writes one line of tab-separated UTF-8 to stdout. Tabs and line breaks inside a value
// become spaces so that every value stays in its column and every record on its line.
void writeLine(const QStringList& values);

// Prints "marlune-cli COMMAND: SUBJECT: text" on stderr as one line (without the subject
// when there is none). A text that already begins with the subject does not say it twice,
// and the lines of a text are joined, so a message of the core stays one line.
void writeCommandLine(const QString& command, const QString& subject, const QString& text);

// The messages the core shows while a command runs are kept here instead of being printed:
// when the command fails, their text becomes the reason of its one line. A question is
// answered with its first choice (Ok, Yes): the command line already said what to do.
class CliMessages : public MessageService {
public:
    // The service of this process, installed on first use.
    static CliMessages& instance();

    MessageAnswer show(const Message& message) override;
    // The texts shown since the last call, joined; empty when none was shown.
    QString take();
    // The same, or fallback when nothing was shown.
    QString takeOr(const QString& fallback);

private:
    CliMessages();
    QStringList m_texts;
};
