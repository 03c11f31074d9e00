#pragma once

#include "job/LabelProgram.h"

#include <QString>

#include <memory>

struct JobSettings;

// The job window's link to the outside label program: the application, its formats and the
// open format (btApp, btFormats, btFormat). It lives as long as the window is shown; the next
// showing starts a new application. All calls run on the main thread.
class LabelProgramSession {
public:
    explicit LabelProgramSession(LabelProgramServer& server = labelProgramServer());
    ~LabelProgramSession();
    LabelProgramSession(const LabelProgramSession&) = delete;
    LabelProgramSession& operator=(const LabelProgramSession&) = delete;

    // Showing the window with printing through the program chosen: starts it invisibly and
    // opens printFile. False when the program is missing or the format does not open; the
    // window then switches this printing path off without a message.
    bool open(const QString& printFile);

    // "选择文件" with the chosen path. An empty path does nothing; a name whose extension is not
    // exactly ".btw" is refused with a message. Otherwise printFile takes the path, the program
    // is started when it is not running yet, and the format is opened in it. Returns whether
    // the path was taken; errors of the program reach the caller as LabelProgramError.
    bool selectFile(const QString& path, JobSettings& settings);

    // One print step without records: one "PrintOut", whatever the quantity.
    void printOut();
    // One print step over the records of range (a record range text, or one record number).
    void printRecords(const QString& range);

    // Closing the window: the format is closed and the program quit; errors are ignored.
    void close();

    // Whether this system offers the program at all (LabelProgramServer::isAvailable).
    bool isAvailable() const { return m_server.isAvailable(); }
    bool isRunning() const { return m_application != nullptr; }
    bool hasFormat() const { return m_format != nullptr; }

private:
    void start();
    void openFormat(const QString& path);
    LabelProgramFormat& format();

    LabelProgramServer& m_server;
    std::unique_ptr<LabelProgramApplication> m_application;
    std::unique_ptr<LabelProgramFormats> m_formats;
    std::unique_ptr<LabelProgramFormat> m_format;
};

// Whether a chosen file is a format file of the outside program: its extension is exactly
// ".btw" (".BTW" is refused).
bool isLabelProgramFormatFile(const QString& path);
