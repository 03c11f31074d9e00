#include "job/ValueListing.h"

#include "job/VariableData.h"

namespace {

QString escaped(const QString& value)
{
    QString result;
    result.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            result += u"\\\\";
            break;
        case u'\t':
            result += u"\\t";
            break;
        case u'\n':
            result += u"\\n";
            break;
        case u'\r':
            result += u"\\r";
            break;
        default:
            result += c;
        }
    }
    return result;
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
