#pragma once

#include <QString>

#include <stdexcept>

// A file could not be read or written: the label file, the recent-file list. The command
// that met it ends, and the program shows the message in its standard error box; what was
// on disk and in the document stays as it was.
class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
