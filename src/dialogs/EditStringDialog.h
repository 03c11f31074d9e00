#pragma once

#include "dialogs/EditStringForm.h"
#include "dialogs/ObjectDialog.h"

class FontSamplePanel;
class QComboBox;
class QLineEdit;

// "修改字体": the font, the character gap and the direction of several texts at once.
class TfrmEditString : public ObjectDialog {
    Q_OBJECT
public:
    using Form = EditStringForm;

    explicit TfrmEditString(QWidget* parent = nullptr);

    void showForm(const Form& form);
    Form form() const;

protected:
    QString problem() override { return editStringProblem(form()); }
    // Each time it shows: the screen's fonts again.
    void showEvent(QShowEvent* event) override;

private:
    FontSamplePanel* m_font = nullptr;
    QLineEdit* m_strGap = nullptr;
    QComboBox* m_direction = nullptr;
    QString m_sampleText;
};
