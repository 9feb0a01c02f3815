#pragma once

#include <QString>

class TfrmMain;
class TfrmSplash;

// Pictures of what the merchant sees, for the documentation and for review:
// the program, started with QUORVIS_SCREENSHOTS=<folder>, shows each window it
// can reach, saves a PNG of it into the folder and ends.
class TScreenshots
{
public:
    static void GrabSplash(TfrmSplash& splash, const QString& folder);
    // Walks through the main window, its menus and the shell's windows in both languages.
    static void Run(TfrmMain& main, const QString& folder);
};
