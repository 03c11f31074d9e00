#pragma once

#include "data/DataText.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Read access to the parts of a zip package (an Open XML workbook, an OpenDocument
// spreadsheet). Every part is inflated with a limit of its own, so a zip bomb ends with a
// message instead of eating memory.
class ZipArchive {
public:
    // Throws DataSourceError naming the kind of file expected when the file is no package.
    explicit ZipArchive(const QString& path,
                        const QString& expected = DataText::tr("Excel工作簿（.xlsx）"));
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Part names compare without regard to case, as the package format wants.
    bool contains(const QString& name) const;
    // Takes one inflated piece of a part; returns false to stop reading it.
    using ChunkSink = std::function<bool(QByteArrayView)>;

    // The inflated part; throws when it is missing, damaged or larger than limit bytes.
    QByteArray read(const QString& name, qint64 limit) const;
    // The inflated part in pieces, without holding it whole: large sheets pass straight
    // from the inflater to the parser. Throws as read() does, as far as it got.
    void stream(const QString& name, qint64 limit, const ChunkSink& sink) const;

private:
    QString m_path;
    void* m_zip = nullptr;
};
