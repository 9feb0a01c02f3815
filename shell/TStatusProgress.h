#pragma once

#include "TProgress.h"

#include <QElapsedTimer>
#include <QPointer>

#include <memory>

class TBusyGuard;
class TfrmStatusMsg;

// Progress of a long operation in the status window. While a stage runs, the
// program counts as busy (no second command starts) and the window system
// keeps processing events, so that the status window paints and its Cancel
// button works.
class TStatusProgress : public TProgress
{
public:
    // The program's status window unless another is given.
    explicit TStatusProgress(TfrmStatusMsg* window = nullptr);
    ~TStatusProgress() override;

    void Start(const QString& caption, int maximum, bool cancellable) override;
    void SetMaximum(int maximum) override;
    void SetPosition(int position) override;
    void Step(int by = 1) override;
    void SetText(const QString& text) override;
    bool Cancelled() const override;
    void Finish() override;

private:
    void ProcessEvents(bool force) const;

    QPointer<TfrmStatusMsg> m_window;
    std::unique_ptr<TBusyGuard> m_busy;
    mutable QElapsedTimer m_sinceEvents;
};
