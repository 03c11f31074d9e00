#include "support/TestApp.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct Entry {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

QList<Entry> entries(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Entry> list;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            list.append({context, {}, {}, {}});
        else if (xml.name() == u"source" && !list.isEmpty())
            list.last().source = xml.readElementText();
        else if (xml.name() == u"translation" && !list.isEmpty()) {
            list.last().type = xml.attributes().value(QStringLiteral("type")).toString();
            list.last().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return list;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// "%1", "%2"…: a translation that loses one shows the operator a text without the file name
// or the number it was made for; one that gains one shows "%3".
QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?\\d"));
    QStringList found;
    for (auto matches = marker.globalMatch(text); matches.hasNext();)
        found.append(matches.next().captured());
    return sorted(found);
}

// "打印雕刻(&B)": the key that works the control in Chinese must work it in English too.
bool hasAccelerator(const QString& text)
{
    static const QRegularExpression accelerator(QStringLiteral("&[^&\\s]"));
    return accelerator.match(text).hasMatch();
}

// Every text the programs show has its English, and each keeps what the program fills in.
TEST(Translation, EveryEnglishTextIsFinishedAndKeepsItsPlaceholders)
{
    const QList<Entry> all = entries(testing_support::sourcePath(QStringLiteral("translations/marlune_en.ts")));
    ASSERT_GT(all.size(), 100);
    for (const Entry& entry : all) {
        const std::string where = (entry.context + QStringLiteral(": ") + entry.source).toStdString();
        EXPECT_TRUE(entry.type.isEmpty()) << entry.type.toStdString() << " " << where;
        EXPECT_FALSE(entry.translation.trimmed().isEmpty()) << where;
        EXPECT_EQ(placeholders(entry.translation), placeholders(entry.source)) << where;
        EXPECT_EQ(hasAccelerator(entry.translation), hasAccelerator(entry.source)) << where;
    }
}

} // namespace
