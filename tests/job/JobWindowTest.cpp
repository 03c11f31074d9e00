#include "CutJobSupport.h"

#include "data/SelectRecordDialog.h"
#include "job/JobWindow.h"
#include "job/RecordingLabelProgram.h"
#include "model/LabelSettings.h"
#include "model/MessageService.h"
#include "support/PtyPair.h"
#include "support/SimulatedMachine.h"
#include "support/TestApp.h"
#include "support/WidgetHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using testing_support::clickButton;

class JobWindow : public ::testing::Test {
public:
    void SetUp() override
    {
        jobSettings() = JobSettings{};
        labelSettings() = LabelSettings{};
    }
    void TearDown() override { jobSettings() = JobSettings{}; }

    template <typename Widget = QLineEdit>
    Widget* control(const char* name)
    {
        return testing_support::control<Widget>(&window, QString::fromLatin1(name));
    }
    void click(const char* name) { clickButton(control<QAbstractButton>(name)); }

    // Opens the window as the print command does, lets act drive it, then closes it with
    // "退出(&X)" when act left it open. Returns whether the label changed.
    bool open(const std::function<void()>& act) { return open(window, act); }
    bool open(TfrmOstrel& shown, const std::function<void()>& act)
    {
        bool changed = false;
        const bool opened = testing_support::runWithModal([&] { changed = shown.Execute(objects); }, [&](QWidget*) {
            // The operator works in the window: it has the keyboard, so leaving a box counts.
            shown.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&shown));
            act();
            if (shown.isVisible())
                clickButton(testing_support::control<QAbstractButton>(&shown, QStringLiteral("btnClose")));
        });
        EXPECT_TRUE(opened);
        return changed;
    }

    RecordingMessageService messages;
    ShapeList objects{CutJobFixture::cutRectangle()};
    TfrmOstrel window;
};

TEST_F(JobWindow, HoldsEveryTabAndControlByItsName)
{
    auto* pages = control<QTabWidget>("PageControl1");
    QStringList tabs;
    for (int page = 0; page < pages->count(); ++page)
        tabs.append(pages->tabText(page));
    EXPECT_EQ(tabs, (QStringList{"打印参数", "雕刻参数", "数据库设置", "雕刻命令", "端口设置", "打印命令"}));
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {
        {"btnFeed", "出空白纸"}, {"btnPreview", "预览"}, {"btnPrint", "打印(&P)"}, {"btnCut", "雕刻(&C)"}, {"btnPrintCut", "打印雕刻(&B)"},
        {"btnStop", "停止(&S)"}, {"btnClose", "退出(&X)"}, {"btnSetCounterZero", "清零"}, {"btnSetCounter", "设置"},
        {"btnDBSet", "数据库设置"}, {"btnSelectRecord", "选择记录"}, {"btnInitCom", "设置端口"},
        {"btnMapLpt1", "映射LPT1"}, {"btnPrintCmd", "执行打印命令"}, {"btnCutCarLeft", "雕刻小车左移"},
        {"btnCutCarUp", "雕刻小车上移"}, {"btnCutCarRight", "雕刻小车右移"}, {"btnCutCarDown", "雕刻小车下移"},
        {"btnUpBlack", "上移到黑标处"}, {"btnDownBlack", "下移到黑标处"}, {"Button1", "下刀"}, {"btnRunCmd", "执行命令"},
        {"chbIfDB", "使用数据库"}, {"chbPrintFile", "调用BarTender打印标签"}, {"rbGoLeftRight", "雕刻前小车左右不动"},
    };
    for (const auto& b : buttons) {
        auto* found = control<QAbstractButton>(b.name);
        if (found) {
            EXPECT_EQ(found->text(), QString::fromUtf8(b.caption)) << b.name;
        }
    }
    // The tab key walks the form as it reads: tab by tab, each column top down, a box before
    // the list it switches on, the run area last.
    QStringList chain;
    for (QWidget* next = window.nextInFocusChain(); next != &window; next = next->nextInFocusChain())
        chain.append(next->objectName());
    const QStringList order = {"cmbPrintSensor", "cmbOstrel", "cmbPrintPort", "txtPrintY", "chbPrintFile",
                               "txtCutLeftMargin", "chbCutSpeed", "cmbCutSpeed", "cmbMcY", "rbGoDownUp",
                               "chbIfDB", "txtRecord", "btnCutCarUp", "txtCutCmd", "cmbPrintBaud",
                               "btnMapLpt1", "txtPrintCmd", "txtQuantity", "btnPrintCut", "btnClose"};
    qsizetype at = 0;
    for (const QString& name : order) {
        at = chain.indexOf(name, at);
        EXPECT_GE(at, 0) << qPrintable(name) << " out of the tab order";
    }
    // Every input is named for screen readers and test tools by what the operator reads.
    const QList<QWidget*> inputs = window.findChildren<QWidget*>();
    for (QWidget* input : inputs) {
        const bool typed = qobject_cast<QLineEdit*>(input) && !qobject_cast<QComboBox*>(input->parentWidget());
        if (!typed && !qobject_cast<QComboBox*>(input) && !qobject_cast<QPlainTextEdit*>(input))
            continue;
        bool named = !input->accessibleName().isEmpty();
        for (const QLabel* label : window.findChildren<QLabel*>())
            named = named || label->buddy() == input;
        EXPECT_TRUE(named) << qPrintable(input->objectName()) << " has no caption";
    }
}

