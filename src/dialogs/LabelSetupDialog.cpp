#include "dialogs/LabelSetupDialog.h"

#include "dialogs/DialogButtons.h"
#include "files/FileChooser.h"
#include "model/MessageService.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int pictureSize = 64;

// A label sheet with a letter on it, upright for portrait and lying for landscape.
QPixmap labelPicture(bool landscape, bool onPrinter)
{
    QPixmap picture(pictureSize, pictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (onPrinter) {
        // The printer seen from the front, the label leaving it at the top.
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(200, 200, 200));
        painter.drawRoundedRect(QRectF(6, 36, 52, 24), 4, 4);
        painter.setBrush(QColor(60, 60, 60));
        painter.drawRect(QRectF(14, 40, 36, 3));
    }
    const QRectF sheet = landscape ? QRectF(10, onPrinter ? 14 : 18, 44, 28)
                                   : QRectF(18, onPrinter ? 2 : 8, 28, onPrinter ? 40 : 48);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    QFont font = painter.font();
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.translate(sheet.center());
    if (landscape)
        painter.rotate(-90);
    painter.drawText(QRectF(-10, -10, 20, 20), Qt::AlignCenter, QStringLiteral("A"));
    return picture;
}

QLabel* picture(const QString& name, const QPixmap& pixmap, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(pixmap);
    label->setFixedSize(pictureSize, pictureSize);
    return label;
}

QLineEdit* edit(const QString& name, QWidget* parent = nullptr)
{
    auto* line = new QLineEdit(parent);
    line->setObjectName(name);
    return line;
}

struct Field {
    QString caption;
    QLineEdit* edit;
};

// A group of two millimetre fields, one per row, each followed by its unit. Each caption is
// the buddy of its field, so screen readers and test tools name the field by what the
// operator reads beside it.
QGroupBox* millimetreGroup(const QString& title, const QString& unit, const Field (&fields)[2], QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QFormLayout(group);
    for (const Field& field : fields) {
        auto* caption = new QLabel(field.caption, group);
        caption->setBuddy(field.edit);
        auto* row = new QHBoxLayout;
        row->addWidget(field.edit);
        row->addWidget(new QLabel(unit, group));
        layout->addRow(caption, row);
    }
    return group;
}

} // namespace

Tf_labelset::Tf_labelset(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("f_labelset"));
    setWindowTitle(tr("标签设置"));

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->addTab(createLabelPage(), tr("标签"));
    pages->addTab(createBackgroundPage(), tr("背景"));

    m_lock = new QCheckBox(tr("锁定标签（标签上的内容都不可移动）"), this);
    m_lock->setObjectName(QStringLiteral("chbLabelLock"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(m_lock);
    layout->addLayout(confirmButtons(this, [this] { BitBtn1Click(); }));

    showForm(LabelSetupForm{});
}

QWidget* Tf_labelset::createLabelPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsLabel"));

    auto* orientation = new QGroupBox(tr("标签方向"), page);
    m_vertical = new QRadioButton(tr("纵向"), orientation);
    m_vertical->setObjectName(QStringLiteral("rbVertical"));
    m_horizontal = new QRadioButton(tr("横向"), orientation);
    m_horizontal->setObjectName(QStringLiteral("rbHorizontal"));
    m_verticalPrinter = picture(QStringLiteral("imgVerticalPrinter"), labelPicture(false, true), orientation);
    m_horizontalPrinter = picture(QStringLiteral("imgHorizontalPrinter"), labelPicture(true, true), orientation);
    // A click counts even on the button already chosen: each release exchanges the sizes.
    connect(m_vertical, &QRadioButton::clicked, this, guarded([this] { rbVerticalMouseUp(); }));
    connect(m_horizontal, &QRadioButton::clicked, this, guarded([this] { rbHorizontalMouseUp(); }));
    auto* choices = new QVBoxLayout;
    choices->addWidget(m_vertical);
    choices->addWidget(m_horizontal);
    auto* orientationLayout = new QHBoxLayout(orientation);
    orientationLayout->addLayout(choices);
    orientationLayout->addWidget(m_verticalPrinter);
    orientationLayout->addWidget(m_horizontalPrinter);

    m_width = edit(QStringLiteral("txtWidth"));
    m_height = edit(QStringLiteral("txtHeight"));
    auto* size = millimetreGroup(tr("标签大小"), tr("毫米"), {{tr("标签宽："), m_width}, {tr("标签高："), m_height}}, page);

    auto* preview = new QGroupBox(tr("预览"), page);
    m_verticalLabel = picture(QStringLiteral("imgVerticalLabel"), labelPicture(false, false), preview);
    m_horizontalLabel = picture(QStringLiteral("imgHorizontalLabel"), labelPicture(true, false), preview);
    auto* previewLayout = new QHBoxLayout(preview);
    previewLayout->addWidget(m_verticalLabel);
    previewLayout->addWidget(m_horizontalLabel);

    auto* layout = new QGridLayout(page);
    layout->addWidget(orientation, 0, 0);
    layout->addWidget(size, 1, 0);
    layout->addWidget(preview, 0, 1, 2, 1);
    return page;
}

