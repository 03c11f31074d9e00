#include "job/LabelProgramSession.h"
#include "job/RecordingLabelProgram.h"
#include "model/JobSettings.h"
#include "model/MessageService.h"

#include <gtest/gtest.h>

namespace {

const QString kFile = QStringLiteral("/labels/瓶贴.btw");

const QStringList kOpening{
    QStringLiteral("create \"BarTender.Application\""),
    QStringLiteral("btApp.Visible := \"false\""),
    QStringLiteral("btApp.Formats"),
    QStringLiteral("btFormats.Open(\"/labels/瓶贴.btw\", true, \"\")"),
};
const QString kPrintOut = QStringLiteral("btFormat.PrintOut(false, false)");
const QStringList kClosing{QStringLiteral("btFormat.Close(1)"), QStringLiteral("btApp.Quit(1)")};

TEST(LabelProgram, ThisPlatformCannotCreateTheProgram)
{
    LabelProgramSession session;
    EXPECT_FALSE(session.open(kFile)); // the window switches this printing path off silently
    EXPECT_FALSE(session.isRunning());
    EXPECT_THROW(session.printOut(), LabelProgramError);
    EXPECT_THROW(UnavailableLabelProgramServer().create(kLabelProgramId), LabelProgramError);
}

TEST(LabelProgram, CallSequencesOfPrintSteps)
{
    struct Case {
        const char* name;
        void (*step)(LabelProgramSession&);
        QStringList calls;
    } const cases[] = {
        {"without records: one PrintOut whatever the quantity",
         [](LabelProgramSession& s) { s.printOut(); }, {kPrintOut}},
        {"print button with records: the range text as typed",
         [](LabelProgramSession& s) { s.printRecords(QStringLiteral("1,3-5,")); },
         {QStringLiteral("btFormat.RecordRange(\"1,3-5,\")"), kPrintOut}},
        {"print-and-cut with records: one record per step",
         [](LabelProgramSession& s) {
             for (const int k : {2, 3})
                 s.printRecords(QString::number(k));
         },
         {QStringLiteral("btFormat.RecordRange(\"2\")"), kPrintOut,
          QStringLiteral("btFormat.RecordRange(\"3\")"), kPrintOut}},
    };
    for (const Case& c : cases) {
        RecordingLabelProgram program;
        {
            LabelProgramSession session(program);
            ASSERT_TRUE(session.open(kFile));
            c.step(session);
        } // the window closes
        EXPECT_EQ(program.calls(), kOpening + c.calls + kClosing) << c.name;
    }
}

TEST(LabelProgram, FailuresWhileOpeningSwitchPrintingOffAndStillQuit)
{
    struct Case {
        const char* failing;
        QStringList calls; // from creation to the window's closing
    } const cases[] = {
        {"create", {kOpening[0]}},
        {"Visible", {kOpening[0], kOpening[1], kClosing[1]}},
        {"Formats", {kOpening[0], kOpening[1], kOpening[2], kClosing[1]}},
        // The invisible program is quit even though no format is open.
        {"Open", kOpening + QStringList{kClosing[1]}},
    };
    for (const Case& c : cases) {
        RecordingLabelProgram program;
        program.setFailingCalls({QString::fromLatin1(c.failing)});
        LabelProgramSession session(program);
        EXPECT_FALSE(session.open(kFile)) << c.failing;
        EXPECT_FALSE(session.hasFormat());
        session.close();
        EXPECT_EQ(program.calls(), c.calls) << c.failing;
    }
}

TEST(LabelProgram, ErrorsOfARunReachTheRunAndErrorsOfClosingAreIgnored)
{
    RecordingLabelProgram program;
    LabelProgramSession session(program);
    ASSERT_TRUE(session.open(kFile));
    program.setFailingCalls({QStringLiteral("RecordRange"), QStringLiteral("Close")});
    EXPECT_THROW(session.printRecords(QStringLiteral("x")), LabelProgramError);
    program.clearCalls();
    session.close();
    // Quit still runs after the format failed to close.
    EXPECT_EQ(program.calls(), kClosing);
    EXPECT_FALSE(session.isRunning());
    program.clearCalls();
    session.close(); // closing twice calls nothing
    EXPECT_TRUE(program.calls().isEmpty());
}

TEST(LabelProgram, ChoosingAFormatFile)
{
    RecordingMessageService messages;
    RecordingLabelProgram program;
    LabelProgramSession session(program);
    JobSettings settings;
    settings.printFile = QStringLiteral("old.btw");

    EXPECT_FALSE(session.selectFile(QString(), settings));
    for (const char* refused : {"/labels/a.BTW", "/labels/a.btw.bak", "/labels.btw/a", "btw"})
        EXPECT_FALSE(session.selectFile(QString::fromLatin1(refused), settings)) << refused;
    ASSERT_EQ(messages.messages.size(), 4);
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("选择的文件必须是BarTender文件！"));
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(settings.printFile, QStringLiteral("old.btw"));
    EXPECT_TRUE(program.calls().isEmpty());

    // The first chosen file starts the program; the next opens in the same program.
    EXPECT_TRUE(session.selectFile(kFile, settings));
    EXPECT_TRUE(session.selectFile(QStringLiteral("/labels/b.btw"), settings));
    EXPECT_EQ(settings.printFile, QStringLiteral("/labels/b.btw"));
    EXPECT_EQ(program.calls(),
              kOpening + QStringList{QStringLiteral("btFormats.Open(\"/labels/b.btw\", true, \"\")")});
}

TEST(LabelProgram, ChoosingAFileWithoutTheProgramRaises)
{
    LabelProgramSession session;
    JobSettings settings;
    EXPECT_THROW(session.selectFile(kFile, settings), LabelProgramError);
    EXPECT_EQ(settings.printFile, kFile);
}

} // namespace
