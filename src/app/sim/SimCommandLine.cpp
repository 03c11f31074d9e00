#include "app/sim/SimCommandLine.h"

#include <QCommandLineParser>

#include <array>
#include <optional>

namespace {

constexpr std::array kOptions{
    ToolOption{"printer-log", "FILE", QT_TRANSLATE_NOOP("SimText", "把打印端口收到的每个字节追加到 FILE")},
    ToolOption{"cutter-log", "FILE", QT_TRANSLATE_NOOP("SimText", "把雕刻端口收到的每个字节追加到 FILE")},
    ToolOption{"print-ms", "MS", QT_TRANSLATE_NOOP("SimText", "从状态请求到回传状态的毫秒数（默认 100）")},
    ToolOption{"cut-ms", "MS", QT_TRANSLATE_NOOP("SimText", "从雕刻命令流到应答的毫秒数（默认 100）")},
    ToolOption{"fault-at", "K", QT_TRANSLATE_NOOP("SimText", "第 K 张标签回传故障")},
    ToolOption{"interim", nullptr, QT_TRANSLATE_NOOP("SimText", "每次最终回传之前先发一次中间回传")},
    ToolOption{"split", nullptr, QT_TRANSLATE_NOOP("SimText", "回传和应答分两段发出")},
    ToolOption{"cutter-reply", "TEXT", QT_TRANSLATE_NOOP("SimText", "雕刻机应答 TEXT，不应答 {000}")},
    ToolOption{"cutter-silent", nullptr, QT_TRANSLATE_NOOP("SimText", "雕刻机从不应答")},
    ToolOption{"flood", nullptr, QT_TRANSLATE_NOOP("SimText", "每次应答之前先发 300 字节线路噪声")},
    ToolOption{"hangup-at", "K", QT_TRANSLATE_NOOP("SimText", "收到第 K 张标签的端口关闭，不应答")},
    ToolOption{"labels", "N", QT_TRANSLATE_NOOP("SimText", "打印雕刻完 N 张标签后退出")},
    ToolOption{"tcp", "PORT",
               QT_TRANSLATE_NOOP("SimText", "打印机还在 127.0.0.1:PORT 上监听（0：任一空闲端口），"
                                            "并在送来标签的连接上回传状态")},
    ToolOption{"render", "DIR",
               QT_TRANSLATE_NOOP("SimText", "把打印的每张标签画成 DIR/label-NNNN.png，把每个雕刻命令流画成 "
                                            "DIR/label-NNNN.svg，按到达的顺序编号")},
    ToolOption{"render-dpi", "DPI", QT_TRANSLATE_NOOP("SimText", "这些图片的打印机分辨率：203 或 305（默认）")},
    ToolOption{"language", "LANG",
               QT_TRANSLATE_NOOP("SimText", "界面语言：zh（中文，默认）、en（英文）或 system（跟随系统语言）")},
    ToolOption{"h,help", nullptr, QT_TRANSLATE_NOOP("SimText", "显示帮助")},
    ToolOption{"v,version", nullptr, QT_TRANSLATE_NOOP("SimText", "显示版本")},
};

// A whole number option of at least minimum; fallback when it is not given.
std::optional<int> numberOption(const QCommandLineParser& parser, const char* name, int fallback, int minimum,
                                QString* problem)
{
    const QString key = QString::fromLatin1(name);
    if (!parser.isSet(key))
        return fallback;
    bool ok = false;
    const int value = parser.value(key).toInt(&ok);
    if (ok && value >= minimum)
        return value;
    if (problem->isEmpty()) {
        *problem = dashed(key) + QStringLiteral(": ")
                   + SimText::tr("要是不小于 %1 的整数，不是“%2”").arg(minimum).arg(parser.value(key));
    }
    return std::nullopt;
}

} // namespace

std::span<const ToolOption> simOptions()
{
    return kOptions;
}

