#include "job/JobWindow.h"

#include "printer/PrintCommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

template <typename Control>
Control* named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// A list of fixed entries chosen by position, or one that also takes typed text (ports,
// baud rates, speeds and pulse factors the machine may need beyond the list).
QComboBox* list(const char* name, const QStringList& entries, bool typed, QWidget* parent)
{
    auto* box = named(new QComboBox(parent), name);
    box->setEditable(typed);
    box->addItems(entries);
    return box;
}

QLineEdit* edit(const char* name, QWidget* parent)
{
    return named(new QLineEdit(parent), name);
}

// A button that never answers the Enter key: Enter in an edit box must not start a job.
QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* pushButton = named(new QPushButton(caption, parent), name);
    pushButton->setAutoDefault(false);
    return pushButton;
}

QStringList numbered(const QString& prefix, int first, int last, int step = 1)
{
    QStringList names;
    for (int n = first; n <= last; n += step)
        names.append(prefix + QString::number(n));
    return names;
}

const QStringList kBaudRates = {QStringLiteral("2400"), QStringLiteral("4800"), QStringLiteral("9600"),
                                QStringLiteral("19200"), QStringLiteral("38400"), QStringLiteral("115200")};

// One row of a form grid at a column group of three cells: the caption (which names the
// control for screen readers and test tools), the control, and its unit when it has one.
void addRow(QGridLayout* grid, int row, int column, const QString& caption, QWidget* control,
            const QString& unit = {})
{
    auto* label = new QLabel(caption, grid->parentWidget());
    label->setBuddy(control);
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1);
    if (!unit.isEmpty())
        grid->addWidget(new QLabel(unit, grid->parentWidget()), row, column + 2);
}

// A radio group of the carriage's position before cutting: the two limits and "stays".
QGroupBox* carriageGroup(const QString& title, const char* (&names)[3], const QString (&captions)[3],
                         QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    for (int i = 0; i < 3; ++i)
        layout->addWidget(named(new QRadioButton(captions[i], group), names[i]));
    return group;
}

} // namespace

