#include "app/cli/CliCommand.h"

#include <QCoreApplication>

#include <array>

namespace {

// Options several commands share keep one name and one text everywhere.
constexpr CliOption kHelp{"h,help", nullptr, QT_TRANSLATE_NOOP("CliText", "显示这个命令的帮助")};
constexpr std::array kProgramOptions{
    CliOption{"language", "LANG",
              QT_TRANSLATE_NOOP("CliText", "界面语言：zh（中文，默认）、en（英文）或 system（跟随系统语言）；"
                                           "不给出时用 setting.ini 中 [Interface] 的 Language")},
    CliOption{"h,help", nullptr, QT_TRANSLATE_NOOP("CliText", "显示命令一览")},
    CliOption{"version", nullptr, QT_TRANSLATE_NOOP("CliText", "显示版本")},
};
constexpr CliOption kQuantity{"quantity", "N",
                              QT_TRANSLATE_NOOP("CliText", "数量，1 到 9999，代替标签中存的数量")};
constexpr CliOption kWorkbook{"workbook", "BOOK", QT_TRANSLATE_NOOP("CliText", "取记录的工作簿（.xls、.xlsx、.ods 或 .csv）")};
constexpr CliOption kSheet{"sheet", "SHEET", QT_TRANSLATE_NOOP("CliText", "工作簿中的工作表")};
constexpr CliOption kRecord{"record", "K",
                            QT_TRANSLATE_NOOP("CliText", "用第 K 条记录（从 1 数起）的值填写绑定到列的文本和条码；"
                                                         "--workbook、--sheet、--record 一起给出")};
constexpr CliOption kSave{"save", nullptr,
                          QT_TRANSLATE_NOOP("CliText", "作业结束时把递增后的序列号和计数数量写回标签文件；"
                                                       "不给出时标签文件不变")};
constexpr CliOption kTimeout{"timeout", "SECONDS",
                             QT_TRANSLATE_NOOP("CliText", "最多等待应答的秒数，到时停止（退出码 2）；默认一直等待")};

constexpr std::array kNoOptions = std::array<CliOption, 0>{};

constexpr std::array kResaveOptions{
    CliOption{"o,output", "OUT.xml", QT_TRANSLATE_NOOP("CliText", "写出的标签文件")},
};

constexpr std::array kRenderOptions{
    CliOption{"o,output", "OUT.png", QT_TRANSLATE_NOOP("CliText", "写出的 PNG 图片")},
    CliOption{"zoom", "ZOOM",
              QT_TRANSLATE_NOOP("CliText", "缩放：fit，或缩放列表的倍数 0.5、0.75、1、1.25、1.5、1.75、2、3、4、5（默认 1）")},
    CliOption{"dpi", "N", QT_TRANSLATE_NOOP("CliText", "屏幕分辨率，1 到 1200（默认 96）")},
    CliOption{"area", "WxH", QT_TRANSLATE_NOOP("CliText", "fit 放入的区域，像素，宽和高都大于 30（默认 1200x800）")},
    kWorkbook,
    kSheet,
    kRecord,
    CliOption{"no-marks", nullptr, QT_TRANSLATE_NOOP("CliText", "不画选中标记和当前对象的框，得到干净的预览")},
};

constexpr std::array kPrintOptions{
    CliOption{"o,output", "FILE", QT_TRANSLATE_NOOP("CliText", "把打印机会收到的字节写入 FILE，不发送")},
    CliOption{"port,printer", "NAME",
              QT_TRANSLATE_NOOP("CliText", "打印端口：lpt1、com3、tcp://主机:端口（不写端口时为 9100）、设备路径或文件名"
                                           "（默认标签中存的打印端口）")},
    kQuantity,
    kWorkbook,
    kSheet,
    kRecord,
    CliOption{"blank", nullptr, QT_TRANSLATE_NOOP("CliText", "出空白纸：只发标签头和发行命令")},
    kSave,
};

constexpr std::array kPreviewOptions{
    CliOption{"o,output", "OUT.png", QT_TRANSLATE_NOOP("CliText", "写出的 PNG 图片（--svg 时为 SVG 图）")},
    CliOption{"svg", nullptr, QT_TRANSLATE_NOOP("CliText", "只写出雕刻刀路，SVG 图，单位为雕刻机脉冲")},
    kWorkbook,
    kSheet,
    kRecord,
};

constexpr std::array kImportDxfOptions{
    CliOption{"o,output", "LABEL.xml", QT_TRANSLATE_NOOP("CliText", "写出的新标签文件")},
    CliOption{"size", "WxH", QT_TRANSLATE_NOOP("CliText", "标签的宽和高，毫米（默认 130x90）")},
};

constexpr std::array kCutOptions{
    CliOption{"o,output", "FILE", QT_TRANSLATE_NOOP("CliText", "把雕刻机会收到的字节写入 FILE，不发送")},
    CliOption{"port,cutter", "NAME", QT_TRANSLATE_NOOP("CliText", "雕刻端口（默认标签中存的雕刻端口）")},
    CliOption{"baud", "TEXT", QT_TRANSLATE_NOOP("CliText", "波特率（默认标签中存的）")},
    CliOption{"feed", nullptr,
              QT_TRANSLATE_NOOP("CliText", "雕刻机送纸模式：雕刻机按标签间距送纸，按存的数量重复")},
    kTimeout,
};

constexpr std::array kRunOptions{
    CliOption{"printer", "NAME", QT_TRANSLATE_NOOP("CliText", "打印端口，也可以是 tcp://主机:端口（默认标签中存的）")},
    CliOption{"status", "NAME", QT_TRANSLATE_NOOP("CliText", "打印机回传状态的端口（默认标签中存的）；"
                                                               "网络打印机从打印的连接回传，不用这个端口")},
    CliOption{"cutter", "NAME", QT_TRANSLATE_NOOP("CliText", "雕刻端口（默认标签中存的）")},
    kQuantity,
    CliOption{"workbook", "BOOK", QT_TRANSLATE_NOOP("CliText", "代替标签中存的工作簿（.xls、.xlsx、.ods 或 .csv）；"
                                                               "与 --sheet、--records 一起给出")},
    CliOption{"sheet", "SHEET", QT_TRANSLATE_NOOP("CliText", "代替标签中存的工作表")},
    CliOption{"records", "RANGE",
              QT_TRANSLATE_NOOP("CliText", "逐条打印工作表中记录范围内的记录（如 \"1,3-5\"），每个数量一遍")},
    CliOption{"timed", nullptr, QT_TRANSLATE_NOOP("CliText", "定时模式：等存的打印延时，不等打印机回传")},
    CliOption{"timeout", "SECONDS",
              QT_TRANSLATE_NOOP("CliText", "每张标签最多等待打印机和雕刻机应答的秒数，到时停止（退出码 2）；"
                                           "默认一直等待")},
    kSave,
};

constexpr std::array kRecordsOptions{
    CliOption{"range", "R",
              QT_TRANSLATE_NOOP("CliText", "只输出按这个记录范围打印时用到的记录（如 \"1,3-5\"）")},
};

constexpr std::array kValuesOptions{kWorkbook, kSheet, kRecord};

const std::array kCommands{
    CliCommand{"dump", "LABEL.xml", "",
               QT_TRANSLATE_NOOP("CliText", "把标签的设置和对象输出为一行 JSON。"), kNoOptions, runDump,
               "dump examples/sample.xml"},
    CliCommand{"resave", "LABEL.xml", "-o OUT.xml",
               QT_TRANSLATE_NOOP("CliText", "读入标签，按程序保存的格式重新写出；只读入一部分的标签不写。"),
               kResaveOptions, runResave,
               "resave examples/sample.xml -o copy.xml"},
    CliCommand{"render", "LABEL.xml",
               "-o OUT.png [--zoom fit|0.5|0.75|1|1.25|1.5|1.75|2|3|4|5] [--dpi N] [--area WxH] "
               "[--workbook BOOK --sheet SHEET --record K] [--no-marks]",
               QT_TRANSLATE_NOOP("CliText", "按视图的样子把标签画成 PNG 图片。"), kRenderOptions, runRender,
               "render examples/sample.xml -o sample.png --zoom fit --no-marks"},
    CliCommand{"print", "LABEL.xml",
               "[-o FILE] [--port NAME] [--quantity N] [--workbook BOOK --sheet SHEET --record K] [--blank] [--save]",
               QT_TRANSLATE_NOOP("CliText", "执行一次标签打印作业：把打印机命令流写入文件，或发送到打印端口。"),
               kPrintOptions, runPrint,
               "print examples/sample.xml -o sample.prn --quantity 3"},
    CliCommand{"preview", "LABEL.xml", "-o OUT.png [--svg] [--workbook BOOK --sheet SHEET --record K]",
               QT_TRANSLATE_NOOP("CliText", "把打印作业和雕刻作业会发送的命令流读回来，画出打印机打出的标签"
                                            "（打印机分辨率，每点一位），上面画出刀路：下刀实线，抬刀空走虚线，"
                                            "起点画圈；--svg 只写出刀路。标准输出列出两台机器的设置命令；"
                                            "有画不出的命令时逐条写在标准错误上，图照样写出，退出码 2。"),
               kPreviewOptions, runPreview,
               "preview examples/sample.xml -o preview.png"},
    CliCommand{"trace", "BITMAP", "",
               QT_TRANSLATE_NOOP("CliText", "输出从位图描出的雕刻轮廓，每行一个点 \"x,y\"（像素）。"), kNoOptions,
               runTrace,
               "trace examples/outline.bmp"},
    CliCommand{"import-dxf", "DRAWING.dxf", "-o LABEL.xml [--size WxH]",
               QT_TRANSLATE_NOOP("CliText", "把 DXF 图形的直线、圆弧、圆和椭圆作为雕刻对象导入一个新标签。"),
               kImportDxfOptions, runImportDxf,
               "import-dxf examples/die-line.dxf -o die-line.xml --size 80x50"},
    CliCommand{"cut", "LABEL.xml", "[-o FILE] [--port NAME] [--baud TEXT] [--feed] [--timeout SECONDS]",
               QT_TRANSLATE_NOOP("CliText", "按标签中存的雕刻设置雕刻一次，并等待雕刻机应答；"
                                            "-o 改为把雕刻命令流写入文件。"),
               kCutOptions, runCut,
               "cut examples/sample.xml --port com1 --timeout 30"},
    CliCommand{"run", "LABEL.xml",
               "[--printer NAME] [--status NAME] [--cutter NAME] [--quantity N] "
               "[--workbook BOOK --sheet SHEET] [--records RANGE] [--timed] [--timeout SECONDS] [--save]",
               QT_TRANSLATE_NOOP("CliText", "按标签中存的设置打印雕刻：每张标签打印后等打印机回传状态"
                                            "（--timed 时等固定延时），再雕刻并等雕刻机应答；"
                                            "每雕完一张输出一行 \"label K: counter C\"。Ctrl+C 在下一次等待时停止。"),
               kRunOptions, runRun,
               "run examples/goods.xml --records 1-3 --printer lpt1 --status com1 --cutter com2"},
    CliCommand{"sheets", "BOOK", "", QT_TRANSLATE_NOOP("CliText", "列出工作簿的工作表名，每行一个"
                                                               "（.csv 文件只有一个工作表，名字是文件名去掉扩展名）。"),
               kNoOptions, runSheets,
               "sheets examples/goods.xlsx"},
    CliCommand{"fields", "BOOK SHEET", "", QT_TRANSLATE_NOOP("CliText", "列出工作表的列名，每行一个。"),
               kNoOptions, runFields,
               "fields examples/goods.xlsx 货品"},
    CliCommand{"records", "BOOK SHEET", "[--range R]",
               QT_TRANSLATE_NOOP("CliText", "输出工作表的记录：序号，然后各列的值，用制表符分隔。"),
               kRecordsOptions, runRecords,
               "records examples/goods.xlsx 货品 --range 1-2"},
    CliCommand{"values", "LABEL.xml", "[--workbook BOOK --sheet SHEET --record K]",
               QT_TRANSLATE_NOOP("CliText", "输出每个打印对象发给打印机的值：序号、Type 和值，用制表符分隔"
                                            "（存的值，或第 K 条记录的值）。"),
               kValuesOptions, runValues,
               "values examples/goods.xml --workbook examples/goods.xlsx --sheet 货品 --record 2"},
    CliCommand{"help", "[COMMAND]", "", QT_TRANSLATE_NOOP("CliText", "显示命令一览，或一个命令的帮助。"),
               kNoOptions, runHelp,
               "help render"},
};

constexpr std::array kExitCodes{
    CliExitCode{0, QT_TRANSLATE_NOOP("CliText", "完成")},
    CliExitCode{1, QT_TRANSLATE_NOOP("CliText", "没有开始：命令行有误，输入读不了或不对，或所选的记录一条也没有；"
                                                "什么也没有发给打印机和雕刻机")},
    CliExitCode{2, QT_TRANSLATE_NOOP("CliText", "开始了但没有完成：端口打不开或写不进，应答没有按时来或不是确认，"
                                                "或打印机报告故障，或 --save 写不回标签文件；预览中有画不出的命令")},
    CliExitCode{130, QT_TRANSLATE_NOOP("CliText", "按 Ctrl+C 停止（被 SIGTERM 停止时为 143）")},
};

} // namespace

std::span<const CliExitCode> cliExitCodes()
{
    return kExitCodes;
}

QString CliCommand::synopsis() const
{
    QString line = QString::fromLatin1(name) + u' ' + QString::fromLatin1(arguments);
    if (*optionsSynopsis)
        line += u' ' + QString::fromLatin1(optionsSynopsis);
    return line;
}

std::span<const CliCommand> cliCommands()
{
    return kCommands;
}

const CliCommand* findCliCommand(const QString& name)
{
    for (const CliCommand& command : kCommands) {
        if (name == QLatin1StringView(command.name))
            return &command;
    }
    return nullptr;
}

const CliOption& cliHelpOption()
{
    return kHelp;
}

std::span<const CliOption> cliProgramOptions()
{
    return kProgramOptions;
}
