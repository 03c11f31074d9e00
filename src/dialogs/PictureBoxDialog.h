#pragma once

#include "dialogs/BoxDialog.h"
#include "dialogs/CutBoxForms.h"

// A box dialog for a bitmap: after the gaps, the file name txtFileName and its browse
// button "...", which offers the bitmaps of the filter given.
class PictureBoxDialog : public BoxDialog {
    Q_OBJECT
public:
    using Form = PictureBoxForm;

    void showForm(const Form& form);
    Form form() const;

public slots:
    void btnFileNameClick();

protected:
    PictureBoxDialog(const QString& name, const QString& caption, const QString& filter, QWidget* parent);

private:
    QString m_filter;
    QLineEdit* m_fileName = nullptr;
};
