#include "support/TestApp.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// The folders of src from the bottom up. A file includes its own folder and the folders
// before it, never one after it: what two folders share moves down, so no two folders ever
// need each other. A new folder takes its place here.
const QStringList kLayers = {
    QStringLiteral("model"),   // shape records, the label document, the shared settings
    QStringLiteral("ports"),   // port names, serial lines, the wait of every job
    QStringLiteral("files"),   // label files and the recent-file list
    QStringLiteral("data"),    // workbooks and record ranges
    QStringLiteral("cutter"),  // cut geometry, cutter link, drawings and outlines
    QStringLiteral("view"),    // drawing the label, symbols and their measures
    QStringLiteral("printer"), // printer commands (a symbol's text goes where its measure says)
    QStringLiteral("job"),     // job settings' controls, the label job, runs and variable data
    QStringLiteral("dialogs"), // object dialogs and the label setup dialog
    QStringLiteral("editor"),  // the main window, which opens the dialogs
    QStringLiteral("app"),     // the programs' main()
};

struct SourceFile {
    QString path;   // relative to src, e.g. "view/LabelSurface.cpp"
    QString folder; // its first folder, e.g. "view"
    QString text;
};

QList<SourceFile> sources()
{
    const QDir src(testing_support::sourcePath(QStringLiteral("src")));
    QList<SourceFile> files;
    QDirIterator it(src.path(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = src.relativeFilePath(it.next());
        QFile file(src.filePath(path));
        if (file.open(QIODevice::ReadOnly))
            files.append({path, path.section(u'/', 0, 0), QString::fromUtf8(file.readAll())});
    }
    return files;
}

QStringList includes(const QString& text)
{
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*[<\"]([^>\"]+)[>\"]"),
                                            QRegularExpression::MultilineOption);
    QStringList headers;
    for (auto matches = include.globalMatch(text); matches.hasNext();)
        headers.append(matches.next().captured(1));
    return headers;
}

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
    return path.startsWith(QStringLiteral("app/")) || widgetName.match(QFileInfo(path).fileName()).hasMatch();
}

} // namespace

// The core must build and run without QtWidgets: the command-line tool, the virtual machine
// and the tests link it on machines with no display.
TEST(Layering, CoreSourcesIncludeNoWidgetHeader)
{
    const QSet<QString> forbidden = widgetHeaders();
    ASSERT_TRUE(forbidden.contains(QStringLiteral("QWidget"))) << "QtWidgets headers not found";
    int checked = 0;
    for (const SourceFile& file : sources()) {
        if (isWidgetSource(file.path))
            continue;
        for (const QString& header : includes(file.text)) {
            const QString name = header.section(u'/', -1);
            EXPECT_FALSE(header.startsWith(QStringLiteral("QtWidgets")) || forbidden.contains(name))
                << qPrintable(file.path) << " includes the widget header " << qPrintable(header);
        }
        ++checked;
    }
    EXPECT_GT(checked, 10);
}

TEST(Layering, EveryFolderHasItsPlaceInTheOrder)
{
    const QDir src(testing_support::sourcePath(QStringLiteral("src")));
    const QStringList folders = src.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(folders.isEmpty());
    for (const QString& folder : folders)
        EXPECT_TRUE(kLayers.contains(folder)) << "src/" << qPrintable(folder) << " is not in the layer order";
}

// A lower folder that includes a higher one makes the two need each other: neither can be
// built, tested or understood without the other.
TEST(Layering, FilesIncludeOnlyTheirFolderAndTheFoldersBelow)
{
    int checked = 0;
    for (const SourceFile& file : sources()) {
        const qsizetype own = kLayers.indexOf(file.folder);
        for (const QString& header : includes(file.text)) {
            const qsizetype layer = kLayers.indexOf(header.section(u'/', 0, 0));
            if (!header.contains(u'/') || layer < 0)
                continue; // a library's header
            EXPECT_LE(layer, own) << "src/" << qPrintable(file.path) << " includes " << qPrintable(header)
                                  << ", which lies above " << qPrintable(file.folder);
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

// A member defined in another folder than its class hides an arrow the includes do not show:
// the class's folder cannot be linked without the folder that defines the member.
TEST(Layering, MembersAreDefinedInTheFolderOfTheirClass)
{
    static const QRegularExpression declaration(QStringLiteral("^(?:class|struct)\\s+(\\w+)\\s*(?:final\\s*)?[:{]"),
                                                QRegularExpression::MultilineOption);
    static const QRegularExpression definition(QStringLiteral("^[A-Za-z_][^;(/]*?\\b(\\w+)::~?\\w+\\s*\\("),
                                               QRegularExpression::MultilineOption);
    const QList<SourceFile> files = sources();
    QHash<QString, QSet<QString>> classFolders;
    for (const SourceFile& file : files) {
        for (auto matches = declaration.globalMatch(file.text); matches.hasNext();)
            classFolders[matches.next().captured(1)].insert(file.folder);
    }
    ASSERT_TRUE(classFolders.value(QStringLiteral("Tobject")).contains(QStringLiteral("model")));
    int checked = 0;
    for (const SourceFile& file : files) {
        for (auto matches = definition.globalMatch(file.text); matches.hasNext();) {
            const QString owner = matches.next().captured(1);
            const QSet<QString> folders = classFolders.value(owner);
            EXPECT_TRUE(folders.isEmpty() || folders.contains(file.folder))
                << "src/" << qPrintable(file.path) << " defines a member of " << qPrintable(owner)
                << ", which belongs to another folder";
            checked += folders.isEmpty() ? 0 : 1;
        }
    }
    EXPECT_GT(checked, 100);
}
