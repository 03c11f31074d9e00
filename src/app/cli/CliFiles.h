#pragma once

#include <QString>

// The files a command names are looked at before anything is read or sent, so that a
// mistyped name fails with a line naming that file, whatever reads it later.

// The file exists, is no folder and may be read; else CliFailure (exit 1) naming it.
void checkInputFile(const QString& path);
// The file can be written: its folder exists and may be written into, and it is no folder
// itself; else CliFailure (exit 1) naming it.
void checkOutputFile(const QString& path);
