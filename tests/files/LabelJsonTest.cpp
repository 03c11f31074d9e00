#include "LabelTestData.h"

#include "files/LabelJson.h"
#include "support/CliRun.h"
#include "support/TestApp.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(LabelJson, FieldsKeepTheFileOrderAndTheirTypes)
{
    LabelState state = everyKindLabel();
    state.document.objects[9].strGap = 1.1f;
    const QByteArray json = labelToJson(false, state.label, state.job, state.document.objects);
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(json, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();

    EXPECT_TRUE(json.startsWith("{\"complete\": false, \"settings\": {\"Width\": 1300, \"Height\": 900, \"Gap\": 0,"));
    EXPECT_EQ(root.value(u"settings").toObject().size(), 58);
    EXPECT_EQ(root.value(u"settings").toObject().value(u"mcX").toDouble(), 66.667);
    const QJsonArray objects = root.value(u"objects").toArray();
    ASSERT_EQ(objects.size(), 15);
    const QJsonObject text = objects[9].toObject();
    EXPECT_TRUE(text.value(u"Selected").isBool());
    EXPECT_TRUE(text.value(u"ifPrint").isBool());
    EXPECT_EQ(text.value(u"Type").toString(), u"printString");
    EXPECT_EQ(static_cast<float>(text.value(u"strGap").toDouble()), 1.1f) << "reals read back exactly";
    EXPECT_EQ(text.value(u"bold").toInteger(), state.document.objects[9].bold);
    EXPECT_EQ(text.value(u"str").toString(), state.document.objects[9].str);
    const qsizetype name = json.indexOf("\"name\":", json.indexOf("\"printString\"") - 400);
    EXPECT_LT(json.indexOf("\"Left\":", name), json.indexOf("\"printLeft\":", name));
    EXPECT_LT(json.indexOf("\"str\":", name), json.indexOf("\"DBDateStyle\":", name));
}

TEST(LabelJson, ControlCharactersAreEscaped)
{
    LabelState state;
    Tshape text = makeShape(ShapeKind::PrintString);
    text.str = QStringLiteral("a\"b\\c\nd\x01");
    state.document.objects.append(text);
    const QByteArray json = labelToJson(true, state.label, state.job, state.document.objects);
    EXPECT_TRUE(json.contains(R"("str": "a\"b\\c\nd\u0001")")) << json.toStdString();
}

using testing_support::CliRun;
using testing_support::runCli;

TEST(LabelCli, DumpAndResave)
{
    QTemporaryDir dir;
    const QString label = dir.filePath(QStringLiteral("label.xml"));
    const QString partial = dir.filePath(QStringLiteral("partial.xml"));
    const QString copy = dir.filePath(QStringLiteral("copy.xml"));
    const QString notXml = dir.filePath(QStringLiteral("notes.xml"));
    ASSERT_TRUE(writeFile(notXml, "Width=1300"));
    LabelState state = everyKindLabel();
    SaveLabel(label, state.document, state.label, state.job);
    ASSERT_TRUE(writeFile(partial, withoutElement(state.bytes(), "printTop", 2)));

    const CliRun dump = runCli({QStringLiteral("dump"), label});
    EXPECT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    EXPECT_EQ(dump.out, labelToJson(true, state.label, state.job, state.document.objects) + '\n');

    const CliRun partialDump = runCli({QStringLiteral("dump"), partial});
    EXPECT_EQ(partialDump.exitCode, 0);
    EXPECT_TRUE(partialDump.out.startsWith("{\"complete\": false"));
    EXPECT_TRUE(QString::fromUtf8(partialDump.err).contains(u"第 3 个对象")) << partialDump.err.toStdString();

    const CliRun resave = runCli({QStringLiteral("resave"), label, QStringLiteral("-o"), copy});
    EXPECT_EQ(resave.exitCode, 0) << resave.err.toStdString();
    EXPECT_EQ(testing_support::fileContent(copy), state.bytes());

    const struct {
        const char* description;
        QStringList arguments;
        const char* message;
    } failures[] = {
        {"missing file", {QStringLiteral("dump"), dir.filePath(QStringLiteral("none.xml"))}, "文件不存在！"},
        {"a folder", {QStringLiteral("dump"), dir.path()}, "这是文件夹，不是文件"},
        {"not XML", {QStringLiteral("dump"), notXml}, "不是可读的 XML 文件"},
        {"partly read label", {QStringLiteral("resave"), partial, QStringLiteral("-o"), copy}, "标签只读入了一部分：读到第 3 个对象"},
        {"no output option", {QStringLiteral("resave"), label}, "--output: 必须给出这个选项（用法：marlune-cli resave LABEL.xml -o OUT.xml）"},
    };
    for (const auto& failure : failures) {
        const CliRun run = runCli(failure.arguments);
        EXPECT_EQ(run.exitCode, 1) << failure.description;
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(QString::fromUtf8(failure.message)))
            << failure.description << ": " << run.err.toStdString();
    }
}

} // namespace
