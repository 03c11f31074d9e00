#include "ports/PortNames.h"

#include "model/SettingsFile.h"
#include "ports/PortText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QUrl>

#include <cerrno>
#include <unistd.h>

namespace {

// "com3" → 3, "LPT1" → 1; 0 when the name is not prefix + a positive number.
int numberAfter(const QString& name, QLatin1StringView prefix)
{
    static const QRegularExpression number(QStringLiteral("^[1-9][0-9]{0,3}$"));
    if (!name.startsWith(prefix, Qt::CaseInsensitive))
        return 0;
    const QString digits = name.mid(prefix.size());
    return number.match(digits).hasMatch() ? digits.toInt() : 0;
}

const QString kPortsGroup = QStringLiteral("Ports");

// The keys of the [Ports] section that map this name: names are compared in any case.
QStringList mappingKeys(QSettings& settings, const QString& name)
{
    settings.beginGroup(kPortsGroup);
    QStringList keys = settings.childKeys();
    settings.endGroup();
    keys.removeIf([&name](const QString& key) { return key.compare(name, Qt::CaseInsensitive) != 0; });
    return keys;
}

QString mappedPath(const QString& name, const QString& settingsPath)
{
    if (settingsPath.isEmpty() || !QFileInfo::exists(settingsPath))
        return {};
    QSettings settings(settingsPath, QSettings::IniFormat);
    const QStringList keys = mappingKeys(settings, name);
    return keys.isEmpty() ? QString() : settings.value(kPortsGroup + u'/' + keys.first()).toString().trimmed();
}

QString parallelPath(int number)
{
    const QString plain = QStringLiteral("/dev/lp%1").arg(number - 1);
    const QString usb = QStringLiteral("/dev/usb/lp%1").arg(number - 1);
    return !QFileInfo::exists(plain) && QFileInfo::exists(usb) ? usb : plain;
}

} // namespace

PortTarget resolvePortName(const QString& name, const QString& settingsPath)
{
    if (isNetworkPortName(name))
        return {PortKind::Network, name};
    if (name.startsWith(QLatin1StringView("/dev/")))
        return {PortKind::Device, name};
    if (const int com = numberAfter(name, QLatin1StringView("com"))) {
        const QString mapped = mappedPath(name, settingsPath);
        return {PortKind::Serial, mapped.isEmpty() ? QStringLiteral("/dev/ttyS%1").arg(com - 1) : mapped};
    }
    if (const int lpt = numberAfter(name, QLatin1StringView("lpt"))) {
        const QString mapped = mappedPath(name, settingsPath);
        return {PortKind::Parallel, mapped.isEmpty() ? parallelPath(lpt) : mapped};
    }
    return {PortKind::File, name.isEmpty() ? QString() : QDir::current().absoluteFilePath(name)};
}

PortTarget resolvePortName(const QString& name)
{
    return resolvePortName(name, portSettingsPath());
}

QString portSettingsPath()
{
    return programSettingsFile();
}

bool writePortMapping(const QString& name, const QString& device, const QString& settingsPath)
{
    QSettings settings(settingsPath, QSettings::IniFormat);
    for (const QString& key : mappingKeys(settings, name))
        settings.remove(kPortsGroup + u'/' + key);
    settings.setValue(kPortsGroup + u'/' + name, device);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QStringList parallelPrinterDevices()
{
    QStringList devices;
    for (const QString& folder : {QStringLiteral("/dev"), QStringLiteral("/dev/usb")}) {
        const QDir dir(folder);
        for (const QString& entry : dir.entryList({QStringLiteral("lp[0-9]*")}, QDir::System | QDir::Files))
            devices.append(dir.filePath(entry));
    }
    return devices;
}

QString NetworkAddress::text() const
{
    // An IPv6 address is bracketed, so that its colons are not taken for the port's.
    const QString shownHost = host.contains(u':') ? u'[' + host + u']' : host;
    return QStringLiteral("%1:%2").arg(shownHost).arg(port);
}

bool isNetworkPortName(const QString& name)
{
    return name.trimmed().startsWith(QLatin1StringView("tcp://"), Qt::CaseInsensitive);
}

std::optional<NetworkAddress> networkAddress(const QString& name, QString* problem)
{
    const QString typed = name.trimmed();
    const QUrl url(typed, QUrl::StrictMode);
    const bool bare = url.userInfo().isEmpty() && !url.hasQuery() && !url.hasFragment()
        && (url.path().isEmpty() || url.path() == u"/");
    if (!isNetworkPortName(typed) || !url.isValid() || url.host().isEmpty() || !bare || url.port() == 0) {
        *problem = PortText::tr("“%1”不是网络打印端口：应写作 tcp://主机:端口，端口是 1 到 65535 的数（不写时为 %2）")
                       .arg(typed)
                       .arg(NetworkAddress::kRawPrintingPort);
        return std::nullopt;
    }
    NetworkAddress address;
    address.host = url.host();
    if (url.port() > 0)
        address.port = quint16(url.port());
    return address;
}

qint32 baudRateFromText(const QString& baudText)
{
    static const char* const rates[] = {"2400", "4800", "9600", "19200", "38400", "115200"};
    for (const char* rate : rates) {
        if (baudText == QLatin1StringView(rate))
            return baudText.toInt();
    }
    return 9600;
}

QString permissionHint(const PortTarget& target, bool permissionDenied)
{
    if (!permissionDenied)
        return {};
    const bool parallel = target.kind == PortKind::Parallel
        || target.path.startsWith(QLatin1StringView("/dev/lp"))
        || target.path.startsWith(QLatin1StringView("/dev/usb/lp"));
    const QString group = parallel ? QStringLiteral("lp") : QStringLiteral("dialout");
    return PortText::tr("没有使用 %1 的权限：请把当前用户加入 %2 组（sudo usermod -aG %2 用户名），然后重新登录。")
        .arg(target.path, group);
}

bool accessDenied(const QString& path, bool forReading)
{
    const QByteArray native = QFile::encodeName(path);
    return ::access(native.constData(), forReading ? R_OK | W_OK : W_OK) != 0 && errno == EACCES;
}
