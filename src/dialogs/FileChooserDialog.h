#pragma once

#include "files/FileChooser.h"

// The desktop program's file dialogs: a modal open or save dialog over the active window.
class DialogFileChooser : public FileChooser {
public:
    QString choose(const FileChoice& choice) override;
};
