#pragma once

#include "printer/PrinterStreamReader.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>

// The pictures of what a machine receives, so that a run can be looked at label by label:
// every label the printer prints becomes "label-NNNN.png" (its dots at the printer's
// resolution) and every cut stream that cuts something "label-NNNN.svg" (the knife's path),
// each numbered from 1 in the order they arrive.
class RunPictures {
public:
    RunPictures(const QString& folder, int dpi);

    // The next bytes the printer's port received.
    void printerBytes(const QByteArray& bytes);
    // The next bytes the cutter's port received; a stream ends with "@".
    void cutterBytes(const QByteArray& bytes);

    // What could not be drawn or written since the last call: one line each, starting with
    // the file's name.
    QStringList takeMessages();

    static QString fileName(int number, const char* extension);

private:
    void write(const QString& name, const QByteArray& content);
    void report(const QString& name, const QList<StreamProblem>& problems);

    QDir m_folder;
    PrinterStreamReader m_printer;
    QByteArray m_cutterPending;
    int m_labels = 0;
    int m_cuts = 0;
    QStringList m_messages;
};
