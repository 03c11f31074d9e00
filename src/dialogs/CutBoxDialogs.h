#pragma once

#include "dialogs/BoxDialog.h"
#include "dialogs/PictureBoxDialog.h"
#include "dialogs/RoundedBoxDialog.h"

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

// "刻半圆": half circles with rounded corners, in rows and columns.
class TfrmCutHalfCircle : public RoundedBoxDialog {
    Q_OBJECT
public:
    explicit TfrmCutHalfCircle(QWidget* parent = nullptr);

protected:
    QString problem() override;
};

// "刻方": a rectangle with rounded corners as the edit command shows it.
class TfrmCutRect : public RoundedBoxDialog {
    Q_OBJECT
public:
    explicit TfrmCutRect(QWidget* parent = nullptr);

protected:
    QString problem() override;
};

// "刻异形": the outline of a bitmap, in rows and columns.
class TfrmCutImage : public PictureBoxDialog {
    Q_OBJECT
public:
    explicit TfrmCutImage(QWidget* parent = nullptr);

protected:
    QString problem() override;
};
