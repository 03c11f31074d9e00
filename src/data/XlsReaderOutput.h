#pragma once

#include "data/SheetTable.h"

#include <QByteArray>
#include <QStringList>

// What the binary-workbook reader process reported (see XlsReaderProtocol.h).
struct XlsReaderOutput {
    QStringList sheetNames;
    SheetRows rows; // of the sheet asked for; empty when only the names were asked
};

// Parses the reader's output strictly: anything but a complete, well-formed stream is a
// damaged workbook. A failure the reader reports becomes the operator's message. Throws
// DataSourceError; workbook and sheetName name the file and the sheet in messages.
XlsReaderOutput parseXlsReaderOutput(const QByteArray& output, const QString& workbook,
                                     const QString& sheetName);

// The message for a workbook the reader could not get through.
QString damagedXlsMessage(const QString& workbook);
