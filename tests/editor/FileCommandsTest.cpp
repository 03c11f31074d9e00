#include "MainWindowFixture.h"

#include "editor/LabelViewPanel.h"
#include "files/LabelFile.h"
#include "files/LabelFileSession.h"
#include "files/RecentFiles.h"
#include "model/LabelSettings.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QTreeWidget>

namespace {

// A label of width x height tenths of a millimetre holding a row of cut circles.
void writeLabel(const QString& path, int circles, int width = 500, int height = 300)
{
    Tobject document;
    LabelSettings label;
    label.Width = width;
    label.Height = height;
    document.AddCutCircles(0, 0, 100, 100, 1, circles, 0, 10);
    SaveLabel(path, document, label, JobSettings{});
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Where the n-th (from 0) element of a name opens.
qsizetype openingTag(const QByteArray& bytes, const QByteArray& name, int occurrence)
{
    qsizetype from = -1;
    for (int i = 0; i <= occurrence; ++i)
        from = bytes.indexOf("<" + name + ">", from + 1);
    return from;
}

// The file's bytes without the n-th (from 0) element of a name.
QByteArray withoutElement(QByteArray bytes, const QByteArray& name, int occurrence)
{
    const qsizetype from = openingTag(bytes, name, occurrence);
    const QByteArray close = "</" + name + ">";
    const qsizetype to = bytes.indexOf(close, from);
    return bytes.remove(from, to + close.size() - from);
}

// The file's bytes with the text of the n-th (from 0) element of a name replaced.
QByteArray withElementText(QByteArray bytes, const QByteArray& name, int occurrence, const QByteArray& text)
{
    const qsizetype from = openingTag(bytes, name, occurrence) + name.size() + 2;
    return bytes.replace(from, bytes.indexOf("</" + name + ">", from) - from, text);
}

void writeRecent(const QString& iniPath, const QStringList& entries)
{
    QSettings ini(iniPath, QSettings::IniFormat);
    for (qsizetype i = 0; i < entries.size(); ++i)
        ini.setValue(QStringLiteral("RecentOpenFile/file%1").arg(i + 1), entries[i]);
}

using testing_support::messageTexts;

// The captions of the "文件" menu, separators as "-".
QStringList fileMenu(TfrmMain& window)
{
    QStringList captions;
    for (const QAction* entry : window.findChild<QMenu*>(QStringLiteral("mnuFile"))->actions())
        captions.append(entry->isSeparator() ? QStringLiteral("-") : entry->text());
    return captions;
}

const QStringList fileMenuWithoutRecent{"新建", "打开", "-", "保存", "另存为", "关闭文件", "-", "打印雕刻", "-", "-", "退出"};

QStringList withRecent(const QStringList& recent)
{
    QStringList menu = fileMenuWithoutRecent;
    for (qsizetype i = 0; i < recent.size(); ++i)
        menu.insert(9 + i, recent[i]);
    return menu;
}

} // namespace

using FileCommands = MainWindowFixture;

TEST_F(FileCommands, QuittingWithUnsavedChangesSavesAsAnswered)
{
    const struct {
        const char* name;
        QStringList savePaths; // what the save dialog answers; empty: cancelled
        QList<MessageAnswer> answers;
        QStringList asked;
        bool closes;
        bool saved;
        int saveDialogs = 1; // the label has no file, so Save asks for one
    } cases[] = {
        {"yes, save dialog cancelled, yes to go on: closes without saving", {},
         {MessageAnswer::Yes, MessageAnswer::Yes}, {"文件尚未存盘。存盘吗？", "继续退出吗？"}, true, false},
        {"yes, saved, no to go on: stays", {"label.xml"},
         {MessageAnswer::Yes, MessageAnswer::No}, {"文件尚未存盘。存盘吗？", "继续退出吗？"}, false, true},
        {"yes, saving fails: stays without asking to go on", {"no-such-folder/label.xml"},
         {MessageAnswer::Yes}, {"文件尚未存盘。存盘吗？", ""}, false, false},
        {"no: closes without saving", {}, {MessageAnswer::No}, {"文件尚未存盘。存盘吗？"}, true, false, 0},
    };
    for (const auto& c : cases) {
        restart();
        addObjects(2);
        messages.messages.clear();
        messages.answers = c.answers;
        files.asked.clear();
        files.answers.clear();
        for (const QString& name : c.savePaths)
            files.answers.append(path(name));
        QFile::remove(path(QStringLiteral("label.xml")));

        action(QStringLiteral("actionClose"))->trigger();
        QApplication::processEvents();
        EXPECT_EQ(!main().isVisible(), c.closes) << c.name;
        QStringList asked = messageTexts(messages);
        if (c.asked.size() == 2 && c.asked[1].isEmpty() && asked.size() == 2) {
            EXPECT_EQ(messages.messages[1].icon, MessageIcon::Error) << c.name << ": the failure is shown";
            asked[1].clear();
        }
        EXPECT_EQ(asked, c.asked) << c.name;
        ASSERT_EQ(files.asked.size(), c.saveDialogs) << c.name;
        if (c.saveDialogs > 0) {
            // A label never saved: the dialog starts among the operator's documents.
            EXPECT_EQ(files.asked[0], LabelFileSession::saveChoice(documentsFolder())) << c.name;
        }
        EXPECT_EQ(QFileInfo::exists(path(QStringLiteral("label.xml"))), c.saved) << c.name;
        EXPECT_EQ(main().document().modified, !c.saved) << c.name;
    }
}

TEST_F(FileCommands, SaveAddsNoRecentEntryWhileSaveAsDoes)
{
    const struct {
        const char* command;
        const char* file;
        bool asksForPath;
        bool joinsRecentList;
    } steps[] = {
        {"actionSave", "first.xml", true, false},   // a label never saved asks for its file
        {"actionSave", nullptr, false, false},      // then it saves to that file
        {"actionSaveTo", "second.xml", true, true}, // Save As always asks
        {"actionSave", nullptr, false, false},
    };
    QString current;
    for (const auto& step : steps) {
        addObjects(1);
        files.asked.clear();
        if (step.file) {
            current = path(QString::fromLatin1(step.file));
            files.answers = {current};
        }
        const QStringList recentBefore = RecentFiles(recentIni()).entries();
        action(QString::fromLatin1(step.command))->trigger();
        const std::string name = std::string(step.command) + " " + (step.file ? step.file : "");
        EXPECT_EQ(files.asked.size(), step.asksForPath ? 1 : 0) << name;
        EXPECT_FALSE(main().document().modified) << name;
        EXPECT_EQ(main().fileName(), current) << name;
        EXPECT_EQ(main().windowTitle(), QStringLiteral("Marlune    ") + current) << name;
        QStringList expected = recentBefore;
        if (step.joinsRecentList) {
            expected.removeLast();
            expected.prepend(current);
        }
        EXPECT_EQ(RecentFiles(recentIni()).entries(), expected) << name;
        // What was written reads back as the label on screen.
        Tobject reread;
        LabelSettings label;
        JobSettings job;
        LoadLabel(current, {reread, label, job}, nullptr);
        EXPECT_EQ(reread.objects.size(), main().document().objects.size()) << name;
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(FileCommands, AFailedSaveKeepsTheFileNameAndTheChanges)
{
    const struct {
        const char* command;
        bool hasFileName;
    } cases[] = {{"actionSave", true}, {"actionSaveTo", false}};
    for (const auto& c : cases) {
        restart();
        const QString unwritable = path(QStringLiteral("no-such-folder/label.xml"));
        if (c.hasFileName)
            main().setCurrentFile(unwritable);
        else
            files.answers = {unwritable};
        const QString caption = main().windowTitle();
        addObjects(1);
        messages.messages.clear();
        action(QString::fromLatin1(c.command))->trigger();
        ASSERT_EQ(messages.messages.size(), 1) << c.command;
        EXPECT_EQ(messages.messages[0].icon, MessageIcon::Error) << c.command;
        EXPECT_TRUE(messages.messages[0].text.contains(unwritable)) << c.command;
        EXPECT_EQ(main().windowTitle(), caption) << c.command;
        EXPECT_TRUE(main().document().modified) << c.command;
        EXPECT_EQ(RecentFiles(recentIni()).entries().constFirst(), QString()) << c.command;
    }
}

TEST_F(FileCommands, OpenAsksAboutChangesThenForTheFile)
{
    const QString label = path(QStringLiteral("three.xml"));
    writeLabel(label, 3, 700, 400);
    const struct {
        const char* name;
        QList<MessageAnswer> answers;
        QStringList dialogAnswers;
        int dialogs;
        bool loads;
    } cases[] = {
        {"cancel at the prompt", {MessageAnswer::Cancel}, {label}, 0, false},
        {"no, open dialog cancelled", {MessageAnswer::No}, {}, 1, false},
        {"no, file chosen", {MessageAnswer::No}, {label}, 1, true},
        // Cancelling the save dialog saves nothing, yet the command goes on.
        {"yes, save dialog cancelled, file chosen", {MessageAnswer::Yes}, {QString(), label}, 2, true},
    };
    for (const auto& c : cases) {
        restart();
        addObjects(1);
        messages.answers = c.answers;
        files.asked.clear();
        files.answers = c.dialogAnswers;
        action(QStringLiteral("actionOpen"))->trigger();
        EXPECT_EQ(files.asked.size(), c.dialogs) << c.name;
        if (c.dialogs > 0) {
            EXPECT_EQ(files.asked.constLast(), LabelFileSession::openChoice(documentsFolder())) << c.name;
        }
        EXPECT_EQ(main().document().objects.size(), c.loads ? 3 : 1) << c.name;
        EXPECT_EQ(labelSettings().Width, c.loads ? 700 : 1300) << c.name;
        EXPECT_EQ(main().document().modified, !c.loads) << c.name;
        EXPECT_EQ(main().windowTitle(), c.loads ? QStringLiteral("Marlune    ") + label : QStringLiteral("Marlune"))
            << c.name;
        EXPECT_EQ(find<QTreeWidget>(&main(), QStringLiteral("ListView1"))->topLevelItemCount(), c.loads ? 3 : 0)
            << c.name;
        EXPECT_EQ(RecentFiles(recentIni()).entries().constFirst(), c.loads ? label : QString()) << c.name;
    }
    // The open dialog starts in the folder of the label being edited.
    files.asked.clear();
    action(QStringLiteral("actionOpen"))->trigger();
    ASSERT_EQ(files.asked.size(), 1);
    EXPECT_EQ(files.asked[0].folder, QFileInfo(label).absolutePath());
}

TEST_F(FileCommands, RecentFilesGoBeforeTheLastTwoEntriesOfTheFileMenu)
{
    QStringList eight;
    for (int i = 1; i <= 8; ++i) {
        eight.append(path(QStringLiteral("label%1.xml").arg(i)));
        writeLabel(eight.constLast(), i);
    }
    writeRecent(recentIni(), eight);
    restart();
    EXPECT_EQ(fileMenu(main()), withRecent(eight));

    // Entry 3 opens without asking about changes and moves to the front; 4 to 8 stay.
    addObjects(1);
    find<QMenu>(&main(), QStringLiteral("mnuFile"))->findChild<QAction*>(QStringLiteral("mnuRecentFile3"))->trigger();
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(main().document().objects.size(), 3);
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Marlune    ") + eight[2]);
    EXPECT_EQ(RecentFiles(recentIni()).entries(),
              (QStringList{eight[2], eight[0], eight[1], eight[3], eight[4], eight[5], eight[6], eight[7]}));
    EXPECT_EQ(fileMenu(main()), withRecent(eight)) << "the menu shows the list as it was at start-up";
}

TEST_F(FileCommands, ARecentFileThatIsGoneIsReported)
{
    const QString gone = path(QStringLiteral("gone & lost.xml"));
    const QString kept = path(QStringLiteral("kept.xml"));
    writeLabel(kept, 2);
    writeRecent(recentIni(), {gone, kept});
    restart();
    // An ampersand in a path is shown, not taken as a hot key.
    auto* entry = find<QMenu>(&main(), QStringLiteral("mnuFile"))->findChild<QAction*>(QStringLiteral("mnuRecentFile1"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QString(gone).replace(QStringLiteral("&"), QStringLiteral("&&")));
    addObjects(1);
    entry->trigger();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("文件不存在！"));
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(main().document().objects.size(), 1) << "the label on screen stays";
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Marlune"));
    EXPECT_EQ(RecentFiles(recentIni()).entries().mid(0, 2), (QStringList{gone, kept}));
}

TEST_F(FileCommands, TheCommandLineFileOpensAfterTheRecentMenuIsBuilt)
{
    const QString older = path(QStringLiteral("older.xml"));
    writeLabel(older, 1);
    writeRecent(recentIni(), {older});
    const QString sample = path(QStringLiteral("sample.xml"));
    ASSERT_TRUE(QFile::copy(testing_support::sourcePath(QStringLiteral("examples/sample.xml")), sample));
    // Named relative to the working folder, as a shell passes it.
    const QString relative = QDir::current().relativeFilePath(sample);
    restart([&](TfrmMain& window) { window.setStartupFile(relative); });

    EXPECT_EQ(fileMenu(main()), withRecent({older})) << "the list as it was before the file opened";
    EXPECT_EQ(RecentFiles(recentIni()).entries().mid(0, 2), (QStringList{sample, older}));
    EXPECT_EQ(main().document().objects.size(), 9);
    EXPECT_EQ(labelSettings().Width, 1000);
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Marlune    ") + sample);
    EXPECT_FALSE(main().document().modified);
    EXPECT_TRUE(messages.messages.isEmpty());

    restart([&](TfrmMain& window) { window.setStartupFile(path(QStringLiteral("missing.xml"))); });
    EXPECT_EQ(messageTexts(messages), QStringList{"文件不存在！"});
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Marlune"));
    EXPECT_EQ(labelSettings().Width, 1300);
}

TEST_F(FileCommands, APartlyReadLabelIsLoadedAsFarAsItGoesAndTheOperatorWarned)
{
    const QString whole = path(QStringLiteral("whole.xml"));
    writeLabel(whole, 4);
    const QByteArray bytes = testing_support::fileContent(whole);
    const struct {
        const char* name;
        QByteArray bytes;
        int objects;
        QString mentions; // empty: no warning
    } cases[] = {
        {"whole file", bytes, 4, {}},
        {"third object lacks printTop", withoutElement(bytes, "printTop", 2), 2,
         "标签文件只读入了一部分：第3个对象（cutCircle）缺少“printTop”，该对象及其后的对象没有读入。"},
        {"settings lack Gap", withoutElement(bytes, "Gap", 0), 4,
         "读取标签设置时缺少“Gap”，此项及其后的设置保持原来的值。"},
        {"second object's printLeft is no number", withElementText(bytes, "printLeft", 1, "12a"), 1,
         "第2个对象（cutCircle）“printLeft”的值“12a”不正确"},
    };
    for (const auto& c : cases) {
        const QString file = path(QStringLiteral("partly.xml"));
        writeBytes(file, c.bytes);
        messages.messages.clear();
        ASSERT_TRUE(main().LoadLabel(file)) << c.name;
        EXPECT_EQ(main().document().objects.size(), c.objects) << c.name;
        EXPECT_EQ(find<QTreeWidget>(&main(), QStringLiteral("ListView1"))->topLevelItemCount(), c.objects) << c.name;
        if (c.mentions.isEmpty()) {
            EXPECT_TRUE(messages.messages.isEmpty()) << c.name;
            continue;
        }
        ASSERT_EQ(messages.messages.size(), 1) << c.name;
        EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning) << c.name;
        EXPECT_TRUE(messages.messages[0].text.contains(c.mentions)) << c.name << ": "
                                                                    << qPrintable(messages.messages[0].text);
    }
}

TEST_F(FileCommands, AFileThatIsNoLabelLeavesTheLabelOnScreen)
{
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"not XML", "this is not a label"},
        {"cut short", "<?xml version=\"1.0\"?><Object><Label><Width>5"},
        {"root without children", "<Object/>"},
    };
    addObjects(2);
    main().setCurrentFile(path(QStringLiteral("current.xml")));
    for (const auto& c : cases) {
        const QString file = path(QStringLiteral("bad.xml"));
        writeBytes(file, c.bytes);
        messages.messages.clear();
        EXPECT_FALSE(main().LoadLabel(file)) << c.name;
        ASSERT_EQ(messages.messages.size(), 1) << c.name;
        EXPECT_EQ(messages.messages[0].icon, MessageIcon::Error) << c.name;
        EXPECT_EQ(main().document().objects.size(), 2) << c.name;
        EXPECT_EQ(labelSettings().Width, 1300) << c.name;
        EXPECT_EQ(main().fileName(), path(QStringLiteral("current.xml"))) << c.name;
    }
}

