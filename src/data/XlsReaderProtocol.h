#pragma once

#include <cstdint>

// What the binary-workbook reader process (marlune-xls-reader) writes on its standard
// output. The parsing library of binary workbooks is not safe against damaged files, so it
// runs in that short-lived process and the program only parses this stream, strictly.
//
// The stream is the magic, then records, each a tag byte and its fields, then the end tag.
// Integers are in the host's byte order (both processes run on the same machine); a text is
// a 32-bit byte count and that many bytes of UTF-8.
//   'S' text                          one sheet name, in workbook order
//   'C' u32 row, u16 column, u8 type, value
//                                     one cell; cells come in row, then column order;
//                                     the value is an i32 (Integer), an f64 (Double) or a
//                                     text (Text, Date, DateTime, Time: "yyyy-MM-dd",
//                                     "yyyy-MM-dd HH:mm:ss", "HH:mm:ss")
//   'F' u8 failure, i32 library code  the workbook cannot be read; the last record
//   'Z'                               end of the stream
namespace xlsreader {

inline constexpr char kMagic[] = "MXLS1\n";
inline constexpr int kMagicSize = sizeof kMagic - 1;

enum class Tag : char { SheetName = 'S', Cell = 'C', Failure = 'F', End = 'Z' };

enum class ValueType : std::uint8_t { Integer = 1, Double, Text, Date, DateTime, Time };

enum class Failure : std::uint8_t { FileNotFound = 1, OutOfMemory, NotAWorkbook, Encrypted, Damaged };

} // namespace xlsreader
