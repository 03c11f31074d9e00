#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

class QCoreApplication;

// The language of the windows, the messages and the tools' texts. The machine's operators read
// Chinese, the language the program is written in; English is a translation the operator
// chooses.
enum class InterfaceLanguage { Chinese, English };

struct LanguageChoice {
    InterfaceLanguage language = InterfaceLanguage::Chinese;
    // A name that was given but is no language the program speaks (it then speaks Chinese),
    // and where it was given: the --language option or the settings file.
    QString unknownName;
    bool fromOption = false;
};

// The language named "zh", "en" or "system" (any case; "zh_CN" or "en-US" name the same).
// "system" follows the system's language: English when that is English, else Chinese.
// Returns false for any other name.
bool languageNamed(const QString& name, const QLocale& system, InterfaceLanguage* language);

// The value of "--language NAME" or "--language=NAME" among the arguments before "--";
// empty when not given.
QString languageArgument(const QStringList& arguments);

// The option's language when given, else the Language of the settings file's [Interface]
// section, else Chinese.
LanguageChoice chooseLanguage(const QString& option, const QString& settingsFile, const QLocale& system);

// Chooses the language of the running program (option, its setting.ini, the system's locale)
// and installs its translation; returns the language. A name that is no language is said on
// stderr: from the option as "program: --language: reason" and nullopt is returned (a bad
// command line); from the settings file as a warning, and the program goes on in Chinese.
std::optional<InterfaceLanguage> startInChosenLanguage(QCoreApplication& application, const QString& option,
                                                       const char* program);

// Installs the program's translation into language (English: the translation built into the
// program; Chinese: none, the texts are written in it). Returns whether the language is in place.
bool installInterfaceLanguage(QCoreApplication& application, InterfaceLanguage language);
