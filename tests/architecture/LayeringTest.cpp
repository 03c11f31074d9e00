#include "support/TestApp.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// Every header QtWidgets installs, by file name ("QWidget", "qpushbutton.h", ...).
QSet<QString> widgetHeaders()
{
    QSet<QString> names;
    QDirIterator it(QLibraryInfo::path(QLibraryInfo::HeadersPath) + QStringLiteral("/QtWidgets"),
                    QDir::Files);
    while (it.hasNext()) {
        it.next();
        names.insert(it.fileName());
    }
    return names;
}

bool isWidgetSource(const QString& path)
{
    static const QRegularExpression widgetName(QStringLiteral("(window|dialog|panel)"),
                                               QRegularExpression::CaseInsensitiveOption);
    return path.contains(QStringLiteral("/src/app/")) || widgetName.match(QFileInfo(path).fileName()).hasMatch();
}

} // namespace

// The core must build and run without QtWidgets: the command-line tool, the virtual machine
// and the tests link it on machines with no display.
TEST(Layering, CoreSourcesIncludeNoWidgetHeader)
{
    const QSet<QString> forbidden = widgetHeaders();
    ASSERT_TRUE(forbidden.contains(QStringLiteral("QWidget"))) << "QtWidgets headers not found";
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*[<\"]([^>\"]+)[>\"]"),
                                            QRegularExpression::MultilineOption);
    QDirIterator it(testing_support::sourcePath(QStringLiteral("src")),
                    {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    int checked = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        if (isWidgetSource(path))
            continue;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
        const QString text = QString::fromUtf8(file.readAll());
        auto matches = include.globalMatch(text);
        while (matches.hasNext()) {
            const QString header = matches.next().captured(1);
            const QString name = header.section(u'/', -1);
            EXPECT_FALSE(header.startsWith(QStringLiteral("QtWidgets")) || forbidden.contains(name))
                << qPrintable(path) << " includes the widget header " << qPrintable(header);
        }
        ++checked;
    }
    EXPECT_GT(checked, 10);
}
