#include "MainWindowFixture.h"

#include "editor/LabelViewPanel.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>

namespace {

using testing_support::clickButton;
using testing_support::control;

} // namespace

class PointerWindow : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        // At 100 %, whatever room the test's screen gives the view.
        find<QComboBox>(&main(), QStringLiteral("cmbZoom"))->setCurrentIndex(3);
        main().cmbZoomChange();
        // One selected circle of 20 by 20 mm at (10 mm, 10 mm).
        main().document().AddCutCircles(100, 100, 300, 300, 1, 1, 0, 0);
        surface = find<QWidget>(&main(), QStringLiteral("backimage"));
    }

    QPoint centre()
    {
        const Tshape& circle = main().document().objects[0];
        return {(circle.Left + circle.Right) / 2, (circle.Top + circle.Bottom) / 2};
    }

    QWidget* surface = nullptr;
};

TEST_F(PointerWindow, ADragWithTheMouseMovesTheObjectAndTheFileKeepsWhereItWent)
{
    const QPoint from = centre();
    const QPoint to = from + QPoint(30, 15);
    QTest::mouseMove(surface, from);
    QTest::mousePress(surface, Qt::LeftButton, {}, from);
    QTest::mouseMove(surface, from + QPoint(10, 5));
    QTest::mouseMove(surface, to);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, to);

    const Tobject& document = main().document();
    const Tshape& circle = document.objects[0];
    EXPECT_EQ(circle.printLeft, static_cast<int>(document.FromPixels(circle.Left)));
    EXPECT_GT(circle.printLeft, 100);
    EXPECT_GT(circle.printTop, 100);
    EXPECT_EQ(circle.printRight - circle.printLeft, 200) << "the size stays";
    EXPECT_TRUE(document.modified);

    main().setCurrentFile(path(QStringLiteral("moved.xml")));
    action(QStringLiteral("actionSave"))->trigger();
    const QByteArray saved = testing_support::fileContent(path(QStringLiteral("moved.xml")));
    EXPECT_TRUE(saved.contains(QStringLiteral("<printLeft>%1</printLeft>").arg(circle.printLeft).toLatin1()));
    EXPECT_TRUE(saved.contains(QStringLiteral("<printTop>%1</printTop>").arg(circle.printTop).toLatin1()));
}

TEST_F(PointerWindow, ArrowKeysNudgeOnlyWithThePointerInsideASelectedObject)
{
    const struct {
        const char* name;
        bool inside;
        bool selected;
        Qt::Key key;
        QPoint moved;
    } cases[] = {
        {"right", true, true, Qt::Key_Right, {5, 0}},
        {"left", true, true, Qt::Key_Left, {-5, 0}},
        {"up", true, true, Qt::Key_Up, {0, -5}},
        {"down", true, true, Qt::Key_Down, {0, 5}},
        {"the pointer outside any object", false, true, Qt::Key_Right, {0, 0}},
        {"nothing selected", true, false, Qt::Key_Right, {0, 0}},
    };
    for (const auto& c : cases) {
        Tobject& document = main().document();
        document.objects[0].printLeft = document.objects[0].printTop = 100;
        document.objects[0].Selected = c.selected;
        // The first move may bring the window system's own enter and leave with it.
        const QPoint rest = c.inside ? centre() : QPoint(2, 2);
        QTest::mouseMove(surface, rest + QPoint(1, 1));
        QTest::mouseMove(surface, rest);
        press(c.key);
        EXPECT_EQ(QPoint(document.objects[0].printLeft, document.objects[0].printTop), QPoint(100, 100) + c.moved)
            << c.name;
    }
}

