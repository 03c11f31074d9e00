#include "support/PtyPair.h"
#include "support/TestApp.h"

#include "cutter/ManualCutter.h"
#include "model/MessageService.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

using testing_support::messageTexts;

const QString kBaud = QStringLiteral("9600");

// What a control gives the sender, as the window would pass it.
QByteArray blackMark(BlackMarkMove move, const char* gap, int height)
{
    return blackMarkCommand(move, blackMarkDistance(QString::fromUtf8(gap), height).value_or(-1));
}

TEST(ManualCutter, EachControlSendsExactlyItsCommandToThePortShown)
{
    const struct {
        const char* control;
        QByteArray command;
        QByteArray expected;
    } cases[] = {
        {"btnCutCarLeft", carriageCommand(CarriageLimit::Left), "# H1 @"},
        {"btnCutCarUp", carriageCommand(CarriageLimit::Back), "# H2 @"},
        {"btnCutCarRight", carriageCommand(CarriageLimit::Right), "# H3 @"},
        {"btnCutCarDown", carriageCommand(CarriageLimit::Front), "# H4 @"},
        // 2 mm gap + 90 mm label + 10 mm to spare
        {"btnUpBlack, Height 900", blackMark(BlackMarkMove::Back, "2", 900), "# F-102 @"},
        {"btnDownBlack, Height 900", blackMark(BlackMarkMove::Forward, "2", 900), "# F102 @"},
        {"Height 905 counts as 90 mm", blackMark(BlackMarkMove::Forward, "2", 905), "# F102 @"},
        {"a gap shown as 2.5 counts as 2 mm", blackMark(BlackMarkMove::Back, "2.5", 909), "# F-102 @"},
        {"no gap", blackMark(BlackMarkMove::Forward, "0", 0), "# F10 @"},
    };
    for (const auto& c : cases) {
        RecordingMessageService messages;
        PtyPair line;
        ManualCutter cutter;
        EXPECT_EQ(cutter.send({line.path(), kBaud}, c.command, false), ManualCommandEnd::Sent) << c.control;
        EXPECT_EQ(line.receive(c.expected.size() + 1, 150), c.expected) << c.control;
        EXPECT_TRUE(messages.messages.isEmpty()) << c.control;
    }
}

TEST(ManualCutter, TypedCommandGoesAsTypedAndRefusalsSendNothing)
{
    const struct {
        const char* name;
        QString typed;
        bool runInProgress;
        ManualCommandEnd end;
        QByteArray sent;
        const char* message;
    } cases[] = {
        {"without begin and end", QStringLiteral("H1 D100,0"), false, ManualCommandEnd::Sent, "H1 D100,0", nullptr},
        {"in the cutter's code page", QStringLiteral("# 刀 @"), false, ManualCommandEnd::Sent, "# \xb5\xb6 @", nullptr},
        {"empty", QString(), false, ManualCommandEnd::Refused, "", "请输入雕刻命令！"},
        {"while a run holds the cutter", QStringLiteral("# H1 @"), true, ManualCommandEnd::Refused, "",
         "正在打印雕刻，请先停止再手动操作雕刻机！"},
    };
    for (const auto& c : cases) {
        RecordingMessageService messages;
        PtyPair line;
        ManualCutter cutter;
        EXPECT_EQ(cutter.sendTyped({line.path(), kBaud}, c.typed, c.runInProgress), c.end) << c.name;
        EXPECT_EQ(line.receive(c.sent.size() + 1, 150), c.sent) << c.name;
        EXPECT_EQ(messageTexts(messages), c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList()) << c.name;
    }
    RecordingMessageService messages;
    EXPECT_EQ(blackMarkDistance(QStringLiteral("-3"), 900), std::nullopt);
    EXPECT_EQ(messageTexts(messages), QStringList{QStringLiteral("标签间隙不能小于0！")});
}

// The knife goes down, the window keeps running (a timer fires, another control is refused)
// while the cutter has only the down command, and then the knife is lifted.
TEST(ManualCutter, KnifeTestKeepsTheWindowRunningAndLiftsTheKnife)
{
    RecordingMessageService messages;
    PtyPair line;
    ManualCutter cutter;
    cutter.knifeDownMs = 400;
    QByteArray duringPause;
    ManualCommandEnd pressedMeanwhile = ManualCommandEnd::Sent;
    QTimer::singleShot(100, [&] {
        duringPause = line.receive(7, 200);
        pressedMeanwhile = cutter.send({line.path(), kBaud}, carriageCommand(CarriageLimit::Left), false);
    });
    EXPECT_EQ(cutter.testKnife({line.path(), kBaud}, false), ManualCommandEnd::Sent);
    EXPECT_EQ(duringPause, QByteArray("# K1 @"));
    EXPECT_EQ(pressedMeanwhile, ManualCommandEnd::Refused);
    EXPECT_EQ(line.receive(7, 300), QByteArray("# K0 @"));
    EXPECT_EQ(messageTexts(messages), QStringList{QStringLiteral("正在测试下刀，请等刀抬起后再操作！")});
    EXPECT_FALSE(cutter.isTestingKnife());
}

TEST(ManualCutter, KnifeIsLiftedWhateverBecameOfTheDownCommand)
{
    const struct {
        bool downTaken;
        bool upTaken;
        ManualCommandEnd end;
        const char* message; // its start
    } cases[] = {
        {true, true, ManualCommandEnd::Sent, nullptr},
        {false, true, ManualCommandEnd::WriteFailed, "写雕刻端口错误：下刀命令"},
        {true, false, ManualCommandEnd::WriteFailed, "写雕刻端口错误：抬刀命令"},
        {false, false, ManualCommandEnd::WriteFailed, "写雕刻端口错误：抬刀命令"},
    };
    for (const auto& c : cases) {
        RecordingMessageService messages;
        QList<QByteArray> written;
        const auto write = [&](const QByteArray& command) {
            written.append(command);
            return command == "# K1 @" ? c.downTaken : c.upTaken;
        };
        EXPECT_EQ(runKnifeTest(write, 0, QStringLiteral("com1")), c.end);
        EXPECT_EQ(written, (QList<QByteArray>{"# K1 @", "# K0 @"}));
        ASSERT_EQ(messages.messages.size(), c.message ? 1 : 0);
        if (c.message) {
            EXPECT_TRUE(messages.messages[0].text.startsWith(QString::fromUtf8(c.message))) << c.message;
        }
    }
}

// An adapter pulled while the knife is down: the lift cannot go out, and the operator is told.
TEST(ManualCutter, KnifeTestReportsALineLostWhileTheKnifeIsDown)
{
    RecordingMessageService messages;
    PtyPair line;
    ManualCutter cutter;
    cutter.knifeDownMs = 300;
    QTimer::singleShot(50, [&] { line.hangUp(); });
    EXPECT_EQ(cutter.testKnife({line.path(), kBaud}, false), ManualCommandEnd::WriteFailed);
    const QStringList texts = messageTexts(messages);
    EXPECT_TRUE(texts.join(u'\n').contains(QStringLiteral("抬刀命令没有送到雕刻机"))) << qPrintable(texts.join(u'\n'));
}

} // namespace