QWidget* Tf_labelset::createBackgroundPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsBackground"));

    auto* preview = new QGroupBox(tr("预览"), page);
    m_background = new QLabel(preview);
    m_background->setObjectName(QStringLiteral("imgBackGround"));
    m_background->setFixedSize(160, 120);
    m_background->setScaledContents(true);
    (new QVBoxLayout(preview))->addWidget(m_background);

    m_useBackground = new QCheckBox(tr("使用背景"), page);
    m_useBackground->setObjectName(QStringLiteral("chbBackGround"));
    m_bgFile = edit(QStringLiteral("txtBGFile"), page);
    // No caption stands beside the file name; its button says what it holds.
    m_bgFile->setAccessibleName(tr("背景文件"));
    auto* select = new QPushButton(tr("选择背景文件"), page);
    select->setObjectName(QStringLiteral("btnSelectBGFile"));
    connect(select, &QPushButton::clicked, this, guarded([this] { btnSelectBGFileClick(); }));

    m_bgWidth = edit(QStringLiteral("txtBGWidth"));
    m_bgHeight = edit(QStringLiteral("txtBGHeight"));
    auto* size = millimetreGroup(tr("背景图像尺寸"), tr("毫米"), {{tr("宽"), m_bgWidth}, {tr("高"), m_bgHeight}}, page);
    m_bgX = edit(QStringLiteral("txtBGX"));
    m_bgY = edit(QStringLiteral("txtBGY"));
    auto* position = millimetreGroup(tr("背景图像位置"), tr("毫米"), {{tr("X"), m_bgX}, {tr("Y"), m_bgY}}, page);

    auto* file = new QHBoxLayout;
    file->addWidget(m_bgFile);
    file->addWidget(select);
    auto* layout = new QGridLayout(page);
    layout->addWidget(preview, 0, 0, 2, 1);
    layout->addWidget(m_useBackground, 0, 1);
    layout->addLayout(file, 1, 1);
    layout->addWidget(size, 2, 0);
    layout->addWidget(position, 2, 1);
    return page;
}

void Tf_labelset::showForm(const LabelSetupForm& form)
{
    m_width->setText(form.width);
    m_height->setText(form.height);
    showOrientation(form.landscape);
    m_useBackground->setChecked(form.useBackground);
    m_bgFile->setText(form.bgFile);
    m_bgWidth->setText(form.bgWidth);
    m_bgHeight->setText(form.bgHeight);
    m_bgX->setText(form.bgX);
    m_bgY->setText(form.bgY);
    m_lock->setChecked(form.lock);
}

LabelSetupForm Tf_labelset::form() const
{
    LabelSetupForm form;
    form.width = m_width->text();
    form.height = m_height->text();
    form.landscape = !m_vertical->isChecked();
    form.useBackground = m_useBackground->isChecked();
    form.bgFile = m_bgFile->text();
    form.bgWidth = m_bgWidth->text();
    form.bgHeight = m_bgHeight->text();
    form.bgX = m_bgX->text();
    form.bgY = m_bgY->text();
    form.lock = m_lock->isChecked();
    return form;
}

void Tf_labelset::setSizeText(const QString& width, const QString& height)
{
    m_width->setText(width);
    m_height->setText(height);
}

void Tf_labelset::showOrientation(bool landscape)
{
    m_horizontal->setChecked(landscape);
    m_vertical->setChecked(!landscape);
    m_horizontalPrinter->setVisible(landscape);
    m_horizontalLabel->setVisible(landscape);
    m_verticalPrinter->setVisible(!landscape);
    m_verticalLabel->setVisible(!landscape);
}

void Tf_labelset::exchangeSizeFields()
{
    const QString width = m_width->text();
    m_width->setText(m_height->text());
    m_height->setText(width);
}

void Tf_labelset::rbHorizontalMouseUp()
{
    if (!m_horizontal->isChecked())
        return;
    showOrientation(true);
    exchangeSizeFields();
}

void Tf_labelset::rbVerticalMouseUp()
{
    if (!m_vertical->isChecked())
        return;
    showOrientation(false);
    exchangeSizeFields();
}

void Tf_labelset::BitBtn1Click()
{
    const QString problem = labelSetupProblem(form());
    if (problem.isEmpty())
        accept();
    else
        showMessage(tr("提示"), problem);
}

void Tf_labelset::btnSelectBGFileClick()
{
    const QString current = m_bgFile->text();
    const QString folder = current.isEmpty() ? documentsFolder() : QFileInfo(current).absolutePath();
    const QString chosen = fileChooser().choose(
        {FileChoice::Mode::Open, tr("图形文件 (*.bmp)|*.bmp|All files (*.*)|*.*"), QStringLiteral(".bmp"), folder});
    if (!chosen.isEmpty())
        backgroundFileChosen(chosen);
}

void Tf_labelset::backgroundFileChosen(const QString& fileName)
{
    m_bgFile->setText(fileName);
    if (!hasBitmapExtension(fileName)) {
        showMessage(tr("提示"), tr("选择的文件必须是BMP文件！"));
        return;
    }
    m_background->setPixmap(QPixmap(fileName));
}
