#pragma once

#include "job/JobControls.h"
#include "job/PrintControls.h"

#include <QString>

#include <array>

// The job window's texts that a run reads again at every use and partly writes back: the
// operator may change them while a run waits, and the change counts from the next use.
enum class RunText { Quantity, Counter, PrintSleep, CutSleep, Record };

// The mode switches a run reads when it starts or when a step runs.
enum class RunSwitch {
    IfDB,      // "chbIfDB": the labels take their values from the spreadsheet's records
    PrintFile, // "chbPrintFile": printing goes through the outside label program
    Thread,    // "chbThread": print-and-cut waits for the printer's status echo
};

// The buttons a run guards against a second start.
enum class RunButton { Cut, PrintAndCut };

// What the runner sees of the job window. The window answers from its widgets as they stand;
// the command-line tool and the tests answer from StoredRunControls.
class RunControls {
public:
    virtual ~RunControls() = default;

    // Snapshots of the printer and the cutter controls, taken each time a step needs them.
    virtual PrintControls printer() const = 0;
    virtual JobControls cutter() const = 0;
    virtual bool isTicked(RunSwitch box) const = 0;
    virtual QString text(RunText box) const = 0;
    // The runner writes back the counter and the quantity only.
    virtual void setText(RunText box, const QString& value) = 0;
    virtual void setEnabled(RunButton button, bool enabled) = 0;
};

// The controls held in memory, as the window shows the job settings when it opens, with the
// quantity box shared by the printer and the cutter controls.
class StoredRunControls : public RunControls {
public:
    explicit StoredRunControls(const JobSettings& settings);

    PrintControls printer() const override;
    JobControls cutter() const override;
    bool isTicked(RunSwitch box) const override;
    QString text(RunText box) const override;
    void setText(RunText box, const QString& value) override;
    void setEnabled(RunButton button, bool enabled) override;

    void setTicked(RunSwitch box, bool ticked);
    bool isEnabled(RunButton button) const;

    // The printer and cutter controls; their quantity and cut delay are the run texts.
    PrintControls printerControls;
    JobControls cutterControls;

private:
    std::array<bool, 3> m_switches{};
    std::array<QString, 5> m_texts;
    std::array<bool, 2> m_enabled{true, true};
};
