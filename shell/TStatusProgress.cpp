#include "TStatusProgress.h"

#include "TCommandRegistry.h"
#include "TfrmStatusMsg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

namespace {
// Often enough that painting and Cancel respond at once, seldom enough that a
// loop over thousands of files is not slowed down by it.
constexpr int EventInterval = 25;
} // namespace

TStatusProgress::TStatusProgress(TfrmStatusMsg* window)
    : m_window(window ? window : &TfrmStatusMsg::Instance())
{
}

TStatusProgress::~TStatusProgress()
{
    Finish();
}

void TStatusProgress::Start(const QString& caption, int maximum, bool cancellable)
{
    if (!m_busy)
        m_busy = std::make_unique<TBusyGuard>();
    if (!m_window)
        return;
    m_window->ShowProgress(caption, cancellable ? TfrmStatusMsg::ShowCancel : 0);
    // An unknown length shows a moving bar.
    m_window->pbProgress->setRange(0, std::max(0, maximum));
    m_window->pbProgress->setValue(0);
    // Shown without a modal loop of its own, but modal to the rest of the
    // program: the operation mostly runs from a feature window that is itself
    // modal, and Cancel must still take clicks while nothing else does.
    if (!m_window->isVisible())
        m_window->setWindowModality(Qt::ApplicationModal);
    m_window->show();
    m_window->raise();
    ProcessEvents(true);
}

void TStatusProgress::SetMaximum(int maximum)
{
    if (m_window)
        m_window->pbProgress->setMaximum(std::max(0, maximum));
    ProcessEvents(false);
}

void TStatusProgress::SetPosition(int position)
{
    if (m_window)
        m_window->pbProgress->setValue(std::clamp(position, 0, m_window->pbProgress->maximum()));
    ProcessEvents(false);
}

void TStatusProgress::Step(int by)
{
    if (m_window)
        SetPosition(m_window->pbProgress->value() + by);
}

void TStatusProgress::SetText(const QString& text)
{
    if (m_window)
        m_window->lblProgress->setText(text);
    ProcessEvents(false);
}

bool TStatusProgress::Cancelled() const
{
    ProcessEvents(false);
    return m_window && m_window->Cancelled();
}

void TStatusProgress::Finish()
{
    if (m_window && m_busy) {
        m_window->hide();
        m_window->setWindowModality(Qt::NonModal);
    }
    m_busy.reset();
}

void TStatusProgress::ProcessEvents(bool force) const
{
    if (!m_busy)
        return;
    if (!force && m_sinceEvents.isValid() && m_sinceEvents.elapsed() < EventInterval)
        return;
    QCoreApplication::processEvents();
    m_sinceEvents.start();
}
