#include "data/InRange.h"
#include "data/Tdm.h"
#include "model/ConversionError.h"

#include <gtest/gtest.h>

namespace {

enum class Outcome { In, Out, Raises };

struct RangeCase {
    int n;
    const char16_t* text;
    Outcome expected;
};

// Rows established from the record range rules: items read left to right until a match,
// a trailing "," supplied when missing, every item read as an integer when reached.
const RangeCase kRangeCases[] = {
    {4, u"1,3-5,", Outcome::In},
    {6, u"1,3-5", Outcome::Out},
    {2, u"2", Outcome::In},           // the "," is added
    {1, u"", Outcome::Raises},        // becomes "," whose one item is empty
    {1, u"1,,3", Outcome::In},        // the empty item after the match is never read
    {3, u"1,,3", Outcome::Raises},
    {4, u"5-3", Outcome::Out},        // a reversed range matches nothing
    {5, u"5-3,5", Outcome::In},
    {3, u"3-", Outcome::Raises},
    {5, u"-5", Outcome::Raises},
    {1, u"1 ,2", Outcome::Raises},    // a space after a number
    {2, u"1, 2", Outcome::In},        // a space before one reads
    {1, u"a", Outcome::Raises},
    {1, u"1,a", Outcome::In},         // "a" after the match is never read
    {2, u"1,a", Outcome::Raises},
    {7, u"1-3,5,7", Outcome::In},
    {12, u"1-12", Outcome::In},       // what "select all" writes for 12 rows
    {13, u"1-12", Outcome::Out},
    {3, u"1-3,5,", Outcome::In},
    {4, u"1-3,5,", Outcome::Out},
    {1, u",1", Outcome::Raises},      // a leading empty item
    {2, u"2-2-2", Outcome::Raises},   // "2-2" after the first "-" is no number
};

TEST(InRange, FollowsTheRecordRangeRules)
{
    for (const RangeCase& row : kRangeCases) {
        const QString text = QString::fromUtf16(row.text);
        SCOPED_TRACE(QStringLiteral("n=%1 text='%2'").arg(row.n).arg(text).toStdString());
        if (row.expected == Outcome::Raises) {
            EXPECT_THROW(InRange(row.n, text), ConversionError);
            EXPECT_THROW(Tdm::InRange(row.n, text), ConversionError);
        } else {
            EXPECT_EQ(InRange(row.n, text), row.expected == Outcome::In);
            EXPECT_EQ(Tdm::InRange(row.n, text), row.expected == Outcome::In);
        }
    }
}

} // namespace
