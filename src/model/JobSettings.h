#pragma once

#include <QString>

// How the printer, the status port and the cutter are driven. One shared instance serves
// the whole program (jobSettings()); it travels in the label file's "Label" element and is
// edited in the print-and-cut window. "Position" values are positions in that window's
// lists, counting from 0; lengths are tenths of a millimetre unless noted.
struct JobSettings {
    // Printer
    int printSensor = 2;   // position: none, black mark, see-through, pre-printed, manual black mark
    int printRibbon = 2;   // position: no, save ribbon, yes, head up; 0 = direct thermal
    int printSpeed = 0;    // position in "3", "5", "8"
    int printDarkness = 10; // position in "-10" .. "+10"; 10 is "+00"
    int printDpi = 1;      // position: 0 = 203 dots per inch, any other = 305
    QString printPort = QStringLiteral("lpt1");
    QString printStatusPort = QStringLiteral("com4");
    QString printBaud = QStringLiteral("115200"); // printer port and status port
    int Gap = 0;           // gap between labels
    int printRotation = 0; // position: normal, rotated, mirrored, mirrored and rotated
    int ostrel = 0;        // position: the printer's own cutter after each label, no / yes
    int printU1U2 = 0;     // feed adjustment around each issue command
    int printSleep = 0;    // milliseconds between printing and cutting
    int printX = 0;        // print offset added to every x
    int printY = 0;        // print offset added to every y
    int ifFeed = 0;        // feed mode: size, density and issue commands only
    int ifThread = 1;      // print-and-cut waits for the status echo before cutting
    int ifPrintFile = 0;   // print through the outside label program
    QString printFile;     // its format file

    // Cutter
    int cutLeft = 0;
    int cutTop = 0;
    int cutMaxWidth = 1300;  // the cutter's working width
    int cutMaxHeight = 3000;
    int cutSleep = 0;        // milliseconds after a cut
    QString cutPort = QStringLiteral("com1");
    QString cutBaud = QStringLiteral("9600");
    int moveAfterCut = 0;    // whole millimetres
    int ifCutSpeed = 0;
    int cutSpeed = 0;
    int ifNullSpeed = 0;
    int NullSpeed = 0;       // travel (knife up) speed
    int ifBlack = 0;         // look for the black mark before cutting
    int ifGoInit = 1;        // return to the start position after cutting
    int ifCmdCut = 1;        // command cutting
    int sendBeforeCut = 0;
    int ifGoLeft = 1;        // carriage to the left limit before cutting
    int ifGoRight = 0;       // ... to the right limit; neither = stays
    int ifGoDown = 0;        // carriage to the front limit before cutting
    int ifGoUp = 1;          // ... to the back limit; neither = stays
    int ifCutFeed = 0;       // the cutter, not the printer, moves the paper
    int ifCutFeedBlack = 0;  // cutter feed by black mark
    float mcX = 66.667f;     // cutter pulses per millimetre, x
    float mcY = 66.667f;     // cutter pulses per millimetre, y

    // Run and data
    QString quantity = QStringLiteral("1");
    int counter = 0;
    int ifDBPrint = 0;
    QString dbName;
    QString tableName;

    friend bool operator==(const JobSettings&, const JobSettings&) = default;
};

JobSettings& jobSettings();
