#include "job/DateStyle.h"

#include "job/JobText.h"
#include "model/ConversionError.h"

#include <QRegularExpression>

#include <array>
#include <cstdlib>

namespace {

constexpr std::array<const char16_t*, kDateStyleCount> kPatterns{
    u"yyyy/MM/dd", u"yyyy-MM-dd", u"yyyy.MM.dd", u"yyyy/M/d", u"yyyy-M-d", u"yyyy.M.d",
    u"yy/MM/dd",   u"yy-MM-dd",   u"yy.MM.dd",   u"yy/M/d",   u"yy-M-d",   u"yy.M.d",
};

QString padded(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

// Length of the run of the same character starting at position.
qsizetype runLength(QStringView pattern, qsizetype position)
{
    qsizetype end = position;
    while (end < pattern.size() && pattern[end] == pattern[position])
        ++end;
    return end - position;
}

} // namespace

QString dateStylePattern(int style)
{
    if (style < 0 || style >= kDateStyleCount)
        return {};
    return QString::fromUtf16(kPatterns[static_cast<std::size_t>(style)]);
}

QString formatDateStyle(const QDateTime& value, int style, const QString& separator)
{
    const QString pattern = dateStylePattern(style);
    const QDate date = value.date();
    QString result;
    for (qsizetype position = 0; position < pattern.size();) {
        const QChar letter = pattern[position];
        const qsizetype run = runLength(pattern, position);
        position += run;
        if (letter == u'y')
            result += run == 4 ? padded(date.year(), 4) : padded(std::abs(date.year() % 100), 2);
        else if (letter == u'M')
            result += padded(date.month(), static_cast<int>(run));
        else if (letter == u'd')
            result += padded(date.day(), static_cast<int>(run));
        else if (letter == u'/')
            result += separator.repeated(run);
        else
            result += QString(run, letter);
    }
    return result;
}

QString localeDateSeparator(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    bool afterField = false;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        if (c == u'd' || c == u'M' || c == u'y') {
            afterField = true;
            continue;
        }
        // Only a sign between the numbers counts: "d MMM yyyy" writes the month as a word.
        if (afterField && !c.isLetter() && !c.isSpace())
            return QString(c);
        afterField = false;
    }
    return QStringLiteral("/");
}

QString systemDateSeparator()
{
    static const QString separator = localeDateSeparator(QLocale::system());
    return separator;
}

QDateTime parseRecordDateTime(const QString& text)
{
    // Year, month and day joined by one separator, then an optional time with or without
    // seconds.
    static const QRegularExpression kDateTime(QStringLiteral(
        R"(^(\d{4})([-/.])(\d{1,2})\2(\d{1,2})(?:[ T](\d{1,2}):(\d{2})(?::(\d{2}))?)?$)"));
    const QString trimmed = text.trimmed();
    const QRegularExpressionMatch match = kDateTime.match(trimmed);
    if (match.hasMatch()) {
        const auto number = [&match](int group) { return match.capturedView(group).toInt(); };
        const QDate date(number(1), number(3), number(4));
        const QTime time(number(5), number(6), number(7));
        if (date.isValid() && time.isValid())
            return QDateTime(date, time);
    } else if (const QDateTime iso = QDateTime::fromString(trimmed, Qt::ISODate); iso.isValid()) {
        return iso;
    }
    throw ConversionError(JobText::tr("“%1”不是有效的日期").arg(text));
}
