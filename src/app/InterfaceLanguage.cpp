#include "app/InterfaceLanguage.h"

#include "model/SettingsFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTranslator>

#include <cstdio>

namespace {

const QString kLanguageKey = QStringLiteral("Interface/Language");

} // namespace

bool languageNamed(const QString& name, const QLocale& system, InterfaceLanguage* language)
{
    const QString base = name.trimmed().section(u'_', 0, 0).section(u'-', 0, 0).toLower();
    if (base == u"zh")
        *language = InterfaceLanguage::Chinese;
    else if (base == u"en")
        *language = InterfaceLanguage::English;
    else if (base == u"system")
        *language = system.language() == QLocale::English ? InterfaceLanguage::English : InterfaceLanguage::Chinese;
    else
        return false;
    return true;
}

QString languageArgument(const QStringList& arguments)
{
    const QString option = QStringLiteral("--language");
    for (qsizetype i = 0; i < arguments.size() && arguments[i] != u"--"; ++i) {
        if (arguments[i] == option)
            return arguments.value(i + 1);
        if (arguments[i].startsWith(option + u'='))
            return arguments[i].mid(option.size() + 1);
    }
    return {};
}

LanguageChoice chooseLanguage(const QString& option, const QString& settingsFile, const QLocale& system)
{
    LanguageChoice choice;
    choice.fromOption = !option.isEmpty();
    QString name = option;
    if (!choice.fromOption && QFileInfo::exists(settingsFile))
        name = QSettings(settingsFile, QSettings::IniFormat).value(kLanguageKey).toString();
    if (!name.trimmed().isEmpty() && !languageNamed(name, system, &choice.language))
        choice.unknownName = name;
    return choice;
}

std::optional<InterfaceLanguage> startInChosenLanguage(QCoreApplication& application, const QString& option,
                                                       const char* program)
{
    const QString settingsFile = programSettingsFile();
    const LanguageChoice choice = chooseLanguage(option, settingsFile, QLocale::system());
    if (!installInterfaceLanguage(application, choice.language))
        std::fprintf(stderr, "%s: the English translation could not be loaded\n", program);
    if (choice.unknownName.isEmpty())
        return choice.language;
    const QString reason = QCoreApplication::translate("InterfaceLanguage", "没有“%1”这种界面语言：可选 zh、en 或 system")
                               .arg(choice.unknownName);
    const QString where = choice.fromOption ? QStringLiteral("--language") : settingsFile;
    std::fprintf(stderr, "%s: %s: %s\n", program, qUtf8Printable(where), qUtf8Printable(reason));
    if (choice.fromOption)
        return std::nullopt;
    return choice.language;
}

bool installInterfaceLanguage(QCoreApplication& application, InterfaceLanguage language)
{
    if (language == InterfaceLanguage::Chinese)
        return true;
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral(":/i18n/marlune_en.qm")) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}
