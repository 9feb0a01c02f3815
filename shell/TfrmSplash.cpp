#include "TfrmSplash.h"

#include "TGlobalResourceManager.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TfrmSplash"));
    m_picture = TGlobalResourceManager::Instance().LoadBitmap(1252);
    // Without its picture the window keeps a plain size rather than vanishing.
    const QSize size = m_picture.isNull() ? QSize(480, 300) : m_picture.size();
    setFixedSize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TfrmSplash::Timer1Timer);
    Timer1->start(MinimumTime);
}

void TfrmSplash::Timer1Timer()
{
    m_elapsed = true;
    emit TimeElapsed();
}

void TfrmSplash::WaitUntilElapsed()
{
    if (m_elapsed)
        return;
    QEventLoop loop;
    connect(this, &TfrmSplash::TimeElapsed, &loop, &QEventLoop::quit);
    loop.exec();
}

void TfrmSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_picture.isNull())
        p.fillRect(rect(), QColor(0x1b, 0x2f, 0x4b));
    else
        p.drawImage(0, 0, m_picture);
}
