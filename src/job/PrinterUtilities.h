#pragma once

#include "job/PrintLabel.h"

#include <QStringList>

#include <optional>

// The printer utilities of the job window.

// More than 10 copies are printed only when the operator confirms them
// ("打印数量大于10，您确定要打印吗？", Yes/No).
bool confirmQuantity(int quantity);

// The quantity of blank labels: a whole number from 1 to 9999, the most the printer's issue
// command holds. Anything else is refused with a message (nullopt), so that neither "0000",
// "00-5" nor a quantity cut to four places reaches the printer.
std::optional<int> blankFeedQuantity(const QString& quantityText);

// "出空白纸": a label job without objects. The quantity is checked (blankFeedQuantity), and
// above 10 confirmed (confirmQuantity); then the header (width and height never exchanged)
// and the issue command for the quantity. Serial values do not advance. Raises
// ConversionError for a setting text that is no number.
PrintOutcome FeedBlankLabels(const PrintJobContext& job, int width, int height, int offsetX, int offsetY);

// The lines the raw printer command box starts with: a complete test label.
QStringList defaultPrintCommandLines();

// "执行打印命令": the text of the command box, each of its lines ended by a carriage return and
// line feed, in one write to the printer port the window shows (the operator chose it there,
// whether or not the settings hold it yet). A box without commands is refused.
PrintOutcome SendPrintCommands(const QString& portName, const QString& baudText, const QString& boxText);
