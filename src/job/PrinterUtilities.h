#pragma once

#include "job/PrintLabel.h"

#include <QStringList>

// The printer utilities of the job window.

// More than 10 copies are printed only when the operator confirms them
// ("打印数量大于10，您确定要打印吗？", Yes/No).
bool confirmQuantity(int quantity);

// "出空白纸": a label job without objects. A quantity above 10 is confirmed first
// (confirmQuantity); then the header (width and height never exchanged)
// and the issue command for the quantity text itself. Serial values do not advance. Raises
// ConversionError for a quantity or setting text that is no number.
PrintOutcome FeedBlankLabels(const PrintJobContext& job, int width, int height, int offsetX, int offsetY);

// The lines the raw printer command box starts with: a complete test label.
QStringList defaultPrintCommandLines();

// "执行打印命令": the lines, each ended by a carriage return and line feed, in one write to
// the stored printer port.
PrintOutcome SendPrintCommands(const JobSettings& settings, const QString& baudText, const QStringList& lines);
