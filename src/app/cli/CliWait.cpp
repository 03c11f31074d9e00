#include "app/cli/CliWait.h"

#include "app/cli/CliArguments.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliText.h"
#include "ports/PortNames.h"

#include <cmath>

namespace {

// A day: a reply that takes longer is no reply.
constexpr double kLongestTimeout = 86400;

} // namespace

CliWait::CliWait(const CliArguments& arguments, std::function<void()> stop)
    : m_command(QString::fromLatin1(arguments.command().name))
{
    if (const std::optional<QString> text = arguments.value("timeout")) {
        bool ok = false;
        m_seconds = text->trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(m_seconds) || m_seconds <= 0 || m_seconds > kLongestTimeout)
            throw arguments.badValue("timeout", CliText::tr("“%1”不是大于 0、最多 %2 的秒数").arg(*text).arg(kLongestTimeout));
        m_timeoutMs = static_cast<int>(std::ceil(m_seconds * 1000));
    }
    QObject::connect(&m_signals, &TerminationSignals::received, stop);
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this, stop] {
        m_timedOut = true;
        stop();
    });
    restart();
    // The jobs run their waits with the program's events running, so this fires at the
    // first one.
    m_firstWait.setSingleShot(true);
    QObject::connect(&m_firstWait, &QTimer::timeout, [this] {
        for (const QString& line : std::as_const(m_announced))
            writeStderr(line);
    });
}

void CliWait::announce(const QString& port, const QString& what)
{
    m_announced.append(QStringLiteral("marlune-cli %1: %2: %3\n").arg(m_command, portSubject(port), what));
    m_firstWait.start(0);
}

void CliWait::restart()
{
    if (m_timeoutMs)
        m_timer.start(*m_timeoutMs);
}

int CliWait::exitCode() const
{
    if (m_timedOut || m_signals.lastSignal() == 0)
        return kExitNotFinished;
    return kExitSignalBase + m_signals.lastSignal();
}

QString CliWait::reason() const
{
    if (m_timedOut)
        return CliText::tr("%1 秒内没有应答，已停止").arg(m_seconds);
    return CliText::tr("已停止");
}

QString portSubject(const QString& port)
{
    const QString name = port.trimmed();
    const PortTarget target = resolvePortName(name);
    return target.path == name ? name : QStringLiteral("%1 (%2)").arg(name, target.path);
}
