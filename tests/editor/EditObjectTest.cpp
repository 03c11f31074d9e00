#include "MainWindowFixture.h"

#include "dialogs/PrintStringForm.h"
#include "editor/LabelViewPanel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

using testing_support::control;

// As if typed: QTest types Latin keys only.
void typeInto(QLineEdit* field, const QString& text)
{
    field->setText(text);
    emit field->textEdited(text);
}

} // namespace

// Three texts and a rectangle on the label, all selected.
class EditObject : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Tobject& document = main().document();
        const QImage& image = find<ImageSurface>(&main(), QStringLiteral("backimage"))->image();
        for (const char* str : {"one", "two", "three"}) {
            PrintStringForm form;
            form.str = QString::fromLatin1(str);
            form.top = QString::number(document.objects.size() * 10);
            addPrintStrings(form, document, image);
        }
        document.AddPrintRects(0, 400, 100, 500, 1, 1, 0, 0, 0, 3, 0);
        document.SelectAll(true);
    }

    bool edit(const std::function<void(QWidget*)>& handle)
    {
        return runWithDialog(action(QStringLiteral("actionEditObject")), handle);
    }

    QStringList fontNames()
    {
        QStringList names;
        for (const Tshape& shape : main().document().objects)
            names << shape.fontName;
        return names;
    }
};

TEST_F(EditObject, SeveralSelectedTextsTakeOneFontAsOneUndoStep)
{
    Tobject& document = main().document();
    document.objects[3].Selected = false;
    document.current = 3; // the rectangle under the pointer, not selected
    ASSERT_TRUE(edit([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("修改字体"));
        EXPECT_EQ(control<QWidget>(dialog, QStringLiteral("pnlSample"))->property("text").toString(),
                  QStringLiteral("one")) << "filled from the first selected text";
        typeInto(control<QComboBox>(dialog, QStringLiteral("cmbFontName"))->lineEdit(), QStringLiteral("黑体"));
        typeInto(control<QComboBox>(dialog, QStringLiteral("cmbFontSize"))->lineEdit(), QStringLiteral("16"));
        testing_support::clickButton(control<QAbstractButton>(dialog, QStringLiteral("BitBtn1")));
    }));
    EXPECT_EQ(fontNames(), (QStringList{"黑体", "黑体", "黑体", ""}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(document.objects[i].printSize, 16);
    action(QStringLiteral("actionUndo"))->trigger();
    EXPECT_EQ(fontNames(), (QStringList{"宋体", "宋体", "宋体", ""}));
}

TEST_F(EditObject, WithAnotherKindSelectedOnlyTheTextUnderThePointerIsEdited)
{
    main().document().current = 1;
    ASSERT_TRUE(edit([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("添加字符窗口"));
        auto* str = control<QLineEdit>(dialog, QStringLiteral("txtStr"));
        EXPECT_EQ(str->text(), QStringLiteral("two"));
        EXPECT_FALSE(control<QComboBox>(dialog, QStringLiteral("cmbCol"))->isEnabled());
        typeInto(str, QStringLiteral("2"));
        testing_support::clickButton(control<QAbstractButton>(dialog, QStringLiteral("BitBtn1")));
    }));
    const Tobject& document = main().document();
    EXPECT_EQ(document.objects[1].str, QStringLiteral("2"));
    EXPECT_EQ(document.objects[0].str, QStringLiteral("one"));
    EXPECT_EQ(document.objects.size(), 4);
    EXPECT_EQ(document.SelectedCount(), 4) << "the edit keeps the selection";
}
