#include "data/ZipArchive.h"

#include "data/DataSourceError.h"

#include <QFile>

#include <minizip/unzip.h>

#include <algorithm>

namespace {

constexpr int kCaseInsensitive = 2;
constexpr int kChunk = 1 << 16;

} // namespace

ZipArchive::ZipArchive(const QString& path)
    : m_path(path)
    , m_zip(unzOpen64(QFile::encodeName(path).constData()))
{
    if (!m_zip)
        throw DataSourceError(
            QStringLiteral("文件“%1”不是Excel工作簿（.xlsx），或已损坏，无法读取。").arg(path));
}

ZipArchive::~ZipArchive()
{
    unzClose(m_zip);
}

bool ZipArchive::contains(const QString& name) const
{
    return unzLocateFile(m_zip, name.toUtf8().constData(), kCaseInsensitive) == UNZ_OK;
}

QByteArray ZipArchive::read(const QString& name, qint64 limit) const
{
    const auto damaged = [&] {
        return DataSourceError(QStringLiteral("工作簿“%1”已损坏：无法读取其中的“%2”。")
                                   .arg(m_path, name));
    };
    if (!contains(name))
        throw DataSourceError(
            QStringLiteral("工作簿“%1”已损坏：缺少“%2”。").arg(m_path, name));
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        throw damaged();
    if (info.flag & 1)
        throw DataSourceError(QStringLiteral("工作簿“%1”已加密，无法读取。").arg(m_path));
    if (unzOpenCurrentFile(m_zip) != UNZ_OK)
        throw damaged();

    QByteArray data;
    // The declared size is only a hint: a hostile file may lie about it.
    data.reserve(qsizetype(std::min<quint64>(info.uncompressed_size, quint64(limit))));
    char chunk[kChunk];
    int got = 0;
    while ((got = unzReadCurrentFile(m_zip, chunk, kChunk)) > 0) {
        if (data.size() + got > limit) {
            unzCloseCurrentFile(m_zip);
            throw DataSourceError(QStringLiteral("工作簿“%1”中的“%2”太大（超过 %3 MB），无法读取。")
                                      .arg(m_path, name)
                                      .arg(limit >> 20));
        }
        data.append(chunk, got);
    }
    const int closed = unzCloseCurrentFile(m_zip);
    if (got < 0 || closed != UNZ_OK)
        throw damaged();
    return data;
}