TEST_F(JobWindow, OpensOnTheFirstTabWithTheSettingsOfANewLabel)
{
    open([this] {
        EXPECT_EQ(control<QTabWidget>("PageControl1")->currentIndex(), 0);
        EXPECT_EQ(control<QComboBox>("cmbPrintSpeed")->currentText(), QStringLiteral("3"));
        EXPECT_EQ(control<QComboBox>("cmbCutSpeed")->currentText(), QStringLiteral("0"));
        EXPECT_FALSE(control<QComboBox>("cmbCutSpeed")->isEnabled());
        EXPECT_EQ(control<QComboBox>("cmbCutPort")->currentText(), QStringLiteral("com1"));
        EXPECT_EQ(control<QComboBox>("cmbCutBaud")->currentText(), QStringLiteral("9600"));
        EXPECT_EQ(control<QComboBox>("cmbPrintPort")->currentText(), QStringLiteral("lpt1"));
        EXPECT_EQ(control<QComboBox>("cmbPrintBaud")->currentText(), QStringLiteral("115200"));
        EXPECT_EQ(control<QComboBox>("cmbPrintDarkness")->currentText(), QStringLiteral("+00"));
        EXPECT_TRUE(control<QAbstractButton>("rbGoLeft")->isChecked());
        EXPECT_EQ(control("txtQuantity")->text(), QStringLiteral("1"));
        click("chbCutSpeed");
        EXPECT_TRUE(control<QComboBox>("cmbCutSpeed")->isEnabled());
    });
}

// Any setting the window changes marks the label modified, the print offset included.
TEST_F(JobWindow, MarksTheLabelChangedWhenASettingChanged)
{
    const struct {
        const char* name;
        std::function<void(JobWindow&)> act;
        bool changed;
    } cases[] = {
        {"nothing touched", [](JobWindow&) {}, false},
        {"print offset", [](JobWindow& t) { t.control("txtPrintX")->setText(QStringLiteral("1.5")); }, true},
        {"pulse factor", [](JobWindow& t) { t.control<QComboBox>("cmbMcY")->setCurrentIndex(3); }, true},
        {"speed box ticked", [](JobWindow& t) { t.click("chbCutSpeed"); }, true},
    };
    for (const auto& c : cases) {
        jobSettings() = JobSettings{};
        EXPECT_EQ(open([&] { c.act(*this); }), c.changed) << c.name;
    }
    EXPECT_EQ(jobSettings().ifCutSpeed, 1);
}

// However the operator ticks the box, using records needs a workbook and a sheet first.
TEST_F(JobWindow, RecordsNeedADataSourceWhicheverWayTheBoxIsTicked)
{
    open([this] {
        auto* box = control<QCheckBox>("chbIfDB");
        control<QTabWidget>("PageControl1")->setCurrentIndex(2);
        clickButton(box);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        EXPECT_EQ(testing_support::messageTexts(messages),
                  (QStringList{"请先进行数据库设置！", "请先进行数据库设置！"}));
        EXPECT_FALSE(box->isChecked());
        EXPECT_FALSE(control<QWidget>("pnlDB")->isEnabled());

        jobSettings().dbName = QStringLiteral("/data/goods.xlsx");
        jobSettings().tableName = QStringLiteral("货品");
        QTest::keyClick(box, Qt::Key_Space);
        EXPECT_TRUE(box->isChecked());
        EXPECT_TRUE(control<QWidget>("pnlDB")->isEnabled());
        EXPECT_EQ(jobSettings().ifDBPrint, 1);
        EXPECT_EQ(messages.messages.size(), 2);
    });
}

