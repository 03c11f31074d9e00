#pragma once

#include <QList>
#include <QString>

class QObject;

#include <functional>

// Messages the operator can act on go through one service, so that core code never opens
// a dialog itself: the desktop program shows a modal box, the command-line tool writes to
// stderr, and tests record what was asked and give the answer they chose.
enum class MessageIcon { Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    // The window the box belongs to (a dialog's own messages stay over that dialog);
    // nullptr lets the service choose.
    QObject* owner = nullptr;
};

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const Message& message) = 0;
};

// The service in use; without one installed, messages go to stderr and every question is
// answered with its first choice (Ok or Yes), which is what a headless run wants.
MessageService& messageService();
// Installs a service (not owned) or, with nullptr, returns to the stderr service.
void setMessageService(MessageService* service);

// Shorthand for the common case: a message box with one Ok button.
void showMessage(const QString& caption, const QString& text,
                 MessageIcon icon = MessageIcon::Information);
MessageAnswer askQuestion(const QString& caption, const QString& text,
                          MessageButtons buttons = MessageButtons::YesNo);
// "提示", the caption of most messages the operator can correct, in the interface language.
QString hintCaption();
// The application's standard error box for a failure that ended a command: the program's
// name as caption and the error icon.
void showStandardError(const QString& text);
// Runs one step of a command; a failure it raises is shown in the standard error box and ends
// the step, never the program. Returns whether the step ran to its end.
bool runShowingFailure(const std::function<void()>& step);
// A command handler wrapped in runShowingFailure, for connecting to a window's actions and
// buttons: a failure ends that command with the standard error box and never unwinds through
// the event loop, which cannot carry it.
template <typename Handler>
auto guarded(Handler handler)
{
    return [handler] { runShowingFailure(handler); };
}

// Records every message and answers from a queue (then with the fallback answer).
// Installs itself for its lifetime.
class RecordingMessageService : public MessageService {
public:
    RecordingMessageService();
    ~RecordingMessageService() override;
    RecordingMessageService(const RecordingMessageService&) = delete;
    RecordingMessageService& operator=(const RecordingMessageService&) = delete;

    MessageAnswer show(const Message& message) override;

    QList<Message> messages;
    QList<MessageAnswer> answers;
    MessageAnswer fallback = MessageAnswer::Ok;

private:
    MessageService* m_previous;
};
