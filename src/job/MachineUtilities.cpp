#include "job/MachineUtilities.h"

#include "job/JobText.h"
#include "model/ConversionError.h"
#include "model/Convert.h"
#include "model/MessageService.h"
#include "ports/PortNames.h"

#include <QFileInfo>

std::optional<QString> resetCounter()
{
    if (askQuestion(hintCaption(), JobText::tr("确定要把计数器清零吗？"), MessageButtons::YesNoCancel)
        != MessageAnswer::Yes)
        return std::nullopt;
    return QStringLiteral("0");
}

std::optional<QString> counterFromInput(const QString& typed)
{
    try {
        return QString::number(strToInt(typed));
    } catch (const ConversionError&) {
        showMessage(hintCaption(), JobText::tr("请输入整型数值！"), MessageIcon::Information);
        return std::nullopt;
    }
}

bool mapParallelPort(const QString& device, const QString& settingsPath)
{
    const QString path = device.trimmed();
    if (path.isEmpty()) {
        showMessage(hintCaption(), JobText::tr("请选择打印机设备！"), MessageIcon::Warning);
        return false;
    }
    const QFileInfo target(path);
    if (!target.exists() || target.isDir()) {
        showMessage(hintCaption(), JobText::tr("找不到设备 %1，请检查打印机是否已连接！").arg(path),
                    MessageIcon::Warning);
        return false;
    }
    if (!writePortMapping(QStringLiteral("lpt1"), path, settingsPath)) {
        showMessage(JobText::tr("错误"), JobText::tr("无法写入 %1，LPT1 没有映射。").arg(settingsPath),
                    MessageIcon::Error);
        return false;
    }
    showMessage(hintCaption(), JobText::tr("LPT1 已映射到 %1。").arg(path), MessageIcon::Information);
    return true;
}
