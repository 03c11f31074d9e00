#pragma once

#include "model/JobSettings.h"
#include "model/LabelSettings.h"
#include "model/Tobject.h"

#include <QByteArray>
#include <QString>

class RecentFiles;

// What a label file is read into: the document and the two shared settings records. The
// main window's zoom is the document's zoom; it is saved as "Zoom".
struct LabelTarget {
    Tobject& document;
    LabelSettings& label;
    JobSettings& job;
};

// Where a reading step ended early.
struct LabelReadStop {
    int object = 0;   // object elements counted from 1; 0 for the settings
    QString element;  // "printString", or "Label" for the settings
    QString field;    // the child element that was missing or malformed
    QString reason;   // "missing" or the conversion message
    QString text;     // the malformed value as the file holds it

    QString describe() const;
};

struct LabelLoadResult {
    bool fileFound = true; // false: "文件不存在！" was shown and nothing changed
    // False when an object was missing a required element or held a malformed value: the
    // objects before it were loaded, it and everything after it were not. Saving such a label
    // would drop the rest of the file, so the window warns.
    bool complete = true;
    LabelReadStop objectStop;
    // The settings step ended at a missing or malformed setting (a file of an older version
    // lacks its newer settings); the settings not read kept their values.
    bool settingsComplete = true;
    LabelReadStop settingsStop;
    // The recent-file list could not be written; the label was loaded all the same.
    QString recentFilesError;
};

// Opens a label file: replaces the document's objects and the settings with the file's
// content and adds path to the recent-file list (when one is given). The document counts as
// not modified afterwards and its undo list holds the objects of the label open before.
// A missing file shows "文件不存在！" and changes nothing. A file that cannot be read or
// parsed, that is no label file ("不是标签文件"), or whose root element has no child, raises
// FileError and changes nothing but the recent-file list. The window then sets its caption and redraws.
LabelLoadResult LoadLabel(const QString& path, const LabelTarget& target, RecentFiles* recentFiles);

// The same reading from bytes already in memory (the file name only names the source in
// messages).
LabelLoadResult readLabel(const QByteArray& bytes, const QString& sourceName, const LabelTarget& target);

// The label file's bytes for a document and its settings.
QByteArray labelFileBytes(const Tobject& document, const LabelSettings& label, const JobSettings& job);

// Writes the label to path through a temporary file beside it that then replaces path, so a
// failed or interrupted save leaves the previous file whole. On success the document counts
// as not modified; on failure FileError is raised and the document stays as it was.
void SaveLabel(const QString& path, Tobject& document, const LabelSettings& label, const JobSettings& job);
