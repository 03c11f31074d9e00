#pragma once

#include "job/LabelPreview.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;

// The job window's "预览": the next label as the printer prints it from the commands it is
// sent, the knife's path over it, what both machines are set up to do and every command the
// preview could not draw. It stays open beside the job window and shows the latest preview.
class LabelPreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit LabelPreviewWindow(QWidget* parent);

    // notes lead the list: what the operator should know before reading the picture.
    void showPreview(const NextLabelPreview& preview, const QStringList& notes);

private:
    QLabel* m_source;
    QLabel* m_picture;
    QPlainTextEdit* m_report;
};
