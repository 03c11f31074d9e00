#pragma once

#include <QString>

#include <stdexcept>

// A workbook that cannot be read as the operator asked: missing or unreadable file, an
// encrypted, corrupt or oversized workbook, a sheet or column that does not exist. The
// message is the operator's text, ready for a message box or for stderr.
class DataSourceError : public std::runtime_error {
public:
    explicit DataSourceError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