// A margin the cutter cannot reach is refused when the operator leaves the box, never kept
// in the setting, and no cut starts with it.
TEST_F(JobWindow, RefusedMarginStaysOutOfTheSettingAndOutOfTheCut)
{
    jobSettings().cutLeft = 200;
    open([this] {
        control<QTabWidget>("PageControl1")->setCurrentIndex(1);
        QLineEdit* left = control("txtCutLeftMargin");
        left->setFocus();
        left->setText(QStringLiteral("130"));
        control("txtCutTopMargin")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(testing_support::messageTexts(messages), QStringList{"雕刻右边距的数值太大了！"});
        EXPECT_EQ(jobSettings().cutLeft, 200);
        EXPECT_TRUE(left->hasFocus());

        click("btnCut");
        click("btnClose");
        EXPECT_EQ(messages.messages.size(), 3);
        EXPECT_TRUE(window.isVisible()); // the window stays open until the margin is mended
        left->setText(QStringLiteral("25.5"));
        control("txtCutTopMargin")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(jobSettings().cutLeft, 255);
    });
    EXPECT_EQ(messages.messages.size(), 3);
}

// On this system the outside label program cannot be started: its controls stay off and say
// why, and the label keeps the format file it names.
TEST_F(JobWindow, OutsideLabelProgramIsOffAndTheLabelKeepsItsFormatFile)
{
    jobSettings().ifPrintFile = 1;
    jobSettings().printFile = QStringLiteral("/labels/goods.btw");
    const bool changed = open([this] {
        EXPECT_FALSE(control<QCheckBox>("chbPrintFile")->isChecked());
        EXPECT_FALSE(control<QCheckBox>("chbPrintFile")->isEnabled());
        EXPECT_FALSE(control<QPushButton>("btnSelectPrintFile")->isEnabled());
        EXPECT_EQ(control("txtPrintFile")->text(), QStringLiteral("/labels/goods.btw"));
        EXPECT_FALSE(control<QLabel>("lblPrintFileNote")->text().isEmpty());
    });
    EXPECT_FALSE(changed);
    EXPECT_EQ(jobSettings().ifPrintFile, 1);

    // Where the program can be reached, showing the window opens the format in it.
    RecordingLabelProgram program;
    setLabelProgramServer(&program);
    TfrmOstrel reachable;
    open(reachable, [&reachable] {
        EXPECT_TRUE(testing_support::control<QCheckBox>(&reachable, QStringLiteral("chbPrintFile"))->isChecked());
    });
    setLabelProgramServer(nullptr);
    EXPECT_TRUE(program.calls().contains(QStringLiteral("btFormats.Open(\"/labels/goods.btw\", true, \"\")")))
        << program.calls().join(u'\n').toStdString();
}

// The window against the virtual machine, as an operator runs it.
class JobWindowRun : public JobWindow {
protected:
    void startMachine(const QStringList& options)
    {
        machine = std::make_unique<testing_support::SimulatedMachine>(
            QStringList{QStringLiteral("--cutter-log"), dir.filePath(QStringLiteral("cutter.log"))} + options);
        ASSERT_FALSE(machine->cutterPath().isEmpty());
        jobSettings().printPort = machine->printerPath();
        jobSettings().printStatusPort = machine->statusPath();
        jobSettings().cutPort = machine->cutterPath();
        jobSettings().counter = 5;
    }
    QByteArray cutterLog() const { return testing_support::fileContent(dir.filePath(QStringLiteral("cutter.log"))); }

    QTemporaryDir dir;
    std::unique_ptr<testing_support::SimulatedMachine> machine;
};

// The window keeps painting while the run waits for the machine: the operator sees the
// counter move and can press stop.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

TEST_F(JobWindowRun, PrintAndCutCountsEachLabelWhileTheWindowRepaints)
{
    startMachine({QStringLiteral("--print-ms"), QStringLiteral("150")});
    jobSettings().quantity = QStringLiteral("3");
    PaintCounter painted;
    const bool changed = open([&] {
        QLineEdit* counter = control("txtCounter");
        counter->installEventFilter(&painted);
        QTimer repaint;
        QObject::connect(&repaint, &QTimer::timeout, counter, [counter] { counter->update(); });
        repaint.start(20);
        click("btnPrintCut");
        EXPECT_EQ(counter->text(), QStringLiteral("8"));
        EXPECT_EQ(control("txtQuantity")->text(), QStringLiteral("1"));
        EXPECT_TRUE(control<QPushButton>("btnPrintCut")->isEnabled());
    });
    EXPECT_GT(painted.paints, 10);
    EXPECT_TRUE(changed);
    EXPECT_EQ(jobSettings().counter, 8);
    EXPECT_EQ(jobSettings().quantity, QStringLiteral("1"));
    EXPECT_EQ(cutterLog().count("@"), 3 * cutterLog().left(cutterLog().indexOf('@') + 1).count("@"));
}

