#include "app/cli/CliCommand.h"

#include <array>

namespace {

const std::array kCommands{
    CliCommand{"dump", "LABEL.xml", "Prints the label's settings and objects as one JSON object.",
               runDump},
    CliCommand{"resave", "LABEL.xml -o OUT.xml", "Loads a label and saves it again.", runResave},
    CliCommand{"render", "LABEL.xml -o OUT.png [--zoom fit|0.5|0.75|1|1.25|1.5|1.75|2|3|4|5] [--dpi N] [--area WxH]",
               "Draws the label as the view shows it into a PNG picture (default zoom 1, dpi 96; fit "
               "fits the label into an area of WxH pixels, default 1200x800).",
               runRender},
    CliCommand{"preview", "LABEL.xml -o OUT.png [--svg] [--record K [--workbook BOOK --sheet SHEET]]",
               "Reads back the streams a print job and a cut job would send and draws the label as the "
               "printer prints it, at its resolution, with the knife's path over it (cuts solid, travel "
               "dashed, starts ringed); --svg writes the knife's path alone as SVG in cutter pulses. "
               "--record fills the label from record K of its workbook (or BOOK and SHEET). Lists the "
               "set-up commands on stdout; exit 2 when a command could not be drawn (listed on stderr).",
               runPreview},
    CliCommand{"print",
               "LABEL.xml [-o FILE] [--port NAME] [--quantity N] [--workbook BOOK --sheet SHEET --record K] "
               "[--blank]",
               "Runs one label job: writes the printer stream to FILE, or sends it to the port (the label's "
               "printer port unless --port). --blank feeds blank labels instead.",
               runPrint},
    CliCommand{"trace", "BITMAP", "Prints the outline traced from a bitmap, one \"x,y\" line per point.",
               runTrace},
    CliCommand{"import-dxf", "DRAWING.dxf -o LABEL.xml [--size WxH]",
               "Imports a DXF drawing as cut objects into a new label (WxH in millimetres, "
               "default 130x90).",
               runImportDxf},
    CliCommand{"cut", "LABEL.xml [-o FILE] [--port NAME] [--baud TEXT] [--feed]",
               "Cuts the label with its stored cutter settings and waits for the cutter's "
               "acknowledgement (exit 2 when it does not come); -o writes the cutter stream to "
               "FILE instead; --feed lets the cutter feed the paper for the quantity.",
               runCut},
    CliCommand{"run", "LABEL.xml [--printer NAME] [--status NAME] [--cutter NAME] [--quantity N] [--records RANGE] "
                      "[--timed]",
               "Runs print-and-cut with the label's stored settings: each label is printed, the printer's "
               "status echo awaited (a fixed delay with --timed), then the label cut; --records runs over "
               "the records of the label's workbook in RANGE. Prints \"label K: counter C\" for each label "
               "cut; Ctrl+C stops at the next wait. Exit 0 when every label went through, 2 when the run "
               "ended on a fault or a stop, 1 when it did not start.",
               runRun},
    CliCommand{"sheets", "BOOK", "Lists the sheet names of a workbook, one a line.", runSheets},
    CliCommand{"fields", "BOOK SHEET", "Lists the column names of a sheet, one a line.", runFields},
    CliCommand{"records", "BOOK SHEET [--range R]",
               "Prints the records of a sheet: number, then values, tab-separated.", runRecords},
    CliCommand{"values", "LABEL.xml [--workbook BOOK --sheet SHEET --record K]",
               "Prints what each print object sends to the printer: index, Type and value, "
               "tab-separated (the stored values, or those of record K).",
               runValues},
};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return kCommands;
}
