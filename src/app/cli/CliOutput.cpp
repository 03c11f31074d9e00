#include "app/cli/CliOutput.h"

#include <cstdio>

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
    line += u'\n';
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int usageError(const char* synopsis)
{
    std::fprintf(stderr, "usage: marlune-cli %s\n", synopsis);
    return 1;
}

int commandFailed(const char* command, const QString& reason, int exitCode)
{
    std::fprintf(stderr, "marlune-cli %s: %s\n", command, qUtf8Printable(reason));
    return exitCode;
}
