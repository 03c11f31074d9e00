#include "cutter/ManualCutter.h"

#include "cutter/CutterText.h"
#include "cutter/TCom232.h"
#include "model/Convert.h"
#include "model/MessageService.h"
#include "model/TextCodec.h"
#include "ports/WaitPumping.h"

#include <QScopeGuard>

namespace {

// The mark may lie up to one gap and one label away; the rest is room to find it.
constexpr int kBlackMarkSpareMm = 10;

void reportLineFailure(const QString& text)
{
    showMessage(QStringLiteral("Comm Error"), text, MessageIcon::Warning);
}

// A link of its own to the cutter's port, as the window shows it; false when it did not open
// (the link has told the operator).
bool openLink(TCom232& link, const CutterPort& port)
{
    link.portName = port.name;
    link.Configure(port.baudText.trimmed());
    return link.isOpen();
}

} // namespace

QByteArray carriageCommand(CarriageLimit limit)
{
    switch (limit) {
    case CarriageLimit::Left:
        return QByteArrayLiteral("# H1 @");
    case CarriageLimit::Back:
        return QByteArrayLiteral("# H2 @");
    case CarriageLimit::Right:
        return QByteArrayLiteral("# H3 @");
    case CarriageLimit::Front:
        break;
    }
    return QByteArrayLiteral("# H4 @");
}

// The gap is read as the printer reads it, in tenths, so that a gap the window shows as
// "2.5" finds the mark as well as one of "2".
std::optional<int> blackMarkDistance(const QString& gapText, int height)
{
    const int gap = tenthsOfMillimetre(gapText);
    if (gap < 0) {
        showMessage(hintCaption(), CutterText::tr("标签间隙不能小于0！"), MessageIcon::Warning);
        return std::nullopt;
    }
    return gap / 10 + height / 10 + kBlackMarkSpareMm;
}

QByteArray blackMarkCommand(BlackMarkMove move, int millimetres)
{
    const QByteArray sign = move == BlackMarkMove::Back ? QByteArrayLiteral("-") : QByteArray();
    return "# F" + sign + QByteArray::number(millimetres) + " @";
}

ManualCommandEnd runKnifeTest(const std::function<bool(const QByteArray&)>& write, int downMs,
                              const QString& portName)
{
    const bool down = write(QByteArrayLiteral("# K1 @"));
    if (down)
        waitPumping({}, QDeadlineTimer(qMax(0, downMs), Qt::PreciseTimer));
    const bool up = write(QByteArrayLiteral("# K0 @"));
    if (!up) {
        reportLineFailure(
            CutterText::tr("写雕刻端口错误：抬刀命令没有送到雕刻机（%1），刀可能还在下面，请检查雕刻机！").arg(portName));
    } else if (!down) {
        reportLineFailure(CutterText::tr("写雕刻端口错误：下刀命令没有全部送到雕刻机（%1），已发送抬刀命令。").arg(portName));
    }
    return down && up ? ManualCommandEnd::Sent : ManualCommandEnd::WriteFailed;
}

bool ManualCutter::refuses(bool runInProgress) const
{
    if (runInProgress) {
        showMessage(hintCaption(), CutterText::tr("正在打印雕刻，请先停止再手动操作雕刻机！"), MessageIcon::Warning);
        return true;
    }
    if (m_testingKnife) {
        showMessage(hintCaption(), CutterText::tr("正在测试下刀，请等刀抬起后再操作！"), MessageIcon::Warning);
        return true;
    }
    return false;
}

ManualCommandEnd ManualCutter::send(const CutterPort& port, const QByteArray& command, bool runInProgress)
{
    if (refuses(runInProgress))
        return ManualCommandEnd::Refused;
    TCom232 link;
    if (!openLink(link, port))
        return ManualCommandEnd::PortNotOpened;
    if (!link.Write(command)) {
        reportCommandNotSent(port.name);
        return ManualCommandEnd::WriteFailed;
    }
    return ManualCommandEnd::Sent;
}

ManualCommandEnd ManualCutter::sendTyped(const CutterPort& port, const QString& text, bool runInProgress)
{
    if (text.isEmpty()) {
        showMessage(hintCaption(), CutterText::tr("请输入雕刻命令！"), MessageIcon::Warning);
        return ManualCommandEnd::Refused;
    }
    return send(port, gbk::encode(text), runInProgress);
}

// The window keeps running while the knife is down, so a second press of any cutter control
// is refused until the knife is up again.
ManualCommandEnd ManualCutter::testKnife(const CutterPort& port, bool runInProgress)
{
    if (refuses(runInProgress))
        return ManualCommandEnd::Refused;
    m_testingKnife = true;
    const auto done = qScopeGuard([this] { m_testingKnife = false; });
    TCom232 link;
    if (!openLink(link, port))
        return ManualCommandEnd::PortNotOpened;
    return runKnifeTest([&link](const QByteArray& command) { return link.Write(command); }, knifeDownMs, port.name);
}
