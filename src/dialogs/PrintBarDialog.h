#pragma once

#include "dialogs/ObjectDialog.h"
#include "dialogs/PrintBarForm.h"

class FontSamplePanel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;
class RecordColumnPanel;

// "打印一维条码": a linear barcode on the page "条码", the readable line the program prints
// under it on the page "字符".
class TfrmPrintBar : public ObjectDialog {
    Q_OBJECT
public:
    using Form = PrintBarForm;

    explicit TfrmPrintBar(QWidget* parent = nullptr);

    void showForm(const Form& form);
    Form form() const;

protected:
    QString problem() override;
    // Each time it shows: the screen's fonts again and the first page.
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createBarPage();
    QWidget* createTextPage();

    QTabWidget* m_pages = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_direction = nullptr;
    QComboBox* m_barWidth = nullptr;
    QLineEdit* m_value = nullptr;
    QComboBox* m_ratio = nullptr;
    QComboBox* m_height = nullptr;
    QLineEdit* m_left = nullptr;
    QLineEdit* m_top = nullptr;
    QComboBox* m_displayCode = nullptr;
    QLineEdit* m_selfAdd = nullptr;
    QLineEdit* m_beginStr = nullptr;
    QLineEdit* m_endStr = nullptr;
    QLineEdit* m_name = nullptr;
    RecordColumnPanel* m_record = nullptr;
    FontSamplePanel* m_font = nullptr;
    QLineEdit* m_strGap = nullptr;
    QComboBox* m_widthFactor = nullptr;
    QComboBox* m_heightFactor = nullptr;
    QComboBox* m_alignMode = nullptr;
    QCheckBox* m_star = nullptr;
    QLineEdit* m_xOffset = nullptr;
    QLineEdit* m_yOffset = nullptr;
};
