#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Copies of one object in rows and columns: the rules every dialog with a column count
// (cmbCol), a row count (cmbRow) and the spacing between copies (txtColGap, txtRowGap)
// shares.

// The counts and spacing as the operator typed them, with the state of their controls.
struct ReplicationForm {
    QString columns = QStringLiteral("1");   // cmbCol
    QString rows = QStringLiteral("1");      // cmbRow
    QString columnGap = QStringLiteral("2"); // txtColGap, millimetres
    QString rowGap = QStringLiteral("2");    // txtRowGap, millimetres
    bool countsEnabled = true;
    bool columnGapEnabled = false; // a count of 1 has no gap
    bool rowGapEnabled = false;
};

// How an edit shows the copies: one column and one row, no gaps, all disabled, since an
// edit changes one object.
ReplicationForm singleCopy();

// A typing slip in a count ("1000" for "10") must not fill the label with a million
// records: a grid of more copies than this is refused before anything is added.
inline constexpr int maxGridObjects = 10000;

// Whether a fit sum that reaches the label's edge exactly is still accepted: some dialogs
// refuse only a grid that runs past the edge, others one that touches it.
enum class FitEdge {
    PastEdge,      // refused when greater than the label's size
    ReachingEdge,  // refused when greater than or equal to it
};

// Where a run of count copies ends: offset + count × size + (count − 1) × gap. Computed
// wide: with non-negative operands it cannot wrap whatever the counts typed.
qint64 gridExtent(int offset, int count, int size, int gap);

// Whether that run does not fit a label side of labelSize tenths of a millimetre.
bool exceedsLabel(qint64 extent, int labelSize, FitEdge edge);

// The messages of the two fit tests.
QString widthFitMessage();  // "设置的横向距离大于标签宽度！"
QString heightFitMessage(); // "设置的纵向距离大于标签高度！"

// Why a grid of rows × columns copies is refused, or an empty string: a count of 0 or less
// would add nothing at all, and more than maxGridObjects copies are refused outright.
QString gridCountProblem(int rows, int columns);

// cmbColChange / cmbRowChange: whether the gap beside a count is enabled for the count's
// text. Only a count of exactly 1 disables it (0 and negatives enable it: the count itself
// is checked on "确定"); nullopt when the text is no whole number.
std::optional<bool> gapEnabledForCount(const QString& count);
// The messages for a count that is no whole number.
QString columnCountMessage(); // "每行几列必须输入正整数！"
QString rowCountMessage();    // "每页几行必须输入正整数！"
