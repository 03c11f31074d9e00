#pragma once

#include "cutter/SegmentedRectForm.h"
#include "dialogs/ObjectDialog.h"

#include <array>

class QComboBox;
class QLineEdit;
class QRadioButton;

// "雕刻矩形": a rectangle with rounded corners, cut from a chosen point on one of its sides
// and running a joint length past it. "刻方" adds it as one rounded rectangle, "线段式刻方"
// as a chain of lines and corner arcs.
class TfrmCutLineRect : public ObjectDialog {
    Q_OBJECT
public:
    using Form = SegmentedRectForm;

    explicit TfrmCutLineRect(QWidget* parent = nullptr);

    void showForm(const Form& form);
    Form form() const;

protected:
    // The checks tell their own messages; a field that is no number ends "确定" with the
    // conversion error and the dialog stays open.
    bool confirm() override;

private:
    QLineEdit* m_left = nullptr;
    QLineEdit* m_top = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QLineEdit* m_radius = nullptr;
    QComboBox* m_direction = nullptr;
    QLineEdit* m_jointLength = nullptr;
    QLineEdit* m_gapOffset = nullptr;
    QLineEdit* m_delay = nullptr;
    // The start sides in the order of RectSide: top, left, right, bottom.
    std::array<QRadioButton*, 4> m_sides{};
    std::array<QLineEdit*, 4> m_distances{};
};
