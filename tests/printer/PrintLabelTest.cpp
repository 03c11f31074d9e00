#include "PrinterTestSupport.h"

#include "job/PrintLabel.h"
#include "job/PrinterUtilities.h"
#include "job/RecordFields.h"
#include "model/ConversionError.h"
#include "model/MessageService.h"
#include "support/TestApp.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kHeader = "{D0900,1300,0900|}{C|}{AY;+00,0|}";
const QByteArray kIssue = "{XS;I,0001,0002C3201|}";

// A label job on a 130 × 90 mm label with the initial settings, printing into a scratch file.
class LabelJobRun {
public:
    LabelJobRun()
        : port(dir.filePath(QStringLiteral("printer.prn")))
    {
        settings.printPort = port;
        controls = printControlsFromSettings(settings);
    }

    PrintOutcome print(int rotation = 0, const RecordFields* record = nullptr, int quantity = 1)
    {
        return PrintLabel({objects, settings, controls, rotation}, 1300, 900, 0, 0, quantity, record);
    }
    QByteArray stream() const { return testing_support::fileContent(port); }

    QTemporaryDir dir;
    QString port;
    JobSettings settings;
    PrintControls controls;
    ShapeList objects;
    RecordingMessageService messages;
};

// A text or barcode with a font that every test machine has, at its natural size.
Tshape withFont(Tshape shape)
{
    shape.fontName = QStringLiteral("DejaVu Sans");
    shape.widthFactor = 1;
    shape.heightFactor = 1;
    return shape;
}

Tshape barcode(const QString& value)
{
    Tshape bar = withFont(placedShape(ShapeKind::PrintBar, 100, 200));
    bar.barType = QStringLiteral("CODE128(WITH AUTO CODE)");
    bar.barWidth = 2;
    bar.barHeight = 80;
    bar.barValue = value;
    bar.fontSize = 9;
    return bar;
}

Tshape text(const QString& str)
{
    Tshape shape = withFont(placedShape(ShapeKind::PrintString, 100, 200));
    shape.str = str;
    shape.printSize = 12;
    return shape;
}

// The graphic commands of a stream, checked to be well formed: head, exactly the raster its
// size announces, tail. Returns the heads.
QList<QByteArray> graphicHeads(const QByteArray& stream)
{
    QList<QByteArray> heads;
    for (qsizetype at = stream.indexOf("{SG;"); at >= 0; at = stream.indexOf("{SG;", at + 1)) {
        const QByteArray head = stream.mid(at, 26);
        const QList<QByteArray> fields = head.mid(4, 21).split(',');
        const qsizetype rasterBytes = fields.at(2).toInt() / 8 * fields.at(3).toInt();
        EXPECT_EQ(stream.mid(at + 26 + rasterBytes, 2), QByteArray("|}")) << head.constData();
        heads.append(head);
        at += 26 + rasterBytes;
    }
    return heads;
}

TEST(PrintLabel, EmptyLabelIsHeaderAndIssue)
{
    LabelJobRun run;
    EXPECT_EQ(run.print(), PrintOutcome::Printed);
    EXPECT_EQ(run.stream(), kHeader + kIssue);
    EXPECT_TRUE(run.messages.messages.isEmpty());
}

TEST(PrintLabel, FeedAdjustmentTextIsReadInMillimetresAndLimited)
{
    struct Case {
        const char* text;
        int stored;
        const char* before;
        const char* after;
    } const cases[] = {
        {"0", 0, "", ""},
        {"12", 120, "{U2;0120,1|}", "{U1;0120,1|}"},
        {"-500", -4000, "{U1;2000,1|}{U1;2000,1|}", "{U2;2000,1|}{U2;2000,1|}"},
        {"1.5", 15, "{U2;0015,1|}", "{U1;0015,1|}"}, // as the window shows a stored 15
    };
    for (const Case& c : cases) {
        LabelJobRun run;
        run.controls.txtPrintU1U2 = QString::fromLatin1(c.text);
        EXPECT_EQ(run.print(), PrintOutcome::Printed);
        EXPECT_EQ(run.settings.printU1U2, c.stored);
        EXPECT_EQ(run.stream(), kHeader + c.before + kIssue + c.after) << c.text;
    }
}