TEST_F(FileCommands, AnUnwritableRecentListIsReportedAndTheLabelStillOpens)
{
    const QString label = path(QStringLiteral("label.xml"));
    writeLabel(label, 2);
    // A folder where the list's file should be cannot be written as one.
    const QString blocked = path(QStringLiteral("blocked.ini"));
    ASSERT_TRUE(QDir().mkpath(blocked));
    restart([&](TfrmMain& window) { window.setRecentFiles(RecentFiles(blocked)); });
    EXPECT_TRUE(main().LoadLabel(label));
    EXPECT_EQ(main().document().objects.size(), 2);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(messages.messages[0].text.contains(blocked));
}

TEST(LabelSurface, ImageSizeStaysWithinBoundsNoLabelReaches)
{
    const struct {
        QSize requested;
        QSize given;
    } rows[] = {
        {{2456, 5669}, {2456, 5669}},       // 130 x 300 mm at 500 % on a 96 dpi screen
        {{-5, 40}, {0, 40}},                // a negative size from a damaged file
        {{100000, 300}, {16384, 300}},      // each side is cut to 16384 pixels
        {{16384, 16384}, {16384, 2048}},    // and the whole to 32 M pixels (128 MB)
        {{0, 2147483647}, {0, 16384}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ImageSurface::boundedSize(row.requested), row.given) << row.requested.width() << "x"
                                                                       << row.requested.height();
}

TEST_F(FileCommands, AnyLabelSizeAFileNamesIsShownWithinBoundedMemory)
{
    const QString file = path(QStringLiteral("hostile.xml"));
    writeLabel(file, 1);
    QByteArray bytes = testing_support::fileContent(file);
    bytes.replace("<Width>500</Width>", "<Width>2147483647</Width>");
    bytes.replace("<Height>300</Height>", "<Height>2147483647</Height>");
    bytes.replace("<Zoom>1</Zoom>", "<Zoom>500</Zoom>");
    writeBytes(file, bytes);
    ASSERT_TRUE(main().LoadLabel(file));
    EXPECT_EQ(main().document().objects.size(), 1);
    auto* sheet = find<ImageSurface>(&main(), QStringLiteral("backimage"));
    EXPECT_EQ(sheet->image().size(), QSize(16384, 2048));
    EXPECT_EQ(sheet->size(), sheet->image().size());
}
