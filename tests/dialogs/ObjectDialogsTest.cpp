#include "dialogs/CutBoxDialogs.h"
#include "dialogs/ObjectDialogs.h"
#include "files/FileChooser.h"
#include "model/MessageService.h"
#include "support/TestApp.h"
#include "support/WidgetHelpers.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QList<ObjectDialog*> objectDialogs()
{
    QList<ObjectDialog*> dialogs;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<ObjectDialog*>(widget))
            dialogs.append(dialog);
    }
    return dialogs;
}

// An edit box or a list; the edit box inside an editable list is the list's own.
bool isInput(const QWidget* widget)
{
    if (qobject_cast<const QComboBox*>(widget->parentWidget()))
        return false;
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget);
}

} // namespace

// Screen readers and test tools find a field by the caption the operator reads beside it,
// and the Tab key walks the fields from the top left to the bottom right.
TEST(ObjectDialogs, InputsAreNamedByTheirCaptionsAndTabbedInReadingOrder)
{
    ObjectDialogs dialogs(nullptr);
    const QList<ObjectDialog*> all = objectDialogs();
    ASSERT_EQ(all.size(), 16);
    for (ObjectDialog* dialog : all) {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        QList<QWidget*> order;
        for (QWidget* widget = dialog->nextInFocusChain(); widget != dialog; widget = widget->nextInFocusChain()) {
            if (isInput(widget) && widget->isVisible() && !order.contains(widget))
                order.append(widget);
        }
        ASSERT_FALSE(order.isEmpty()) << qPrintable(dialog->objectName());
        for (qsizetype i = 0; i < order.size(); ++i) {
            QWidget* input = order[i];
            QAccessibleInterface* named = QAccessible::queryAccessibleInterface(input);
            ASSERT_NE(named, nullptr);
            EXPECT_FALSE(named->text(QAccessible::Name).trimmed().isEmpty())
                << qPrintable(dialog->objectName()) << "." << qPrintable(input->objectName());
            if (i == 0)
                continue;
            const QPoint previous = order[i - 1]->mapTo(dialog, QPoint());
            const QPoint here = input->mapTo(dialog, QPoint());
            EXPECT_TRUE(here.y() > previous.y() || (here.y() == previous.y() && here.x() > previous.x()))
                << qPrintable(dialog->objectName()) << ": " << qPrintable(order[i - 1]->objectName()) << " before "
                << qPrintable(input->objectName());
        }
        dialog->hide();
    }
}

TEST(ObjectDialogs, TypedCountSwitchesItsGapOrIsRefused)
{
    RecordingMessageService messages;
    TfrmCutCircle dialog;
    dialog.show();
    auto* columns = testing_support::control<QComboBox>(&dialog, QStringLiteral("cmbCol"));
    auto* rows = testing_support::control<QComboBox>(&dialog, QStringLiteral("cmbRow"));
    auto* columnGap = testing_support::control<QLineEdit>(&dialog, QStringLiteral("txtColGap"));
    auto* rowGap = testing_support::control<QLineEdit>(&dialog, QStringLiteral("txtRowGap"));
    const struct {
        QComboBox* count;
        const char* typed;
        QLineEdit* gap;
        bool enabled;
        const char* message;
    } cases[] = {
        {columns, "0", columnGap, true, nullptr},
        {columns, "1", columnGap, false, nullptr},
        {columns, "a", columnGap, false, "每行几列必须输入正整数！"}, // the gap keeps its state
        {rows, "12", rowGap, true, nullptr},
        {rows, "-", rowGap, true, "每页几行必须输入正整数！"},
        {rows, "1", rowGap, false, nullptr},
    };
    for (const auto& c : cases) {
        messages.messages.clear();
        c.count->lineEdit()->clear();
        QTest::keyClicks(c.count->lineEdit(), QString::fromLatin1(c.typed));
        EXPECT_EQ(c.gap->isEnabled(), c.enabled) << c.typed;
        EXPECT_EQ(testing_support::messageTexts(messages),
                  c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{})
            << c.typed;
    }
}

TEST(ObjectDialogs, PictureIsChosenAmongBitmapsAndMustExist)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString bitmap = folder.filePath(QStringLiteral("shape.bmp"));
    QFile file(bitmap);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    RecordingFileChooser files;
    TfrmCutImage dialog;
    auto* fileName = testing_support::control<QLineEdit>(&dialog, QStringLiteral("txtFileName"));
    const struct {
        QString answer;
        QString field;
    } cases[] = {
        {bitmap, bitmap},
        {folder.filePath(QStringLiteral("gone.bmp")), bitmap},
        {QString(), bitmap}, // cancelled
    };
    for (const auto& c : cases) {
        files.answers = {c.answer};
        dialog.btnFileNameClick();
        EXPECT_EQ(fileName->text(), c.field) << qPrintable(c.answer);
    }
    ASSERT_FALSE(files.asked.isEmpty());
    EXPECT_EQ(files.asked[0].filter, QStringLiteral("bmp files (*.bmp)|*.bmp"));
    EXPECT_EQ(files.asked[0].defaultSuffix, QStringLiteral(".bmp"));
    EXPECT_EQ(files.asked[1].folder, folder.path()) << "the next choice starts beside the file";
}
