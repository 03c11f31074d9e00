#include "dialogs/Replication.h"

#include "dialogs/ObjectFormText.h"
#include "model/ConversionError.h"
#include "model/Convert.h"

qint64 gridExtent(int offset, int count, int size, int gap)
{
    // Each product of two 32-bit values stays below 2^62, so the sum of both stays below 2^63.
    return qint64(offset) + qint64(count) * size + (qint64(count) - 1) * gap;
}

bool exceedsLabel(qint64 extent, int labelSize, FitEdge edge)
{
    return edge == FitEdge::PastEdge ? extent > labelSize : extent >= labelSize;
}

QString widthFitMessage()
{
    return ObjectFormText::tr("设置的横向距离大于标签宽度！");
}

QString heightFitMessage()
{
    return ObjectFormText::tr("设置的纵向距离大于标签高度！");
}

QString gridCountProblem(int rows, int columns)
{
    if (rows < 1)
        return ObjectFormText::tr("行数必须大于0！");
    if (columns < 1)
        return ObjectFormText::tr("列数必须大于0！");
    if (qint64(rows) * columns > maxGridObjects)
        return ObjectFormText::tr("复制的对象总数（行数×列数）不能超过10000个！");
    return {};
}

std::optional<bool> gapEnabledForCount(const QString& count)
{
    try {
        return strToInt(count) != 1;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

QString columnCountMessage()
{
    return ObjectFormText::tr("每行几列必须输入正整数！");
}

QString rowCountMessage()
{
    return ObjectFormText::tr("每页几行必须输入正整数！");
}

ReplicationForm singleCopy()
{
    return {.columns = QStringLiteral("1"), .rows = QStringLiteral("1"), .columnGap = QStringLiteral("0"),
            .rowGap = QStringLiteral("0"), .countsEnabled = false, .columnGapEnabled = false,
            .rowGapEnabled = false};
}
