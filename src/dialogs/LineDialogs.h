#pragma once

#include "dialogs/LineForms.h"
#include "dialogs/ObjectDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// "刻直线": a cut line by its two ends, or by a length and an angle from its start.
class TfrmCutLine : public ObjectDialog {
    Q_OBJECT
public:
    using Form = CutLineForm;

    explicit TfrmCutLine(QWidget* parent = nullptr);

    void showForm(const Form& form);
    Form form() const;

public slots:
    // Leaving the length or the angle places the end point from the start.
    void txtLengthExit();
    void txtAngleExit();
    void btnExchangeXClick();
    void btnExchangeYClick();

protected:
    QString problem() override;

private:
    QLineEdit* m_startX = nullptr;
    QLineEdit* m_startY = nullptr;
    QLineEdit* m_endX = nullptr;
    QLineEdit* m_endY = nullptr;
    QLineEdit* m_length = nullptr;
    QLineEdit* m_angle = nullptr;
    QCheckBox* m_startDown = nullptr;
    QCheckBox* m_endUp = nullptr;
    QCheckBox* m_delay = nullptr;
};

// "打印直线": a printed line by its two ends and its width.
class TfrmPrintLine : public ObjectDialog {
    Q_OBJECT
public:
    using Form = PrintLineForm;

    explicit TfrmPrintLine(QWidget* parent = nullptr);

    void showForm(const Form& form);
    Form form() const;

protected:
    QString problem() override;

private:
    QLineEdit* m_startX = nullptr;
    QLineEdit* m_startY = nullptr;
    QLineEdit* m_endX = nullptr;
    QLineEdit* m_endY = nullptr;
    QLineEdit* m_lineWidth = nullptr;
};

// "刻弧": a cut arc by its centre, radius and angles; a small figure shows where the
// angles lie on the label.
class TfrmCutArc : public ObjectDialog {
    Q_OBJECT
public:
    using Form = CutArcForm;

    explicit TfrmCutArc(QWidget* parent = nullptr);

    void showForm(const Form& form);
    Form form() const;

protected:
    QString problem() override;

private:
    QLineEdit* m_centerX = nullptr;
    QLineEdit* m_centerY = nullptr;
    QLineEdit* m_radius = nullptr;
    QComboBox* m_startAngle = nullptr;
    QComboBox* m_endAngle = nullptr;
    QComboBox* m_direction = nullptr;
    QCheckBox* m_startDown = nullptr;
    QCheckBox* m_endUp = nullptr;
};
