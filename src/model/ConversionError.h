#pragma once

#include <QString>

#include <stdexcept>

// Raised when text the operator typed (or a file holds) is not the number a rule needs.
// A command that does not guard it ends, and the program shows the message in its
// standard error box; the program itself goes on.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
