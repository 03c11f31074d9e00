#include "ports/PortNames.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* name;
    PortKind kind;
    const char* path; // relative paths are in the working directory
};

TEST(PortNames, NamesLeadToTheDeviceOrFileAnOperatorExpects)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ini = dir.filePath(QStringLiteral("setting.ini"));
    {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[RecentOpenFile]\nfile1=/tmp/a.xml\n[Ports]\ncom1=/dev/ttyUSB0\nLPT2 = /dev/usb/lp5\n");
    }
    const bool usbOnly = !QFileInfo::exists(QStringLiteral("/dev/lp0"))
        && QFileInfo::exists(QStringLiteral("/dev/usb/lp0"));
    const NameCase cases[] = {
        {"com1", PortKind::Serial, "/dev/ttyUSB0"},           // mapped in setting.ini
        {"COM1", PortKind::Serial, "/dev/ttyUSB0"},           // names are not case-sensitive
        {"com2", PortKind::Serial, "/dev/ttyS1"},
        {"com12", PortKind::Serial, "/dev/ttyS11"},           // two-digit ports need no special form
        {"lpt1", PortKind::Parallel, usbOnly ? "/dev/usb/lp0" : "/dev/lp0"},
        {"lpt2", PortKind::Parallel, "/dev/usb/lp5"},         // key case and blanks do not matter
        {"/dev/pts/7", PortKind::Device, "/dev/pts/7"},      // a device path stands as it is
        {"printToFile", PortKind::File, "printToFile"},
        {"cutToFile", PortKind::File, "cutToFile"},
        {"com0", PortKind::File, "com0"},                     // no port 0: a file, never /dev/ttyS-1
        {"com", PortKind::File, "com"},
        {"com1; rm -rf ~", PortKind::File, "com1; rm -rf ~"}, // only ever a file name
    };
    for (const NameCase& c : cases) {
        const PortTarget target = resolvePortName(QString::fromUtf8(c.name), ini);
        const QString expected = c.kind == PortKind::File
            ? QDir::current().absoluteFilePath(QString::fromUtf8(c.path))
            : QString::fromUtf8(c.path);
        EXPECT_EQ(target.kind, c.kind) << c.name;
        EXPECT_EQ(target.path, expected) << c.name;
    }
    // Without setting.ini every serial port keeps its plain device.
    EXPECT_EQ(resolvePortName(QStringLiteral("com1"), dir.filePath(QStringLiteral("missing.ini"))).path,
              QStringLiteral("/dev/ttyS0"));
}

TEST(PortNames, OnlyTheSixListedBaudTextsSelectTheirRate)
{
    const struct {
        const char* text;
        qint32 rate;
    } cases[] = {
        {"2400", 2400}, {"4800", 4800}, {"9600", 9600}, {"19200", 19200}, {"38400", 38400},
        {"115200", 115200}, {"57600", 9600}, {"1200", 9600}, {"", 9600}, {" 19200", 9600},
        {"19200.0", 9600}, {"abc", 9600},
    };
    for (const auto& c : cases)
        EXPECT_EQ(baudRateFromText(QString::fromUtf8(c.text)), c.rate) << '"' << c.text << '"';
}

TEST(PortNames, PermissionHintNamesTheGroupToJoin)
{
    EXPECT_TRUE(permissionHint({PortKind::Serial, QStringLiteral("/dev/ttyS0")}, false).isEmpty());
    const QString serial = permissionHint({PortKind::Serial, QStringLiteral("/dev/ttyS0")}, true);
    EXPECT_TRUE(serial.contains(QStringLiteral("dialout"))) << qPrintable(serial);
    EXPECT_TRUE(serial.contains(QStringLiteral("/dev/ttyS0")));
    for (const char* path : {"/dev/lp0", "/dev/usb/lp1"}) {
        const QString parallel = permissionHint({PortKind::Device, QString::fromUtf8(path)}, true);
        EXPECT_TRUE(parallel.contains(QStringLiteral(" lp 组"))) << qPrintable(parallel);
        EXPECT_FALSE(parallel.contains(QStringLiteral("dialout")));
    }
}

} // namespace
