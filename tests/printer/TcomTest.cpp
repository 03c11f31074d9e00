#include "support/PtyPair.h"
#include "support/TestApp.h"

#include "printer/Tcom.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs a test in a scratch working directory, where the file outputs go.
class ScratchDirectory {
public:
    ScratchDirectory()
        : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(m_dir.path());
    }
    ~ScratchDirectory() { QDir::setCurrent(m_previous); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

using testing_support::fileContent;

TEST(Tcom, FileOutputReplacesThePreviousContent)
{
    ScratchDirectory scratch;
    for (const char* name : {"printToFile", "cutToFile"}) {
        const QString path = scratch.filePath(QString::fromUtf8(name));
        {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(1000, 'x')); // longer than the new stream: no tail may survive
        }
        Tcom link(QString::fromUtf8(name));
        ASSERT_TRUE(link.Open(QString()));
        link.Write("{D0930,1300,0900|}");
        link.Write("{XS;I,0001,0002C3201|}");
        EXPECT_EQ(link.written, 22);
        link.Close();
        EXPECT_EQ(fileContent(path), QByteArray("{D0930,1300,0900|}{XS;I,0001,0002C3201|}")) << name;
    }
}

TEST(Tcom, FileIsCreatedWhenMissingAndWrittenEvenWithoutClose)
{
    ScratchDirectory scratch;
    {
        Tcom link(QStringLiteral("printToFile"));
        ASSERT_TRUE(link.Open(QStringLiteral("9600")));
        link.Write("{C|}");
    }
    EXPECT_EQ(fileContent(scratch.filePath(QStringLiteral("printToFile"))), QByteArray("{C|}"));
}

TEST(Tcom, SerialLineIsSetByTheBaudRuleAndCarriesTheStream)
{
    const struct {
        const char* baud;
        speed_t speed;
    } cases[] = {{"19200", B19200}, {"115200", B115200}, {"57600", B9600}, {"", B9600}};
    for (const auto& c : cases) {
        PtyPair line;
        ASSERT_TRUE(line.isValid());
        Tcom link(line.path());
        ASSERT_TRUE(link.Open(QString::fromUtf8(c.baud))) << c.baud;
        const termios settings = line.lineSettings();
        EXPECT_EQ(cfgetospeed(&settings), c.speed) << c.baud;
        EXPECT_EQ(settings.c_cflag & CSIZE, tcflag_t(CS8));
        EXPECT_EQ(settings.c_cflag & (PARENB | CSTOPB), tcflag_t(0)) << "8-N-1";
        const QByteArray stream = QByteArray("{XS;I,0001,0002C3201|}").repeated(200);
        link.Write(stream);
        link.Close();
        EXPECT_EQ(line.receive(stream.size()), stream) << c.baud;
    }
}

TEST(Tcom, DeviceThatIsNoTerminalIsWrittenWithoutLineSettings)
{
    Tcom link(QStringLiteral("/dev/null"));
    ASSERT_TRUE(link.Open(QStringLiteral("115200")));
    link.Write("{C|}");
    EXPECT_EQ(link.written, 4);
}

TEST(Tcom, MissingPortDoesNotOpenAndWritesGoNowhere)
{
    ScratchDirectory scratch;
    for (const char* name : {"/dev/marlune-no-such-port", "lpt9", "com99", ""}) {
        Tcom link(QString::fromUtf8(name));
        EXPECT_FALSE(link.Open(QStringLiteral("9600"))) << name;
        EXPECT_TRUE(link.openFailureHint().isEmpty()) << name; // not a permission problem
        link.Write("{C|}");
        EXPECT_EQ(link.written, 0);
        link.Close();
    }
    // A device path is never created as a file.
    EXPECT_FALSE(QFile::exists(QStringLiteral("/dev/marlune-no-such-port")));
}

} // namespace
