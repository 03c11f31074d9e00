#pragma once

#include "dialogs/BoxDialog.h"
#include "dialogs/CutBoxForms.h"

// A box dialog with a corner radius txtR "圆角" after the gaps.
class RoundedBoxDialog : public BoxDialog {
    Q_OBJECT
public:
    using Form = RoundedBoxForm;

    void showForm(const Form& form);
    Form form() const;

protected:
    RoundedBoxDialog(const QString& name, const QString& caption, QWidget* parent);

private:
    QLineEdit* m_radius = nullptr;
};
