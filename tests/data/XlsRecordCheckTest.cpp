#include "data/ConnectionString.h"
#include "data/DataSourceError.h"
#include "data/Workbook.h"
#include "data/XlsReaderOutput.h"
#include "data/XlsReaderProcess.h"
#include "data/XlsReaderProtocol.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <csignal>
#include <functional>

namespace {

quint16 le16(const QByteArray& bytes, qsizetype at)
{
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

void putLe16(QByteArray& bytes, qsizetype at, quint16 value)
{
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char(value >> 8);
}

// The header of the n-th record of a type in basic.xls, whose workbook stream fills the
// file's sectors from the second one without a gap.
qsizetype recordAt(const QByteArray& file, quint16 type, int occurrence = 0)
{
    for (qsizetype at = 512; at + 4 <= file.size(); at += 4 + le16(file, at + 2)) {
        if (le16(file, at) == type && occurrence-- == 0)
            return at;
    }
    ADD_FAILURE() << "no record " << type;
    return 0;
}

struct ReaderRun {
    QProcess::ExitStatus status;
    int exitCode;
    QByteArray out;
    QString err;
};

void startReader(QProcess& reader, const QString& workbook)
{
    reader.start(XlsReaderRun::installedProgram(), {workbook, QStringLiteral("0")});
}

ReaderRun finish(QProcess& reader)
{
    reader.waitForFinished(30000);
    return {reader.exitStatus(), reader.exitCode(), reader.readAllStandardOutput(),
            QString::fromLocal8Bit(reader.readAllStandardError())};
}

} // namespace

// FreeXL takes a record's fields whether or not the record holds them and copies texts as
// long as their lengths say: the reader refuses such a workbook before FreeXL reads it,
// says why, and the program reports it as damaged.
TEST(XlsRecordCheck, RefusesRecordsFreeXlWouldReadPast)
{
    const QByteArray basic = testing_support::fileContent(
        testing_support::sourcePath(QStringLiteral("tests/fixtures/xls/basic.xls")));
    ASSERT_FALSE(basic.isEmpty());
    const struct {
        const char* what;
        std::function<void(QByteArray&)> damage;
        const char* reason; // in the reader's stderr
    } rows[] = {
        {"a blank cell cut from 6 bytes to 2",
         [](QByteArray& file) { putLe16(file, recordAt(file, 0x0201) + 2, 2); },
         "record 0x0201 at byte 1673 holds 2 bytes where 6 are needed"},
        {"a shared-string cell one byte short",
         [](QByteArray& file) { putLe16(file, recordAt(file, 0x00FD) + 2, 9); }, "record 0x00FD"},
        {"a sheet dimension cut to its rows",
         [](QByteArray& file) { putLe16(file, recordAt(file, 0x0200) + 2, 8); }, "record 0x0200"},
        {"a sheet name longer than its record",
         [](QByteArray& file) { file[recordAt(file, 0x0085) + 4 + 6] = char(200); },
         "holds 12 bytes where 408 are needed"},
        {"a shared string table cut inside a text's header",
         [](QByteArray& file) { putLe16(file, recordAt(file, 0x00FC) + 2, 10); }, "record 0x00FC"},
        {"a directory name longer than its field",
         [](QByteArray& file) { putLe16(file, (le16(file, 0x30) + 1) * 512 + 128 + 0x40, 200); },
         "a directory entry's name is longer than its field"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.xls"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QByteArray file = basic;
        row.damage(file);
        QFile target(path);
        ASSERT_TRUE(target.open(QIODevice::WriteOnly | QIODevice::Truncate));
        target.write(file);
        target.close();

        QProcess reader;
        startReader(reader, path);
        const ReaderRun run = finish(reader);
        EXPECT_EQ(run.status, QProcess::NormalExit);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.err.contains(QLatin1String(row.reason))) << qPrintable(run.err);
        EXPECT_TRUE(run.out.endsWith(QByteArray("F\x05\0\0\0\0Z", 7))) << "a damaged workbook, before FreeXL";
        try {
            openWorkbook(connectionStringForFile(path));
            ADD_FAILURE() << "opened";
        } catch (const DataSourceError& error) {
            EXPECT_EQ(error.message(), damagedXlsMessage(path));
        }
    }
}

// Should FreeXL still fault, the reader says so on stderr and ends without a core dump.
// A reader held up opening a pipe stands in for one that faults inside the library.
TEST(XlsRecordCheck, AFaultInTheReaderEndsItWithAReasonAndNoCoreDump)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("held.xls"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QProcess reader;
    reader.setWorkingDirectory(dir.path());
    startReader(reader, pipe);
    ASSERT_TRUE(reader.waitForReadyRead(30000)) << "the reader writes its magic at once";
    const pid_t held = pid_t(reader.processId());
    ASSERT_GT(held, 0);
    ::kill(held, SIGSEGV);
    const ReaderRun run = finish(reader);
    EXPECT_EQ(run.status, QProcess::NormalExit) << "the reader ends itself, not the signal";
    EXPECT_EQ(run.exitCode, 128 + SIGSEGV);
    EXPECT_TRUE(run.err.contains(
        QStringLiteral("held.xls: the workbook is damaged: FreeXL failed on it (signal 11)")))
        << qPrintable(run.err);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("core*")}), QStringList());
}
