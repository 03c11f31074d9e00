#include "data/InRange.h"

#include "data/DataText.h"
#include "model/ConversionError.h"
#include "model/Convert.h"

namespace {

// An item reads as an integer as an edit box does, except that nothing may follow the
// digits: "3 " is no record number.
int readRecordNumber(QStringView item)
{
    if (!item.isEmpty() && item.back().isSpace())
        throw ConversionError(DataText::tr("“%1”不是有效的整数").arg(item));
    return strToInt(item.toString());
}

} // namespace

bool InRange(int n, const QString& text)
{
    const QString terminated = text.endsWith(u',') ? text : text + u',';
    QStringView rest(terminated);
    while (true) {
        const qsizetype comma = rest.indexOf(u',');
        if (comma < 0)
            return false;
        const QStringView item = rest.first(comma);
        const qsizetype dash = item.indexOf(u'-');
        if (dash >= 0) {
            const int a = readRecordNumber(item.first(dash));
            const int b = readRecordNumber(item.mid(dash + 1));
            if (a <= n && n <= b)
                return true;
        } else if (n == readRecordNumber(item)) {
            return true;
        }
        rest = rest.mid(comma + 1);
    }
}
