#include "dialogs/LineDialogs.h"

#include "model/LabelSettings.h"
#include "model/MessageService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QStringList angleTexts()
{
    return {QStringLiteral("0"), QStringLiteral("90"), QStringLiteral("180"), QStringLiteral("270"),
            QStringLiteral("360")};
}

// A circle with its four quarter points, around which the dialog writes their angles.
QLabel* angleFigure(QWidget* parent)
{
    constexpr int size = 60;
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(QRectF(5, 5, size - 10, size - 10));
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawLine(QPointF(size / 2.0, 2), QPointF(size / 2.0, size - 2));
    painter.drawLine(QPointF(2, size / 2.0), QPointF(size - 2, size / 2.0));
    painter.end();
    auto* figure = new QLabel(parent);
    figure->setObjectName(QStringLiteral("imgAngles"));
    figure->setPixmap(picture);
    return figure;
}

QWidget* anglesPanel(QWidget* parent)
{
    auto* panel = new QWidget(parent);
    auto* grid = new QGridLayout(panel);
    const auto place = [&](const QString& text, int row, int column) {
        auto* label = new QLabel(text, panel);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, row, column);
    };
    place(QCoreApplication::translate("TfrmCutArc", "90度"), 0, 1);
    place(QCoreApplication::translate("TfrmCutArc", "180度"), 1, 0);
    place(QCoreApplication::translate("TfrmCutArc", "0/360度"), 1, 2);
    place(QCoreApplication::translate("TfrmCutArc", "270度"), 2, 1);
    grid->addWidget(angleFigure(panel), 1, 1);
    return panel;
}

} // namespace

LineEndsDialog::LineEndsDialog(const QString& name, const QString& caption, QWidget* parent)
    : ObjectDialog(name, caption, parent)
    , m_startX(lineEdit(QStringLiteral("txtStartX")))
    , m_startY(lineEdit(QStringLiteral("txtStartY")))
    , m_endX(lineEdit(QStringLiteral("txtEndX")))
    , m_endY(lineEdit(QStringLiteral("txtEndY")))
    , m_grid(new QGridLayout)
{
    const QString unit = tr("毫米");
    addRow(m_grid, 0, tr("起点X"), m_startX, unit);
    addRow(m_grid, 1, tr("起点Y"), m_startY, unit);
    addRow(m_grid, 2, tr("终点X"), m_endX, unit);
    addRow(m_grid, 3, tr("终点Y"), m_endY, unit);
}

void LineEndsDialog::setEnds(const std::array<QString, 4>& texts)
{
    m_startX->setText(texts[0]);
    m_startY->setText(texts[1]);
    m_endX->setText(texts[2]);
    m_endY->setText(texts[3]);
}

std::array<QString, 4> LineEndsDialog::endTexts() const
{
    return {m_startX->text(), m_startY->text(), m_endX->text(), m_endY->text()};
}

TfrmCutLine::TfrmCutLine(QWidget* parent)
    : LineEndsDialog(QStringLiteral("frmCutLine"), tr("刻直线"), parent)
{
    const QString unit = tr("毫米");

    auto* polar = new QGroupBox(tr("极坐标"), this);
    polar->setObjectName(QStringLiteral("gbPolar"));
    auto* polarGrid = new QGridLayout(polar);
    m_length = lineEdit(QStringLiteral("txtLength"));
    m_angle = lineEdit(QStringLiteral("txtAngle"));
    addRow(polarGrid, 0, tr("长度"), m_length, unit);
    addRow(polarGrid, 1, tr("角度"), m_angle, tr("度"));
    connect(m_length, &QLineEdit::editingFinished, this, guarded([this] { txtLengthExit(); }));
    connect(m_angle, &QLineEdit::editingFinished, this, guarded([this] { txtAngleExit(); }));

    m_startDown = checkBox(QStringLiteral("cbStartDown"), tr("线开始下刀"));
    m_endUp = checkBox(QStringLiteral("cbEndUp"), tr("线结束抬刀"));
    m_delay = checkBox(QStringLiteral("cbDelay"), tr("雕刻后延时"));
    auto* exchangeX = new QPushButton(tr("交换起点终点X坐标"), this);
    exchangeX->setObjectName(QStringLiteral("btnExchangeX"));
    auto* exchangeY = new QPushButton(tr("交换起点终点Y坐标"), this);
    exchangeY->setObjectName(QStringLiteral("btnExchangeY"));
    connect(exchangeX, &QPushButton::clicked, this, guarded([this] { btnExchangeXClick(); }));
    connect(exchangeY, &QPushButton::clicked, this, guarded([this] { btnExchangeYClick(); }));

    auto* body = new QVBoxLayout;
    body->addLayout(ends());
    body->addWidget(polar);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_startDown, m_endUp, m_delay, exchangeX, exchangeY})
        body->addWidget(widget);
    setBody(body);
    showForm(Form{});
}

