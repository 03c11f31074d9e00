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
    // A label never saved has no folder of its own; the working folder of a program started
    // from the desktop is often the file-system root, no place for labels.
    return m_fileName.isEmpty() ? documentsFolder() : QFileInfo(m_fileName).absolutePath();
}

void LabelFileSession::warnIfPartlyRead(const LabelLoadResult& result)
{
    // Where reading stopped, in the file's own names, so that the operator can find the place.
    const auto what = [](const LabelReadStop& stop) {
        if (stop.reason == u"missing")
            return tr("缺少“%1”").arg(stop.field);
        constexpr qsizetype kShown = 40;
        const QString value = stop.text.size() > kShown ? stop.text.left(kShown) + QStringLiteral("…") : stop.text;
        return tr("“%1”的值“%2”不正确").arg(stop.field, value);
    };
    QStringList lines;
    if (!result.settingsComplete)
        lines.append(tr("读取标签设置时%1，此项及其后的设置保持原来的值。").arg(what(result.settingsStop)));
    if (!result.complete) {
        const LabelReadStop& stop = result.objectStop;
        lines.append(tr("标签文件只读入了一部分：第%1个对象（%2）%3，该对象及其后的对象没有读入。")
                         .arg(stop.object)
                         .arg(stop.element, what(stop)));
    }
    if (lines.isEmpty())
        return;
    lines.append(tr("保存此标签只会写入已读入的内容。"));
    showMessage(tr("提示"), lines.join(QLatin1Char('\n')), MessageIcon::Warning);
}
