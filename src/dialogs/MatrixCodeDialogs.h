#pragma once

#include "dialogs/MatrixCodeDialog.h"
#include "dialogs/MatrixCodeForms.h"

class QComboBox;

// "打印QR二维码": module size "每单位宽" and error correction "校正级别".
class TfrmPrintQRBar : public MatrixCodeDialog {
    Q_OBJECT
public:
    using Form = PrintQRBarForm;

    explicit TfrmPrintQRBar(QWidget* parent = nullptr);

    void showForm(const Form& form);
    Form form() const;

protected:
    QString problem() override { return printQRBarProblem(form()); }

private:
    QComboBox* m_module = nullptr;
    QComboBox* m_level = nullptr;
};

// "打印DataMatrix二维码": module size only.
class TfrmPrintDataMatrix : public MatrixCodeDialog {
    Q_OBJECT
public:
    using Form = PrintDataMatrixForm;

    explicit TfrmPrintDataMatrix(QWidget* parent = nullptr);

    void showForm(const Form& form);
    Form form() const;

protected:
    QString problem() override { return printDataMatrixProblem(form()); }

private:
    QComboBox* m_module = nullptr;
};

// "打印PDF417二维码": module width and height, columns and security level.
class TfrmPrintPdf417Bar : public MatrixCodeDialog {
    Q_OBJECT
public:
    using Form = PrintPdf417BarForm;

    explicit TfrmPrintPdf417Bar(QWidget* parent = nullptr);

    void showForm(const Form& form);
    Form form() const;

protected:
    QString problem() override { return printPdf417BarProblem(form()); }

private:
    QComboBox* m_width = nullptr;
    QComboBox* m_height = nullptr;
    QComboBox* m_columns = nullptr;
    QComboBox* m_level = nullptr;
};
