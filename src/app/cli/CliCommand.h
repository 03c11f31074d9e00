#pragma once

#include <QString>

#include <span>

class CliArguments;

// One option of a command: its names ("o,output" is -o and --output; one letter is a short
// name), the name of its value (null for a switch) and what it does. The description is a
// source text of the CliText context, translated when shown.
struct CliOption {
    const char* names;
    const char* valueName;
    const char* description;
};

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
