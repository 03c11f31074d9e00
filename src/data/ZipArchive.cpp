#include "data/ZipArchive.h"

#include "data/DataSourceError.h"
#include "data/DataText.h"

#include <QFile>

#include <minizip/unzip.h>

#include <memory>

namespace {

constexpr int kCaseInsensitive = 2;
constexpr int kChunk = 1 << 18;

} // namespace

ZipArchive::ZipArchive(const QString& path, const QString& expected)
    : m_path(path)
    , m_zip(unzOpen64(QFile::encodeName(path).constData()))
{
    if (!m_zip)
        throw DataSourceError(DataText::tr("文件“%1”不是%2，或已损坏，无法读取。").arg(path, expected));
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
    QByteArray data;
    stream(name, limit, [&](QByteArrayView chunk) {
        data.append(chunk);
        return true;
    });
    return data;
}

void ZipArchive::stream(const QString& name, qint64 limit, const ChunkSink& sink) const
{
    const auto damaged = [&] {
        return DataSourceError(DataText::tr("工作簿“%1”已损坏：无法读取其中的“%2”。")
                                   .arg(m_path, name));
    };
    if (!contains(name))
        throw DataSourceError(
            DataText::tr("工作簿“%1”已损坏：缺少“%2”。").arg(m_path, name));
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        throw damaged();
    if (info.flag & 1)
        throw DataSourceError(DataText::tr("工作簿“%1”已加密，无法读取。").arg(m_path));
    if (unzOpenCurrentFile(m_zip) != UNZ_OK)
        throw damaged();
    // The part stays open only while this call runs, whatever ends it.
    std::unique_ptr<void, void (*)(void*)> open(m_zip, [](void* zip) {
        unzCloseCurrentFile(zip);
    });

    const std::unique_ptr<char[]> chunk(new char[kChunk]);
    qint64 total = 0;
    int got = 0;
    while ((got = unzReadCurrentFile(m_zip, chunk.get(), kChunk)) > 0) {
        // The declared size is only a hint: a hostile file may lie about it.
        total += got;
        if (total > limit)
            throw DataSourceError(DataText::tr("工作簿“%1”中的“%2”太大（超过 %3 MB），无法读取。")
                                      .arg(m_path, name)
                                      .arg(limit >> 20));
        if (!sink(QByteArrayView(chunk.get(), got)))
            return;
    }
    // The stored checksum is checked only once the whole part was read.
    const int closed = unzCloseCurrentFile(open.release());
    if (got < 0 || closed != UNZ_OK)
        throw damaged();
}
