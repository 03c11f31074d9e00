#pragma once

#include "app/cli/CliCommand.h"
#include "app/cli/CliFailure.h"

#include <QCommandLineParser>
#include <QStringList>

#include <initializer_list>
#include <optional>

// The arguments of one command, parsed by the command's options in the command table:
// "--name value", "--name=value", "-o value", the arguments in order, "--" before an argument
// that begins with "-". An unknown or repeated option, a missing value or a wrong number of
// arguments raises CliFailure with the command's usage line, before anything is read.
class CliArguments {
public:
    CliArguments(const CliCommand& command, const QStringList& arguments);

    const CliCommand& command() const { return m_command; }
    // -h or --help was given: the command shows its help and does nothing else.
    bool helpAsked() const { return m_helpAsked; }

    // The argument at index (the first is the label file, the workbook, …); empty for an
    // argument in brackets that was left out.
    QString argument(qsizetype index) const { return m_arguments.value(index); }

    // Options by their long name, without the dashes: "output", "quantity". An option the
    // command does not have is never set.
    bool isSet(const char* name) const;
    // The option's value; nullopt when the option was not given. An empty value raises.
    std::optional<QString> value(const char* name) const;
    // The value of an option the command cannot do without.
    QString required(const char* name) const;
    // A whole number from low to high given as the option's value; nullopt when not given.
    std::optional<int> wholeNumber(const char* name, int low, int high) const;
    // Options that mean something only together: all of them or none. Returns whether given.
    bool together(std::initializer_list<const char*> names) const;

    // A usage failure (exit 1) about subject, its reason followed by the command's usage line.
    CliFailure usage(const QString& subject, const QString& reason) const;
    // A value the option cannot take (exit 1).
    CliFailure badValue(const char* name, const QString& reason) const;

private:
    void parse(const QStringList& arguments);
    void checkRepeats() const;
    void checkArgumentCount() const;
    [[noreturn]] void failParse(const QStringList& arguments) const;

    const CliCommand& m_command;
    QCommandLineParser m_parser;
    QList<const CliOption*> m_options; // by position among the parser's options
    QStringList m_arguments;
    bool m_helpAsked = false;
};

// The whole number text stands for, from low to high, or nullopt.
std::optional<int> wholeNumberIn(const QString& text, int low, int high);
