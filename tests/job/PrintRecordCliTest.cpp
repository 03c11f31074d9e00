#include "GoodsBook.h"

#include "files/LabelFile.h"
#include "model/TextCodec.h"
#include "support/CliRun.h"
#include "support/TestApp.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using testing_support::runCli;

// A record-bound symbol prints the record's value, chosen by --record, instead of the stored one.
TEST(PrintRecordCli, FillsVariableObjectsFromTheChosenRecord)
{
    SKIP_WITHOUT_WORKBOOK_WRITER();
    QTemporaryDir dir;
    const QString book = testing_support::writeGoodsBook(dir.filePath(QStringLiteral("货品.xlsx")));
    const QString label = dir.filePath(QStringLiteral("label.xml"));
    Tshape qr = makeShape(ShapeKind::PrintQRBar);
    qr.barWidth = 4;
    qr.barValue = QStringLiteral("存货");
    qr.DBField = QStringLiteral("品名");
    Tobject document;
    document.objects = {qr};
    SaveLabel(label, document, LabelSettings(), JobSettings());

    struct Row {
        const char* record;
        const char16_t* expected;
    };
    const Row rows[] = {{"1", u"梨"}, {"2", u"桃"}};
    for (const Row& row : rows) {
        const QString stream = dir.filePath(QStringLiteral("record%1.prn").arg(row.record));
        const auto run = runCli({QStringLiteral("print"), label, QStringLiteral("-o"), stream,
                                 QStringLiteral("--workbook"), book, QStringLiteral("--sheet"),
                                 QStringLiteral("货品"), QStringLiteral("--record"),
                                 QString::fromLatin1(row.record)});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QByteArray bytes = testing_support::fileContent(stream);
        EXPECT_TRUE(bytes.contains(gbk::encode(QString::fromUtf16(row.expected)))) << row.record;
        EXPECT_FALSE(bytes.contains(gbk::encode(QStringLiteral("存货")))) << row.record;
    }

    const auto outside = runCli({QStringLiteral("print"), label, QStringLiteral("-o"),
                                 dir.filePath(QStringLiteral("none.prn")), QStringLiteral("--workbook"),
                                 book, QStringLiteral("--sheet"), QStringLiteral("货品"),
                                 QStringLiteral("--record"), QStringLiteral("3")});
    EXPECT_EQ(outside.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(outside.err).contains(QStringLiteral("没有第 3 条记录")))
        << outside.err.toStdString();

    const auto alone = runCli({QStringLiteral("print"), label, QStringLiteral("--record"),
                               QStringLiteral("1")});
    EXPECT_EQ(alone.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(alone.err).contains(QStringLiteral("这几个选项要一起给出"))) << alone.err.toStdString();
}
