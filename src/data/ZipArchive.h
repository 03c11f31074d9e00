#pragma once

#include <QByteArray>
#include <QString>

// Read access to the parts of an Open XML package. Every part is inflated into memory
// with a limit of its own, so a zip bomb ends with a message instead of eating memory.
class ZipArchive {
public:
    explicit ZipArchive(const QString& path); // throws DataSourceError
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Part names compare without regard to case, as the package format wants.
    bool contains(const QString& name) const;
    // The inflated part; throws when it is missing, damaged or larger than limit bytes.
    QByteArray read(const QString& name, qint64 limit) const;

private:
    QString m_path;
    void* m_zip = nullptr;
};
