#pragma once

#include <QCoreApplication>

// The command-line tool's own texts (its help, its failures and its notices) form one
// translation context, so that the interface language chosen for the program covers them all.
// Texts kept in tables are marked with QT_TRANSLATE_NOOP("CliText", …) and translated where
// they are shown.
class CliText {
    Q_DECLARE_TR_FUNCTIONS(CliText)
};
