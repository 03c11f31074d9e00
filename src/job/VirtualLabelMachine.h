#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>
#include <unordered_map>

class QFile;
class QSocketNotifier;
class QTcpServer;
class QTcpSocket;
class RunPictures;

// How the virtual machine behaves; the defaults answer every request correctly.
struct VirtualMachineOptions {
    QString printerLog;       // every byte the printer port receives is appended here
    QString cutterLog;        // every byte the cutter port receives is appended here
    int printMs = 100;        // from a status request to its report
    int cutMs = 100;          // from a cutter stream to its reply
    int faultAt = 0;          // the report of this label holds a fault (0: never)
    bool interim = false;     // an interim report comes before each final one
    bool split = false;       // reports and replies arrive in two pieces
    QByteArray cutterReply = QByteArrayLiteral("{000}");
    bool cutterSilent = false; // the cutter never replies
    bool flood = false;       // 300 bytes of line noise come before each answer
    int hangupAt = 0;         // at this label the port that receives it is closed (0: never)
    int labels = 0;           // after this many reports and replies the machine stops (0: never)
    int tcpPort = -1;         // the printer also listens on 127.0.0.1 at this port (0: any free
                              // one) and reports over the connection; -1: not on the network
    QString renderFolder;     // each label printed and each cut stream is drawn into it (empty: none)
    int renderDpi = 305;      // the printer's resolution for those pictures
};

// A label machine on three pseudo-terminals for tests and for operators without hardware.
// It listens like the printer (its command port and its status port) and like the cutter:
//   - after each printer issue command that asks for a status report ("{XS;…1|}"), a
//     13-character report holding "4020000" goes out on the status port, or back over the
//     network connection that carried the command;
//   - after each cutter command sequence that holds the reply command " N" and ends with
//     "@", the cutter answers "{000}".
// Faults are produced on request (see VirtualMachineOptions).
class VirtualLabelMachine : public QObject {
    Q_OBJECT
public:
    enum class Port { Printer, Status, Cutter };

    explicit VirtualLabelMachine(VirtualMachineOptions options, QObject* parent = nullptr);
    ~VirtualLabelMachine() override;

    // Opens the three pseudo-terminals and the logs; on failure returns false with a reason.
    bool start(QString* error);
    // The device path a link opens for each port.
    QString path(Port port) const;
    // The printer's network port name, "tcp://127.0.0.1:PORT"; empty when not listening.
    QString networkName() const;

    int reportsSent() const { return m_reportsSent; }
    int repliesSent() const { return m_repliesSent; }

    static const QByteArray& reportPrinted();
    static const QByteArray& reportInterim();
    static const QByteArray& reportFault();

signals:
    // The number of labels asked for has been printed and cut.
    void finished();
    // A label or cut stream could not be drawn (in full) or its picture not written.
    void pictureProblems(const QStringList& lines);

private:
    // Where a report goes: the status terminal, or the connection that carried the request.
    struct ReportLine {
        bool network = false;
        QPointer<QTcpSocket> connection;
    };

    struct Terminal {
        int master = -1;
        int slave = -1; // held open so that the line stays up between jobs
        QString path;
        QSocketNotifier* notifier = nullptr;
        QByteArray pending;
    };

    bool openTerminal(Terminal& terminal, QString* error);
    void closeTerminal(Terminal& terminal);
    bool listen(QString* error);
    void acceptConnections();
    void readFrom(Port port);
    void readFrom(QTcpSocket* connection);
    void takePrinterCommands(QByteArray& pending, const ReportLine& line);
    void takeCutterCommands();
    void statusRequested(const ReportLine& line);
    void cutterRequested();
    bool hangUpAt(int label, Port port, const ReportLine& line);
    void send(Port port, const ReportLine& line, const QByteArray& bytes, int afterMs);
    void answer(Port port, const ReportLine& line, const QByteArray& bytes, int afterMs);
    void checkFinished();
    void drawPictures(Port port, const QByteArray& bytes);
    Terminal& terminal(Port port) { return m_terminals[static_cast<int>(port)]; }

    VirtualMachineOptions m_options;
    std::array<Terminal, 3> m_terminals;
    QFile* m_printerLog = nullptr;
    QFile* m_cutterLog = nullptr;
    QTcpServer* m_server = nullptr;
    std::unordered_map<QTcpSocket*, QByteArray> m_connectionPending;
    std::unique_ptr<RunPictures> m_pictures;
    int m_statusRequests = 0;
    int m_cutterRequests = 0;
    int m_reportsSent = 0;
    int m_repliesSent = 0;
    bool m_hungUp = false;
};
