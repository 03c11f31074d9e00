#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One option of a command-line tool as its parser, its help and its manual page read it:
// its names ("o,output" is -o and --output; one letter is a short name), the name of its
// value (null for a switch) and what it does, a source text of the tool's translation context.
struct ToolOption {
    const char* names;
    const char* valueName;
    const char* description;
};

// "--output" for "output", "-o" for "o".
QString dashed(const QString& name);
// "-o, --output FILE", as option lists show an option.
QString toolOptionColumn(const ToolOption& option);
// "  -o, --output FILE  text" lines, the texts translated in context and set in one column.
QString toolOptionList(const QList<const ToolOption*>& options, const char* context);
// The usage block of a help: label ("用法：") before the first line, the others beneath it.
QString usageBlock(const QString& label, const QStringList& lines);