TEST(PrintLabel, SidewaysLabelExchangesWidthAndHeightAndQuantityIsCutToFourPlaces)
{
    LabelJobRun run;
    run.controls.txtPrintGap = QStringLiteral("2");
    EXPECT_EQ(run.print(3, nullptr, 12345), PrintOutcome::Printed);
    EXPECT_EQ(run.stream(), QByteArray("{D1320,0900,1300|}{C|}{AY;+00,0|}{XS;I,1234,0002C3201|}"));
    EXPECT_EQ(run.settings.Gap, 20);
}

TEST(PrintLabel, IndexCountsEveryObjectAndOnlyPrintedOnesSend)
{
    LabelJobRun run;
    for (ShapeKind kind : {ShapeKind::CutRect, ShapeKind::CutLine, ShapeKind::PrintRect, ShapeKind::CutArc,
                           ShapeKind::CutCircle, ShapeKind::CutRect})
        run.objects.append(placedShape(kind, 10, 20, 30, 40));
    run.objects[2].isSolid = 1;
    run.objects[2].ifPrint = false; // keeps its place in the count
    Tshape outline = placedShape(ShapeKind::PrintRect, 10, 20, 300, 400);
    outline.printLineWidth = 2;
    run.objects.append(outline);
    run.objects.append(barcode(QStringLiteral("A001")));
    EXPECT_EQ(run.print(), PrintOutcome::Printed);
    EXPECT_EQ(run.stream(), kHeader + "{LC;0010,0020,0300,0400,1,2,000|}"
                                + "{XB07;0100,0200,9,1,02,0,0080,+0000000000,017,0,00=A001|}" + kIssue);
}

TEST(PrintLabel, FeedModeSendsNoObjectsYetSerialsStep)
{
    LabelJobRun run;
    run.controls.cbFeed = true;
    Tshape serial = text(QStringLiteral("No.009"));
    serial.serialNo = 1;
    run.objects.append(serial);
    EXPECT_EQ(run.print(), PrintOutcome::Printed);
    EXPECT_EQ(run.stream(), QByteArray("{D0900,1300,0900|}{AY;+00,0|}") + kIssue);
    EXPECT_EQ(run.objects[0].str, QStringLiteral("No.010"));
}

TEST(PrintLabel, TextsAndReadableLinesAreGraphicsAtTheirAnchors)
{
    LabelJobRun run;
    run.objects.append(text(QStringLiteral("标签 Label")));
    Tshape bar = barcode(QStringLiteral("123456"));
    bar.displayCode = 2;
    run.objects.append(bar);
    EXPECT_EQ(run.print(), PrintOutcome::Printed);
    const QByteArray stream = run.stream();
    const QList<QByteArray> heads = graphicHeads(stream);
    ASSERT_EQ(heads.size(), 2);
    EXPECT_TRUE(heads[0].startsWith("{SG;0100,0200,")) << heads[0].constData();
    // The readable line starts under the bars: left-aligned at the symbol's x, below its height.
    EXPECT_TRUE(heads[1].startsWith("{SG;0100,0280,")) << heads[1].constData();
    EXPECT_LT(stream.indexOf("{XB01;"), stream.indexOf(heads[1]));
    EXPECT_TRUE(stream.endsWith(kIssue));
}

TEST(PrintLabel, RecordValuesPrintAndStoredSerialsStep)
{
    LabelJobRun run;
    Tshape bar = barcode(QStringLiteral("100"));
    bar.selfAdd = -2;
    bar.DBField = QStringLiteral("code");
    run.objects.append(bar);
    const MemoryRecord record{{QStringLiteral("code"), QStringLiteral("777")}};
    EXPECT_EQ(run.print(0, &record), PrintOutcome::Printed);
    EXPECT_TRUE(run.stream().contains(",-0000000002,017,0,00=777|}"));
    EXPECT_EQ(run.objects[0].barValue, QStringLiteral("098"));
}

