#include "RecordShapes.h"

#include "job/RecordFields.h"
#include "job/VariableData.h"
#include "model/ConversionError.h"

#include <gtest/gtest.h>

namespace {

const QString kDate = QStringLiteral("日期");
const QString kText = QStringLiteral("文本");

MemoryRecord sampleRecord()
{
    return MemoryRecord{
        {QStringLiteral("名称"), QStringLiteral("  苹果  ")},
        {QStringLiteral("生产日期"), QDate(2017, 3, 5)},
        {QStringLiteral("到期"), QStringLiteral("2018-12-31")},
        {QStringLiteral("备注"), QStringLiteral("无")},
        {QStringLiteral(" 名称 "), QStringLiteral("padded column")},
        {QStringLiteral("条码"), QStringLiteral("6901234")},
    };
}

Tshape text(const QString& field, const QString& type = kText, int style = 0)
{
    return recordText(field, type, style);
}

TEST(VariableData, TextValues)
{
    const MemoryRecord record = sampleRecord();
    struct Case {
        Tshape shape;
        bool useRecord;
        const char16_t* expected;
    } const cases[] = {
        {text(QStringLiteral("名称")), false, u"stored"},
        {text(QStringLiteral("名称")), true, u"  苹果  "},        // the field's text as it is
        {text(QString()), true, u"stored"},
        {text(QStringLiteral("   ")), true, u"stored"},          // blanks only: no column
        {text(QStringLiteral(" 名称 ")), true, u"padded column"}, // looked up as stored
        {text(QStringLiteral("生产日期"), kDate, 4), true, u"2017-3-5"},
        {text(QStringLiteral("生产日期"), kDate, 8), true, u"17.03.05"},
        {text(QStringLiteral("生产日期"), kDate, 0), true, u"2017.03.05"}, // "/" is "."
        {text(QStringLiteral("到期"), kDate, 3), true, u"2018.12.31"},
        {text(QStringLiteral("生产日期"), kDate, 12), true, u"2017-03-05"}, // no style: text
        {text(QStringLiteral("备注"), kDate, -1), true, u"无"},
        {text(QStringLiteral("生产日期"), kText, 4), true, u"2017-03-05"},
        {text(QStringLiteral("生产日期"), kDate, 4), false, u"stored"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(textValue(c.shape, c.useRecord ? &record : nullptr, QStringLiteral(".")),
                  QString::fromUtf16(c.expected))
            << qPrintable(c.shape.DBField) << " style " << c.shape.DBDateStyle;
    }
}

TEST(VariableData, ADateColumnWithoutADateEndsTheJob)
{
    const MemoryRecord record = sampleRecord();
    EXPECT_THROW(textValue(text(QStringLiteral("备注"), kDate, 1), &record), ConversionError);
}

TEST(VariableData, AMissingColumnEndsTheJobNamingTheColumn)
{
    const MemoryRecord record = sampleRecord();
    Tshape bar = makeShape(ShapeKind::PrintBar);
    bar.DBField = QStringLiteral("  "); // symbols do not trim: a column named by blanks
    Tshape qr = makeShape(ShapeKind::PrintQRBar);
    qr.DBField = QStringLiteral("数量");
    const Tshape cases[] = {text(QStringLiteral("价格")), text(QStringLiteral("价格"), kDate, 2),
                            bar, qr};
    for (const Tshape& shape : cases) {
        try {
            printValue(shape, &record);
            ADD_FAILURE() << "no failure for " << qPrintable(shape.DBField);
        } catch (const RecordFieldError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("找不到字段“%1”").arg(shape.DBField));
        }
    }
}

Tshape symbol(ShapeKind kind, const QString& field)
{
    Tshape shape = makeShape(kind);
    shape.barValue = QStringLiteral("123");
    shape.DBField = field;
    shape.beginStr = QStringLiteral("<");
    shape.endStr = QStringLiteral(">");
    shape.barType = QStringLiteral("code39(standard)");
    shape.if39Star = 1;
    return shape;
}

TEST(VariableData, SymbolDataAndHumanReadableLine)
{
    const MemoryRecord record = sampleRecord();
    Tshape plain = symbol(ShapeKind::PrintBar, QString());
    plain.beginStr.clear();
    plain.barType = QStringLiteral("CODE128(with auto code)");
    Tshape fullAscii = symbol(ShapeKind::PrintBar, QString());
    fullAscii.barType = QStringLiteral("CODE39(full ASCII)");
    Tshape noStar = fullAscii;
    noStar.if39Star = 0;
    struct Case {
        Tshape shape;
        bool useRecord;
        const char16_t* data;
        const char16_t* line;
    } const cases[] = {
        {symbol(ShapeKind::PrintBar, QString()), true, u"<123>", u"*<123>*"},
        {symbol(ShapeKind::PrintBar, QStringLiteral("条码")), true, u"<6901234>", u"*<6901234>*"},
        {symbol(ShapeKind::PrintBar, QStringLiteral("条码")), false, u"<123>", u"*<123>*"},
        {plain, false, u"123>", u"123>"},
        {fullAscii, false, u"<123>", u"*<123>*"},
        {noStar, false, u"<123>", u"<123>"},
        // Two-dimensional symbols encode the value alone.
        {symbol(ShapeKind::PrintQRBar, QStringLiteral("条码")), true, u"6901234", nullptr},
        {symbol(ShapeKind::PrintDataMatrix, QString()), true, u"123", nullptr},
        {symbol(ShapeKind::PrintPdf417Bar, QStringLiteral("名称")), true, u"  苹果  ", nullptr},
    };
    for (const Case& c : cases) {
        const RecordFields* source = c.useRecord ? &record : nullptr;
        EXPECT_EQ(printValue(c.shape, source), QString::fromUtf16(c.data)) << qPrintable(c.shape.Type);
        if (c.line) {
            EXPECT_EQ(humanReadableLine(c.shape, source), QString::fromUtf16(c.line));
        }
    }
}

TEST(VariableData, KindsWithoutAValueSendNothing)
{
    const MemoryRecord record = sampleRecord();
    for (const ShapeKind kind : {ShapeKind::PrintRect, ShapeKind::PrintLine, ShapeKind::PrintImage,
                                 ShapeKind::CutRect, ShapeKind::None}) {
        Tshape shape = makeShape(kind);
        shape.str = QStringLiteral("x");
        shape.barValue = QStringLiteral("y");
        shape.DBField = QStringLiteral("no such column");
        EXPECT_TRUE(printValue(shape, &record).isEmpty()) << qPrintable(shape.Type);
    }
}

} // namespace
