#include "editor/ToolWindowPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
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
    m_list = createObjectList();
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
    grid->addWidget(new QLabel(tr("水平位置"), group), 0, 0);
    grid->addWidget(m_x, 0, 1);
    grid->addWidget(new QLabel(tr("毫米"), group), 0, 2);
    grid->addWidget(new QLabel(tr("垂直位置"), group), 1, 0);
    grid->addWidget(m_y, 1, 1);
    grid->addWidget(new QLabel(tr("毫米"), group), 1, 2);
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
    auto* byLast = new QRadioButton(tr("按最后选择的对象对齐"), mode);
    byLast->setChecked(true);
    auto* modeLayout = new QVBoxLayout(mode);
    modeLayout->addWidget(byLast);
    modeLayout->addWidget(new QRadioButton(tr("按标签对齐"), mode));
    grid->addWidget(mode, 3, 0, 1, 3);
    return group;
}

QTreeWidget* ToolWindowPanel::createObjectList()
{
    auto* list = named(new QTreeWidget(this), QStringLiteral("ListView1"));
    list->setColumnCount(2);
    list->setHeaderLabels({tr("序"), tr("类型")});
    list->setColumnWidth(0, 27);
    list->setColumnWidth(1, 161);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setStretchLastSection(true);
    // Grid lines keep the number and the kind of each row apart in a long list.
    list->setStyleSheet(QStringLiteral("QTreeView::item { border-right: 1px solid palette(midlight);"
                                       " border-bottom: 1px solid palette(midlight); }"));
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(15);
    list->setFont(font);
    return list;
}
