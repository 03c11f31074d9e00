#pragma once

#include "model/Tshape.h"

#include <QString>

// Steps the number at the end of a serial text: "A001" + 1 is "A002", "No.009-X" + 1 is
// "No.010-X" (what follows the last digit stays as a suffix). The result keeps at least as
// many characters as the number had digits, zeros going in front ("12" − 3 is "09", and
// "005" − 10 is "0-5": the zeros go before the minus sign). A text without digits, a number
// beyond the 32-bit range, or a step that would carry it beyond that range leaves the text
// unchanged.
QString IncrementSerial(const QString& text, int step);

// After every label job, whatever its quantity, also in feed mode and also for objects that
// are not printed: every serial text steps by its serialNo and every linear symbol's value by
// its selfAdd. Only the stored values change; values taken from records are never stored.
void AdvanceSerials(ShapeList& objects);

// Puts the serial values of `advanced` (the texts and symbol values AdvanceSerials steps) on
// the same objects of `stored`, leaving every other field of `stored` as it is. The lists hold
// the same objects in the same order. Returns whether any value differed.
bool takeSerialValues(const ShapeList& advanced, ShapeList& stored);
