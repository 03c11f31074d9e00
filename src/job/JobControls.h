#pragma once

#include "model/JobSettings.h"

#include <QString>

// The job window's cutter controls as a job reads them at the moment it runs: texts as the
// operator typed them, check boxes and radio buttons as their states. The window fills one
// from its widgets; the command-line tool and the tests fill one from the settings, through
// the same rules the window uses when it opens.
struct JobControls {
    // Tab "雕刻参数"
    QString cmbMcX;           // "横坐标每毫米脉冲数", pulses per millimetre
    QString cmbMcY;           // "纵坐标每毫米脉冲数"
    QString txtCutLeftMargin; // millimetres
    QString txtCutTopMargin;  // millimetres
    QString txtCutSleep;      // milliseconds
    QString txtMoveAfterCut;  // whole millimetres
    bool chbCmd = true;       // "指令雕刻"
    bool chbCutFeed = false;  // "雕刻机走纸"
    bool chbCutFeedBlack = false;
    bool chbSendBeforeCut = false; // "雕刻前回传"
    // Two radio groups: left / right / neither ("左右不动"), front / back / neither.
    bool rbGoLeft = false;
    bool rbGoRight = false;
    bool rbGoUp = false;   // back limit
    bool rbGoDown = false; // front limit
    bool chbCutSpeed = false;
    QString cmbCutSpeed;
    bool chbNullSpeed = false;
    QString cmbNullSpeed; // travel (knife up) speed
    bool chbBlack = false;  // "雕刻前找黑标"
    bool chbGoInit = false; // "雕刻后回到雕刻前位置"
    // Window-only: the begin and end texts of a cutter stream, never saved.
    QString cmbCutStartChar = QStringLiteral("#");
    QString cmbCutEndChar = QStringLiteral("@");

    // Below the tabs and tab "端口设置"
    QString txtQuantity;
    QString cmbCutPort;
    QString cmbCutBaud;

    friend bool operator==(const JobControls&, const JobControls&) = default;
};

// The controls as the window shows the settings when it opens: lengths in tenths of a
// millimetre as millimetres in their shortest decimal form ("2.5", "20"), the pulse factors
// with three decimals ("66.667"), whole numbers in decimal, flags as ticks, a quantity that
// is empty as "1". The window-only begin and end texts keep their defaults.
JobControls controlsFromSettings(const JobSettings& settings);