TEST_F(JobWindowRun, StopOrCloseDuringTheEchoWaitEndsTheRunWithoutCutting)
{
    startMachine({QStringLiteral("--print-ms"), QStringLiteral("60000")});
    jobSettings().quantity = QStringLiteral("2");
    for (const char* button : {"btnStop", "btnClose"}) {
        bool stillOpen = false;
        open([&] {
            QTimer::singleShot(300, &window, [&] { click(button); });
            click("btnPrintCut");
            stillOpen = window.isVisible();
        });
        EXPECT_EQ(stillOpen, QByteArray(button) == "btnStop") << button;
        EXPECT_TRUE(cutterLog().isEmpty()) << button;
        EXPECT_EQ(jobSettings().counter, 5) << button;
        EXPECT_EQ(jobSettings().quantity, QStringLiteral("2")) << button;
    }
}

// A close that comes between two waits (here: as a label is counted, before the next label
// prints) is not lost when the next wait begins: the run ends at that wait, the window closes.
TEST_F(JobWindowRun, CloseBetweenTwoWaitsStillEndsTheRun)
{
    startMachine({QStringLiteral("--print-ms"), QStringLiteral("1000")});
    jobSettings().quantity = QStringLiteral("3");
    open([&] {
        window.runner()->labelFinished = [this] { click("btnClose"); };
        click("btnPrintCut");
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_EQ(jobSettings().counter, 6);
    EXPECT_EQ(cutterLog().count('@'), 1);
}

// The hand controls of tab "雕刻命令", each with its command, on the cutter port the window
// shows; while a run waits for the machine they are refused, so no second link reaches for
// the cutter's port.
TEST_F(JobWindowRun, HandControlsDriveTheCutterShownAndWaitForARun)
{
    startMachine({QStringLiteral("--print-ms"), QStringLiteral("60000")});
    jobSettings().Gap = 20;
    jobSettings().quantity = QStringLiteral("1");
    const QByteArray commands = "# H1 @# H2 @# H3 @# H4 @# F-102 @# F102 @H3";
    open([&] {
        control<QTabWidget>("PageControl1")->setCurrentIndex(3);
        control("txtCutCmd")->setText(QStringLiteral("H3"));
        for (const char* button :
             {"btnCutCarLeft", "btnCutCarUp", "btnCutCarRight", "btnCutCarDown", "btnUpBlack", "btnDownBlack", "btnRunCmd"})
            click(button);
        EXPECT_TRUE(runEventsUntil([&] { return cutterLog().size() >= commands.size(); }, 2000));
        EXPECT_TRUE(messages.messages.isEmpty()) << testing_support::messageTexts(messages).join(u'\n').toStdString();

        QTimer::singleShot(300, &window, [&] {
            control<QAbstractButton>("btnCutCarLeft")->click();
            click("btnStop");
        });
        click("btnPrintCut");
    });
    EXPECT_EQ(cutterLog(), commands);
    EXPECT_EQ(testing_support::messageTexts(messages), QStringList{"正在打印雕刻，请先停止再手动操作雕刻机！"});
}

// The preview follows the controls as they stand, not the stored settings, and refuses what
// a cut would refuse.
TEST_F(JobWindow, PreviewShowsTheNextLabelFromTheControlsAsTheyStand)
{
    open([this] {
        control("txtCutLeftMargin")->setText(QStringLiteral("130"));
        click("btnPreview");
        EXPECT_EQ(testing_support::messageTexts(messages), QStringList{"雕刻右边距的数值太大了！"});
        EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("frmPreview")), nullptr);

        control("txtCutLeftMargin")->setText(QStringLiteral("0"));
        control<QComboBox>("cmbPrintDPI")->setCurrentIndex(0);
        click("btnPreview");
        auto* preview = testing_support::control<QWidget>(&window, QStringLiteral("frmPreview"));
        ASSERT_TRUE(preview);
        EXPECT_TRUE(preview->isVisible());
        // 130 × 90 mm at 203 dots per inch, one pixel a dot.
        const QPixmap picture =
            testing_support::control<QLabel>(preview, QStringLiteral("imgPreview"))->pixmap();
        EXPECT_EQ(picture.size(), QSize(1039, 719));
        const QString report =
            testing_support::control<QPlainTextEdit>(preview, QStringLiteral("memPreview"))->toPlainText();
        EXPECT_TRUE(report.contains(QStringLiteral("打印机 {D0900,1300,0900|}"))) << report.toStdString();
        EXPECT_TRUE(report.contains(QStringLiteral("雕刻机 "))) << report.toStdString();
        EXPECT_EQ(jobSettings().printDpi, 1);
    });
    EXPECT_EQ(messages.messages.size(), 1);
}