QString simSummary()
{
    return SimText::tr("供测试和没有设备的操作员使用的虚拟标签机");
}

QString simDescription()
{
    return SimText::tr("在伪终端上模拟标签机：像打印机的状态端口和雕刻机那样应答。"
                       "先输出 printer=PATH、status=PATH 和 cutter=PATH 三行（给出 --tcp 时还有 "
                       "network=tcp://127.0.0.1:PORT），然后一直服务，"
                       "直到收到 SIGTERM 或 SIGINT，或用 --labels 给出的张数打印雕刻完。");
}

QString simHelp()
{
    QList<const ToolOption*> options;
    for (const ToolOption& option : kOptions)
        options.append(&option);
    return usageBlock(SimText::tr("用法："), {QStringLiteral("marlune-sim [OPTIONS]")}) + u'\n' + simDescription()
           + QStringLiteral("\n\n") + SimText::tr("选项：") + u'\n' + toolOptionList(options, "SimText");
}

SimCommandLine parseSimCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    for (const ToolOption& option : kOptions) {
        QCommandLineOption parsed(QString::fromLatin1(option.names).split(u','));
        if (option.valueName)
            parsed.setValueName(QString::fromLatin1(option.valueName));
        parser.addOption(parsed);
    }
    SimCommandLine line;
    if (!parser.parse(QStringList{QStringLiteral("marlune-sim")} + arguments)) {
        line.problem = parser.errorText();
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.problem = parser.positionalArguments().constFirst() + QStringLiteral(": ") + SimText::tr("多余的参数");
        return line;
    }
    line.helpAsked = parser.isSet(QStringLiteral("help"));
    line.versionAsked = parser.isSet(QStringLiteral("version"));

    VirtualMachineOptions& options = line.options;
    options.printerLog = parser.value(QStringLiteral("printer-log"));
    options.cutterLog = parser.value(QStringLiteral("cutter-log"));
    options.renderFolder = parser.value(QStringLiteral("render"));
    if (parser.isSet(QStringLiteral("render-dpi"))) {
        const QString dpi = parser.value(QStringLiteral("render-dpi"));
        if (dpi != u"203" && dpi != u"305") {
            line.problem = QStringLiteral("--render-dpi: ") + SimText::tr("要是 203 或 305，不是“%1”").arg(dpi);
            return line;
        }
        options.renderDpi = dpi.toInt();
    }
    QString* problem = &line.problem;
    const auto printMs = numberOption(parser, "print-ms", options.printMs, 0, problem);
    const auto cutMs = numberOption(parser, "cut-ms", options.cutMs, 0, problem);
    const auto faultAt = numberOption(parser, "fault-at", 0, 1, problem);
    const auto hangupAt = numberOption(parser, "hangup-at", 0, 1, problem);
    const auto labels = numberOption(parser, "labels", 0, 1, problem);
    const auto tcpPort = numberOption(parser, "tcp", -1, 0, problem);
    if (!printMs || !cutMs || !faultAt || !hangupAt || !labels || !tcpPort)
        return line;
    if (*tcpPort > 65535) {
        line.problem = QStringLiteral("--tcp: ") + SimText::tr("要是 0 到 65535 之间的端口号，不是 %1").arg(*tcpPort);
        return line;
    }
    options.tcpPort = *tcpPort;
    options.printMs = *printMs;
    options.cutMs = *cutMs;
    options.faultAt = *faultAt;
    options.hangupAt = *hangupAt;
    options.labels = *labels;
    options.interim = parser.isSet(QStringLiteral("interim"));
    options.split = parser.isSet(QStringLiteral("split"));
    options.cutterSilent = parser.isSet(QStringLiteral("cutter-silent"));
    options.flood = parser.isSet(QStringLiteral("flood"));
    if (parser.isSet(QStringLiteral("cutter-reply")))
        options.cutterReply = parser.value(QStringLiteral("cutter-reply")).toUtf8();
    return line;
}
