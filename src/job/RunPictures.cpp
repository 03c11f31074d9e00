#include "job/RunPictures.h"

#include "cutter/CutPathDrawing.h"
#include "cutter/CutterStreamReader.h"
#include "job/JobText.h"

#include <QBuffer>
#include <QSaveFile>

namespace {

// Longer than any cut stream of a label; what grows beyond it without an end is line noise.
constexpr qsizetype kLongestCutStream = 16 * 1024 * 1024;

} // namespace

RunPictures::RunPictures(const QString& folder, int dpi)
    : m_folder(folder)
    , m_printer(dpi)
{
}

QString RunPictures::fileName(int number, const char* extension)
{
    return QStringLiteral("label-%1.%2").arg(number, 4, 10, QChar(u'0')).arg(QLatin1StringView(extension));
}

void RunPictures::printerBytes(const QByteArray& bytes)
{
    for (const PrintedLabel& label : m_printer.read(bytes)) {
        const QString name = fileName(++m_labels, "png");
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (label.dots.isNull() || !label.dots.save(&buffer, "PNG"))
            m_messages.append(name + JobText::tr(": 没有可画的标签"));
        else
            write(name, png);
        report(name, label.problems);
    }
}

void RunPictures::cutterBytes(const QByteArray& bytes)
{
    m_cutterPending += bytes;
    qsizetype end;
    while ((end = m_cutterPending.indexOf('@')) >= 0) {
        const CutPath path = readCutterStream(m_cutterPending.left(end + 1));
        m_cutterPending.remove(0, end + 1);
        // Manual commands and the fault stop move no knife: they leave no picture.
        if (!path.cutsAnything())
            continue;
        const QString name = fileName(++m_cuts, "svg");
        write(name, cutPathSvg(path));
        report(name, path.problems);
    }
    if (m_cutterPending.size() > kLongestCutStream)
        m_cutterPending.clear();
}

void RunPictures::write(const QString& name, const QByteArray& content)
{
    QSaveFile file(m_folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        m_messages.append(JobText::tr("%1: 写不进 %2：%3").arg(name, m_folder.path(), file.errorString()));
}

void RunPictures::report(const QString& name, const QList<StreamProblem>& problems)
{
    for (const StreamProblem& problem : problems)
        m_messages.append(name + QStringLiteral(": ") + problem.describe());
}

QStringList RunPictures::takeMessages()
{
    return std::exchange(m_messages, {});
}
