#include "ports/PortSetup.h"
#include "support/PtyPair.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The set-up that runs when the job window is shown: each serial port named there is left
// at its baud rate, 8 data bits, no parity and one stop bit; every other name is left alone
// and no name reaches a shell.
TEST(PortSetup, SerialPortsTakeTheirBaudRateAndOthersAreLeftAlone)
{
    PtyPair cutter;
    PtyPair status;
    QTemporaryDir dir;
    ASSERT_TRUE(cutter.isValid() && status.isValid() && dir.isValid());
    const QString ini = dir.filePath(QStringLiteral("setting.ini"));
    {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Ports]\ncom1=" + cutter.path().toUtf8() + "\ncom4=" + status.path().toUtf8()
                   + "\ncom9=" + dir.filePath(QStringLiteral("unplugged")).toUtf8() + "\n");
    }
    const QString current = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QStringList failures = setUpSerialPorts({{QStringLiteral("lpt1"), QStringLiteral("115200")},
                                                   {QStringLiteral("COM1"), QStringLiteral(" 9600 ")},
                                                   {QStringLiteral("com4"), QStringLiteral("115200")},
                                                   {QStringLiteral("com9"), QStringLiteral("9600")},
                                                   {QStringLiteral("combined.txt"), QStringLiteral("9600")},
                                                   {QStringLiteral("printToFile"), QStringLiteral("9600")}},
                                                  ini);
    QDir::setCurrent(current);

    const struct {
        const PtyPair& line;
        speed_t speed;
    } lines[] = {{cutter, B9600}, {status, B115200}};
    for (const auto& l : lines) {
        const termios settings = l.line.lineSettings();
        EXPECT_EQ(cfgetospeed(&settings), l.speed);
        EXPECT_EQ(settings.c_cflag & CSIZE, tcflag_t(CS8));
        EXPECT_EQ(settings.c_cflag & (PARENB | CSTOPB), tcflag_t(0));
    }
    // The unplugged adapter is named in the reasons; the others are set up all the same.
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].startsWith(QStringLiteral("com9"))) << failures[0].toStdString();
    // Names that are no serial line are never opened, so no file is made for them.
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("combined.txt"))));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("printToFile"))));
}

} // namespace
