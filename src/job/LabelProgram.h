#pragma once

#include "model/MessageError.h"

#include <QString>

#include <memory>

// Printing can be handed to an outside label program driven by automation. These interfaces
// carry exactly the calls the job window makes, with the argument types it sends; an
// implementation translates them to the program's automation server. Every call may raise
// LabelProgramError.

// The programmatic identifier the automation object is created by.
inline const QString kLabelProgramId = QStringLiteral("BarTender.Application");

class LabelProgramError : public MessageError {
public:
    using MessageError::MessageError;
};

// An open format file of the outside program (the window's btFormat).
class LabelProgramFormat {
public:
    virtual ~LabelProgramFormat() = default;
    virtual void RecordRange(const QString& range) = 0;
    virtual void PrintOut(bool first, bool second) = 0;
    virtual void Close(int option) = 0;
};

// The program's collection of formats (btFormats).
class LabelProgramFormats {
public:
    virtual ~LabelProgramFormats() = default;
    virtual std::unique_ptr<LabelProgramFormat> Open(const QString& path, bool flag,
                                                     const QString& text) = 0;
};

// The program itself (btApp).
class LabelProgramApplication {
public:
    virtual ~LabelProgramApplication() = default;
    virtual void setVisible(const QString& value) = 0; // property put "Visible"
    virtual std::unique_ptr<LabelProgramFormats> Formats() = 0; // property get "Formats"
    virtual void Quit(int option) = 0;
};

// Creates automation objects by programmatic identifier.
class LabelProgramServer {
public:
    virtual ~LabelProgramServer() = default;
    virtual std::unique_ptr<LabelProgramApplication> create(const QString& programmaticId) = 0;
    // Whether this system offers the program at all: the job window keeps its controls off
    // and says why rather than let the operator choose a path that can only fail.
    virtual bool isAvailable() const { return true; }
};

// This platform has no automation servers: creating the program always fails, so the job
// window switches printing through it off and prints with its own printer commands.
class UnavailableLabelProgramServer : public LabelProgramServer {
public:
    std::unique_ptr<LabelProgramApplication> create(const QString& programmaticId) override;
    bool isAvailable() const override { return false; }
};

// The server the job window uses: UnavailableLabelProgramServer unless another was installed.
LabelProgramServer& labelProgramServer();
// Installs a server (not owned) or, with nullptr, returns to the unavailable one.
void setLabelProgramServer(LabelProgramServer* server);
