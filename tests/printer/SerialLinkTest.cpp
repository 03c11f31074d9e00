#include "support/PtyPair.h"

#include "cutter/TCom232.h"
#include "model/MessageService.h"
#include "printer/TReadThread.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>

namespace {

// One arrival on the line and what the link must hold after it.
template <typename Status>
struct Step {
    QByteArray bytes;
    Status status;
    QByteArray received; // "*" when the content does not matter
};

template <typename Status>
struct StepCase {
    const char* name;
    std::vector<Step<Status>> steps;
};

// Sends each step's bytes and waits until the link has seen them (its state changed) or a
// short while has passed for steps that must change nothing.
template <typename Link, typename Status>
void runSteps(const StepCase<Status>& stepCase)
{
    const char* name = stepCase.name;
    PtyPair line;
    ASSERT_TRUE(line.isValid());
    Link link;
    link.portName = line.path();
    link.Configure(QStringLiteral("9600"));
    ASSERT_TRUE(link.isOpen()) << name;
    link.Resume();
    int index = 0;
    for (const Step<Status>& step : stepCase.steps) {
        const QByteArray before = link.received;
        const Status statusBefore = link.status;
        line.send(step.bytes);
        const bool unchanged = step.status == statusBefore && step.received == before;
        runEventsUntil([&] { return link.received != before || link.status != statusBefore; },
                       unchanged ? 300 : 2000);
        EXPECT_EQ(link.status, step.status) << name << ", step " << index;
        if (step.received != "*") {
            EXPECT_EQ(link.received, step.received) << name << ", step " << index;
        }
        ++index;
    }
}

TEST(TCom232, ReplyIsJudgedFromFiveCharactersOnTheWholeReply)
{
    using enum CutterStatus;
    const QByteArray noise(300, '#');
    const StepCase<CutterStatus> cases[] = {
        {"reply in pieces of 2 and 3", {{"{0", Waiting, "{0"}, {"00}", Accepted, "{000}"}}},
        {"five other characters, then the acknowledgement",
         {{"ERR01", Rejected, "ERR01"}, {"{000}", Accepted, "ERR01{000}"}}},
        {"acknowledgement after other text", {{"H7{000}\r\n", Accepted, "H7{000}\r\n"}}},
        {"four characters wait for more", {{"{000", Waiting, "{000"}, {"}", Accepted, "{000}"}}},
        {"an accepted job stays accepted over later text", {{"{000}", Accepted, "{000}"}, {"xx", Accepted, "{000}xx"}}},
        {"256 bytes or more are discarded unread", {{noise, Waiting, ""}, {"{000}", Accepted, "{000}"}}},
        {"255 bytes are read", {{QByteArray(255, '#'), Rejected, QByteArray(255, '#')}}},
        // A NUL from a line that powers up must not hide the reply behind it.
        {"NUL bytes are dropped", {{QByteArray("\0\0{000}", 7), Accepted, "{000}"}}},
    };
    for (const auto& c : cases)
        runSteps<TCom232>(c);
}

TEST(TReadThread, ReportIsClassifiedFromThirteenCharactersThenDropped)
{
    using enum PrinterStatus;
    const StepCase<PrinterStatus> cases[] = {
        {"report in pieces of 7 and 8", {{"{S40200", Waiting, "{S40200"}, {"00|}\r\nAB", Printed, ""}}},
        {"interim, then final",
         {{"{S4120001|}\r\n", Waiting, ""}, {"{S4120000|}\r\n", Waiting, ""}, {"{S4020000|}\r\n", Printed, ""}}},
        {"13 characters without a code are a fault", {{"ABCDEFGHIJKLM", Fault, ""}}},
        {"twelve characters wait for more", {{"{S4020000|}\r", Waiting, "{S4020000|}\r"}, {"\n", Printed, ""}}},
        {"the printed code wins over an interim code in the same text",
         {{"{S4120001|}\r\n{S4020000|}\r\n", Printed, ""}}},
        {"an interim report leaves a fault standing", {{"{S4060000|}\r\n", Fault, ""}, {"{S4120001|}\r\n", Fault, ""}}},
        {"256 bytes or more are discarded unread",
         {{QByteArray(300, '#'), Waiting, ""}, {"{S4020000|}\r\n", Printed, ""}}},
        {"NUL bytes are dropped", {{QByteArray("\0{S4020000|}\r\n", 14), Printed, ""}}},
    };
    for (const auto& c : cases)
        runSteps<TReadThread>(c);
}

TEST(SerialLink, BaudRuleAndFrameAreSetOnConfigure)
{
    const struct {
        const char* baud;
        speed_t speed;
    } cases[] = {{"115200", B115200}, {"57600", B9600}, {"2400", B2400}, {"abc", B9600}};
    for (const auto& c : cases) {
        PtyPair cutterLine;
        PtyPair statusLine;
        TCom232 cutter;
        cutter.portName = cutterLine.path();
        cutter.Configure(QString::fromUtf8(c.baud));
        TReadThread reader;
        reader.portName = statusLine.path();
        reader.Configure(QString::fromUtf8(c.baud));
        for (const PtyPair* line : {&cutterLine, &statusLine}) {
            const termios settings = line->lineSettings();
            EXPECT_EQ(cfgetispeed(&settings), c.speed) << c.baud;
            EXPECT_EQ(settings.c_cflag & CSIZE, tcflag_t(CS8));
            EXPECT_EQ(settings.c_cflag & (PARENB | CSTOPB), tcflag_t(0)) << "8-N-1";
        }
    }
}

TEST(SerialLink, UnopenablePortShowsItsMessageOncePerConfigureAndPollsDoNothing)
{
    RecordingMessageService messages;
    TCom232 cutter;
    cutter.portName = QStringLiteral("/dev/marlune-no-such-port");
    TReadThread reader;
    reader.portName = QStringLiteral("com1; touch /tmp/marlune-never"); // a file name: no serial line
    for (int configure = 1; configure <= 2; ++configure) {
        cutter.Configure(QStringLiteral("9600"));
        reader.Configure(QStringLiteral("9600"));
        cutter.Resume();
        reader.Resume();
        cutter.Write("# B6 @");
        cutter.Poll();
        reader.Poll();
        EXPECT_EQ(cutter.status, CutterStatus::Waiting);
        EXPECT_EQ(reader.status, PrinterStatus::Waiting);
        ASSERT_EQ(messages.messages.size(), 2 * configure);
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(messages.messages[2 * i].caption, QStringLiteral("Comm Error"));
        EXPECT_EQ(messages.messages[2 * i].text, QStringLiteral("雕刻时，打开通信端口错误!!"));
        EXPECT_EQ(messages.messages[2 * i + 1].caption, QStringLiteral("Comm Error"));
        EXPECT_EQ(messages.messages[2 * i + 1].text, QStringLiteral("打码机读串口时，打开通信端口错误!!"));
    }
    EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/marlune-never")));
}

TEST(SerialLink, SuspendedLinkLeavesArrivalsForTheNextPoll)
{
    PtyPair line;
    TCom232 cutter;
    cutter.portName = line.path();
    cutter.Configure(QStringLiteral("9600"));
    line.send("{000}");
    runEventsUntil([] { return false; }, 200);
    EXPECT_EQ(cutter.status, CutterStatus::Waiting) << "a link that was never resumed does not poll";
    cutter.Resume();
    EXPECT_TRUE(runEventsUntil([&] { return cutter.status == CutterStatus::Accepted; }));
}

TEST(SerialLink, WritesReachTheLineWithoutResume)
{
    PtyPair line;
    TCom232 cutter;
    cutter.portName = line.path();
    cutter.Configure(QStringLiteral("9600"));
    cutter.Write("# B6 @");
    EXPECT_EQ(line.receive(6), QByteArray("# B6 @"));
}

// A link of a nested job must not close the line of the job it interrupted.
TEST(SerialLink, DestroyingOneLinkLeavesAnotherOpen)
{
    PtyPair first;
    PtyPair second;
    TCom232 waiting;
    waiting.portName = first.path();
    waiting.Configure(QStringLiteral("9600"));
    waiting.Resume();
    {
        TCom232 nested;
        nested.portName = second.path();
        nested.Configure(QStringLiteral("9600"));
        nested.Write("# H1 @");
    }
    ASSERT_TRUE(waiting.isOpen());
    first.send("{000}");
    EXPECT_TRUE(runEventsUntil([&] { return waiting.status == CutterStatus::Accepted; }));
}

TEST(SerialLink, SecondLinkOnALineInUseGetsTheOpenFailure)
{
    RecordingMessageService messages;
    PtyPair line;
    TCom232 first;
    first.portName = line.path();
    first.Configure(QStringLiteral("9600"));
    ASSERT_TRUE(first.isOpen());
    TCom232 second;
    second.portName = line.path();
    second.Configure(QStringLiteral("9600"));
    EXPECT_FALSE(second.isOpen());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("雕刻时，打开通信端口错误!!"));
}

TEST(SerialLink, HungUpLineIsClosedAndReported)
{
    RecordingMessageService messages;
    auto line = std::make_unique<PtyPair>();
    TReadThread reader;
    reader.portName = line->path();
    reader.Configure(QStringLiteral("9600"));
    reader.Resume();
    line.reset();
    EXPECT_TRUE(runEventsUntil([&] { return !reader.isOpen(); }));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("Comm Error"));
    EXPECT_EQ(reader.status, PrinterStatus::Waiting);
}

} // namespace
