#pragma once

#include "model/MessageService.h"


// The desktop program's message service: a modal message box over the active window.
class DialogMessageService : public MessageService {
public:
    MessageAnswer show(const Message& message) override;
};
