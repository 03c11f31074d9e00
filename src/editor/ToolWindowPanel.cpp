#include "editor/ToolWindowPanel.h"

#include "editor/ObjectListPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <typename Control>
Control* named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

} // namespace

ToolWindowPanel::ToolWindowPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlToolWindow"));
    setFixedWidth(panelWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(createTransformGroup());
    layout->addWidget(createAlignGroup());
    m_list = new ObjectListPanel(this);
    layout->addWidget(m_list, 1);
}

QWidget* ToolWindowPanel::createTransformGroup()
{
    auto* group = named(new QGroupBox(tr("变换")), QStringLiteral("gbTransform"));
    m_x = named(new QLineEdit(QStringLiteral("0"), group), QStringLiteral("txtX"));
    m_y = named(new QLineEdit(QStringLiteral("0"), group), QStringLiteral("txtY"));
    auto* relative = named(new QCheckBox(tr("相对位置"), group), QStringLiteral("chbRelative"));
    relative->setChecked(true);

    auto* grid = new QGridLayout(group);
    const auto field = [&](int row, const QString& caption, QLineEdit* edit) {
        auto* label = new QLabel(caption, group);
        // Screen readers name the box by the caption before it.
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(new QLabel(tr("毫米"), group), row, 2);
    };
    field(0, tr("水平位置"), m_x);
    field(1, tr("垂直位置"), m_y);
    grid->addWidget(relative, 2, 0, 1, 3);
    grid->addWidget(named(new QPushButton(tr("复制"), group), QStringLiteral("btnCopy")), 3, 0);
    grid->addWidget(named(new QPushButton(tr("移动"), group), QStringLiteral("btnMove")), 3, 1, 1, 2);
    return group;
}

QWidget* ToolWindowPanel::createAlignGroup()
{
    auto* group = named(new QGroupBox(tr("对齐")), QStringLiteral("gbAlign"));
    // One group for all six: at most one edge or centre line is chosen, none at start.
    auto* edges = new QButtonGroup(group);
    edges->setExclusive(true);
    const struct {
        const char* name;
        const char* caption;
        int row;
        int column;
    } choices[] = {
        {"rbLeft", QT_TR_NOOP("左"), 0, 0},   {"rbCenter", QT_TR_NOOP("中"), 0, 1},
        {"rbRight", QT_TR_NOOP("右"), 0, 2},  {"rbTop", QT_TR_NOOP("上"), 1, 0},
        {"rbMiddle", QT_TR_NOOP("中"), 1, 1}, {"rbBottom", QT_TR_NOOP("下"), 1, 2},
    };
    auto* grid = new QGridLayout(group);
    for (const auto& choice : choices) {
        auto* button = named(new QRadioButton(tr(choice.caption), group), QString::fromLatin1(choice.name));
        button->setAutoExclusive(false);
        edges->addButton(button);
        grid->addWidget(button, choice.row, choice.column);
    }
    grid->addWidget(named(new QPushButton(tr("对齐"), group), QStringLiteral("btnAlign")), 2, 0, 1, 3);

    auto* mode = named(new QGroupBox(group), QStringLiteral("rgAlignMode"));
    m_alignMode = new QButtonGroup(mode);
    auto* modeLayout = new QVBoxLayout(mode);
    const char* modes[] = {QT_TR_NOOP("按最后选择的对象对齐"), QT_TR_NOOP("按标签对齐")};
    for (int index = 0; index < 2; ++index) {
        auto* button = new QRadioButton(tr(modes[index]), mode);
        m_alignMode->addButton(button, index);
        modeLayout->addWidget(button);
    }
    m_alignMode->button(0)->setChecked(true);
    grid->addWidget(mode, 3, 0, 1, 3);
    return group;
}

int ToolWindowPanel::alignModeIndex() const
{
    return m_alignMode->checkedId();
}