TEST_F(PointerWindow, PassingOverTheLabelNeverTurnsTypingIntoDeleting)
{
    auto* offsetX = find<QLineEdit>(&main(), QStringLiteral("txtX"));
    auto* list = find<QTreeWidget>(&main(), QStringLiteral("ListView1"));
    offsetX->setFocus();
    QTest::mouseMove(surface, centre());
    press(Qt::Key_Delete);
    EXPECT_EQ(main().document().objects.size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), offsetX);

    find<QWidget>(&main(), QStringLiteral("btnCopy"))->setFocus();
    QTest::mouseMove(surface, centre() + QPoint(1, 1));
    EXPECT_EQ(QApplication::focusWidget(), list) << "elsewhere the object list takes the keyboard";
}

TEST_F(PointerWindow, EdgeButtonsPresetATenMillimetreStep)
{
    const struct {
        const char* button;
        const char* x;
        const char* y;
        const char* focus;
    } cases[] = {
        {"rbLeft", "-10", "0", "txtX"},
        {"rbRight", "10", "0", "txtX"},
        {"rbTop", "0", "-10", "txtY"},
        {"rbBottom", "0", "10", "txtY"},
    };
    for (const auto& c : cases) {
        clickButton(find<QRadioButton>(&main(), QString::fromLatin1(c.button)));
        EXPECT_EQ(find<QLineEdit>(&main(), QStringLiteral("txtX"))->text(), QString::fromLatin1(c.x)) << c.button;
        EXPECT_EQ(find<QLineEdit>(&main(), QStringLiteral("txtY"))->text(), QString::fromLatin1(c.y)) << c.button;
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(c.focus)) << c.button;
    }
    // Screen readers name the two fields by their captions.
    for (const char* name : {"txtX", "txtY"}) {
        QWidget* field = find<QWidget>(&main(), QString::fromLatin1(name));
        const QList<QLabel*> captions = main().findChildren<QLabel*>();
        EXPECT_TRUE(std::ranges::any_of(captions, [&](const QLabel* label) { return label->buddy() == field; }))
            << name;
    }
}

TEST_F(PointerWindow, ToolWindowButtonsCopyAndAlign)
{
    find<QLineEdit>(&main(), QStringLiteral("txtX"))->setText(QStringLiteral("15"));
    find<QLineEdit>(&main(), QStringLiteral("txtY"))->setText(QStringLiteral("0"));
    clickButton(find<QPushButton>(&main(), QStringLiteral("btnCopy")));
    const Tobject& document = main().document();
    ASSERT_EQ(document.objects.size(), 2);
    EXPECT_EQ(document.objects[1].printLeft, 250);
    EXPECT_TRUE(document.objects[1].Selected);

    clickButton(find<QRadioButton>(&main(), QStringLiteral("rbRight")));
    auto* byLabel = find<QWidget>(&main(), QStringLiteral("rgAlignMode"))->findChildren<QRadioButton*>().at(1);
    clickButton(byLabel);
    clickButton(find<QPushButton>(&main(), QStringLiteral("btnAlign")));
    EXPECT_EQ(document.objects[1].printRight, document.labelWidth);
    EXPECT_EQ(document.objects[0].printLeft, 100) << "the source was deselected by the copy";
}

TEST_F(PointerWindow, ADoubleClickOnAnObjectOpensItsEdit)
{
    QList<int> asked;
    QObject::connect(&main().pointerTool(), &PointerTool::editRequested, [&](int index) { asked.append(index); });
    QTest::mouseMove(surface, centre());
    const ShapeList before = main().document().objects;
    const bool opened = testing_support::runWithModal(
        [&] { QTest::mouseDClick(surface, Qt::LeftButton, {}, centre()); },
        [&](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("刻圆"));
            EXPECT_EQ(control<QLineEdit>(dialog, QStringLiteral("txtWidth"))->text(), QStringLiteral("20"));
            clickButton(control<QAbstractButton>(dialog, QStringLiteral("BitBtn2")));
        });
    EXPECT_TRUE(opened);
    EXPECT_EQ(asked, QList<int>{0});
    EXPECT_EQ(main().document().objects, before) << "Cancel changes nothing";
}
