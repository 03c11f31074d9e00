#include "support/PtyPair.h"
#include "support/TestApp.h"

#include "job/VirtualLabelMachine.h"
#include "model/MessageService.h"
#include "ports/NetworkLine.h"
#include "ports/PortNames.h"
#include "printer/TReadThread.h"
#include "printer/Tcom.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

// Every test talks to 127.0.0.1 only.
namespace {

using testing_support::messageTexts;

const QByteArray kIssue = QByteArrayLiteral("{D0930,1300,0900|}{XS;I,0001,0002C3201|}");

QString loopbackName(quint16 port)
{
    return QStringLiteral("tcp://127.0.0.1:%1").arg(port);
}

// One label to a printer on the network as the echo cycle sends it: the job, then the
// status reader on the connection that carried it, until it has a verdict or the line is gone.
// A late reader takes the connection over only once the printer has closed it.
PrinterStatus printOverNetwork(const QString& portName, bool lateReader = false)
{
    std::unique_ptr<QTcpSocket> connection;
    {
        Tcom printer(portName);
        if (!printer.Open(QString()) || !printer.Write(kIssue))
            return PrinterStatus::Fault;
        connection = printer.takeConnection();
    }
    if (lateReader)
        runEventsUntil([&] { return connection->state() == QAbstractSocket::UnconnectedState; });
    TReadThread reader;
    reader.portName = portName;
    reader.adoptConnection(std::move(connection));
    reader.Resume();
    runEventsUntil([&] { return reader.status != PrinterStatus::Waiting || !reader.isOpen(); }, 3000);
    return reader.status;
}

TEST(NetworkPrinter, VirtualMachineReportsOverTheConnectionThatCarriedTheLabel)
{
    const auto machine = [](auto change) {
        VirtualMachineOptions options;
        options.printMs = 10;
        options.tcpPort = 0;
        change(options);
        return options;
    };
    const struct {
        const char* name;
        VirtualMachineOptions options;
        std::vector<PrinterStatus> labels;
        const char* message; // the last message the operator saw, "" for none
    } cases[] = {
        {"every label printed", machine([](auto&) {}), {PrinterStatus::Printed, PrinterStatus::Printed}, ""},
        {"fault at label 2", machine([](auto& o) { o.faultAt = 2; }), {PrinterStatus::Printed, PrinterStatus::Fault}, ""},
        {"interim report first, in pieces", machine([](auto& o) { o.interim = o.split = true; }),
         {PrinterStatus::Printed}, ""},
        {"connection dropped at label 2", machine([](auto& o) { o.hangupAt = 2; }),
         {PrinterStatus::Printed, PrinterStatus::Waiting}, "没有收到打印机的状态回传：打印机 127.0.0.1:"},
    };
    for (const auto& c : cases) {
        RecordingMessageService messages;
        VirtualLabelMachine sim(c.options);
        QString error;
        ASSERT_TRUE(sim.start(&error)) << qPrintable(error);
        ASSERT_TRUE(sim.networkName().startsWith(QStringLiteral("tcp://127.0.0.1:"))) << c.name;
        int number = 1;
        for (const PrinterStatus expected : c.labels)
            EXPECT_EQ(printOverNetwork(sim.networkName()), expected) << c.name << ", label " << number++;
        const QStringList texts = messageTexts(messages);
        const QString expected = QString::fromUtf8(c.message);
        EXPECT_TRUE(expected.isEmpty() ? texts.isEmpty() : !texts.isEmpty() && texts.last().startsWith(expected))
            << c.name << ": " << qPrintable(texts.join(u'|'));
    }
}

// A printer that answers and closes at once has answered: its report is read and no failure
// is shown, also when the reader comes after the close; one that closes without a word has
// failed the label.
TEST(NetworkPrinter, PrinterThatClosesAfterItsReportHasAnswered)
{
    const struct {
        const char* name;
        QByteArray reply;
        PrinterStatus status;
        bool told;
    } cases[] = {
        {"report, then closed", "{S4020000|}\r\n", PrinterStatus::Printed, false},
        {"closed without a report", "", PrinterStatus::Waiting, true},
        {"half a report, then closed", "{S40200", PrinterStatus::Waiting, true},
    };
    for (const auto& c : cases) for (const bool lateReader : {false, true}) {
        RecordingMessageService messages;
        QTcpServer printer;
        ASSERT_TRUE(printer.listen(QHostAddress::LocalHost));
        QObject::connect(&printer, &QTcpServer::newConnection, [&printer, &c] {
            QTcpSocket* connection = printer.nextPendingConnection();
            QObject::connect(connection, &QIODevice::readyRead, [connection, &c] {
                if (!connection->readAll().contains("{XS;"))
                    return;
                connection->write(c.reply);
                connection->disconnectFromHost();
            });
        });
        EXPECT_EQ(printOverNetwork(loopbackName(printer.serverPort()), lateReader), c.status) << c.name << lateReader;
        EXPECT_EQ(messages.messages.size(), c.told ? 1 : 0) << c.name << lateReader;
    }
}

TEST(NetworkPrinter, PrinterThatCannotBeReachedOrDropsTheJobGivesTheReason)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 refusingPort = closed.serverPort();
    closed.close();

