#pragma once

#include "dialogs/ObjectDialog.h"
#include "dialogs/PrintStringForm.h"

class FontSamplePanel;
class QComboBox;
class QLineEdit;
class QListWidget;
class QTabWidget;
class RecordColumnPanel;

// "添加字符窗口": a text, or a grid of copies of it, with its font; the second page binds it
// to a spreadsheet column.
class TfrmPrintString : public ObjectDialog {
    Q_OBJECT
public:
    using Form = PrintStringForm;

    explicit TfrmPrintString(QWidget* parent = nullptr);

    void showForm(const Form& form);
    Form form() const;

protected:
    // A field that is no number moves the focus to the field the message names.
    bool confirm() override;
    // Each time it shows: the screen's fonts again, the first page, the text field ready.
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createBasePage();
    QWidget* createDataPage();

    QTabWidget* m_pages = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_str = nullptr;
    QLineEdit* m_left = nullptr;
    QLineEdit* m_top = nullptr;
    QComboBox* m_direction = nullptr;
    QLineEdit* m_strGap = nullptr;
    QComboBox* m_widthFactor = nullptr;
    QComboBox* m_heightFactor = nullptr;
    QComboBox* m_serial = nullptr;
    FontSamplePanel* m_font = nullptr;
    RecordColumnPanel* m_record = nullptr;
    QComboBox* m_type = nullptr;
    QListWidget* m_dateStyle = nullptr;
};
