#pragma once

#include <QDialog>

// The about box: the program's title and its version text.
class Tf_about : public QDialog {
    Q_OBJECT
public:
    explicit Tf_about(QWidget* parent = nullptr);
};
