#include "job/RecordingLabelProgram.h"

namespace {

using Log = RecordingLabelProgram::Log;

QString quoted(const QString& text)
{
    return u'"' + text + u'"';
}

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// Every automation object writes into the log of the server that created it.
struct Recorder {
    explicit Recorder(std::shared_ptr<Log> log)
        : m_log(std::move(log))
    {
    }
    std::shared_ptr<Log> m_log;
};

class RecordingFormat : public LabelProgramFormat, Recorder {
public:
    using Recorder::Recorder;

    void RecordRange(const QString& range) override
    {
        m_log->record(QStringLiteral("RecordRange"),
                      QStringLiteral("btFormat.RecordRange(%1)").arg(quoted(range)));
    }

    void PrintOut(bool first, bool second) override
    {
        m_log->record(QStringLiteral("PrintOut"), QStringLiteral("btFormat.PrintOut(%1, %2)")
                                                      .arg(boolText(first), boolText(second)));
    }

    void Close(int option) override
    {
        m_log->record(QStringLiteral("Close"), QStringLiteral("btFormat.Close(%1)").arg(option));
    }
};

class RecordingFormats : public LabelProgramFormats, Recorder {
public:
    using Recorder::Recorder;

    std::unique_ptr<LabelProgramFormat> Open(const QString& path, bool flag,
                                             const QString& text) override
    {
        m_log->record(QStringLiteral("Open"), QStringLiteral("btFormats.Open(%1, %2, %3)")
                                                  .arg(quoted(path), boolText(flag), quoted(text)));
        return std::make_unique<RecordingFormat>(m_log);
    }
};

class RecordingApplication : public LabelProgramApplication, Recorder {
public:
    using Recorder::Recorder;

    void setVisible(const QString& value) override
    {
        m_log->record(QStringLiteral("Visible"),
                      QStringLiteral("btApp.Visible := %1").arg(quoted(value)));
    }

    std::unique_ptr<LabelProgramFormats> Formats() override
    {
        m_log->record(QStringLiteral("Formats"), QStringLiteral("btApp.Formats"));
        return std::make_unique<RecordingFormats>(m_log);
    }

    void Quit(int option) override
    {
        m_log->record(QStringLiteral("Quit"), QStringLiteral("btApp.Quit(%1)").arg(option));
    }
};

} // namespace

void RecordingLabelProgram::Log::record(const QString& name, const QString& text)
{
    calls.append(text);
    if (failing.contains(name))
        throw LabelProgramError(QStringLiteral("%1 失败").arg(name));
}

RecordingLabelProgram::RecordingLabelProgram()
    : m_log(std::make_shared<Log>())
{
}

std::unique_ptr<LabelProgramApplication> RecordingLabelProgram::create(const QString& programmaticId)
{
    m_log->record(QStringLiteral("create"), QStringLiteral("create %1").arg(quoted(programmaticId)));
    return std::make_unique<RecordingApplication>(m_log);
}

QStringList RecordingLabelProgram::calls() const
{
    return m_log->calls;
}

void RecordingLabelProgram::clearCalls()
{
    m_log->calls.clear();
}

void RecordingLabelProgram::setFailingCalls(const QSet<QString>& names)
{
    m_log->failing = names;
}
