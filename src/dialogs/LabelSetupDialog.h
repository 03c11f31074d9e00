#pragma once

#include "dialogs/LabelSetup.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The label setup dialog: size and orientation, background picture and lock. Created once;
// it keeps what it showed last between uses.
class Tf_labelset : public QDialog {
    Q_OBJECT
public:
    explicit Tf_labelset(QWidget* parent = nullptr);

    void showForm(const LabelSetupForm& form);
    LabelSetupForm form() const;
    // New shows only the size of the current label; the rest keeps its last state.
    void setSizeText(const QString& width, const QString& height);

    // A file picked for the background: its name goes into the file field, and a bitmap is
    // previewed; any other file is refused with a message.
    void backgroundFileChosen(const QString& fileName);

public slots:
    void BitBtn1Click();
    void rbHorizontalMouseUp();
    void rbVerticalMouseUp();
    void btnSelectBGFileClick();

private:
    QWidget* createLabelPage();
    QWidget* createBackgroundPage();
    void showOrientation(bool landscape);
    void exchangeSizeFields();

    QRadioButton* m_vertical = nullptr;
    QRadioButton* m_horizontal = nullptr;
    QLabel* m_verticalPrinter = nullptr;
    QLabel* m_horizontalPrinter = nullptr;
    QLabel* m_verticalLabel = nullptr;
    QLabel* m_horizontalLabel = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QLabel* m_background = nullptr;
    QCheckBox* m_useBackground = nullptr;
    QLineEdit* m_bgFile = nullptr;
    QLineEdit* m_bgWidth = nullptr;
    QLineEdit* m_bgHeight = nullptr;
    QLineEdit* m_bgX = nullptr;
    QLineEdit* m_bgY = nullptr;
    QCheckBox* m_lock = nullptr;
};