TEST_F(JobWindow, BlankLabelsAndRawCommandsGoToThePrinterShown)
{
    QTemporaryDir dir;
    const QString printer = dir.filePath(QStringLiteral("shown.prn"));
    open([&] {
        control<QComboBox>("cmbPrintPort")->setCurrentText(printer);
        for (const char* quantity : {"0", "3"}) {
            control("txtQuantity")->setText(QString::fromLatin1(quantity));
            click("btnFeed");
        }
        EXPECT_EQ(testing_support::fileContent(printer), QByteArray("{D0900,1300,0900|}{C|}{AY;+00,0|}{XS;I,0003,0002C3201|}"));
        control<QTabWidget>("PageControl1")->setCurrentIndex(5);
        click("btnPrintCmd");
        EXPECT_TRUE(testing_support::fileContent(printer).startsWith("{D0520,1000,0500|}\r\n{AX;+000,+000,+00|}\r\n"));
    });
    EXPECT_EQ(testing_support::messageTexts(messages), QStringList{"打印数量必须是1到9999之间的整数！"});
}

TEST_F(JobWindow, CounterIsSetThroughItsBoxAndClearedOnYes)
{
    open([&] {
        for (const char* typed : {"12a", "42"}) {
            EXPECT_TRUE(testing_support::runWithModal([&] { click("btnSetCounter"); }, [&](QWidget* box) {
                auto* input = qobject_cast<QInputDialog*>(box);
                ASSERT_NE(input, nullptr);
                EXPECT_EQ(input->labelText(), QStringLiteral("请输入计数器数值："));
                input->setTextValue(QString::fromLatin1(typed));
                input->accept();
            }));
        }
        EXPECT_EQ(control("txtCounter")->text(), QStringLiteral("42"));
        messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
        click("btnSetCounterZero");
        EXPECT_EQ(control("txtCounter")->text(), QStringLiteral("42"));
        click("btnSetCounterZero");
        EXPECT_EQ(control("txtCounter")->text(), QStringLiteral("0"));
    });
    EXPECT_EQ(testing_support::messageTexts(messages),
              (QStringList{"请输入整型数值！", "确定要把计数器清零吗？", "确定要把计数器清零吗？"}));
    EXPECT_EQ(jobSettings().counter, 0);
}

// The picker starts from the range shown and gives back its own only on OK; a data source
// given up in its dialog takes the records out of the labels.
TEST_F(JobWindow, RecordPickerAndDataSourceButtonsKeepTheRecordBoxesTrue)
{
    TfrmSelectRecord picker(&window);
    window.setRecordPicker(&picker);
    jobSettings().dbName = QStringLiteral("/data/goods.xlsx");
    jobSettings().tableName = QStringLiteral("货品");
    jobSettings().ifDBPrint = 1;
    QObject::connect(&window, &TfrmOstrel::dataSourceRequested, &window, [] { jobSettings().dbName.clear(); });
    open([&] {
        control<QTabWidget>("PageControl1")->setCurrentIndex(2);
        control("txtRecord")->setText(QStringLiteral("2-4,7,"));
        for (const char* closeWith : {"btnCancel", "btnOk"}) {
            testing_support::runWithModal([&] { click("btnSelectRecord"); }, [&](QWidget*) {
                EXPECT_EQ(picker.recordText(), QStringLiteral("2-4,7,"));
                clickButton(testing_support::control<QAbstractButton>(&picker, QStringLiteral("btnUnSelectAll")));
                clickButton(testing_support::control<QAbstractButton>(&picker, QString::fromLatin1(closeWith)));
            });
            EXPECT_EQ(control("txtRecord")->text(), QByteArray(closeWith) == "btnOk" ? "" : "2-4,7,") << closeWith;
        }
        EXPECT_TRUE(control<QCheckBox>("chbIfDB")->isChecked());
        click("btnDBSet");
        EXPECT_FALSE(control<QCheckBox>("chbIfDB")->isChecked());
        EXPECT_FALSE(control<QWidget>("pnlDB")->isEnabled());
    });
    EXPECT_EQ(jobSettings().ifDBPrint, 0);
}

} // namespace
