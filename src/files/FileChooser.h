#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What an open or save dialog is asked: its filter in the "description|pattern|..." form
// the label commands give, the extension added to a name typed without one, and the folder
// it starts in.
struct FileChoice {
    enum class Mode { Open, Save };

    Mode mode = Mode::Open;
    QString filter;
    QString defaultSuffix;
    QString folder;

    bool operator==(const FileChoice&) const = default;
};

// The file dialogs go through one service, like the messages: the desktop program shows a
// modal dialog, and tests answer with the path they chose, so that no test ever waits on a
// real dialog.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or an empty text when the operator cancelled.
    virtual QString choose(const FileChoice& choice) = 0;
};

// The chooser in use; without one installed every dialog counts as cancelled, which is what
// a run without a display wants.
FileChooser& fileChooser();
// Installs a chooser (not owned) or, with nullptr, returns to the cancelling one.
void setFileChooser(FileChooser* chooser);

// Where a dialog starts when no label file says where: the operator's documents folder, or
// the home folder while there is none.
QString documentsFolder();

// The name filters of a dialog for a "description|pattern|description|pattern" filter: one
// entry per pair; a pattern list "*.a;*.b" becomes "*.a *.b", and a description that does
// not already show its patterns in brackets gets them appended. A trailing description
// without a pattern stands for itself.
QStringList nameFilters(const QString& filter);

// Records every dialog asked for and answers from a queue (then with cancel). Installs
// itself for its lifetime.
class RecordingFileChooser : public FileChooser {
public:
    RecordingFileChooser();
    ~RecordingFileChooser() override;
    RecordingFileChooser(const RecordingFileChooser&) = delete;
    RecordingFileChooser& operator=(const RecordingFileChooser&) = delete;

    QString choose(const FileChoice& choice) override;

    QList<FileChoice> asked;
    QStringList answers;

private:
    FileChooser* m_previous;
};