TEST(PrintLabel, PortThatDoesNotOpenSendsNothingAndKeepsSerials)
{
    LabelJobRun run;
    run.controls.cmbPrintPort = run.dir.filePath(QStringLiteral("no-such-folder/printer.prn"));
    Tshape serial = text(QStringLiteral("A001"));
    serial.serialNo = 1;
    run.objects.append(serial);
    EXPECT_EQ(run.print(), PrintOutcome::PortNotOpened);
    ASSERT_EQ(run.messages.messages.size(), 1);
    EXPECT_EQ(run.messages.messages[0].caption, QStringLiteral("错误"));
    EXPECT_EQ(run.messages.messages[0].text, QStringLiteral("打开打印端口错误"));
    EXPECT_EQ(run.objects[0].str, QStringLiteral("A001"));
}

TEST(PrintLabel, PortThatStopsTakingBytesIsReportedNotCountedAsPrinted)
{
    LabelJobRun run;
    run.controls.cmbPrintPort = QStringLiteral("/dev/full"); // every write fails: no space left
    Tshape serial = text(QStringLiteral("A001"));
    serial.serialNo = 1;
    run.objects.append(serial);
    EXPECT_EQ(run.print(), PrintOutcome::WriteFailed);
    ASSERT_EQ(run.messages.messages.size(), 1);
    EXPECT_EQ(run.messages.messages[0].caption, QStringLiteral("错误"));
    EXPECT_TRUE(run.messages.messages[0].text.startsWith(QStringLiteral("写打印端口错误")));
    EXPECT_EQ(run.objects[0].str, QStringLiteral("A001"));
}

TEST(PrintLabel, FailuresEndTheJobWhereTheyArise)
{
    // A setting text that is no number: before the port opens, settings untouched.
    {
        LabelJobRun run;
        run.controls.txtPrintGap = QStringLiteral("2,5");
        run.controls.cmbPrintSpeed = 2;
        EXPECT_THROW(run.print(), ConversionError);
        EXPECT_FALSE(QFile::exists(run.port));
        EXPECT_EQ(run.settings.printSpeed, 0);
    }
    // A picture that cannot be loaded: what was written stays, the port is closed.
    {
        LabelJobRun run;
        run.objects.append(placedShape(ShapeKind::PrintRect, 1, 2, 3, 4));
        Tshape picture = placedShape(ShapeKind::PrintImage, 0, 0, 100, 100);
        picture.fileName = run.dir.filePath(QStringLiteral("missing.bmp"));
        run.objects.append(picture);
        run.objects.append(placedShape(ShapeKind::PrintLine, 1, 2, 3, 4));
        EXPECT_THROW(run.print(), MessageError);
        EXPECT_EQ(run.stream(), kHeader + "{LC;0001,0002,0003,0004,1,0,000|}");
    }
    // A text of no size prints nothing; the job goes on.
    {
        LabelJobRun run;
        Tshape broken = text(QStringLiteral("x"));
        broken.printSize = -3;
        run.objects.append(broken);
        EXPECT_EQ(run.print(), PrintOutcome::Printed); // a text of no size prints nothing
        EXPECT_EQ(run.stream(), kHeader + kIssue);
    }
}

TEST(PrinterUtilities, BlankFeedSendsHeaderAndIssueForTheQuantityText)
{
    LabelJobRun run;
    run.controls.txtQuantity = QStringLiteral("2");
    run.controls.txtPrintGap = QStringLiteral("3");
    run.objects.append(barcode(QStringLiteral("1")));
    const PrintJobContext job{run.objects, run.settings, run.controls, 3}; // never exchanged
    EXPECT_EQ(FeedBlankLabels(job, 1300, 900, 0, 0), PrintOutcome::Printed);
    EXPECT_EQ(run.stream(), QByteArray("{D0930,1300,0900|}{C|}{AY;+00,0|}{XS;I,0002,0002C3201|}"));
    EXPECT_EQ(run.objects[0].barValue, QStringLiteral("1"));
}

TEST(PrinterUtilities, BlankFeedAboveTenAsksFirst)
{
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        LabelJobRun run;
        run.controls.txtQuantity = QStringLiteral("11");
        run.messages.answers = {answer};
        const PrintJobContext job{run.objects, run.settings, run.controls, 0};
        const PrintOutcome outcome = FeedBlankLabels(job, 1300, 900, 0, 0);
        ASSERT_EQ(run.messages.messages.size(), 1);
        EXPECT_EQ(run.messages.messages[0].text, QStringLiteral("打印数量大于10，您确定要打印吗？"));
        EXPECT_EQ(outcome, answer == MessageAnswer::Yes ? PrintOutcome::Printed : PrintOutcome::Cancelled);
        EXPECT_EQ(QFile::exists(run.port), answer == MessageAnswer::Yes);
    }
}

