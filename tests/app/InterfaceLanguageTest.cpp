#include "app/InterfaceLanguage.h"
#include "support/TestApp.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Language = InterfaceLanguage;

// The operators read Chinese: English only where the option or setting.ini chose it.
TEST(InterfaceLanguage, TheOptionThenTheSettingThenChinese)
{
    const struct {
        const char* option;
        const char* setting; // the [Interface] Language of setting.ini; null: no file
        const char* system;
        Language language;
        const char* unknown;
    } rows[] = {
        {"", nullptr, "en_US", Language::Chinese, ""},
        {"en", nullptr, "zh_CN", Language::English, ""},
        {"EN_us", nullptr, "zh_CN", Language::English, ""},
        {"zh", "en", "en_US", Language::Chinese, ""},
        {"", "en", "zh_CN", Language::English, ""},
        {"", "system", "en_GB", Language::English, ""},
        {"", "system", "zh_CN", Language::Chinese, ""},
        {"", "system", "C", Language::Chinese, ""},
        {"system", "en", "zh_TW", Language::Chinese, ""},
        {"", "  ", "en_US", Language::Chinese, ""},
        {"", "fr", "en_US", Language::Chinese, "fr"},
        {"english", "en", "en_US", Language::Chinese, "english"},
    };
    QTemporaryDir dir;
    int file = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.option) + " / " + (row.setting ? row.setting : "no file") + " / " + row.system);
        // A file of its own for each row: the settings reader keeps what it read of a path.
        const QString settings = dir.filePath(QStringLiteral("%1.ini").arg(++file));
        if (row.setting) {
            QFile file(settings);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("[RecentOpenFile]\nfile1=/a.xml\n[Interface]\nLanguage=" + QByteArray(row.setting) + "\n");
        }
        const LanguageChoice choice = chooseLanguage(QString::fromLatin1(row.option), settings,
                                                     QLocale(QString::fromLatin1(row.system)));
        EXPECT_EQ(choice.language, row.language);
        EXPECT_EQ(choice.unknownName, QString::fromLatin1(row.unknown));
        EXPECT_EQ(choice.fromOption, *row.option != 0);
    }
}

TEST(InterfaceLanguage, TheOptionIsFoundBeforeTheEndOfOptions)
{
    const struct {
        QStringList arguments;
        const char* name;
    } rows[] = {
        {{"--language", "en", "a.xml"}, "en"},
        {{"a.xml", "--language=zh"}, "zh"},
        {{"--", "--language", "en"}, ""},
        {{"--language"}, ""},
        {{"a.xml"}, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(languageArgument(row.arguments), QString::fromLatin1(row.name)) << row.arguments.join(u' ').toStdString();
}

bool hasChinese(const QString& text)
{
    static const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
    return chinese.match(text).hasMatch();
}

// The command-line tools speak the chosen language in their help and their failures; a
// language they do not know is a bad command line.
TEST(InterfaceLanguage, TheToolsSpeakTheChosenLanguage)
{
    const struct {
        const char* program;
        QStringList arguments;
        int exitCode;
        bool chinese;
        const char* errBegins;
    } rows[] = {
        {"marlune-cli", {"--language", "en", "--help"}, 0, false, ""},
        {"marlune-cli", {"--language=en", "render", "--help"}, 0, false, ""},
        {"marlune-cli", {"--language", "en", "bogus"}, 1, false, "marlune-cli: bogus: "},
        {"marlune-cli", {"--language", "en", "print", testing_support::sourcePath(QStringLiteral("examples/sample.xml")), "--quantity", "0"}, 1, false, "marlune-cli print: --quantity: "},
        {"marlune-cli", {"--language", "zh", "bogus"}, 1, true, "marlune-cli: bogus: 没有这个命令"},
        {"marlune-cli", {"--language", "xx", "--version"}, 1, true, "marlune-cli: --language: "},
        {"marlune-cli", {"--language"}, 1, true, "marlune-cli: --language: 缺少值"},
        {"marlune-cli", {"dump", "--language", "en"}, 1, true, "marlune-cli dump: --language: 没有这个选项"},
        {"marlune-sim", {"--language", "en", "--help"}, 0, false, ""},
        {"marlune-sim", {"--language", "en", "--labels", "0"}, 2, false, "marlune-sim: --labels: "},
        {"marlune-sim", {"--labels", "x"}, 2, true, "marlune-sim: --labels: "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.program) + " " + row.arguments.join(u' ').toStdString());
        QProcess process;
        process.start(testing_support::toolPath(QString::fromLatin1(row.program)), row.arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), row.exitCode) << err.toStdString();
        EXPECT_EQ(hasChinese(out + err), row.chinese) << out.toStdString() << err.toStdString();
        if (*row.errBegins)
            EXPECT_TRUE(err.startsWith(QString::fromUtf8(row.errBegins))) << err.toStdString();
        else
            EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    }
}

} // namespace
