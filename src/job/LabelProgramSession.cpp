#include "job/LabelProgramSession.h"

#include "job/JobText.h"
#include "model/JobSettings.h"
#include "model/MessageService.h"

#include <QFileInfo>

bool isLabelProgramFormatFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot >= 0 && QStringView(name).sliced(dot) == u".btw";
}

LabelProgramSession::LabelProgramSession(LabelProgramServer& server)
    : m_server(server)
{
}

LabelProgramSession::~LabelProgramSession()
{
    close();
}

void LabelProgramSession::start()
{
    // A program left half set up by an earlier failure is reused, never started twice.
    if (!m_application) {
        m_application = m_server.create(kLabelProgramId);
        m_application->setVisible(QStringLiteral("false"));
    }
    if (!m_formats)
        m_formats = m_application->Formats();
}

void LabelProgramSession::openFormat(const QString& path)
{
    // The format opened before stays open in the program until it quits.
    m_format = m_formats->Open(path, true, QString());
}

bool LabelProgramSession::open(const QString& printFile)
{
    try {
        start();
        openFormat(printFile);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool LabelProgramSession::selectFile(const QString& path, JobSettings& settings)
{
    if (path.isEmpty())
        return false;
    if (!isLabelProgramFormatFile(path)) {
        showMessage(hintCaption(), JobText::tr("选择的文件必须是BarTender文件！"),
                    MessageIcon::Information);
        return false;
    }
    settings.printFile = path;
    start();
    openFormat(path);
    return true;
}

LabelProgramFormat& LabelProgramSession::format()
{
    if (!m_format)
        throw LabelProgramError(JobText::tr("未打开标签格式文件"));
    return *m_format;
}

void LabelProgramSession::printOut()
{
    format().PrintOut(false, false);
}

void LabelProgramSession::printRecords(const QString& range)
{
    format().RecordRange(range);
    format().PrintOut(false, false);
}

void LabelProgramSession::close()
{
    // Each step on its own: a format that failed to close must not keep the invisible
    // program running.
    if (m_format) {
        try {
            m_format->Close(1);
        } catch (const std::exception&) {
        }
    }
    if (m_application) {
        try {
            m_application->Quit(1);
        } catch (const std::exception&) {
        }
    }
    m_format.reset();
    m_formats.reset();
    m_application.reset();
}
