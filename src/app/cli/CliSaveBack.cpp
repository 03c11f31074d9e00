#include "app/cli/CliSaveBack.h"

#include "app/cli/CliArguments.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliText.h"
#include "job/SerialNumber.h"

CliSaveBack::CliSaveBack(const CliArguments& arguments, const CliLabel& label)
    : m_command(QString::fromLatin1(arguments.command().name))
    , m_path(arguments.argument(0))
    , m_save(arguments.isSet("save"))
    , m_stored(label)
{
}

void CliSaveBack::finish(const ShapeList& objects, int counter, std::optional<CliFailure>& failure)
{
    const bool serialsAdvanced = takeSerialValues(objects, m_stored.document.objects);
    if (!m_save) {
        if (serialsAdvanced)
            writeCommandLine(m_command, m_path,
                             CliText::tr("注意：序列号递增了，但没有写回标签文件，下次仍从原来的值开始（加 --save 写回）"));
        return;
    }
    if (!serialsAdvanced && counter == m_stored.job.counter)
        return;
    m_stored.job.counter = counter;
    try {
        SaveLabel(m_path, m_stored.document, m_stored.label, m_stored.job);
    } catch (const MessageError& error) {
        const QString reason = CliText::tr("序列号和计数数量没有写回标签文件：%1").arg(error.message());
        if (failure)
            failure->reason += QStringLiteral("；") + reason;
        else
            failure = CliFailure{kExitNotFinished, m_path, reason};
    }
}
