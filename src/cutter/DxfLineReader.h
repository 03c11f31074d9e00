#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

// The lines of a DXF drawing as the importer sees them: at most 254 bytes each (the rest
// of a longer line comes back as the next line), with surrounding blanks and control
// characters trimmed. LF, CR LF and a lone CR all end a line, so drawings written on any
// system read alike. The device is read in blocks, so a drawing of any size streams.
class DxfLineReader {
public:
    static constexpr qsizetype kMaxLineLength = 254;

    explicit DxfLineReader(QIODevice& device);

    // The next line, valid until the following call; false once the drawing is exhausted.
    bool next(QByteArrayView& line);
    // Number (from 1) of the line last returned, for messages that say where.
    qint64 lineNumber() const { return m_lineNumber; }

private:
    bool atEnd();
    void skipLineEnd();

    QIODevice& m_device;
    QByteArray m_block;
    qsizetype m_position = 0;
    QByteArray m_line;
    qint64 m_lineNumber = 0;
};
