#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// The cutter controls of the tab "雕刻命令": the operator moves the carriage, finds the black
// mark, tests the knife or sends a command of his own. Each command goes over a link of its
// own to the port the window shows, and no reply is awaited.

// The cutter's port as the job window shows it.
struct CutterPort {
    QString name;     // "cmbCutPort" as typed, e.g. "com1"
    QString baudText; // "cmbCutBaud"
};

// How a command sent by hand ended.
enum class ManualCommandEnd {
    Sent,          // every byte reached the cutter's line
    Refused,       // nothing was sent and the operator was told why
    PortNotOpened, // the link told the operator; nothing was sent
    WriteFailed,   // the line did not take every byte; the operator was told
};

// The four limits the carriage moves to: "雕刻小车左移", "上移", "右移", "下移".
enum class CarriageLimit { Left, Back, Right, Front };
// "上移到黑标处" pulls the paper back, "下移到黑标处" feeds it forward.
enum class BlackMarkMove { Back, Forward };

QByteArray carriageCommand(CarriageLimit limit);
// How far the cutter may move the paper looking for the black mark, in whole millimetres:
// the label gap ("txtPrintGap", millimetres) and the label length (Height, tenths), each in
// whole millimetres cut toward zero, and 10 mm to spare. Raises ConversionError when the gap
// is no number; nullopt, with a message, for a negative gap.
std::optional<int> blackMarkDistance(const QString& gapText, int height);
QByteArray blackMarkCommand(BlackMarkMove move, int millimetres);

// How long the knife stays down in the knife test.
constexpr int kKnifeDownMs = 5000;

// The knife test's writes: the knife down, a pause with the program's events running, the
// knife up. The knife is lifted whatever became of the down command (at once when that
// failed), and a failed write is reported naming portName.
ManualCommandEnd runKnifeTest(const std::function<bool(const QByteArray&)>& write, int downMs,
                              const QString& portName);

// The controls' sender. A run of the job window holds the cutter's port while it waits for
// the cutter, and the knife test holds it for its pause: a command pressed meanwhile would
// open a second link to the same port, so it is refused with a message instead.
class ManualCutter {
public:
    // runInProgress: the window is running a job that uses the cutter.
    ManualCommandEnd send(const CutterPort& port, const QByteArray& command, bool runInProgress);
    // "执行命令": the typed text as it stands, in the cutter's code page. An empty text is refused.
    ManualCommandEnd sendTyped(const CutterPort& port, const QString& text, bool runInProgress);
    // "下刀".
    ManualCommandEnd testKnife(const CutterPort& port, bool runInProgress);

    bool isTestingKnife() const { return m_testingKnife; }
    // Whether a command now would be refused (a run holds the cutter, or the knife is down
    // for its test); tells the operator why.
    bool refuses(bool runInProgress) const;

    int knifeDownMs = kKnifeDownMs;

private:

    bool m_testingKnife = false;
};
