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
    m_switches[at(RunSwitch::IfDB)] = settings.ifDBPrint != 0;
    m_switches[at(RunSwitch::PrintFile)] = settings.ifPrintFile != 0;
    m_switches[at(RunSwitch::Thread)] = settings.ifThread != 0;
    m_texts[at(RunText::Quantity)] = printerControls.txtQuantity;
    m_texts[at(RunText::Counter)] = QString::number(settings.counter);
    m_texts[at(RunText::PrintSleep)] = QString::number(settings.printSleep);
    m_texts[at(RunText::CutSleep)] = cutterControls.txtCutSleep;
}

PrintControls StoredRunControls::printer() const
{
    PrintControls controls = printerControls;
    controls.txtQuantity = m_texts[at(RunText::Quantity)];
    return controls;
}

JobControls StoredRunControls::cutter() const
{
    JobControls controls = cutterControls;
    controls.txtQuantity = m_texts[at(RunText::Quantity)];
    controls.txtCutSleep = m_texts[at(RunText::CutSleep)];
    return controls;
}

bool StoredRunControls::isTicked(RunSwitch box) const
{
    return m_switches[at(box)];
}

QString StoredRunControls::text(RunText box) const
{
    return m_texts[at(box)];
}

void StoredRunControls::setText(RunText box, const QString& value)
{
    m_texts[at(box)] = value;
}

void StoredRunControls::setEnabled(RunButton button, bool enabled)
{
    m_enabled[at(button)] = enabled;
}

void StoredRunControls::setTicked(RunSwitch box, bool ticked)
{
    m_switches[at(box)] = ticked;
}

bool StoredRunControls::isEnabled(RunButton button) const
{
    return m_enabled[at(button)];
}