TEST(PrinterUtilities, BlankFeedTakesOnlyAQuantityTheIssueCommandHolds)
{
    const struct {
        const char* quantity;
        PrintOutcome outcome;
        const char* issue; // empty: nothing reaches the printer
    } cases[] = {
        {"3", PrintOutcome::Printed, "{XS;I,0003,0002C3201|}"},
        {" 7 ", PrintOutcome::Printed, "{XS;I,0007,0002C3201|}"}, // the number, not the blanks
        {"9999", PrintOutcome::Printed, "{XS;I,9999,0002C3201|}"},
        {"0", PrintOutcome::Refused, ""},
        {"-5", PrintOutcome::Refused, ""},
        {"10000", PrintOutcome::Refused, ""}, // never cut to "1000" after the question
        {"12a", PrintOutcome::Refused, ""},
        {"", PrintOutcome::Refused, ""},
    };
    for (const auto& c : cases) {
        LabelJobRun run;
        run.messages.fallback = MessageAnswer::Yes;
        run.controls.txtQuantity = QString::fromUtf8(c.quantity);
        const PrintJobContext job{run.objects, run.settings, run.controls, 0};
        EXPECT_EQ(FeedBlankLabels(job, 1300, 900, 0, 0), c.outcome) << c.quantity;
        const bool refused = c.outcome == PrintOutcome::Refused;
        EXPECT_EQ(run.stream(), refused ? QByteArray() : "{D0900,1300,0900|}{C|}{AY;+00,0|}" + QByteArray(c.issue))
            << c.quantity;
        const QStringList texts = testing_support::messageTexts(run.messages);
        if (refused) {
            EXPECT_EQ(texts, QStringList{QStringLiteral("打印数量必须是1到9999之间的整数！")}) << c.quantity;
        }
    }
}

TEST(PrinterUtilities, RawCommandsGoToThePortShownWithLineEndsInOneWrite)
{
    LabelJobRun run;
    const QString shown = run.dir.filePath(QStringLiteral("shown.prn"));
    const QStringList preset = defaultPrintCommandLines();
    ASSERT_EQ(preset.size(), 12);
    const struct {
        const char* name;
        QString box;
        PrintOutcome outcome;
        QByteArray start; // of what the printer receives
        QByteArray end;
    } cases[] = {
        {"the preset test label", preset.join(u'\n'), PrintOutcome::Printed,
         "{D0520,1000,0500|}\r\n{AX;+000,+000,+00|}\r\n", "{RM;-00-00|}\r\n{XS;I,0001,0000C3200|}\r\n"},
        {"a last line break adds no empty line", QStringLiteral("{C|}\n{AY;+00,0|}\n"), PrintOutcome::Printed,
         "{C|}\r\n{AY;+00,0|}\r\n", "|}\r\n"},
        {"pasted line ends are not doubled", QStringLiteral("{C|}\r\n\r\n{AY;+00,0|}"), PrintOutcome::Printed,
         "{C|}\r\n\r\n{AY;+00,0|}\r\n", "|}\r\n"},
        {"no commands", QStringLiteral(" \n "), PrintOutcome::Refused, "", ""},
    };
    for (const auto& c : cases) {
        QFile::remove(shown);
        EXPECT_EQ(SendPrintCommands(shown, QStringLiteral("115200"), c.box), c.outcome) << c.name;
        const QByteArray stream = testing_support::fileContent(shown);
        EXPECT_TRUE(stream.startsWith(c.start) && stream.endsWith(c.end)) << c.name << ": " << stream.constData();
        EXPECT_EQ(stream.isEmpty(), c.outcome == PrintOutcome::Refused) << c.name;
    }
    EXPECT_FALSE(QFile::exists(run.port)) << "the stored printer port is not the one shown";
    EXPECT_EQ(testing_support::messageTexts(run.messages), QStringList{QStringLiteral("请输入打印命令！")});
}

} // namespace
