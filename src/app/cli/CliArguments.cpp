#include "app/cli/CliArguments.h"

#include "app/cli/CliText.h"
#include "model/Convert.h"

#include <QHash>

namespace {

QStringList namesOf(const CliOption& option)
{
    return QString::fromLatin1(option.names).split(u',');
}

// The name an option is told by in messages: its long name.
QString longName(const CliOption& option)
{
    return dashed(namesOf(option).constLast());
}

bool isHelp(const QString& argument)
{
    return argument == u"-h" || argument == u"--help";
}

} // namespace

std::optional<int> wholeNumberIn(const QString& text, int low, int high)
{
    try {
        const int number = strToInt(text);
        if (number >= low && number <= high)
            return number;
    } catch (const MessageError&) {
    }
    return std::nullopt;
}

CliArguments::CliArguments(const CliCommand& command, const QStringList& arguments)
    : m_command(command)
{
    m_options.append(&cliHelpOption());
    for (const CliOption& option : command.options)
        m_options.append(&option);
    for (const CliOption* option : m_options) {
        QCommandLineOption parsed(namesOf(*option));
        if (option->valueName)
            parsed.setValueName(QString::fromLatin1(option->valueName));
        m_parser.addOption(parsed);
    }
    parse(arguments);
}

void CliArguments::parse(const QStringList& arguments)
{
    // The parser takes the first item for the program's name.
    const bool parsed = m_parser.parse(QStringList{QStringLiteral("marlune-cli")} + arguments);
    const qsizetype end = arguments.indexOf(QStringLiteral("--"));
    m_helpAsked = std::any_of(arguments.begin(), end < 0 ? arguments.end() : arguments.begin() + end, isHelp);
    if (m_helpAsked)
        return;
    if (!parsed)
        failParse(arguments);
    checkRepeats();
    m_arguments = m_parser.positionalArguments();
    checkArgumentCount();
}

void CliArguments::failParse(const QStringList& arguments) const
{
    const QStringList unknown = m_parser.unknownOptionNames();
    if (!unknown.isEmpty())
        throw usage(dashed(unknown.first()), CliText::tr("没有这个选项"));
    for (qsizetype i = 0; i < arguments.size() && arguments[i] != u"--"; ++i) {
        const bool last = i + 1 == arguments.size();
        for (const CliOption* option : m_options) {
            for (const QString& name : namesOf(*option)) {
                const QString typed = dashed(name);
                if (!option->valueName && arguments[i].startsWith(typed + u'='))
                    throw usage(typed, CliText::tr("这个选项不带值"));
                if (option->valueName && last && arguments[i] == typed)
                    throw usage(typed, CliText::tr("缺少值"));
            }
        }
    }
    throw usage(QString(), m_parser.errorText());
}

void CliArguments::checkRepeats() const
{
    QHash<const CliOption*, int> seen;
    for (const QString& name : m_parser.optionNames()) {
        for (const CliOption* option : m_options) {
            if (namesOf(*option).contains(name) && ++seen[option] == 2)
                throw usage(longName(*option), CliText::tr("只能给出一次"));
        }
    }
}

void CliArguments::checkArgumentCount() const
{
    const QStringList expected = QString::fromLatin1(m_command.arguments).split(u' ', Qt::SkipEmptyParts);
    const qsizetype needed = std::count_if(expected.begin(), expected.end(),
                                           [](const QString& word) { return !word.startsWith(u'['); });
    if (m_arguments.size() < needed)
        throw usage(expected[m_arguments.size()], CliText::tr("缺少这个参数"));
    if (m_arguments.size() > expected.size())
        throw usage(m_arguments[expected.size()], CliText::tr("多余的参数"));
}

bool CliArguments::isSet(const char* name) const
{
    const QString wanted = QString::fromLatin1(name);
    const bool defined = std::any_of(m_options.begin(), m_options.end(),
                                     [&](const CliOption* option) { return namesOf(*option).contains(wanted); });
    return defined && m_parser.isSet(wanted);
}

std::optional<QString> CliArguments::value(const char* name) const
{
    if (!isSet(name))
        return std::nullopt;
    const QString text = m_parser.value(QString::fromLatin1(name));
    if (text.trimmed().isEmpty())
        throw usage(dashed(QString::fromLatin1(name)), CliText::tr("缺少值"));
    return text;
}

QString CliArguments::required(const char* name) const
{
    const std::optional<QString> text = value(name);
    if (!text)
        throw usage(dashed(QString::fromLatin1(name)), CliText::tr("必须给出这个选项"));
    return *text;
}

std::optional<int> CliArguments::wholeNumber(const char* name, int low, int high) const
{
    const std::optional<QString> text = value(name);
    if (!text)
        return std::nullopt;
    const std::optional<int> number = wholeNumberIn(*text, low, high);
    if (!number)
        throw badValue(name, CliText::tr("“%1”不是 %2 到 %3 之间的整数").arg(*text).arg(low).arg(high));
    return number;
}

bool CliArguments::together(std::initializer_list<const char*> names) const
{
    const qsizetype given = std::count_if(names.begin(), names.end(), [this](const char* name) { return isSet(name); });
    if (given != 0 && given != qsizetype(names.size())) {
        QStringList all;
        for (const char* name : names)
            all.append(dashed(QString::fromLatin1(name)));
        throw usage(all.join(u' '), CliText::tr("这几个选项要一起给出"));
    }
    return given != 0;
}

CliFailure CliArguments::usage(const QString& subject, const QString& reason) const
{
    return {kExitNotStarted, subject,
            CliText::tr("%1（用法：marlune-cli %2）").arg(reason, m_command.synopsis())};
}

CliFailure CliArguments::badValue(const char* name, const QString& reason) const
{
    return {kExitNotStarted, dashed(QString::fromLatin1(name)), reason};
}
