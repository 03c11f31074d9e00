#include "model/MessageService.h"

#include "model/MessageError.h"
#include "model/ModelText.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>

namespace {

class StderrMessageService : public MessageService {
public:
    MessageAnswer show(const Message& message) override
    {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(message.caption),
                     qUtf8Printable(message.text));
        switch (message.buttons) {
        case MessageButtons::Ok:
        case MessageButtons::OkCancel:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
        }
        return MessageAnswer::Ok;
    }
};

StderrMessageService& stderrService()
{
    static StderrMessageService service;
    return service;
}

MessageService*& installed()
{
    static MessageService* service = nullptr;
    return service;
}

} // namespace

MessageService& messageService()
{
    MessageService* service = installed();
    return service ? *service : stderrService();
}

void setMessageService(MessageService* service)
{
    installed() = service;
}

void showMessage(const QString& caption, const QString& text, MessageIcon icon)
{
    messageService().show({caption, text, icon, MessageButtons::Ok, nullptr});
}

MessageAnswer askQuestion(const QString& caption, const QString& text, MessageButtons buttons)
{
    return messageService().show({caption, text, MessageIcon::Question, buttons, nullptr});
}

QString hintCaption()
{
    return ModelText::tr("提示");
}

void showStandardError(const QString& text)
{
    showMessage(QCoreApplication::applicationName(), text, MessageIcon::Error);
}

bool runShowingFailure(const std::function<void()>& step)
{
    try {
        step();
        return true;
    } catch (const MessageError& error) {
        showStandardError(error.message());
    } catch (const std::exception& error) {
        showStandardError(QString::fromUtf8(error.what()));
    }
    return false;
}

RecordingMessageService::RecordingMessageService()
    : m_previous(installed())
{
    setMessageService(this);
}

RecordingMessageService::~RecordingMessageService()
{
    setMessageService(m_previous);
}

MessageAnswer RecordingMessageService::show(const Message& message)
{
    messages.append(message);
    return answers.isEmpty() ? fallback : answers.takeFirst();
}