void TfrmOstrel::createControls()
{
    m_pages = named(new QTabWidget(this), "PageControl1");
    m_pages->addTab(createPrintPage(), tr("打印参数"));
    m_pages->addTab(createCutPage(), tr("雕刻参数"));
    m_pages->addTab(createDataPage(), tr("数据库设置"));
    m_pages->addTab(createCutCommandPage(), tr("雕刻命令"));
    m_pages->addTab(createPortPage(), tr("端口设置"));
    m_pages->addTab(createPrintCommandPage(), tr("打印命令"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(createRunArea());
}

QWidget* TfrmOstrel::createPrintPage()
{
    auto* page = named(new QWidget, "tsPrint");
    auto* layout = new QVBoxLayout(page);
    auto* fields = new QGridLayout;
    layout->addLayout(fields);
    QStringList darkness;
    for (int position = 0; position <= 20; ++position)
        darkness.append(darknessText(position));
    int row = 0;
    addRow(fields, row++, 0, tr("探头类型"),
           list("cmbPrintSensor", {tr("无探头"), tr("黑标模式"), tr("穿透模式"), tr("预印刷穿透模式"), tr("手动阀值黑标模式")},
                false, page));
    addRow(fields, row++, 0, tr("是否色带"),
           list("cmbPrintRibbon", {tr("否"), tr("节省碳带"), tr("是"), tr("打印头抬起")}, false, page));
    addRow(fields, row++, 0, tr("打印速度"),
           list("cmbPrintSpeed", {QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("8")}, false, page));
    addRow(fields, row++, 0, tr("打印温度"), list("cmbPrintDarkness", darkness, false, page));
    addRow(fields, row++, 0, tr("分辨率DPI"),
           list("cmbPrintDPI", {QStringLiteral("203"), QStringLiteral("306")}, false, page));
    addRow(fields, row++, 0, tr("标签旋转"),
           list("cmbPrintRotation", {tr("正常打印"), tr("旋转打印"), tr("镜像打印"), tr("镜像旋转打印"), QString()}, false,
                page));
    addRow(fields, row++, 0, tr("是否剪切"), list("cmbOstrel", {tr("否"), tr("是")}, false, page));
    row = 0;
    addRow(fields, row++, 3, tr("打印端口"),
           list("cmbPrintPort",
                QStringList{QStringLiteral("lpt1"), QStringLiteral("lpt2")} + numbered(QStringLiteral("com"), 1, 25)
                    + QStringList{QStringLiteral("printToFile")},
                true, page));
    addRow(fields, row++, 3, tr("回传端口"), list("cmbPrintStatusPort", numbered(QStringLiteral("com"), 1, 25), true, page));
    addRow(fields, row++, 3, tr("标签间距"), edit("txtPrintGap", page), tr("毫米"));
    addRow(fields, row++, 3, tr("进纸调整"), edit("txtPrintU1U2", page), tr("毫米"));
    addRow(fields, row++, 3, tr("打印延时"), edit("txtPrintSleep", page), tr("毫秒"));
    addRow(fields, row++, 3, tr("偏移X坐标"), edit("txtPrintX", page), tr("毫米"));
    addRow(fields, row++, 3, tr("偏移Y坐标"), edit("txtPrintY", page), tr("毫米"));

    layout->addWidget(named(
        new QCheckBox(tr("走纸模式打印(不传打印内容,只传打印命令,加快打印速度,适合打印内容不变的标签)"), page), "cbFeed"));
    layout->addWidget(named(new QCheckBox(tr("打印后,标签机通过回传端口回传打印结果,打印正确后才雕刻"), page), "chbThread"));

    auto* program = named(new QGroupBox(page), "gbPrintFile");
    auto* programLayout = new QGridLayout(program);
    programLayout->addWidget(named(new QCheckBox(tr("调用BarTender打印标签"), program), "chbPrintFile"), 0, 0, 1, 2);
    auto* file = edit("txtPrintFile", program);
    file->setReadOnly(true);
    // No caption stands beside the file name; the box above says what it holds.
    file->setAccessibleName(tr("BarTender文件"));
    programLayout->addWidget(file, 1, 0);
    programLayout->addWidget(button("btnSelectPrintFile", tr("选择文件"), program), 1, 1);
    auto* note = named(new QLabel(program), "lblPrintFileNote");
    note->setWordWrap(true);
    programLayout->addWidget(note, 2, 0, 1, 2);
    layout->addWidget(program);
    layout->addStretch();
    return page;
}

QWidget* TfrmOstrel::createCutPage()
{
    auto* page = named(new QWidget, "tsCut");
    auto* layout = new QHBoxLayout(page);
    auto* fields = new QGridLayout;
    layout->addLayout(fields);
    const QStringList speeds = numbered(QString(), 80, 150, 10);
    int row = 0;
    addRow(fields, row++, 0, tr("雕刻左边距"), edit("txtCutLeftMargin", page), tr("毫米"));
    addRow(fields, row++, 0, tr("雕刻上边距"), edit("txtCutTopMargin", page), tr("毫米"));
    addRow(fields, row++, 0, tr("雕刻延时"), edit("txtCutSleep", page), tr("毫秒"));
    addRow(fields, row++, 0, tr("雕刻端口"),
           list("cmbCutPort", numbered(QStringLiteral("com"), 1, 25) + QStringList{QStringLiteral("cutToFile")}, true, page));
    addRow(fields, row++, 0, tr("雕刻后小车移动距离"), edit("txtMoveAfterCut", page), tr("毫米"));
    // Each speed box comes before its list, in the tab order too.
    fields->addWidget(named(new QCheckBox(tr("雕刻速度"), page), "chbCutSpeed"), row, 0);
    auto* cutSpeed = list("cmbCutSpeed", speeds, true, page);
    cutSpeed->setAccessibleName(tr("雕刻速度"));
    fields->addWidget(cutSpeed, row++, 1);
    fields->addWidget(named(new QCheckBox(tr("空程速度"), page), "chbNullSpeed"), row, 0);
    auto* travelSpeed = list("cmbNullSpeed", speeds, true, page);
    travelSpeed->setAccessibleName(tr("空程速度"));
    fields->addWidget(travelSpeed, row++, 1);
    addRow(fields, row++, 0, tr("横坐标每毫米脉冲数"),
           list("cmbMcX", {QStringLiteral("15.79"), QStringLiteral("39.37"), QStringLiteral("40"), QStringLiteral("66.667")},
                true, page));
    addRow(fields, row++, 0, tr("纵坐标每毫米脉冲数"),
           list("cmbMcY", {QStringLiteral("16.75"), QStringLiteral("39.37"), QStringLiteral("43"), QStringLiteral("67")}, true,
                page));
    addRow(fields, row++, 0, tr("雕刻开始字符"),
           list("cmbCutStartChar", {QStringLiteral("#"), QStringLiteral(";:H A L0 EC1 U ")}, true, page));
    addRow(fields, row++, 0, tr("雕刻结束字符"),
           list("cmbCutEndChar", {QStringLiteral("@"), QStringLiteral(" U F @")}, true, page));
    fields->setRowStretch(row, 1);

    auto* modes = new QVBoxLayout;
    layout->addLayout(modes);
    const struct {
        const char* name;
        const char* caption;
    } boxes[] = {
        {"chbBlack", QT_TR_NOOP("雕刻前找黑标")},     {"chbGoInit", QT_TR_NOOP("雕刻后回到雕刻前位置")},
        {"chbCmd", QT_TR_NOOP("指令雕刻")},           {"chbSendBeforeCut", QT_TR_NOOP("雕刻前回传")},
        {"chbCutFeed", QT_TR_NOOP("雕刻机走纸")},     {"chbCutFeedBlack", QT_TR_NOOP("雕刻机黑标模式走纸")},
    };
    for (const auto& box : boxes)
        modes->addWidget(named(new QCheckBox(tr(box.caption), page), box.name));
    const char* acrossNames[3] = {"rbGoLeft", "rbGoRight", "rbGoLeftRight"};
    const QString acrossCaptions[3] = {tr("雕刻前小车回左限位处"), tr("雕刻前小车回右限位处"), tr("雕刻前小车左右不动")};
    modes->addWidget(carriageGroup(tr("小车左右"), acrossNames, acrossCaptions, page));
    const char* alongNames[3] = {"rbGoDown", "rbGoUp", "rbGoDownUp"};
    const QString alongCaptions[3] = {tr("雕刻前小车回前限位处"), tr("雕刻前小车回后限位处"), tr("雕刻前小车前后不动")};
    modes->addWidget(carriageGroup(tr("小车前后"), alongNames, alongCaptions, page));
    modes->addStretch();
    return page;
}

QWidget* TfrmOstrel::createDataPage()
{
    auto* page = named(new QWidget, "tsDB");
    auto* layout = new QVBoxLayout(page);
    auto* source = new QHBoxLayout;
    source->addWidget(named(new QCheckBox(tr("使用数据库"), page), "chbIfDB"));
    source->addWidget(button("btnDBSet", tr("数据库设置"), page));
    source->addStretch();
    layout->addLayout(source);

    auto* panel = named(new QFrame(page), "pnlDB");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* records = new QGridLayout(panel);
    auto* range = edit("txtRecord", panel);
    range->setText(QStringLiteral("1"));
    // Record numbers, ranges joined by "-" and commas, nothing else, also when pasted.
    range->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,-]*")), range));
    addRow(records, 0, 0, tr("所选记录"), range);
    records->addWidget(named(new QLabel(tr("例如：1，3-5，"), panel), "lblRecordExample"), 0, 2);
    records->addWidget(button("btnSelectRecord", tr("选择记录"), panel), 1, 1);
    layout->addWidget(panel);
    layout->addStretch();
    return page;
}

QWidget* TfrmOstrel::createCutCommandPage()
{
    auto* page = named(new QWidget, "tsCutCmd");
    auto* layout = new QGridLayout(page);
    // The four carriage moves as a cross, the way the carriage goes.
    layout->addWidget(button("btnCutCarUp", tr("雕刻小车上移"), page), 0, 1);
    layout->addWidget(button("btnCutCarLeft", tr("雕刻小车左移"), page), 1, 0);
    layout->addWidget(button("btnCutCarRight", tr("雕刻小车右移"), page), 1, 2);
    layout->addWidget(button("btnCutCarDown", tr("雕刻小车下移"), page), 2, 1);
    layout->addWidget(button("btnUpBlack", tr("上移到黑标处"), page), 0, 3);
    layout->addWidget(button("btnDownBlack", tr("下移到黑标处"), page), 1, 3);
    layout->addWidget(button("Button1", tr("下刀"), page), 2, 3);
    auto* command = edit("txtCutCmd", page);
    command->setText(QStringLiteral("# H1 @"));
    addRow(layout, 3, 0, tr("雕刻命令"), command);
    layout->addWidget(button("btnRunCmd", tr("执行命令"), page), 3, 3);
    layout->setRowStretch(4, 1);
    return page;
}

QWidget* TfrmOstrel::createPortPage()
{
    auto* page = named(new QWidget, "tsPort");
    auto* layout = new QGridLayout(page);
    addRow(layout, 0, 0, tr("打印波特率"), list("cmbPrintBaud", kBaudRates, true, page));
    addRow(layout, 1, 0, tr("雕刻波特率"), list("cmbCutBaud", kBaudRates, true, page));
    layout->addWidget(button("btnInitCom", tr("设置端口"), page), 2, 1);
    layout->addWidget(button("btnMapLpt1", tr("映射LPT1"), page), 3, 1);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(2, 1);
    return page;
}

QWidget* TfrmOstrel::createPrintCommandPage()
{
    auto* page = named(new QWidget, "tsPrintCmd");
    auto* layout = new QVBoxLayout(page);
    auto* commands = named(new QPlainTextEdit(page), "txtPrintCmd");
    commands->setAccessibleName(tr("打印命令"));
    layout->addWidget(commands);
    layout->addWidget(button("btnPrintCmd", tr("执行打印命令"), page), 0, Qt::AlignRight);
    return page;
}

QWidget* TfrmOstrel::createRunArea()
{
    auto* area = named(new QWidget(this), "pnlRun");
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* counts = new QGridLayout;
    layout->addLayout(counts);
    QLineEdit* quantity = edit("txtQuantity", area);
    quantity->setMinimumWidth(80);
    addRow(counts, 0, 0, tr("打印数量"), quantity);
    auto* counter = edit("txtCounter", area);
    counter->setReadOnly(true);
    // Read across the room while the machine runs.
    QFont large = counter->font();
    large.setPointSize(20);
    large.setBold(true);
    counter->setFont(large);
    addRow(counts, 0, 3, tr("计数数量"), counter);
    counts->addWidget(button("btnSetCounterZero", tr("清零"), area), 0, 5);
    counts->addWidget(button("btnSetCounter", tr("设置"), area), 0, 6);

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    const struct {
        const char* name;
        const char* caption;
    } runButtons[] = {
        {"btnFeed", QT_TR_NOOP("出空白纸")},     {"btnPreview", QT_TR_NOOP("预览")},
        {"btnPrint", QT_TR_NOOP("打印(&P)")},
        {"btnCut", QT_TR_NOOP("雕刻(&C)")},      {"btnPrintCut", QT_TR_NOOP("打印雕刻(&B)")},
        {"btnStop", QT_TR_NOOP("停止(&S)")},     {"btnClose", QT_TR_NOOP("退出(&X)")},
    };
    // A click leaves the keyboard focus where it was: the box being typed in is not left, so
    // its check does not come up in front of the button's own.
    for (const auto& run : runButtons) {
        QPushButton* runButton = button(run.name, tr(run.caption), area);
        runButton->setFocusPolicy(Qt::TabFocus);
        buttons->addWidget(runButton);
    }
    return area;
}
