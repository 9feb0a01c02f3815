#pragma once

#include <QImage>
#include <QWidget>

class QTimer;

// The picture shown while the program starts; it stays at least MinimumTime
// so that it can be read.
class TfrmSplash : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MinimumTime = 3000;

    explicit TfrmSplash(QWidget* parent = nullptr);
    bool Elapsed() const { return m_elapsed; }
    // Processes events until the picture's time is up.
    void WaitUntilElapsed();

signals:
    void TimeElapsed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Timer1Timer();

    QImage m_picture;
    QTimer* Timer1 = nullptr;
    bool m_elapsed = false;
};
