#include "job/JobWindowControls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <stdexcept>

namespace {

using Form = JobWindowForm;

// One control and the value of the form it shows.
template <typename Value>
struct Binding {
    const char* name;
    Value& (*value)(Form&);
};

// Lists with fixed entries: the position in the list.
const Binding<int> kPositions[] = {
    {"cmbPrintSensor", [](Form& f) -> int& { return f.printer.cmbPrintSensor; }},
    {"cmbPrintRibbon", [](Form& f) -> int& { return f.printer.cmbPrintRibbon; }},
    {"cmbPrintSpeed", [](Form& f) -> int& { return f.printer.cmbPrintSpeed; }},
    {"cmbPrintDarkness", [](Form& f) -> int& { return f.printer.cmbPrintDarkness; }},
    {"cmbPrintDPI", [](Form& f) -> int& { return f.printer.cmbPrintDPI; }},
    {"cmbPrintRotation", [](Form& f) -> int& { return f.printer.cmbPrintRotation; }},
    {"cmbOstrel", [](Form& f) -> int& { return f.printer.cmbOstrel; }},
};

// Edit boxes and the lists that take typed text: the text.
const Binding<QString> kTexts[] = {
    {"cmbPrintPort", [](Form& f) -> QString& { return f.printer.cmbPrintPort; }},
    {"cmbPrintStatusPort", [](Form& f) -> QString& { return f.printer.cmbPrintStatusPort; }},
    {"txtPrintGap", [](Form& f) -> QString& { return f.printer.txtPrintGap; }},
    {"txtPrintU1U2", [](Form& f) -> QString& { return f.printer.txtPrintU1U2; }},
    {"txtPrintSleep", [](Form& f) -> QString& { return f.txtPrintSleep; }},
    {"txtPrintX", [](Form& f) -> QString& { return f.printer.txtPrintX; }},
    {"txtPrintY", [](Form& f) -> QString& { return f.printer.txtPrintY; }},
    {"txtPrintFile", [](Form& f) -> QString& { return f.txtPrintFile; }},
    {"txtCutLeftMargin", [](Form& f) -> QString& { return f.cutter.txtCutLeftMargin; }},
    {"txtCutTopMargin", [](Form& f) -> QString& { return f.cutter.txtCutTopMargin; }},
    {"txtCutSleep", [](Form& f) -> QString& { return f.cutter.txtCutSleep; }},
    {"cmbCutPort", [](Form& f) -> QString& { return f.cutter.cmbCutPort; }},
    {"txtMoveAfterCut", [](Form& f) -> QString& { return f.cutter.txtMoveAfterCut; }},
    {"cmbCutSpeed", [](Form& f) -> QString& { return f.cutter.cmbCutSpeed; }},
    {"cmbNullSpeed", [](Form& f) -> QString& { return f.cutter.cmbNullSpeed; }},
    {"cmbMcX", [](Form& f) -> QString& { return f.cutter.cmbMcX; }},
    {"cmbMcY", [](Form& f) -> QString& { return f.cutter.cmbMcY; }},
    {"cmbCutStartChar", [](Form& f) -> QString& { return f.cutter.cmbCutStartChar; }},
    {"cmbCutEndChar", [](Form& f) -> QString& { return f.cutter.cmbCutEndChar; }},
    {"txtRecord", [](Form& f) -> QString& { return f.txtRecord; }},
    {"cmbPrintBaud", [](Form& f) -> QString& { return f.printer.cmbPrintBaud; }},
    {"cmbCutBaud", [](Form& f) -> QString& { return f.cutter.cmbCutBaud; }},
    {"txtQuantity", [](Form& f) -> QString& { return f.printer.txtQuantity; }},
    {"txtCounter", [](Form& f) -> QString& { return f.txtCounter; }},
};

// Check boxes and radio buttons: the tick.
const Binding<bool> kTicks[] = {
    {"cbFeed", [](Form& f) -> bool& { return f.printer.cbFeed; }},
    {"chbThread", [](Form& f) -> bool& { return f.chbThread; }},
    {"chbPrintFile", [](Form& f) -> bool& { return f.chbPrintFile; }},
    {"chbCutSpeed", [](Form& f) -> bool& { return f.cutter.chbCutSpeed; }},
    {"chbNullSpeed", [](Form& f) -> bool& { return f.cutter.chbNullSpeed; }},
    {"chbBlack", [](Form& f) -> bool& { return f.cutter.chbBlack; }},
    {"chbGoInit", [](Form& f) -> bool& { return f.cutter.chbGoInit; }},
    {"chbCmd", [](Form& f) -> bool& { return f.cutter.chbCmd; }},
    {"chbSendBeforeCut", [](Form& f) -> bool& { return f.cutter.chbSendBeforeCut; }},
    {"chbCutFeed", [](Form& f) -> bool& { return f.cutter.chbCutFeed; }},
    {"chbCutFeedBlack", [](Form& f) -> bool& { return f.cutter.chbCutFeedBlack; }},
    {"rbGoLeft", [](Form& f) -> bool& { return f.cutter.rbGoLeft; }},
    {"rbGoRight", [](Form& f) -> bool& { return f.cutter.rbGoRight; }},
    {"rbGoDown", [](Form& f) -> bool& { return f.cutter.rbGoDown; }},
    {"rbGoUp", [](Form& f) -> bool& { return f.cutter.rbGoUp; }},
    {"chbIfDB", [](Form& f) -> bool& { return f.chbIfDB; }},
};

// The third button of each carriage group: the carriage stays where it is.
struct StayButton {
    const char* name;
    bool (*stays)(const Form&);
};
const StayButton kStayButtons[] = {
    {"rbGoLeftRight", [](const Form& f) { return !f.cutter.rbGoLeft && !f.cutter.rbGoRight; }},
    {"rbGoDownUp", [](const Form& f) { return !f.cutter.rbGoDown && !f.cutter.rbGoUp; }},
};

const char* runTextName(RunText box)
{
    switch (box) {
    case RunText::Quantity:
        return "txtQuantity";
    case RunText::Counter:
        return "txtCounter";
    case RunText::PrintSleep:
        return "txtPrintSleep";
    case RunText::CutSleep:
        return "txtCutSleep";
    case RunText::Record:
        break;
    }
    return "txtRecord";
}

const char* runSwitchName(RunSwitch box)
{
    switch (box) {
    case RunSwitch::IfDB:
        return "chbIfDB";
    case RunSwitch::PrintFile:
        return "chbPrintFile";
    case RunSwitch::Thread:
        break;
    }
    return "chbThread";
}

} // namespace

