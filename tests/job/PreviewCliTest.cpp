#include "CutJobSupport.h"
#include "GoodsBook.h"

#include "files/LabelFile.h"
#include "support/CliRun.h"
#include "support/SimulatedMachine.h"
#include "support/TestApp.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testing_support::SimulatedMachine;
using testing_support::fileContent;
using testing_support::runCli;
using testing_support::sourcePath;

// A label whose QR code takes the goods' name from its workbook, with a cut rectangle.
QString saveGoodsLabel(const QTemporaryDir& dir, bool withCut = true)
{
    Tshape qr = makeShape(ShapeKind::PrintQRBar);
    qr.printLeft = 200;
    qr.printTop = 200;
    qr.barWidth = 4;
    qr.barValue = QStringLiteral("存货");
    qr.DBField = QStringLiteral("品名");
    Tobject document;
    document.objects = {qr};
    if (withCut)
        document.objects.append(CutJobFixture::cutRectangle());
    JobSettings job;
    job.dbName = testing_support::writeGoodsBook(dir.filePath(QStringLiteral("货品.xlsx")));
    job.tableName = QStringLiteral("货品");
    const QString path = dir.filePath(withCut ? QStringLiteral("goods.xml") : QStringLiteral("uncut.xml"));
    SaveLabel(path, document, LabelSettings(), job);
    return path;
}

} // namespace

TEST(PreviewCli, DrawsTheSampleAtPrinterResolutionWithItsCutPath)
{
    QTemporaryDir dir;
    // The sample names its pictures from the source folder.
    const ScopedWorkingDirectory sources(sourcePath(QStringLiteral(".")));
    const QString png = dir.filePath(QStringLiteral("p.png"));
    const auto run = runCli({QStringLiteral("preview"), sourcePath(QStringLiteral("examples/sample.xml")),
                             QStringLiteral("-o"), png});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    // 100 × 60 mm at 305 dots per inch.
    EXPECT_EQ(QImage(png).size(), QSize(1201, 720));
    EXPECT_TRUE(run.out.startsWith("printer\t{D0600,1000,0600|}\t")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("cutter\tQ66.667,66.667\t")) << run.out.toStdString();

    const QString svg = dir.filePath(QStringLiteral("p.svg"));
    const auto cut = runCli({QStringLiteral("preview"), sourcePath(QStringLiteral("examples/sample.xml")),
                             QStringLiteral("-o"), svg, QStringLiteral("--svg")});
    EXPECT_EQ(cut.exitCode, 0) << cut.err.toStdString();
    EXPECT_TRUE(fileContent(svg).contains("<polyline fill=\"none\" stroke=\"#800000\""));
}

// A record fills the label as the print job fills it; what cannot be followed is refused with
// the reason, and a picture that could only be drawn in part says why.
TEST(PreviewCli, FillsRecordsAndSaysWhatItCannotDo)
{
    SKIP_WITHOUT_WORKBOOK_WRITER();
    QTemporaryDir dir;
    const QString label = saveGoodsLabel(dir);
    const QString output = dir.filePath(QStringLiteral("out.png"));
    const auto preview = [&](const QStringList& options) {
        return runCli(QStringList{QStringLiteral("preview")} + options + QStringList{QStringLiteral("-o"), output});
    };
    const QString book = dir.filePath(QStringLiteral("货品.xlsx"));
    const QStringList goods{QStringLiteral("--workbook"), book, QStringLiteral("--sheet"), QStringLiteral("货品"),
                            QStringLiteral("--record")};
    ASSERT_EQ(preview(QStringList{label} + goods + QStringList{QStringLiteral("1")}).exitCode, 0);
    const QByteArray pear = fileContent(output);
    ASSERT_EQ(preview(QStringList{label} + goods + QStringList{QStringLiteral("2")}).exitCode, 0);
    EXPECT_NE(fileContent(output), pear) << "record 2 holds another name";

    Tshape missing = makeShape(ShapeKind::PrintImage);
    missing.printRight = 100;
    missing.printBottom = 100;
    missing.fileName = dir.filePath(QStringLiteral("gone.bmp"));
    Tobject broken;
    broken.objects = {missing};
    const QString brokenLabel = dir.filePath(QStringLiteral("broken.xml"));
    SaveLabel(brokenLabel, broken, LabelSettings(), JobSettings());

    const struct {
        const char* name;
        QStringList options;
        int exitCode;
        const char* reason;
    } rows[] = {
        {"a sheet without a record", {label, QStringLiteral("--sheet"), QStringLiteral("货品")}, 1,
         "这几个选项要一起给出"},
        {"a record the sheet lacks", QStringList{label} + goods + QStringList{QStringLiteral("9")}, 1,
         "没有第 9 条记录"},
        {"nothing to cut", {saveGoodsLabel(dir, false), QStringLiteral("--svg")}, 1, "目前没有雕刻对象！"},
        {"a picture that is gone", {brokenLabel}, 2, "打印任务在这里中断"},
    };
    for (const auto& row : rows) {
        const auto run = preview(row.options);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.name << ": " << run.err.toStdString();
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(QString::fromUtf8(row.reason)))
            << row.name << ": " << run.err.toStdString();
    }
}

// A print-and-cut run against the virtual machine leaves one picture of each label printed
// and one of each cut.
TEST(PreviewCli, TheVirtualMachineDrawsEveryLabelItReceives)
{
    QTemporaryDir dir;
    const QString pictures = dir.filePath(QStringLiteral("pictures"));
    SimulatedMachine sim({QStringLiteral("--print-ms"), QStringLiteral("20"), QStringLiteral("--render"), pictures,
                          QStringLiteral("--render-dpi"), QStringLiteral("203")});
    ASSERT_FALSE(sim.cutterPath().isEmpty());
    const auto run = runCli({QStringLiteral("run"), saveGoodsLabel(dir), QStringLiteral("--printer"), sim.printerPath(),
                             QStringLiteral("--status"), sim.statusPath(), QStringLiteral("--cutter"),
                             sim.cutterPath(), QStringLiteral("--quantity"), QStringLiteral("2")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QDir(pictures).entryList(QDir::Files),
              QStringList({QStringLiteral("label-0001.png"), QStringLiteral("label-0001.svg"),
                           QStringLiteral("label-0002.png"), QStringLiteral("label-0002.svg")}));
    // A new label, 130 × 90 mm, at 203 dots per inch.
    EXPECT_EQ(QImage(QDir(pictures).filePath(QStringLiteral("label-0002.png"))).size(), QSize(1039, 719));
}
