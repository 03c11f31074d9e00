#include "app/cli/CliCommand.h"
#include "app/cli/CliHelp.h"
#include "files/LabelFile.h"
#include "support/CliRun.h"
#include "support/TestApp.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testing_support::fileContent;
using testing_support::runCli;
using testing_support::sourcePath;

// The commands with the arguments each needs; IN stands for the file under test, OUT for a
// file to write.
struct CommandShape {
    const char* name;
    QStringList arguments;
    bool readsLabel;
};

const CommandShape kCommands[] = {
    {"dump", {"IN"}, true},
    {"resave", {"IN", "-o", "OUT"}, true},
    {"render", {"IN", "-o", "OUT"}, true},
    {"preview", {"IN", "-o", "OUT"}, true},
    {"print", {"IN", "-o", "OUT"}, true},
    {"trace", {"IN"}, false},
    {"import-dxf", {"IN", "-o", "OUT"}, false},
    {"cut", {"IN", "-o", "OUT"}, true},
    {"run", {"IN"}, true},
    {"sheets", {"IN"}, false},
    {"fields", {"IN", "货品"}, false},
    {"records", {"IN", "货品"}, false},
    {"values", {"IN"}, true},
};

QStringList withFiles(const QStringList& arguments, const QString& in, const QString& out)
{
    QStringList filled = arguments;
    filled.replaceInStrings(QStringLiteral("IN"), in).replaceInStrings(QStringLiteral("OUT"), out);
    return filled;
}

struct Row {
    QStringList arguments;
    int exitCode;
    QString err; // the whole of stderr, or its beginning when the row says so
    bool errBegins = false;
};

// Scripts read one line per failure and the exit code: every command answers its help, and
// every failure before the job is one line naming what failed, exit 1, nothing on stdout.
TEST(CliCommands, HelpAndEveryFailureBeforeTheJobIsOneLine)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    const QString missing = dir.filePath(QStringLiteral("missing.xml"));
    const QString page = dir.filePath(QStringLiteral("page.xml"));
    {
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\"?><html><body><p>Width</p></body></html>");
    }
    const QString noQuantity = dir.filePath(QStringLiteral("no-quantity.xml"));
    Tobject document;
    JobSettings job;
    job.quantity = QStringLiteral("0");
    SaveLabel(noQuantity, document, LabelSettings(), job);

    std::vector<Row> rows;
    const auto line = [](const char* command, const QString& subject, const QString& reason) {
        return QStringLiteral("marlune-cli %1: %2: %3\n").arg(QString::fromLatin1(command), subject, reason);
    };
    for (const CommandShape& command : kCommands) {
        const QString name = QString::fromLatin1(command.name);
        rows.push_back({{name, QStringLiteral("--bogus")}, 1,
                        line(command.name, QStringLiteral("--bogus"), QStringLiteral("没有这个选项（用法：marlune-cli %1 ").arg(name)).chopped(1),
                        true});
        rows.push_back({QStringList{name} + withFiles(command.arguments, missing, out), 1,
                        line(command.name, missing, QStringLiteral("文件不存在！"))});
        rows.push_back({QStringList{name} + withFiles(command.arguments, dir.path(), out), 1,
                        line(command.name, dir.path(), QStringLiteral("这是文件夹，不是文件"))});
        if (command.readsLabel)
            rows.push_back({QStringList{name} + withFiles(command.arguments, page, out), 1,
                            line(command.name, page, QStringLiteral("不是标签文件"))});
    }
    const QString outOfRange = QStringLiteral("不是 1 到 9999 之间的整数");
    for (const char* quantity : {"0", "-3", "10000", "3x"}) {
        rows.push_back({{"print", noQuantity, "-o", out, "--quantity", quantity}, 1,
                        line("print", "--quantity", QStringLiteral("“%1”").arg(quantity) + outOfRange)});
    }
    rows.push_back({{"run", noQuantity, "--quantity=0"}, 1, line("run", "--quantity", "“0”" + outOfRange)});
    rows.push_back({{"print", noQuantity, "-o", out, "--output=" + out}, 1,
                    line("print", "--output", "只能给出一次（用法：marlune-cli print ").chopped(1), true});
    rows.push_back({{"render", noQuantity, "-o"}, 1, line("render", "-o", "缺少值（用法：marlune-cli render ").chopped(1), true});
    rows.push_back({{"cut", noQuantity, "--feed=1"}, 1, line("cut", "--feed", "这个选项不带值（用法：").chopped(1), true});
    const QString stored = QStringLiteral("标签中存的数量“0”") + outOfRange;
    rows.push_back({{"print", noQuantity, "-o", out}, 1, line("print", noQuantity, stored)});
    rows.push_back({{"run", noQuantity}, 1, line("run", noQuantity, stored)});
    rows.push_back({{"cut", noQuantity, "-o", out, "--feed"}, 1, line("cut", noQuantity, stored)});

    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const testing_support::CliRun run = runCli(row.arguments);
        const QString err = QString::fromUtf8(run.err);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(err.count(u'\n'), 1) << "one line: " << err.toStdString();
        if (row.errBegins)
            EXPECT_TRUE(err.startsWith(row.err)) << err.toStdString();
        else
            EXPECT_EQ(err, row.err);
        EXPECT_FALSE(QFile::exists(out));
    }

    for (const CommandShape& command : kCommands) {
        const QString name = QString::fromLatin1(command.name);
        const testing_support::CliRun help = runCli({name, QStringLiteral("--help")});
        EXPECT_EQ(help.exitCode, 0) << command.name;
        EXPECT_TRUE(help.err.isEmpty()) << command.name;
        EXPECT_TRUE(QString::fromUtf8(help.out).startsWith(QStringLiteral("用法：marlune-cli %1 ").arg(name)))
            << help.out.toStdString();
        EXPECT_TRUE(QString::fromUtf8(help.out).contains(QStringLiteral("130  按 Ctrl+C 停止"))) << command.name;
        EXPECT_EQ(runCli({QStringLiteral("help"), name}).out, help.out) << command.name;
    }
}

