#pragma once

#include <QString>

#include <stdexcept>

// A failure that ends a command and carries the text the operator is shown. what() holds
// the same text in UTF-8 for code that only knows std::exception.
class MessageError : public std::runtime_error {
public:
    explicit MessageError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
