#pragma once

#include <QList>
#include <QString>

class ZipArchive;

namespace xlsx {

// One link of a package part to another; target is already the part name inside the zip.
struct Relationship {
    QString id;
    QString type;
    QString target;
};

// The relationships of a part ("_rels/.rels" for the package itself, sourcePart ""); an
// absent relationships part means none. Both absolute ("/xl/worksheets/sheet1.xml") and
// relative ("worksheets/sheet1.xml", "../x.xml") targets are resolved; external links are
// left out.
QList<Relationship> readRelationships(const ZipArchive& zip, const QString& workbook,
                                      const QString& sourcePart);

// The target of the first relationship whose type ends with typeSuffix, or "".
QString targetOfType(const QList<Relationship>& relationships, QStringView typeSuffix);

QString resolveTarget(const QString& sourcePart, QStringView target);

} // namespace xlsx
