#pragma once

#include "model/MessageError.h"

// Raised when text the operator typed (or a file holds) is not the number a rule needs.
// A command that does not guard it ends, and the program shows the message in its
// standard error box; the program itself goes on.
class ConversionError : public MessageError {
public:
    using MessageError::MessageError;
};
