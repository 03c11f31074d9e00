#pragma once

#include "model/MessageError.h"

// A file could not be read or written: the label file, the recent-file list. The command
// that met it ends, and the program shows the message in its standard error box; what was
// on disk and in the document stays as it was.
class FileError : public MessageError {
public:
    using MessageError::MessageError;
};
