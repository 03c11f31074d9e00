#include "files/FileChooser.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

class CancellingFileChooser : public FileChooser {
public:
    QString choose(const FileChoice&) override { return {}; }
};

FileChooser*& installed()
{
    static FileChooser* chooser = nullptr;
    return chooser;
}

} // namespace

FileChooser& fileChooser()
{
    static CancellingFileChooser cancelling;
    FileChooser* chooser = installed();
    return chooser ? *chooser : cancelling;
}

void setFileChooser(FileChooser* chooser)
{
    installed() = chooser;
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QStringList nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString patterns = i + 1 < parts.size()
                                     ? parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '))
                                     : QString();
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        if (patterns.isEmpty() || description.contains(QLatin1Char('(')))
            filters.append(description);
        else
            filters.append(QStringLiteral("%1 (%2)").arg(description, patterns).trimmed());
    }
    return filters;
}

RecordingFileChooser::RecordingFileChooser()
    : m_previous(installed())
{
    setFileChooser(this);
}

RecordingFileChooser::~RecordingFileChooser()
{
    setFileChooser(m_previous);
}

QString RecordingFileChooser::choose(const FileChoice& choice)
{
    asked.append(choice);
    return answers.isEmpty() ? QString() : answers.takeFirst();
}