JobWindowControls::JobWindowControls(QWidget& window)
{
    QStringList names{QStringLiteral("btnCut"), QStringLiteral("btnPrintCut")};
    for (const auto& binding : kPositions)
        names.append(QString::fromLatin1(binding.name));
    for (const auto& binding : kTexts)
        names.append(QString::fromLatin1(binding.name));
    for (const auto& binding : kTicks)
        names.append(QString::fromLatin1(binding.name));
    for (const auto& button : kStayButtons)
        names.append(QString::fromLatin1(button.name));
    for (const QString& name : names) {
        auto* control = window.findChild<QWidget*>(name);
        if (!control)
            throw std::logic_error("the job window has no control named " + name.toStdString());
        m_widgets.insert(name, control);
    }
}

QWidget* JobWindowControls::widget(const QString& name) const
{
    return m_widgets.value(name);
}

QString JobWindowControls::textOf(const QString& name) const
{
    QWidget* control = widget(name);
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->currentText();
    return static_cast<QLineEdit*>(control)->text();
}

void JobWindowControls::setTextOf(const QString& name, const QString& text)
{
    QWidget* control = widget(name);
    if (auto* list = qobject_cast<QComboBox*>(control))
        list->setCurrentText(text);
    else
        static_cast<QLineEdit*>(control)->setText(text);
}

JobWindowForm JobWindowControls::read() const
{
    Form form;
    for (const auto& binding : kPositions)
        binding.value(form) = static_cast<QComboBox*>(widget(QString::fromLatin1(binding.name)))->currentIndex();
    for (const auto& binding : kTexts)
        binding.value(form) = textOf(QString::fromLatin1(binding.name));
    for (const auto& binding : kTicks)
        binding.value(form) = static_cast<QAbstractButton*>(widget(QString::fromLatin1(binding.name)))->isChecked();
    form.cutter.txtQuantity = form.printer.txtQuantity;
    return form;
}

void JobWindowControls::show(const JobWindowForm& shown)
{
    Form form = shown;
    for (const auto& binding : kPositions)
        static_cast<QComboBox*>(widget(QString::fromLatin1(binding.name)))->setCurrentIndex(binding.value(form));
    for (const auto& binding : kTexts)
        setTextOf(QString::fromLatin1(binding.name), binding.value(form));
    // A radio button is cleared by checking another of its group, so only ticks are set
    // here and each group's "stays" button takes the check when neither limit is chosen.
    for (const auto& binding : kTicks) {
        auto* box = static_cast<QAbstractButton*>(widget(QString::fromLatin1(binding.name)));
        if (binding.value(form) || !box->autoExclusive())
            box->setChecked(binding.value(form));
    }
    for (const auto& button : kStayButtons) {
        if (button.stays(form))
            static_cast<QAbstractButton*>(widget(QString::fromLatin1(button.name)))->setChecked(true);
    }
}

PrintControls JobWindowControls::printer() const
{
    return read().printer;
}

JobControls JobWindowControls::cutter() const
{
    return read().cutter;
}

bool JobWindowControls::isTicked(RunSwitch box) const
{
    return static_cast<QAbstractButton*>(widget(QString::fromLatin1(runSwitchName(box))))->isChecked();
}

QString JobWindowControls::text(RunText box) const
{
    return textOf(QString::fromLatin1(runTextName(box)));
}

void JobWindowControls::setText(RunText box, const QString& value)
{
    setTextOf(QString::fromLatin1(runTextName(box)), value);
}

void JobWindowControls::setEnabled(RunButton button, bool enabled)
{
    widget(QString::fromLatin1(button == RunButton::Cut ? "btnCut" : "btnPrintCut"))->setEnabled(enabled);
}
