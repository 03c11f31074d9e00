#pragma once

#include "model/MessageError.h"

// A workbook that cannot be read as the operator asked: missing or unreadable file, an
// encrypted, corrupt or oversized workbook, a sheet or column that does not exist. The
// message is the operator's text, ready for a message box or for stderr.
class DataSourceError : public MessageError {
public:
    using MessageError::MessageError;
};
