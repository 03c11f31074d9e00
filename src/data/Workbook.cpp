#include "data/Workbook.h"

#include "data/DataSourceError.h"
#include "data/DataText.h"

namespace {

// Label files written on the original platform name a sheet as its table name: "Sheet1$",
// quoted when the name holds spaces.
QString plainSheetName(QString name)
{
    if (name.size() >= 2 && name.startsWith(u'\'') && name.endsWith(u'\''))
        name = name.mid(1, name.size() - 2);
    if (name.endsWith(u'$'))
        name.chop(1);
    return name;
}

} // namespace

int Workbook::sheetIndex(const QString& name) const
{
    const QStringList names = sheetNames();
    const qsizetype exact = names.indexOf(name);
    return int(exact >= 0 ? exact : names.indexOf(plainSheetName(name)));
}

SheetTable Workbook::readTable(const QString& name)
{
    const int index = sheetIndex(name);
    if (index < 0)
        throw DataSourceError(DataText::tr("找不到工作表“%1”。").arg(name));
    return SheetTable::fromRows(readSheet(index));
}
