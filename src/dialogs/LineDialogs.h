#pragma once

#include "dialogs/LineForms.h"
#include "dialogs/ObjectDialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;

// A dialog that places a line by its ends: txtStartX, txtStartY, txtEndX, txtEndY in
// millimetres, the first four rows of its grid.
class LineEndsDialog : public ObjectDialog {
    Q_OBJECT
protected:
    LineEndsDialog(const QString& name, const QString& caption, QWidget* parent);

    QGridLayout* ends() const { return m_grid; }

    template <typename Form>
    void showEnds(const Form& form)
    {
        setEnds({form.startX, form.startY, form.endX, form.endY});
    }
    template <typename Form>
    void readEnds(Form& form) const
    {
        const std::array<QString, 4> texts = endTexts();
        form.startX = texts[0];
        form.startY = texts[1];
        form.endX = texts[2];
        form.endY = texts[3];
    }

    QLineEdit* m_startX = nullptr;
    QLineEdit* m_startY = nullptr;
    QLineEdit* m_endX = nullptr;
    QLineEdit* m_endY = nullptr;

private:
    void setEnds(const std::array<QString, 4>& texts);
    std::array<QString, 4> endTexts() const;

    QGridLayout* m_grid = nullptr;
};

// "刻直线": a cut line by its two ends, or by a length and an angle from its start.
class TfrmCutLine : public LineEndsDialog {
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
    QLineEdit* m_length = nullptr;
    QLineEdit* m_angle = nullptr;
    QCheckBox* m_startDown = nullptr;
    QCheckBox* m_endUp = nullptr;
    QCheckBox* m_delay = nullptr;
};

// "打印直线": a printed line by its two ends and its width.
class TfrmPrintLine : public LineEndsDialog {
    Q_OBJECT
public:
    using Form = PrintLineForm;

    explicit TfrmPrintLine(QWidget* parent = nullptr);

    void showForm(const Form& form);
    Form form() const;

protected:
    QString problem() override;

private:
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
