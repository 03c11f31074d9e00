#include "job/MachineUtilities.h"

#include "model/ConversionError.h"
#include "model/Convert.h"
#include "model/MessageService.h"
#include "ports/PortNames.h"

#include <QFileInfo>

namespace {

const QString& hintCaption()
{
    static const QString caption = QStringLiteral("提示");
    return caption;
}

} // namespace

std::optional<QString> resetCounter()
{
    if (askQuestion(hintCaption(), QStringLiteral("确定要把计数器清零吗？"), MessageButtons::YesNoCancel)
        != MessageAnswer::Yes)
        return std::nullopt;
    return QStringLiteral("0");
}

std::optional<QString> counterFromInput(const QString& typed)
{
    try {
        return QString::number(strToInt(typed));
    } catch (const ConversionError&) {
        showMessage(hintCaption(), QStringLiteral("请输入整型数值！"), MessageIcon::Information);
        return std::nullopt;
    }
}

bool mapParallelPort(const QString& device, const QString& settingsPath)
{
    const QString path = device.trimmed();
    if (path.isEmpty()) {
        showMessage(hintCaption(), QStringLiteral("请选择打印机设备！"), MessageIcon::Warning);
        return false;
    }
    const QFileInfo target(path);
    if (!target.exists() || target.isDir()) {
        showMessage(hintCaption(), QStringLiteral("找不到设备 %1，请检查打印机是否已连接！").arg(path),
                    MessageIcon::Warning);
        return false;
    }
    if (!writePortMapping(QStringLiteral("lpt1"), path, settingsPath)) {
        showMessage(QStringLiteral("错误"), QStringLiteral("无法写入 %1，LPT1 没有映射。").arg(settingsPath),
                    MessageIcon::Error);
        return false;
    }
    showMessage(hintCaption(), QStringLiteral("LPT1 已映射到 %1。").arg(path), MessageIcon::Information);
    return true;
}
