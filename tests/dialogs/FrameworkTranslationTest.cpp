#include "dialogs/FileChooserDialog.h"
#include "dialogs/FrameworkTranslation.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The framework's texts in Chinese for the length of a test.
class FrameworkTranslation : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_translator = installFrameworkTranslation(*QCoreApplication::instance());
        ASSERT_NE(m_translator, nullptr) << "Qt's Chinese translation (qt6-translations-l10n) is missing";
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }

private:
    QTranslator* m_translator = nullptr;
};

QStringList texts(const QList<QAction*>& actions)
{
    QStringList list;
    for (const QAction* action : actions)
        list.append(action->text().section(u'\t', 0, 0));
    return list;
}

} // namespace

TEST_F(FrameworkTranslation, PromptButtonsAndEditMenusSpeakChinese)
{
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
    } rows[] = {
        {QMessageBox::Ok, "确定"}, {QMessageBox::Cancel, "取消"}, {QMessageBox::Yes, "是(&Y)"}, {QMessageBox::No, "否(&N)"},
    };
    for (const auto& row : rows) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("提示"), QStringLiteral("存盘吗？"), row.button);
        EXPECT_EQ(box.button(row.button)->text(), QString::fromUtf8(row.text));
    }
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    EXPECT_TRUE(texts(menu->actions()).contains(QStringLiteral("全选"))) << texts(menu->actions()).join(u' ').toStdString();
}

// The file dialogs of the program are the framework's own, so they follow its translation
// whatever the desktop's language.
TEST_F(FrameworkTranslation, FileDialogsSpeakChinese)
{
    const struct {
        FileChoice::Mode mode;
        const char* title;
        const char* button;
    } rows[] = {{FileChoice::Mode::Open, "打开", "打开(&O)"}, {FileChoice::Mode::Save, "另存为", "保存(&S)"}};
    for (const auto& row : rows) {
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen << dialog->windowTitle() << dialog->findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text()
                 << dialog->findChild<QDialogButtonBox*>()->buttons().constFirst()->text();
            dialog->reject();
        });
        DialogFileChooser chooser;
        EXPECT_TRUE(chooser.choose({row.mode, QStringLiteral("DXF files (*.dxf)|*.dxf"), QStringLiteral(".dxf"), {}}).isEmpty());
        EXPECT_EQ(seen, (QStringList{QString::fromUtf8(row.title), QStringLiteral("文件名称(&N)："), QString::fromUtf8(row.button)}));
    }
}
