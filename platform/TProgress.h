#pragma once

#include <QString>

// What a long operation (site build, upload, download, import, backup) reports
// while it works, and how it learns that the merchant pressed Cancel. Engines
// take one of these; the windows pass one backed by the status window, the
// command-line tool one that prints, tests one that records.
class TProgress
{
public:
    virtual ~TProgress() = default;
    // A new stage: its caption, the number of steps (0: unknown) and whether
    // Cancel is offered.
    virtual void Start(const QString& caption, int maximum, bool cancellable) {}
    virtual void SetMaximum(int maximum) {}
    virtual void SetPosition(int position) {}
    virtual void Step(int by = 1) {}
    virtual void SetText(const QString& text) {}
    virtual bool Cancelled() const { return false; }
    virtual void Finish() {}

    // A progress that shows nothing and is never cancelled.
    static TProgress& None();
};
