#pragma once

#include "dialogs/PrintObjectForms.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;

// The font controls of the text and barcode dialogs: the face (cmbFontName, every font of
// the screen), the size in points (cmbFontSize), bold, italic, underline and strike-out, and
// the sample panel pnlSample, which shows the font they give. What is stored is the sample's
// font, so a size it did not take is not stored.
class FontSamplePanel : public QWidget {
    Q_OBJECT
public:
    explicit FontSamplePanel(QWidget* parent = nullptr);

    void showSample(const FontSample& sample);
    FontSample sample() const { return m_sample; }
    // The text the sample shows in its font; an empty text shows "字体示例".
    void setSampleText(const QString& text);
    // The faces of the screen, read again each time the dialog shows; the face shown stays.
    void refillFontNames();

public slots:
    void cmbFontNameChange();
    // A size the sample cannot show (a size half typed, a letter) leaves it as it was.
    void cmbFontSizeChange();
    // The four style boxes share one handler: the sample takes the state of all four.
    void chbStyleClick();

private:
    QCheckBox* styleBox(const QString& name, const QString& caption);
    void followSample();

    FontSample m_sample;
    QComboBox* m_name = nullptr;
    QComboBox* m_size = nullptr;
    QCheckBox* m_bold = nullptr;
    QCheckBox* m_italic = nullptr;
    QCheckBox* m_underLine = nullptr;
    QCheckBox* m_strikeOut = nullptr;
    QLabel* m_panel = nullptr;
};