void TfrmCutLine::showForm(const Form& form)
{
    showEnds(form);
    m_length->setText(form.length);
    m_angle->setText(form.angle);
    m_startDown->setChecked(form.startDown);
    m_endUp->setChecked(form.endUp);
    m_delay->setChecked(form.delay);
}

CutLineForm TfrmCutLine::form() const
{
    CutLineForm form;
    readEnds(form);
    form.length = m_length->text();
    form.angle = m_angle->text();
    form.startDown = m_startDown->isChecked();
    form.endUp = m_endUp->isChecked();
    form.delay = m_delay->isChecked();
    return form;
}

void TfrmCutLine::txtLengthExit()
{
    CutLineForm placed = form();
    placeEndByPolar(placed);
    m_endX->setText(placed.endX);
    m_endY->setText(placed.endY);
}

void TfrmCutLine::txtAngleExit()
{
    txtLengthExit();
}

void TfrmCutLine::btnExchangeXClick()
{
    const QString start = m_startX->text();
    m_startX->setText(m_endX->text());
    m_endX->setText(start);
}

void TfrmCutLine::btnExchangeYClick()
{
    const QString start = m_startY->text();
    m_startY->setText(m_endY->text());
    m_endY->setText(start);
}

QString TfrmCutLine::problem()
{
    return cutLineProblem(form());
}

TfrmPrintLine::TfrmPrintLine(QWidget* parent)
    : LineEndsDialog(QStringLiteral("frmPrintLine"), tr("打印直线"), parent)
    , m_lineWidth(lineEdit(QStringLiteral("txtLineWidth")))
{
    addRow(ends(), 4, tr("线宽"), m_lineWidth, tr("毫米(0.1-0.9)"));
    setBody(ends());
    showForm(Form{});
}

void TfrmPrintLine::showForm(const Form& form)
{
    showEnds(form);
    m_lineWidth->setText(form.lineWidth);
}

PrintLineForm TfrmPrintLine::form() const
{
    PrintLineForm form;
    readEnds(form);
    form.lineWidth = m_lineWidth->text();
    return form;
}

QString TfrmPrintLine::problem()
{
    return printLineProblem(form(), labelSettings());
}

TfrmCutArc::TfrmCutArc(QWidget* parent)
    : ObjectDialog(QStringLiteral("frmCutArc"), tr("刻弧"), parent)
{
    const QString unit = tr("毫米");
    auto* grid = new QGridLayout;
    m_centerX = lineEdit(QStringLiteral("txtCenterX"));
    m_centerY = lineEdit(QStringLiteral("txtCenterY"));
    m_radius = lineEdit(QStringLiteral("txtRadiu"));
    m_startAngle = comboBox(QStringLiteral("cmbSAngle"), angleTexts(), true);
    m_endAngle = comboBox(QStringLiteral("cmbEAngle"), angleTexts(), true);
    m_direction = cutDirectionList();
    addRow(grid, 0, tr("圆心X"), m_centerX, unit);
    addRow(grid, 1, tr("圆心Y"), m_centerY, unit);
    addRow(grid, 2, tr("半径"), m_radius, unit);
    addRow(grid, 3, tr("开始角度"), m_startAngle, tr("度"));
    addRow(grid, 4, tr("结束角度"), m_endAngle, tr("度"));
    addRow(grid, 5, tr("雕刻方向"), m_direction);
    m_startDown = checkBox(QStringLiteral("cbStartDown"), tr("弧开始下刀"));
    m_endUp = checkBox(QStringLiteral("cbEndUp"), tr("弧结束抬刀"));
    grid->addWidget(m_startDown, 6, 0, 1, 3);
    grid->addWidget(m_endUp, 7, 0, 1, 3);
    grid->addWidget(anglesPanel(this), 0, 3, 8, 1);
    setBody(grid);
    showForm(Form{});
}

void TfrmCutArc::showForm(const Form& form)
{
    m_centerX->setText(form.centerX);
    m_centerY->setText(form.centerY);
    m_radius->setText(form.radius);
    m_startAngle->setCurrentText(form.startAngle);
    m_endAngle->setCurrentText(form.endAngle);
    m_direction->setCurrentIndex(form.direction);
    m_startDown->setChecked(form.startDown);
    m_endUp->setChecked(form.endUp);
}

CutArcForm TfrmCutArc::form() const
{
    return {m_centerX->text(), m_centerY->text(), m_radius->text(), m_startAngle->currentText(),
            m_endAngle->currentText(), m_direction->currentIndex(), m_startDown->isChecked(),
            m_endUp->isChecked()};
}

QString TfrmCutArc::problem()
{
    return cutArcProblem(form());
}
