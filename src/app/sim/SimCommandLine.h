#pragma once

#include "app/ToolHelp.h"
#include "job/VirtualLabelMachine.h"

#include <QCoreApplication>
#include <QStringList>

#include <span>

// The virtual machine's own texts (its help, its manual page and its failures) form one
// translation context; texts kept in tables are marked QT_TRANSLATE_NOOP("SimText", …).
class SimText {
    Q_DECLARE_TR_FUNCTIONS(SimText)
};

// Every option of marlune-sim, --language, --help and --version included: the one table its
// parser, its help and its manual page read.
std::span<const ToolOption> simOptions();
// What the virtual machine is, in a few words, and what it does, in the interface language.
QString simSummary();
QString simDescription();
QString simHelp();

// What the command line asks for.
struct SimCommandLine {
    VirtualMachineOptions options;
    bool helpAsked = false;
    bool versionAsked = false;
    QString problem; // why the command line cannot be used, one line; empty when it can
};

// Parses the arguments that follow the program's name.
SimCommandLine parseSimCommandLine(const QStringList& arguments);
