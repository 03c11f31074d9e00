#include "support/TestApp.h"

#include "job/MachineUtilities.h"
#include "model/MessageService.h"
#include "ports/PortNames.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testing_support::messageTexts;

TEST(MachineUtilities, CounterTakesOnlyWholeNumbersAndResetsOnlyOnYes)
{
    const struct {
        const char* typed;
        std::optional<QString> shown;
    } typedCases[] = {
        {"12a", std::nullopt}, {"", std::nullopt}, {"1.5", std::nullopt}, {"99999999999", std::nullopt},
        {"007", QStringLiteral("7")}, {" 25 ", QStringLiteral("25")}, {"-3", QStringLiteral("-3")},
    };
    for (const auto& c : typedCases) {
        RecordingMessageService messages;
        EXPECT_EQ(counterFromInput(QString::fromUtf8(c.typed)), c.shown) << c.typed;
        EXPECT_EQ(messageTexts(messages), c.shown ? QStringList() : QStringList{QStringLiteral("请输入整型数值！")})
            << c.typed;
    }
    for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel}) {
        RecordingMessageService messages;
        messages.answers = {answer};
        EXPECT_EQ(resetCounter(), answer == MessageAnswer::Yes ? std::optional(QStringLiteral("0")) : std::nullopt);
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_EQ(messages.messages[0].text, QStringLiteral("确定要把计数器清零吗？"));
        EXPECT_EQ(messages.messages[0].buttons, MessageButtons::YesNoCancel);
    }
}

// LPT1 leads where the operator mapped it, as the printer link reads it, and the recent
// files kept in the same file stay.
TEST(MachineUtilities, MappingLpt1KeepsTheRestOfSettingIni)
{
    QTemporaryDir dir;
    const QString printer = dir.filePath(QStringLiteral("lp7"));
    QFile(printer).open(QIODevice::WriteOnly);
    const QString before = QStringLiteral("/dev/usb/lp5");
    const QString unmapped = resolvePortName(QStringLiteral("lpt1"), QString()).path;
    const struct {
        const char* name;
        QString device;
        QString settings;
        QString lpt1; // where LPT1 leads afterwards
        const char* message; // its start
    } cases[] = {
        {"a device that is there", printer, QStringLiteral("setting.ini"), printer, "LPT1 已映射到"},
        {"a device that is not there", dir.filePath(QStringLiteral("lp9")), QStringLiteral("setting.ini"), before,
         "找不到设备"},
        {"nothing chosen", QStringLiteral(" "), QStringLiteral("setting.ini"), before, "请选择打印机设备！"},
        // Its folder would be a file: no setting.ini can be written there.
        {"setting.ini cannot be written", printer, QStringLiteral("lp7/setting.ini"), unmapped, "无法写入"},
    };
    for (const auto& c : cases) {
        const QString ini = dir.filePath(c.settings);
        QFile::remove(ini);
        {
            QSettings settings(ini, QSettings::IniFormat);
            settings.setValue(QStringLiteral("RecentOpenFile/file1"), QStringLiteral("/tmp/a.xml"));
            settings.setValue(QStringLiteral("Ports/LPT1"), before);
        }
        RecordingMessageService messages;
        const bool mapped = c.lpt1 == printer;
        EXPECT_EQ(mapParallelPort(c.device, ini), mapped) << c.name;
        EXPECT_EQ(resolvePortName(QStringLiteral("lpt1"), ini).path, c.lpt1) << c.name;
        ASSERT_EQ(messages.messages.size(), 1) << c.name;
        EXPECT_TRUE(messages.messages[0].text.startsWith(QString::fromUtf8(c.message))) << c.name;
        if (mapped) {
            const QSettings settings(ini, QSettings::IniFormat);
            EXPECT_EQ(settings.value(QStringLiteral("RecentOpenFile/file1")).toString(), QStringLiteral("/tmp/a.xml"));
            EXPECT_FALSE(settings.contains(QStringLiteral("Ports/LPT1"))) << "one mapping for the name, in any case";
        }
    }
}

} // namespace
