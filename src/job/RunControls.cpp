#include "job/RunControls.h"

namespace {

template <typename Enum>
constexpr std::size_t at(Enum value)
{
    return static_cast<std::size_t>(value);
}

} // namespace

StoredRunControls::StoredRunControls(const JobSettings& settings)
    : printerControls(printControlsFromSettings(settings))
    , cutterControls(controlsFromSettings(settings))
{
    switches[at(RunSwitch::IfDB)] = settings.ifDBPrint != 0;
    switches[at(RunSwitch::PrintFile)] = settings.ifPrintFile != 0;
    switches[at(RunSwitch::Thread)] = settings.ifThread != 0;
    texts[at(RunText::Quantity)] = printerControls.txtQuantity;
    texts[at(RunText::Counter)] = QString::number(settings.counter);
    texts[at(RunText::PrintSleep)] = QString::number(settings.printSleep);
    texts[at(RunText::CutSleep)] = cutterControls.txtCutSleep;
}

PrintControls StoredRunControls::printer() const
{
    PrintControls controls = printerControls;
    controls.txtQuantity = texts[at(RunText::Quantity)];
    return controls;
}

JobControls StoredRunControls::cutter() const
{
    JobControls controls = cutterControls;
    controls.txtQuantity = texts[at(RunText::Quantity)];
    controls.txtCutSleep = texts[at(RunText::CutSleep)];
    return controls;
}

bool StoredRunControls::isTicked(RunSwitch box) const
{
    return switches[at(box)];
}

QString StoredRunControls::text(RunText box) const
{
    return texts[at(box)];
}

void StoredRunControls::setText(RunText box, const QString& value)
{
    texts[at(box)] = value;
}

void StoredRunControls::setEnabled(RunButton button, bool enabled)
{
    m_enabled[at(button)] = enabled;
}

bool StoredRunControls::isEnabled(RunButton button) const
{
    return m_enabled[at(button)];
}
