#pragma once

#include "job/LabelProgram.h"

#include <QSet>
#include <QStringList>

#include <memory>

// A stand-in for the outside label program that writes down every automation call, in
// order, with its arguments as sent: texts quoted, booleans as true/false, integers in
// decimal, e.g. `btFormats.Open("/labels/a.btw", true, "")`. Naming a call in failingCalls
// ("create", "Visible", "Formats", "Open", "RecordRange", "PrintOut", "Close", "Quit") makes
// every such call raise LabelProgramError after it was written down. Objects it created keep
// writing into the same log, even after the server is gone.
class RecordingLabelProgram : public LabelProgramServer {
public:
    RecordingLabelProgram();

    std::unique_ptr<LabelProgramApplication> create(const QString& programmaticId) override;

    QStringList calls() const;
    void clearCalls();
    void setFailingCalls(const QSet<QString>& names);

    struct Log {
        QStringList calls;
        QSet<QString> failing;
        // Writes the call down and raises when its name is among the failing ones.
        void record(const QString& name, const QString& text);
    };

private:
    std::shared_ptr<Log> m_log;
};
