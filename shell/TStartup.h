#pragma once

#include <QString>

// The program's start: one running copy per user, the browser engine check,
// the start-up picture, the secure server's name, the main window and the
// message loop. main() registers the subsystems' windows and calls Run.
class TStartup
{
public:
    // Runs the program to its end; the exit code. Needs the application object.
    static int Run();

    // With QUORVIS_TRACE set, the program reports the steps of its start and
    // of a hand-over on standard error (for tests that run it as a process).
    static void Trace(const QString& line);
};