    // A printer that takes the connection but never reads, then drops it: the job cannot
    // have reached it whole.
    QTcpServer dropping;
    ASSERT_TRUE(dropping.listen(QHostAddress::LocalHost));
    QObject::connect(&dropping, &QTcpServer::newConnection, [&dropping] {
        QTcpSocket* connection = dropping.nextPendingConnection();
        connection->setReadBufferSize(1024); // takes no more from the network than this
        QTimer::singleShot(200, connection, [connection] { connection->abort(); });
    });

    {
        Tcom link(loopbackName(refusingPort));
        EXPECT_FALSE(link.Open(QString()));
        EXPECT_TRUE(link.openFailureHint().contains(QStringLiteral("拒绝连接"))) << qPrintable(link.openFailureHint());
    }
    {
        Tcom link(QStringLiteral("tcp://127.0.0.1:70000"));
        EXPECT_FALSE(link.Open(QString()));
        EXPECT_TRUE(link.openFailureHint().contains(QStringLiteral("tcp://主机:端口")));
    }
    Tcom link(loopbackName(dropping.serverPort()));
    ASSERT_TRUE(link.Open(QString()));
    // More than the printer's and this computer's buffers hold together.
    EXPECT_FALSE(link.Write(QByteArray(64 << 20, 'x')));
    EXPECT_TRUE(link.writeFailureReason().contains(QStringLiteral("127.0.0.1:%1").arg(dropping.serverPort())))
        << qPrintable(link.writeFailureReason());
}

// A job larger than the buffers on the way: a printer that keeps taking bytes gets all of
// it, however long that takes; one that takes nothing, yet holds the connection (out of
// paper), ends the job after the stall time.
TEST(NetworkPrinter, WriteWaitsForAPrinterThatTakesBytesAndGivesUpOnOneThatStalls)
{
    for (const bool reading : {true, false}) {
        QTcpServer printer;
        ASSERT_TRUE(printer.listen(QHostAddress::LocalHost));
        qint64 received = 0;
        QObject::connect(&printer, &QTcpServer::newConnection, [&printer, &received, reading] {
            QTcpSocket* connection = printer.nextPendingConnection();
            connection->setReadBufferSize(reading ? 0 : 1024);
            QObject::connect(connection, &QIODevice::readyRead, [connection, &received, reading] {
                if (reading)
                    received += connection->readAll().size();
            });
        });
        QString reason;
        const auto connection = network_line::connect(loopbackName(printer.serverPort()), &reason);
        ASSERT_NE(connection, nullptr) << qPrintable(reason);
        const QByteArray job(16 << 20, 'x');
        ASSERT_EQ(connection->write(job), job.size());
        EXPECT_EQ(network_line::drain(*connection, &reason, reading ? 5000 : 300), reading) << qPrintable(reason);
        EXPECT_EQ(reason.contains(QStringLiteral("0.3 秒内没有接收数据")), !reading) << qPrintable(reason);
        if (reading) {
            runEventsUntil([&] { return received == job.size(); }, 3000);
            EXPECT_EQ(received, job.size());
        }
    }
}

// The address of a printer whose accept queue is full: its connections wait unanswered.
TEST(NetworkPrinter, ConnectionNotAcceptedInTimeEndsWithTheTimeout)
{
    QTcpServer busy;
    busy.setListenBacklogSize(0);
    ASSERT_TRUE(busy.listen(QHostAddress::LocalHost));
    busy.pauseAccepting();
    std::vector<std::unique_ptr<QTcpSocket>> queued;
    for (int i = 0; i < 4; ++i) {
        queued.push_back(std::make_unique<QTcpSocket>());
        queued.back()->connectToHost(QHostAddress::LocalHost, busy.serverPort());
    }
    runEventsUntil([] { return false; }, 200);
    QString reason;
    const auto connection = network_line::connect(loopbackName(busy.serverPort()), &reason, 300);
    EXPECT_EQ(connection, nullptr);
    EXPECT_TRUE(reason.contains(QStringLiteral("0.3 秒内没有接受连接"))) << qPrintable(reason);
}

TEST(NetworkPrinter, PortNamesGiveTheAddressOrSayWhatIsWrong)
{
    const struct {
        const char* name;
        const char* address; // nullptr: refused
    } cases[] = {
        {"tcp://192.168.1.20:9100", "192.168.1.20:9100"},
        {"TCP://printer.local", "printer.local:9100"}, // raw printing's port when left out
        {" tcp://10.0.0.5:6101/ ", "10.0.0.5:6101"},
        {"tcp://[fe80::1]:9100", "[fe80::1]:9100"},
        {"tcp://:9100", nullptr},
        {"tcp://host:0", nullptr},
        {"tcp://host:65536", nullptr},
        {"tcp://host:91a0", nullptr},
        {"tcp://host:9100/queue", nullptr},
        {"tcp://user@host:9100", nullptr},
    };
    for (const auto& c : cases) {
        QString problem;
        const std::optional<NetworkAddress> address = networkAddress(QString::fromUtf8(c.name), &problem);
        EXPECT_EQ(resolvePortName(QString::fromUtf8(c.name)).kind, PortKind::Network) << c.name;
        EXPECT_EQ(address ? address->text() : QString(), QString::fromUtf8(c.address ? c.address : ""))
            << c.name;
        EXPECT_EQ(problem.isEmpty(), c.address != nullptr) << c.name;
    }
    EXPECT_EQ(resolvePortName(QStringLiteral("tcp:/host")).kind, PortKind::File);
}

} // namespace