// Options take their value after a blank or after "=", under any of their names.
TEST(CliCommands, OptionsTakeTheirValueEitherWay)
{
    QTemporaryDir dir;
    const QString sample = sourcePath(QStringLiteral("examples/sample.xml"));
    const QString reference = dir.filePath(QStringLiteral("reference.prn"));
    ASSERT_EQ(runCli({"print", sample, "-o", reference, "--quantity", "3", "--blank"}).exitCode, 0);
    const QByteArray expected = fileContent(reference);
    EXPECT_TRUE(expected.contains("{XS;I,0003,"));
    const QString written = dir.filePath(QStringLiteral("written.prn"));
    const QStringList forms[] = {
        {"--output=" + written, "--quantity=3", "--blank"},
        {"--blank", "--printer", written, "--quantity", " 3 "},
        {"--port=" + written, "--blank", "--quantity", "03"},
    };
    for (const QStringList& options : forms) {
        QFile::remove(written);
        const testing_support::CliRun run = runCli(QStringList{"print", sample} + options);
        EXPECT_EQ(run.exitCode, 0) << options.join(u' ').toStdString() << run.err.toStdString();
        EXPECT_EQ(fileContent(written), expected) << options.join(u' ').toStdString();
    }
}

// The example label is bound to the columns of the example workbook, as the README runs it
// from the source tree.
TEST(CliCommands, TheExampleLabelTakesTheExampleWorkbooksRecords)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(sourcePath(QStringLiteral(".")));
    QTemporaryDir dir;
    const QStringList record = {"--workbook", "examples/goods.xlsx", "--sheet", "货品", "--record"};
    const auto values = runCli(QStringList{"values", "examples/goods.xml"} + record + QStringList{"2"});
    EXPECT_EQ(values.exitCode, 0) << values.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(values.out),
              QStringLiteral("0\tprintString\t红茶 100g\n1\tprintString\tA0002\n2\tprintBar\t6901234567908\n"
                             "3\tprintQRBar\thttps://example.com/A0002\n"));

    const QString stream = dir.filePath(QStringLiteral("goods.prn"));
    const auto print = runCli(QStringList{"print", "examples/goods.xml", "-o", stream} + record + QStringList{"3"});
    EXPECT_EQ(print.exitCode, 0) << print.err.toStdString();
    // Texts go out as graphics; the symbols carry the record's values as they stand.
    EXPECT_TRUE(fileContent(stream).contains("6901234567915"));
    EXPECT_TRUE(fileContent(stream).contains("https://example.com/A0003"));

    // Record 2 shows other values than the stored ones; without marks nothing is framed in
    // the colours of the selection.
    QImage pictures[2];
    const QStringList renders[] = {{}, record + QStringList{"2", "--no-marks"}};
    for (int i = 0; i < 2; ++i) {
        const QString png = dir.filePath(QStringLiteral("goods%1.png").arg(i));
        const auto render = runCli(QStringList{"render", "examples/goods.xml", "-o", png} + renders[i]);
        EXPECT_EQ(render.exitCode, 0) << render.err.toStdString();
        pictures[i] = QImage(png);
    }
    ASSERT_EQ(pictures[0].size(), pictures[1].size());
    EXPECT_NE(pictures[0], pictures[1]);
    const auto marked = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qGreen(pixel) > 100 && qRed(pixel) < 60 && qBlue(pixel) < 60)
                    return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(marked(pictures[0])) << "the current object's green handles";
    EXPECT_FALSE(marked(pictures[1]));
    QDir::setCurrent(previous);
}

// The example the help and the manual page show for a command works as written, from a
// folder that holds the examples (the repository, or the installed share/marlune). Those that
// need the machine on a port are left to the port tests.
TEST(CliCommands, TheHelpExamplesRun)
{
    QTemporaryDir dir;
    const QDir examples(sourcePath(QStringLiteral("examples")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("examples")));
    for (const QString& name : examples.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(examples.filePath(name), dir.filePath(QStringLiteral("examples/") + name)));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    static const QRegularExpression port(QStringLiteral("\\b(com|lpt)\\d"));
    int ran = 0;
    for (const CliCommand& command : cliCommands()) {
        const QString example = cliExample(command);
        ASSERT_FALSE(example.isEmpty()) << command.name;
        if (port.match(example).hasMatch())
            continue;
        const auto result = runCli(example.split(u' ').mid(1));
        EXPECT_EQ(result.exitCode, 0) << example.toStdString() << "\n" << result.err.toStdString();
        ++ran;
    }
    EXPECT_GE(ran, 10);
    QDir::setCurrent(previous);
}

} // namespace
