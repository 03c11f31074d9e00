#include "support/WidgetHelpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

namespace testing_support {

void clickButton(QAbstractButton* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

bool runWithModal(const std::function<void()>& open, const std::function<void(QWidget*)>& handle)
{
    bool opened = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll.stop();
            opened = true;
            handle(dialog);
        }
    });
    poll.start();
    open();
    poll.stop();
    return opened;
}

} // namespace testing_support
