#pragma once

#include <QStringList>

#include <span>

// One command of marlune-cli. run() receives the arguments after the command name and
// returns the process exit code; failures print a one-line reason on stderr.
struct CliCommand {
    const char* name;
    const char* synopsis; // arguments, as shown by --help
    const char* summary;
    int (*run)(const QStringList& arguments);
};

std::span<const CliCommand> cliCommands();

int runCut(const QStringList& arguments);
int runImportDxf(const QStringList& arguments);
int runPreview(const QStringList& arguments);
int runPrint(const QStringList& arguments);
int runTrace(const QStringList& arguments);
int runDump(const QStringList& arguments);
int runRun(const QStringList& arguments);
int runResave(const QStringList& arguments);
int runSheets(const QStringList& arguments);
int runFields(const QStringList& arguments);
int runRecords(const QStringList& arguments);
int runRender(const QStringList& arguments);
int runValues(const QStringList& arguments);
