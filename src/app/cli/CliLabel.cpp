#include "app/cli/CliLabel.h"

#include "app/cli/CliArguments.h"
#include "app/cli/CliFiles.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliText.h"

LabelLoadResult readCliLabel(const CliArguments& arguments, CliLabel& label)
{
    const QString path = arguments.argument(0);
    checkInputFile(path);
    const LabelLoadResult result = about(path, kExitNotStarted, [&] {
        return LoadLabel(path, {label.document, label.label, label.job}, nullptr);
    });
    if (!result.fileFound)
        throw CliFailure{kExitNotStarted, path, CliMessages::instance().takeOr(CliText::tr("文件不存在！"))};
    if (!result.settingsComplete) {
        writeCommandLine(QString::fromLatin1(arguments.command().name), path,
                         CliText::tr("注意：%1").arg(result.settingsStop.describe()));
    }
    return result;
}

void readWholeLabel(const CliArguments& arguments, CliLabel& label)
{
    const LabelLoadResult result = readCliLabel(arguments, label);
    if (!result.complete)
        throw CliFailure{kExitNotStarted, arguments.argument(0), partlyReadReason(result)};
}

QString partlyReadReason(const LabelLoadResult& result)
{
    return CliText::tr("标签只读入了一部分：%1").arg(result.objectStop.describe());
}

int jobQuantity(const CliArguments& arguments, const CliLabel& label)
{
    constexpr int kMostLabels = 9999;
    if (const std::optional<int> quantity = arguments.wholeNumber("quantity", 1, kMostLabels))
        return *quantity;
    const std::optional<int> stored = wholeNumberIn(label.job.quantity, 1, kMostLabels);
    if (!stored) {
        throw CliFailure{kExitNotStarted, arguments.argument(0),
                         CliText::tr("标签中存的数量“%1”不是 1 到 %2 之间的整数").arg(label.job.quantity).arg(kMostLabels)};
    }
    return *stored;
}
