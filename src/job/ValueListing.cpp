#include "job/ValueListing.h"

#include "job/VariableData.h"

namespace {

QString escaped(QString value)
{
    // The backslash first, so that the escapes written after it stay single.
    return value.replace(QStringLiteral("\\"), QStringLiteral("\\\\"))
        .replace(u'\t', QStringLiteral("\\t"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\r', QStringLiteral("\\r"));
}

} // namespace

QStringList valueListing(const ShapeList& objects, const RecordFields* record,
                         const QString& dateSeparator)
{
    QStringList lines;
    for (qsizetype index = 0; index < objects.size(); ++index) {
        const Tshape& shape = objects[index];
        if (shape.isCut() || !shape.isKnownKind())
            continue;
        lines.append(QStringLiteral("%1\t%2\t%3")
                         .arg(QString::number(index), escaped(shape.Type),
                              escaped(printValue(shape, record, dateSeparator))));
    }
    return lines;
}
