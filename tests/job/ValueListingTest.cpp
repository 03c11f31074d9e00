#include "job/RecordFields.h"
#include "job/ValueListing.h"

#include <gtest/gtest.h>

namespace {

TEST(ValueListing, OneLinePerPrintObjectWithItsListPosition)
{
    Tshape text = makeShape(ShapeKind::PrintString);
    text.str = QStringLiteral("a\tb\nc\\d");
    text.DBField = QStringLiteral("品名");
    Tshape bar = makeShape(ShapeKind::PrintBar);
    bar.barValue = QStringLiteral("100");
    bar.beginStr = QStringLiteral("P");
    Tshape unknown;
    unknown.Type = QStringLiteral("printCircle");
    const ShapeList objects{makeShape(ShapeKind::CutRect), text, unknown, bar,
                            makeShape(ShapeKind::PrintRect)};

    EXPECT_EQ(valueListing(objects, nullptr, QStringLiteral("/")),
              (QStringList{QStringLiteral("1\tprintString\ta\\tb\\nc\\\\d"),
                           QStringLiteral("3\tprintBar\tP100"), QStringLiteral("4\tprintRect\t")}));

    const MemoryRecord record{{QStringLiteral("品名"), QStringLiteral("梨")}};
    EXPECT_EQ(valueListing(objects, &record, QStringLiteral("/")).first(),
              QStringLiteral("1\tprintString\t梨"));
}

} // namespace
