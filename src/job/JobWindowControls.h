#pragma once

#include "job/JobWindowForm.h"
#include "job/RunControls.h"

#include <QHash>

class QWidget;

// The job window's controls seen through their names: the whole form for showing and
// writing back the settings, and the live controls a run reads at every step (the quantity
// counting down, the counter counting up, the record range read again per record). Texts are
// read from edit boxes and from the editable lists alike.
class JobWindowControls : public RunControls {
public:
    // Looks up every control by its object name under window, which must hold them all.
    explicit JobWindowControls(QWidget& window);

    JobWindowForm read() const;
    void show(const JobWindowForm& form);

    PrintControls printer() const override;
    JobControls cutter() const override;
    bool isTicked(RunSwitch box) const override;
    QString text(RunText box) const override;
    void setText(RunText box, const QString& value) override;
    void setEnabled(RunButton button, bool enabled) override;

private:
    QWidget* widget(const QString& name) const;
    QString textOf(const QString& name) const;
    void setTextOf(const QString& name, const QString& text);

    QHash<QString, QWidget*> m_widgets;
};
