#pragma once

#include <string>
#include <string_view>

// FreeXL, the parsing library of binary workbooks, trusts every length it finds: it takes a
// record's fields whether or not the record holds them, and copies a text as long as its
// length says. A record cut short, or a text longer than its record, makes it work on bytes
// of other records or read past its buffers. The reader checks the records the library will
// read, in the order and the stream it reads them, and refuses a damaged file before the
// library opens it.
//
// Returns why the library must not read file (the whole workbook file), or "" when every
// record it will read holds what it takes from it. A file that is not a compound document
// is an old single-sheet workbook whose records start at its first byte. Whatever the
// library refuses by itself (a file that is no workbook, a broken container) is left to it.
std::string workbookRecordProblem(std::string_view file);
