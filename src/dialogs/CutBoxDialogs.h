#pragma once

#include "dialogs/BoxDialog.h"

// "刻圆": circles (or ellipses) in rows and columns.
class TfrmCutCircle : public BoxDialog {
    Q_OBJECT
public:
    using Form = BoxForm;

    explicit TfrmCutCircle(QWidget* parent = nullptr);

    void showForm(const Form& form) { showBox(form); }
    Form form() const { return box(); }

protected:
    QString problem() override;
};
