#include "files/LabelFileSession.h"

#include "model/MessageService.h"

#include <QFileInfo>


LabelFileSession::LabelFileSession(const LabelTarget& target, QObject* parent)
    : QObject(parent)
    , m_target(target)
{
}

FileChoice LabelFileSession::openChoice(const QString& folder)
{
    return {FileChoice::Mode::Open, QStringLiteral("XML files (*.xml)|*.xml|All files (*.*)|*.*"),
            QStringLiteral(".xml"), folder};
}

FileChoice LabelFileSession::saveChoice(const QString& folder)
{
    return {FileChoice::Mode::Save, QStringLiteral("xml files (*.xml)|*.xml"), QStringLiteral("xml"), folder};
}

QStringList LabelFileSession::recentEntries() const
{
    if (!m_recentFiles)
        return {};
    QStringList paths = m_recentFiles->entries();
    paths.removeAll(QString());
    return paths;
}

void LabelFileSession::setFileName(const QString& path)
{
    m_fileName = path;
    emit fileNameChanged(m_fileName);
}

bool LabelFileSession::open(const QString& path)
{
    std::optional<LabelLoadResult> result;
    RecentFiles* recent = m_recentFiles ? &*m_recentFiles : nullptr;
    if (!runShowingFailure([&] { result = LoadLabel(path, m_target, recent); }) || !result->fileFound)
        return false;
    setFileName(QFileInfo(path).absoluteFilePath());
    emit labelLoaded();
    if (!result->recentFilesError.isEmpty())
        showStandardError(result->recentFilesError);
    warnIfPartlyRead(*result);
    return true;
}

bool LabelFileSession::openWithDialog()
{
    if (!confirmDiscard())
        return false;
    const QString path = fileChooser().choose(openChoice(dialogFolder()));
    return !path.isEmpty() && open(path);
}

LabelFileSession::SaveOutcome LabelFileSession::save()
{
    QString path = m_fileName;
    if (path.isEmpty()) {
        path = fileChooser().choose(saveChoice(dialogFolder()));
        if (path.isEmpty())
            return SaveOutcome::Cancelled;
    }
    return saveTo(path);
}

LabelFileSession::SaveOutcome LabelFileSession::saveAs()
{
    const QString path = fileChooser().choose(saveChoice(dialogFolder()));
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    const SaveOutcome outcome = saveTo(path);
    if (outcome == SaveOutcome::Saved && m_recentFiles)
        runShowingFailure([&] { m_recentFiles->add(QFileInfo(path).absoluteFilePath()); });
    return outcome;
}

LabelFileSession::SaveOutcome LabelFileSession::saveTo(const QString& path)
{
    if (!runShowingFailure([&] { SaveLabel(path, m_target.document, m_target.label, m_target.job); }))
        return SaveOutcome::Failed;
    setFileName(path);
    return SaveOutcome::Saved;
}

bool LabelFileSession::confirmDiscard()
{
    if (!m_target.document.modified)
        return true;
    switch (askQuestion(QString(), tr("文件尚未存盘。存盘吗？"), MessageButtons::YesNoCancel)) {
    case MessageAnswer::Cancel:
        return false;
    case MessageAnswer::Yes:
        return save() != SaveOutcome::Failed;
    default:
        return true;
    }
}

bool LabelFileSession::closeQuery()
{
    if (!m_target.document.modified)
        return true;
    switch (askQuestion(tr("提示"), tr("文件尚未存盘。存盘吗？"), MessageButtons::YesNoCancel)) {
    case MessageAnswer::Cancel:
        return false;
    case MessageAnswer::Yes:
        // A save that failed keeps the program open: its changes exist nowhere else.
        if (save() == SaveOutcome::Failed)
            return false;
        return askQuestion(tr("提示"), tr("继续退出吗？")) == MessageAnswer::Yes;
    default:
        return true;
    }
}

QString LabelFileSession::dialogFolder() const
{
    return m_fileName.isEmpty() ? QString() : QFileInfo(m_fileName).absolutePath();
}

void LabelFileSession::warnIfPartlyRead(const LabelLoadResult& result)
{
    QStringList lines;
    if (!result.settingsComplete) {
        lines.append(tr("The label settings were read only up to '%1' (%2); the settings after it "
                        "keep their previous values.")
                         .arg(result.settingsStop.field, result.settingsStop.reason));
    }
    if (!result.complete)
        lines.append(tr("The label file was only partly read: %1.").arg(result.objectStop.describe()));
    if (lines.isEmpty())
        return;
    lines.append(tr("Saving this label writes only what was read."));
    showMessage(tr("提示"), lines.join(QLatin1Char('\n')), MessageIcon::Warning);
}
