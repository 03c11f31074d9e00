#pragma once

#include "dialogs/Replication.h"

#include <QString>

#include <functional>
#include <optional>

class Tobject;
struct Tshape;

// A box placed on the label, and its copies, as the operator typed them: millimetres for
// the position, the size and the gaps between neighbouring copies, whole counts.
struct BoxForm {
    QString left = QStringLiteral("10");   // txtLeft
    QString top = QStringLiteral("10");    // txtTop
    QString width = QStringLiteral("35");  // txtWidth
    QString height = QStringLiteral("35"); // txtHeight
    ReplicationForm copies;
};

// The same box in tenths of a millimetre.
struct BoxValues {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int columns = 1;
    int rows = 1;
    int columnGap = 0;
    int rowGap = 0;

    // The far edges the add operations take, held to the 32-bit range for any typed size.
    int right() const;
    int bottom() const;
};

// Converts every field; a field that is not a number raises ConversionError.
BoxValues boxValues(const BoxForm& form);

// The preset of the create commands: the box at (left, top) with the given size, counts
// enabled; the counts and the gaps keep what they held last.
void presetBox(BoxForm& form, const QString& left, const QString& top, const QString& width,
               const QString& height);
// The preset most box commands share: a 10 mm box at the label's top-left corner, counts
// enabled, and the gaps off, since one copy needs none.
void presetCornerBox(BoxForm& form);

// The checks every box dialog shares, in the order the operator meets them: position,
// size, gaps, the counts, the corner radius where the box has one, then whether the copies
// fit the label of labelWidth × labelHeight tenths of a millimetre. The first failing
// check's message, or an empty string.
QString boxProblem(const BoxValues& box, FitEdge fit, int labelWidth, int labelHeight,
                   std::optional<int> radius = std::nullopt);

// The checks of the position, the size and the gaps alone, on values in any unit.
QString boxFieldsProblem(double left, double top, double width, double height, double columnGap,
                         double rowGap);
// The corner radius against the box: at least 0, at most half the smaller side (whole
// tenths, halves rounded down).
QString radiusProblem(int radius, int width, int height);
// Whether the copies fit the label.
QString fitProblem(const BoxValues& box, FitEdge fit, int labelWidth, int labelHeight);

// The edit of an object placed as a box. Its dialog shows the model box in millimetres and
// one copy, the counts and the gaps disabled; the create commands' presets enable them again.
void fillEditedBox(BoxForm& form, const Tshape& shape);
// Writes both boxes back: the position truncated to tenths of a millimetre, the far edges
// from the unrounded sums of position and size, so that a size does not lose a tenth to
// truncating twice. Raises ConversionError for a field that is no number.
void writeEditedBox(const BoxForm& form, Tshape& shape, const Tobject& document);

// "请输入正确的数据！": a field that is not a number.
QString wrongDataMessage();
// The problem check finds, or wrongDataMessage() when a field it converts is no number.
QString problemOrWrongData(const std::function<QString()>& check);
