#include "app/cli/CliFiles.h"

#include "app/cli/CliFailure.h"
#include "app/cli/CliText.h"

#include <QDir>
#include <QFileInfo>

namespace {

[[noreturn]] void refuse(const QString& path, const QString& reason)
{
    throw CliFailure{kExitNotStarted, path, reason};
}

} // namespace

void checkInputFile(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        refuse(path, CliText::tr("文件不存在！"));
    if (file.isDir())
        refuse(path, CliText::tr("这是文件夹，不是文件"));
    if (!file.isReadable())
        refuse(path, CliText::tr("没有读这个文件的权限"));
}

void checkOutputFile(const QString& path)
{
    const QFileInfo file(path);
    if (file.isDir())
        refuse(path, CliText::tr("这是文件夹，不能写成文件"));
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        refuse(path, CliText::tr("文件夹“%1”不存在").arg(QDir::toNativeSeparators(folder.filePath())));
    if (file.exists()) {
        if (!file.isWritable())
            refuse(path, CliText::tr("没有写这个文件的权限"));
    } else if (!folder.isWritable()) {
        refuse(path, CliText::tr("没有在文件夹“%1”中新建文件的权限").arg(QDir::toNativeSeparators(folder.filePath())));
    }
}
