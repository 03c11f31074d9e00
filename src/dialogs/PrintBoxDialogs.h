#pragma once

#include "dialogs/BoxDialog.h"
#include "dialogs/PictureBoxDialog.h"
#include "dialogs/PrintBoxForms.h"

class QCheckBox;

// "打印矩形": framed or solid rectangles with rounded corners, in rows and columns.
class TfrmPrintRect : public BoxDialog {
    Q_OBJECT
public:
    using Form = PrintRectForm;

    explicit TfrmPrintRect(QWidget* parent = nullptr);

    void showForm(const Form& form);
    Form form() const;

protected:
    QString problem() override;

private:
    QLineEdit* m_radius = nullptr;
    QLineEdit* m_lineWidth = nullptr;
    QCheckBox* m_solid = nullptr;
};

// "打印图形": a bitmap printed in rows and columns.
class TfrmPrintImage : public PictureBoxDialog {
    Q_OBJECT
public:
    explicit TfrmPrintImage(QWidget* parent = nullptr);

protected:
    QString problem() override;
};
