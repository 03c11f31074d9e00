#include "app/gui/GuardedApplication.h"

#include "model/ConversionError.h"
#include "model/MessageService.h"

#include <exception>

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const ConversionError& error) {
        showMessage(applicationName(), error.message(), MessageIcon::Error);
    } catch (const std::exception& error) {
        showMessage(applicationName(), QString::fromLocal8Bit(error.what()), MessageIcon::Error);
    }
    return false;
}
