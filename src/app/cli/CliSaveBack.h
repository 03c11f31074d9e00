#pragma once

#include "app/cli/CliFailure.h"
#include "app/cli/CliLabel.h"

#include <optional>

class CliArguments;

// --save of the jobs that step serial numbers (run, print). Holds the label as it was read,
// so that only what the job advanced, the serial values and the counter, goes back into the
// label file, and not the ports, quantity or workbook the options chose for this one job.
class CliSaveBack {
public:
    // Takes the label as read, before any option changes it.
    CliSaveBack(const CliArguments& arguments, const CliLabel& label);

    // When the job has ended, however it ended. With --save and something advanced, the
    // label file is saved as the program saves it (written beside it, then renamed over
    // it); a save that fails becomes the command's failure, or is added to the job's own.
    // Without --save the file stays as it is, and stderr says so when serials advanced,
    // since the next job would print them again.
    void finish(const ShapeList& objects, int counter, std::optional<CliFailure>& failure);

private:
    QString m_command;
    QString m_path;
    bool m_save = false;
    CliLabel m_stored;
};
