#include "dialogs/CutLineRectDialog.h"

#include "dialogs/RoundRectForms.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct SideControls {
    const char* button;
    const char* caption;
    const char* distance;
};

// In the order of RectSide.
constexpr SideControls sideControls[] = {
    {"rbUp", QT_TRANSLATE_NOOP("TfrmCutLineRect", "上边线"), "txtUpLine"},
    {"rbLeft", QT_TRANSLATE_NOOP("TfrmCutLineRect", "左边线"), "txtLeftLine"},
    {"rbRight", QT_TRANSLATE_NOOP("TfrmCutLineRect", "右边线"), "txtRightLine"},
    {"rbDown", QT_TRANSLATE_NOOP("TfrmCutLineRect", "下边线"), "txtDownLine"},
};

} // namespace

TfrmCutLineRect::TfrmCutLineRect(QWidget* parent)
    : ObjectDialog(QStringLiteral("frmCutLineRect"), tr("雕刻矩形"), parent)
{
    const QString unit = tr("毫米");
    auto* grid = new QGridLayout;
    m_left = lineEdit(QStringLiteral("txtLeft"));
    m_top = lineEdit(QStringLiteral("txtTop"));
    m_width = lineEdit(QStringLiteral("txtWidth"));
    m_height = lineEdit(QStringLiteral("txtHeight"));
    m_radius = lineEdit(QStringLiteral("txtR"));
    m_direction = cutDirectionList();
    m_jointLength = lineEdit(QStringLiteral("txtJointLen"));
    m_gapOffset = lineEdit(QStringLiteral("txtGapOffset"));
    m_delay = lineEdit(QStringLiteral("txtDelayms"));
    addRow(grid, 0, tr("横 坐 标："), m_left, unit);
    addRow(grid, 1, tr("纵 坐 标："), m_top, unit);
    addRow(grid, 2, tr("宽    度："), m_width, unit);
    addRow(grid, 3, tr("高    度："), m_height, unit);
    addRow(grid, 4, tr("圆    角："), m_radius, unit);
    addRow(grid, 5, tr("方    向："), m_direction);
    addRow(grid, 6, tr("接头长度："), m_jointLength, unit);
    addRow(grid, 7, tr("接头偏移："), m_gapOffset, unit);
    addRow(grid, 8, tr("雕刻延时："), m_delay, tr("毫秒"));

    auto* start = new QGroupBox(tr("开始下刀位置"), this);
    start->setObjectName(QStringLiteral("gbStart"));
    auto* startGrid = new QGridLayout(start);
    for (std::size_t i = 0; i < std::size(sideControls); ++i) {
        const SideControls& side = sideControls[i];
        m_sides[i] = new QRadioButton(tr(side.caption), this);
        m_sides[i]->setObjectName(QString::fromLatin1(side.button));
        m_distances[i] = lineEdit(QString::fromLatin1(side.distance));
        // The distance is named by its side, the caption the operator reads on its row.
        m_distances[i]->setAccessibleName(tr(side.caption));
        const int row = static_cast<int>(i);
        startGrid->addWidget(m_sides[i], row, 0);
        startGrid->addWidget(m_distances[i], row, 1);
        startGrid->addWidget(new QLabel(unit, start), row, 2);
    }

    auto* body = new QVBoxLayout;
    body->addLayout(grid);
    body->addWidget(start);
    setBody(body);
    showForm(roundRectFormDefaults());
}

void TfrmCutLineRect::showForm(const Form& form)
{
    m_left->setText(form.left);
    m_top->setText(form.top);
    m_width->setText(form.width);
    m_height->setText(form.height);
    m_radius->setText(form.radius);
    m_direction->setCurrentIndex(form.direction);
    m_jointLength->setText(form.jointLength);
    m_gapOffset->setText(form.gapOffset);
    m_delay->setText(form.delayms);
    Form copy = form;
    for (std::size_t i = 0; i < m_sides.size(); ++i) {
        const auto side = static_cast<RectSide>(i);
        m_sides[i]->setChecked(side == form.side);
        m_distances[i]->setText(sideDistance(copy, side));
    }
}

SegmentedRectForm TfrmCutLineRect::form() const
{
    Form form;
    form.left = m_left->text();
    form.top = m_top->text();
    form.width = m_width->text();
    form.height = m_height->text();
    form.radius = m_radius->text();
    form.direction = m_direction->currentIndex();
    form.jointLength = m_jointLength->text();
    form.gapOffset = m_gapOffset->text();
    form.delayms = m_delay->text();
    for (std::size_t i = 0; i < m_sides.size(); ++i) {
        const auto side = static_cast<RectSide>(i);
        if (m_sides[i]->isChecked())
            form.side = side;
        sideDistance(form, side) = m_distances[i]->text();
    }
    return form;
}

bool TfrmCutLineRect::confirm()
{
    return acceptSegmentedRectForm(form()).has_value();
}
