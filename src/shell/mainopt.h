#pragma once
// The main window's settings file "mainopt.txt": 23 lines, read at start-up, written at exit.

#include <QString>

namespace shell {

struct MainOpt {
    QString designName = QStringLiteral("Sky");
    int top = 100;
    int left = 300;
    int width = 900;
    int height = 800;
    int PanelPlacering = 3;
    QString dirBoksFolder;        // the file panel's folder; the documents folder by default
    int filterIndex = 1;
    int dirBoksHeight = 164;
    bool filPanelVisible = false;
    bool filPanelSplitterVisible = false;
    int betweenlisteHeight = 187;
    int valuelisteHeight = 187;
    bool bogVisible = true;
    int filPanelWidth = 200;
    bool visFtpFunktioner = false;
    bool autoSenesteFM = false;
    QString jsObjektName;
    bool knapboks[4] = {false, false, false, false};
    int objStrukturBredde = 240;

    // The defaults, with the file panel in the program's documents folder.
    static MainOpt standard();

    // Reads the file. A missing file, fewer than 23 lines, a line that is not a whole number
    // where one is expected, an unknown style name or a folder that does not exist gives
    // the defaults as a whole; `fromFile` tells which happened.
    static MainOpt hent(const QString &path, bool *fromFile = nullptr);

    // Writes the 23 lines; returns the system's text on failure.
    bool gem(const QString &path, QString *error = nullptr) const;

    static constexpr int kLines = 23;
};

} // namespace shell
