#include "job/VirtualLabelMachine.h"

#include "job/JobText.h"
#include "job/RunPictures.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int kPieceGapMs = 30;  // between the pieces of a split answer
constexpr int kFloodGapMs = 50;  // between line noise and the answer that follows it
constexpr qsizetype kFloodBytes = 300;
constexpr qsizetype kMaxPending = 64 * 1024; // an unfinished command longer than this is noise

const QByteArray kIssueStart = QByteArrayLiteral("{XS;");
const QByteArray kCommandEnd = QByteArrayLiteral("|}");

QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1StringView(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

const QByteArray& VirtualLabelMachine::reportPrinted()
{
    static const QByteArray report = QByteArrayLiteral("{S4020000|}\r\n");
    return report;
}

const QByteArray& VirtualLabelMachine::reportInterim()
{
    static const QByteArray report = QByteArrayLiteral("{S4120001|}\r\n");
    return report;
}

const QByteArray& VirtualLabelMachine::reportFault()
{
    static const QByteArray report = QByteArrayLiteral("{S4060000|}\r\n");
    return report;
}

VirtualLabelMachine::VirtualLabelMachine(VirtualMachineOptions options, QObject* parent)
    : QObject(parent)
    , m_options(std::move(options))
{
}

VirtualLabelMachine::~VirtualLabelMachine()
{
    for (Terminal& t : m_terminals)
        closeTerminal(t);
}

bool VirtualLabelMachine::start(QString* error)
{
    const auto openLog = [this, error](const QString& path, QFile*& log) {
        if (path.isEmpty())
            return true;
        log = new QFile(path, this);
        if (log->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return true;
        *error = JobText::tr("无法打开日志 %1：%2").arg(path, log->errorString());
        return false;
    };
    if (!openLog(m_options.printerLog, m_printerLog) || !openLog(m_options.cutterLog, m_cutterLog))
        return false;
    if (!m_options.renderFolder.isEmpty()) {
        if (!QDir().mkpath(m_options.renderFolder)) {
            *error = JobText::tr("无法建立图片文件夹 %1").arg(m_options.renderFolder);
            return false;
        }
        m_pictures = std::make_unique<RunPictures>(m_options.renderFolder, m_options.renderDpi);
    }
    for (int i = 0; i < int(m_terminals.size()); ++i) {
        if (!openTerminal(m_terminals[i], error))
            return false;
        const Port port = static_cast<Port>(i);
        connect(m_terminals[i].notifier, &QSocketNotifier::activated, this, [this, port] { readFrom(port); });
    }
    return m_options.tcpPort < 0 || listen(error);
}

QString VirtualLabelMachine::path(Port port) const
{
    return m_terminals[static_cast<int>(port)].path;
}

QString VirtualLabelMachine::networkName() const
{
    if (!m_server || !m_server->isListening())
        return {};
    return QStringLiteral("tcp://127.0.0.1:%1").arg(m_server->serverPort());
}

// The loopback address only: the virtual printer is for this computer's own programs.
bool VirtualLabelMachine::listen(QString* error)
{
    m_server = new QTcpServer(this);
    if (!m_server->listen(QHostAddress::LocalHost, quint16(m_options.tcpPort))) {
        *error = JobText::tr("无法在 127.0.0.1:%1 上监听：%2").arg(m_options.tcpPort).arg(m_server->errorString());
        return false;
    }
    connect(m_server, &QTcpServer::newConnection, this, &VirtualLabelMachine::acceptConnections);
    return true;
}

void VirtualLabelMachine::acceptConnections()
{
    while (QTcpSocket* connection = m_server->nextPendingConnection()) {
        m_connectionPending.emplace(connection, QByteArray());
        connect(connection, &QIODevice::readyRead, this, [this, connection] { readFrom(connection); });
        // Queued: a hang-up closes the connection while its commands are being taken.
        connect(connection, &QAbstractSocket::disconnected, this, [this, connection] {
            m_connectionPending.erase(connection);
            connection->deleteLater();
        }, Qt::QueuedConnection);
    }
}

void VirtualLabelMachine::readFrom(QTcpSocket* connection)
{
    const QByteArray bytes = connection->readAll();
    drawPictures(Port::Printer, bytes);
    if (m_printerLog)
        m_printerLog->write(bytes);
    QByteArray& pending = m_connectionPending[connection];
    pending += bytes;
    takePrinterCommands(pending, {true, connection});
}

bool VirtualLabelMachine::openTerminal(Terminal& t, QString* error)
{
    char name[256] = {};
    if (::openpty(&t.master, &t.slave, name, nullptr, nullptr) != 0) {
        *error = systemError("openpty");
        return false;
    }
    // Raw line: the machine's bytes pass unchanged and nothing is echoed back.
    termios settings{};
    ::tcgetattr(t.slave, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(t.slave, TCSANOW, &settings);
    ::fcntl(t.master, F_SETFL, ::fcntl(t.master, F_GETFL) | O_NONBLOCK);
    ::fcntl(t.master, F_SETFD, FD_CLOEXEC);
    ::fcntl(t.slave, F_SETFD, FD_CLOEXEC);
    t.path = QString::fromLocal8Bit(name);
    t.notifier = new QSocketNotifier(t.master, QSocketNotifier::Read, this);
    return true;
}

void VirtualLabelMachine::closeTerminal(Terminal& t)
{
    delete t.notifier;
    t.notifier = nullptr;
    for (int* fd : {&t.master, &t.slave}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

void VirtualLabelMachine::readFrom(Port port)
{
    Terminal& t = terminal(port);
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(t.master, buffer, sizeof buffer);
        if (n <= 0) {
            if (n < 0 && errno == EINTR)
                continue;
            break;
        }
        const QByteArray bytes(buffer, n);
        if (port != Port::Status)
            drawPictures(port, bytes);
        if (port == Port::Printer) {
            if (m_printerLog)
                m_printerLog->write(bytes);
            t.pending += bytes;
        } else if (port == Port::Cutter) {
            if (m_cutterLog)
                m_cutterLog->write(bytes);
            t.pending += bytes;
        }
    }
    if (port == Port::Printer)
        takePrinterCommands(t.pending, {});
    else if (port == Port::Cutter)
        takeCutterCommands();
}

void VirtualLabelMachine::drawPictures(Port port, const QByteArray& bytes)
{
    if (!m_pictures)
        return;
    if (port == Port::Printer)
        m_pictures->printerBytes(bytes);
    else
        m_pictures->cutterBytes(bytes);
    if (const QStringList problems = m_pictures->takeMessages(); !problems.isEmpty())
        emit pictureProblems(problems);
}

// Issue commands are "{XS;" … "|}"; one whose last field ends in "1" asks for a report.
void VirtualLabelMachine::takePrinterCommands(QByteArray& pending, const ReportLine& line)
{
    for (;;) {
        const qsizetype start = pending.indexOf(kIssueStart);
        if (start < 0) {
            pending = pending.right(kIssueStart.size() - 1);
            return;
        }
        const qsizetype end = pending.indexOf(kCommandEnd, start);
        if (end < 0) {
            pending.remove(0, start);
            if (pending.size() > kMaxPending)
                pending.clear();
            return;
        }
        const bool wantsReport = end > start + kIssueStart.size() && pending.at(end - 1) == '1';
        pending.remove(0, end + kCommandEnd.size());
        if (wantsReport)
            statusRequested(line);
    }
}

// A command sequence ends with "@"; the cutter replies to one that holds " N".
void VirtualLabelMachine::takeCutterCommands()
{
    QByteArray& pending = terminal(Port::Cutter).pending;
    qsizetype end;
    while ((end = pending.indexOf('@')) >= 0) {
        const bool wantsReply = pending.left(end).contains(" N");
        pending.remove(0, end + 1);
        if (wantsReply)
            cutterRequested();
    }
    if (pending.size() > kMaxPending)
        pending.clear();
}

void VirtualLabelMachine::statusRequested(const ReportLine& line)
{
    const int label = ++m_statusRequests;
    if (hangUpAt(label, Port::Status, line))
        return;
    int after = m_options.printMs;
    if (m_options.interim) {
        send(Port::Status, line, reportInterim(), after);
        after += qMax(m_options.printMs, kPieceGapMs);
    }
    const QByteArray& report = label == m_options.faultAt ? reportFault() : reportPrinted();
    answer(Port::Status, line, report, after);
}

void VirtualLabelMachine::cutterRequested()
{
    const int label = ++m_cutterRequests;
    if (hangUpAt(label, Port::Cutter, {}) || m_options.cutterSilent)
        return;
    answer(Port::Cutter, {}, m_options.cutterReply, m_options.cutMs);
}

// A label that came over the network has its connection closed, as a printer that drops it.
bool VirtualLabelMachine::hangUpAt(int label, Port port, const ReportLine& line)
{
    if (m_hungUp || label != m_options.hangupAt)
        return false;
    m_hungUp = true;
    if (!line.network)
        closeTerminal(terminal(port));
    else if (line.connection)
        line.connection->disconnectFromHost();
    return true;
}

// The answer to one request, with the noise and the split asked for; counts once sent.
void VirtualLabelMachine::answer(Port port, const ReportLine& line, const QByteArray& bytes, int afterMs)
{
    int at = afterMs;
    if (m_options.flood) {
        send(port, line, QByteArray(kFloodBytes, '#'), at);
        at += kFloodGapMs;
    }
    const qsizetype firstPiece = port == Port::Status ? 7 : 2;
    if (m_options.split && bytes.size() > firstPiece) {
        send(port, line, bytes.left(firstPiece), at);
        at += kPieceGapMs;
        send(port, line, bytes.mid(firstPiece), at);
    } else {
        send(port, line, bytes, at);
    }
    QTimer::singleShot(at, this, [this, port] {
        ++(port == Port::Status ? m_reportsSent : m_repliesSent);
        checkFinished();
    });
}

void VirtualLabelMachine::send(Port port, const ReportLine& line, const QByteArray& bytes, int afterMs)
{
    QTimer::singleShot(qMax(0, afterMs), this, [this, port, line, bytes] {
        if (line.network) {
            // A connection the program closed meanwhile loses the answer.
            if (line.connection && line.connection->state() == QAbstractSocket::ConnectedState)
                line.connection->write(bytes);
            return;
        }
        const int master = terminal(port).master;
        if (master < 0)
            return;
        // A full or vanished line loses the answer, as a real line would.
        const ssize_t written = ::write(master, bytes.constData(), size_t(bytes.size()));
        Q_UNUSED(written);
    });
}

void VirtualLabelMachine::checkFinished()
{
    if (m_options.labels > 0 && m_reportsSent >= m_options.labels && m_repliesSent >= m_options.labels)
        emit finished();
}
