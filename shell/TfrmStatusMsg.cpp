#include "TfrmStatusMsg.h"

#include "TFormResourceManager.h"
#include "TGlobalResourceManager.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace {

QPointer<TfrmStatusMsg> g_instance;

constexpr int WindowWidth = 305;
constexpr int WindowHeight = 123;
constexpr int ButtonHeight = 25;
constexpr int ButtonFromBottom = 31;

} // namespace

TfrmStatusMsg::TfrmStatusMsg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TfrmStatusMsg"));
    setModal(false);

    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setTextFormat(Qt::PlainText);

    lblProgress = new QLabel(this);
    lblProgress->setObjectName(QStringLiteral("lblProgress"));
    lblProgress->setTextFormat(Qt::PlainText);
    lblProgress->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    pbProgress = new QProgressBar(this);
    pbProgress->setObjectName(QStringLiteral("pbProgress"));
    pbProgress->setRange(0, 100);
    pbProgress->setTextVisible(false);

    btnoK = new QPushButton(this);
    btnoK->setObjectName(QStringLiteral("btnoK"));
    btnoK->setDefault(true);
    connect(btnoK, &QPushButton::clicked, this, &QDialog::accept);

    btnCancel = new QPushButton(this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnCancel, &QPushButton::clicked, this, &TfrmStatusMsg::btnCancelClick);

    FormResourceManager = new TFormResourceManager(this);
    FormResourceManager->setObjectName(QStringLiteral("FormResourceManager"));
    connect(FormResourceManager, &TFormResourceManager::OnResourceChange, this, &TfrmStatusMsg::FormResourceManagerResourceChange);
    FormResourceManagerResourceChange();

    ShowText(QString());
}

TfrmStatusMsg::~TfrmStatusMsg() = default;

TfrmStatusMsg& TfrmStatusMsg::Instance()
{
    if (!g_instance)
        g_instance = new TfrmStatusMsg;
    return *g_instance;
}

TfrmStatusMsg& TfrmStatusMsg::CreateInstance(QWidget* owner)
{
    if (!g_instance)
        g_instance = new TfrmStatusMsg(owner);
    return *g_instance;
}

void TfrmStatusMsg::FormResourceManagerResourceChange()
{
    btnoK->setText(LangStr(100));
    btnCancel->setText(LangStr(99));
    m_background = TGlobalResourceManager::Instance().LoadBitmap(1251);
    update();
}

void TfrmStatusMsg::ShowText(const QString& text)
{
    btnoK->hide();
    btnCancel->hide();
    pbProgress->hide();
    lblProgress->hide();
    lblMessage->setText(text);
    PlaceMessage();
    lblMessage->show();
    Arrange();
}

void TfrmStatusMsg::ShowTextWithOK(const QString& text, int options)
{
    ShowText(text);
    if (options & ShowOK) {
        btnoK->show();
        Arrange();
    }
}

void TfrmStatusMsg::ShowProgress(const QString& caption, int options)
{
    btnoK->hide();
    btnCancel->setVisible(options & ShowCancel);
    m_cancelled = false;
    pbProgress->show();
    lblProgress->setText(caption);
    lblProgress->show();
    lblMessage->hide();
    Arrange();
}

int TfrmStatusMsg::exec()
{
    ++m_modalDepth;
    const int result = QDialog::exec();
    --m_modalDepth;
    return result;
}

void TfrmStatusMsg::btnCancelClick()
{
    btnCancel->hide();
    m_cancelled = true;
    // Shown without a modal loop (progress), the window stays up until its
    // caller hides it; the caller sees Cancelled.
    if (m_modalDepth > 0)
        reject();
    else
        setResult(QDialog::Rejected);
}

void TfrmStatusMsg::PlaceMessage()
{
    // A short message stays on one line, centred; a long one wraps at the
    // width of the bar.
    lblMessage->setWordWrap(false);
    const int natural = lblMessage->sizeHint().width();
    if (natural < ContentWidth + 1) {
        lblMessage->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        lblMessage->resize(ContentWidth, lblMessage->sizeHint().height());
    } else {
        lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        lblMessage->setWordWrap(true);
        lblMessage->resize(ContentWidth, lblMessage->heightForWidth(ContentWidth));
    }
}

void TfrmStatusMsg::Arrange()
{
    const int left = (WindowWidth - ContentWidth) / 2;
    const bool button = !btnoK->isHidden() || !btnCancel->isHidden();
    const int buttonSpace = button ? ButtonFromBottom + 6 : 0;
    int height = WindowHeight;

    if (!lblMessage->isHidden()) {
        const int needed = 22 + lblMessage->height() + 14 + buttonSpace;
        height = std::max(WindowHeight, needed);
        const int area = height - buttonSpace;
        lblMessage->move(left, std::max(20, (area - lblMessage->height()) / 2));
    } else {
        const int captionHeight = lblProgress->sizeHint().height();
        lblProgress->setGeometry(left, 24, ContentWidth, captionHeight);
        pbProgress->setGeometry(left, 24 + captionHeight + 8, ContentWidth, 16);
    }
    setFixedSize(WindowWidth, height);

    const int buttonWidth = std::max(75, btnoK->sizeHint().width());
    btnoK->setGeometry((WindowWidth - buttonWidth) / 2, height - ButtonFromBottom, buttonWidth, ButtonHeight);
    const int cancelWidth = std::max(75, btnCancel->sizeHint().width());
    btnCancel->setGeometry((WindowWidth - cancelWidth) / 2, height - ButtonFromBottom, cancelWidth, ButtonHeight);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->availableGeometry();
        move(desktop.center() - QPoint(width() / 2, height / 2));
    }
}

void TfrmStatusMsg::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    if (m_background.isNull()) {
        p.fillRect(rect(), QColor(0xf4, 0xf7, 0xfb));
    } else if (height() <= m_background.height()) {
        p.drawImage(0, 0, m_background);
    } else {
        // A window grown for a long message keeps the picture's top edge at
        // the top and the rest of it at the bottom, with the picture's own
        // background colour in between.
        constexpr int edge = 4;
        const int w = m_background.width();
        const int h = m_background.height();
        p.fillRect(rect(), m_background.pixelColor(w / 2, edge + 2));
        p.drawImage(QRect(0, height() - h + edge, w, h - edge), m_background, QRect(0, edge, w, h - edge));
        p.drawImage(QRect(0, 0, w, edge), m_background, QRect(0, 0, w, edge));
    }
    p.setPen(QColor(0x9d, 0xb0, 0xc8));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TfrmStatusMsg::keyPressEvent(QKeyEvent* event)
{
    // Escape means Cancel only where Cancel is offered; a message waits for OK.
    if (event->key() == Qt::Key_Escape) {
        if (!btnCancel->isHidden())
            btnCancelClick();
        else if (!btnoK->isHidden())
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmStatusMsg::closeEvent(QCloseEvent* event)
{
    if (!btnCancel->isHidden())
        m_cancelled = true;
    QDialog::closeEvent(event);
}
