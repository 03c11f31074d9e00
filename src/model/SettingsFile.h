#pragma once

#include <QString>

// "setting.ini", the file every program of the machine keeps its own settings in (recent
// files, port mappings, the interface language): beside the program when its folder (or the
// file) can be written, as on the machine's own computer; otherwise, as for programs
// installed for all users, "Marlune/setting.ini" in the user's configuration folder, the same
// one for the desktop program and the command-line tools.
QString settingsFileFor(const QString& programFolder);
// The settings file of the running program.
QString programSettingsFile();
