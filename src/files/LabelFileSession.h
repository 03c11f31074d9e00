#pragma once

#include "files/FileChooser.h"
#include "files/LabelFile.h"
#include "files/RecentFiles.h"

#include <QObject>

#include <optional>

// The file side of the editor: the label file being edited, the recent-file list, and the
// commands that open and save the label with their prompts and dialogs. Every failure is
// shown in the application's standard error box and ends only the command that met it.
class LabelFileSession : public QObject {
    Q_OBJECT
public:
    enum class SaveOutcome { Saved, Cancelled, Failed };

    explicit LabelFileSession(const LabelTarget& target, QObject* parent = nullptr);

    // The open dialog lists label files first and all files second; the save dialog only
    // label files and replaces an existing file without asking.
    static FileChoice openChoice(const QString& folder);
    static FileChoice saveChoice(const QString& folder);

    void setRecentFiles(const RecentFiles& recentFiles) { m_recentFiles = recentFiles; }
    // The paths of the recent-file list that are not empty, most recent first.
    QStringList recentEntries() const;

    // The path of the label file last loaded or saved; empty for a label never saved.
    const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& path);

    // Loads a label file and records it in the recent-file list. False when nothing was
    // loaded: the file is missing ("文件不存在！") or cannot be read (error box). A file
    // read only in part is loaded as far as it goes and the operator is told where reading
    // stopped, since saving it afterwards would leave the rest out.
    bool open(const QString& path);
    // The unsaved-changes prompt, then the open dialog; false when nothing was loaded.
    bool openWithDialog();
    // Saves to the label's own file, asking for a path when it has none yet. The recent-file
    // list is not changed.
    SaveOutcome save();
    // Saves under a path chosen in the dialog and puts that path first in the recent list.
    SaveOutcome saveAs();

    // The unsaved-changes prompt of New, Open and Close file: false stops the command.
    // Cancelling the save dialog after "Yes" still goes on; a save that failed does not.
    bool confirmDiscard();
    // The close query of the main window: false keeps the program open.
    bool closeQuery();

    // Where the open and save dialogs start: the folder of the label's file, or the
    // documents folder for a label never saved.
    QString dialogFolder() const;

signals:
    void fileNameChanged(const QString& fileName);
    // The document and the settings hold a label just read; the view shows it.
    void labelLoaded();

private:
    SaveOutcome saveTo(const QString& path);
    void warnIfPartlyRead(const LabelLoadResult& result);

    LabelTarget m_target;
    std::optional<RecentFiles> m_recentFiles;
    QString m_fileName;
};
