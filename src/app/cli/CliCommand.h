#pragma once

#include "app/ToolHelp.h"

#include <QString>

#include <span>

class CliArguments;

// An option of a command; its description is a source text of the CliText context.
using CliOption = ToolOption;

// One command of marlune-cli as its parser, its help and the manual pages read it: the table
// in CliCommands.cpp is the one place its options and texts are written.
struct CliCommand {
    const char* name;
    const char* arguments; // in order, "[…]" when it may be left out: "LABEL.xml", "BOOK SHEET"
    const char* optionsSynopsis; // the options as the usage line shows them
    const char* summary;         // CliText source text
    std::span<const CliOption> options;
    // Runs the command on the parsed arguments and returns its exit code; a failure raises
    // CliFailure.
    int (*run)(const CliArguments& arguments);
    // A typical call, without the program's name, for the help and the manual page.
    const char* example = nullptr;

    // "print LABEL.xml [-o FILE] …", as usage lines show it.
    QString synopsis() const;
};

// One row of the exit-code table every command shares; meaning is a CliText source text.
struct CliExitCode {
    int code;
    const char* meaning;
};

std::span<const CliCommand> cliCommands();
std::span<const CliExitCode> cliExitCodes();
const CliCommand* findCliCommand(const QString& name);
// -h, --help: every command has it.
const CliOption& cliHelpOption();
// The options that come before the command: --language, --help, --version.
std::span<const CliOption> cliProgramOptions();

int runCut(const CliArguments& arguments);
int runDump(const CliArguments& arguments);
int runFields(const CliArguments& arguments);
int runHelp(const CliArguments& arguments);
int runImportDxf(const CliArguments& arguments);
int runPreview(const CliArguments& arguments);
int runPrint(const CliArguments& arguments);
int runRecords(const CliArguments& arguments);
int runRender(const CliArguments& arguments);
int runResave(const CliArguments& arguments);
int runRun(const CliArguments& arguments);
int runSheets(const CliArguments& arguments);
int runTrace(const CliArguments& arguments);
int runValues(const CliArguments& arguments);
