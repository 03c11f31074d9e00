#pragma once

class QCoreApplication;
class QTranslator;

// Puts the framework's own texts into Chinese: the buttons of message boxes ("确定", "取消",
// "是", "否"), the file dialogs and the menus of edit boxes. The translation comes with Qt
// (Debian package qt6-translations-l10n). Returns the installed translator, owned by the
// application, or nullptr when the translation is not on this machine and the framework's
// texts stay as they are.
QTranslator* installFrameworkTranslation(QCoreApplication& application);
