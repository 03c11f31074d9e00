#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The one place where text crosses a byte boundary: the label file, the printer stream,
// the cutter stream, barcode data and every rule that counts bytes use GBK (code page 936),
// the character set the machine and its files were made for.
namespace gbk {

// Characters GBK cannot hold become '?', as the machine would print them.
QByteArray encode(const QString& text);

// Decodes GBK bytes. Malformed bytes make the result empty and set *ok to false when ok
// is given, instead of being replaced silently.
QString decode(const QByteArray& bytes, bool* ok = nullptr);

// True when bytes is a well-formed GBK sequence.
bool isWellFormed(const QByteArray& bytes);

// True when every character of text has a GBK encoding.
bool canEncode(const QString& text);

// Length of text in GBK bytes: one per ASCII character, two per Chinese character.
qsizetype byteLength(const QString& text);

} // namespace gbk
