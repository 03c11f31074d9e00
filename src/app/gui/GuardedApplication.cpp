#include "app/gui/GuardedApplication.h"

#include "model/MessageError.h"
#include "model/MessageService.h"

#include <exception>

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const MessageError& error) {
        showStandardError(error.message());
    } catch (const std::exception& error) {
        showStandardError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}
