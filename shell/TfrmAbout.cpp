#include "TfrmAbout.h"

#include "TApp.h"
#include "TFormResourceManager.h"
#include "TGlobalResourceManager.h"
#include "TProgramFolders.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// A menu text without its keyboard marker: "&About..." and "關於(&A)..." alike.
QString WithoutMnemonic(QString text)
{
    static const QRegularExpression bracketed(QStringLiteral("\\(&[^&]\\)"));
    text.remove(bracketed);
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

} // namespace

TLinkLabel::TLinkLabel(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Link));
    setPalette(p);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void TLinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

TfrmAbout::TfrmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmAbout"));
    setModal(true);

    imgAbout = new QLabel(this);
    imgAbout->setObjectName(QStringLiteral("imgAbout"));
    imgAbout->setAlignment(Qt::AlignTop);

    lblAppName = new QLabel(this);
    lblAppName->setObjectName(QStringLiteral("lblAppName"));
    lblAppName->hide();

    auto makeLabel = [this](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1StringView(name));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        return label;
    };
    lblProductName = makeLabel("lblProductName");
    QFont big = lblProductName->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    lblProductName->setFont(big);
    lblVersion = makeLabel("lblVersion");
    lblBuild = makeLabel("lblBuild");
    lblCompany = makeLabel("lblCompany");

    lblAppLocation = new TLinkLabel(this);
    lblAppLocation->setObjectName(QStringLiteral("lblAppLocation"));
    connect(lblAppLocation, &TLinkLabel::clicked, this, &TfrmAbout::lblAppLocationClick);
    lblDBLocation = new TLinkLabel(this);
    lblDBLocation->setObjectName(QStringLiteral("lblDBLocation"));
    connect(lblDBLocation, &TLinkLabel::clicked, this, &TfrmAbout::lblDBLocationClick);

    btnClose = new QPushButton(this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->setContentsMargins(0, 16, 0, 0);
    text->setSpacing(6);
    text->addWidget(lblProductName);
    text->addWidget(lblVersion);
    text->addWidget(lblBuild);
    text->addSpacing(10);
    text->addWidget(lblAppLocation);
    text->addWidget(lblDBLocation);
    text->addStretch();
    text->addWidget(lblCompany);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnClose);
    text->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 16, 14);
    layout->setSpacing(18);
    layout->addWidget(imgAbout);
    layout->addLayout(text, 1);
    setMinimumWidth(460);

    FormResourceManager = new TFormResourceManager(this);
    FormResourceManager->setObjectName(QStringLiteral("FormResourceManager"));
    connect(FormResourceManager, &TFormResourceManager::OnResourceChange, this, &TfrmAbout::FormResourceManagerResourceChange);
    FormResourceManagerResourceChange();
}

void TfrmAbout::FormResourceManagerResourceChange()
{
    // The menu item's text, without its keyboard marker, is the window's title.
    setWindowTitle(WithoutMnemonic(LangStr(461)));
    lblAppName->setText(LangStr(754));
    lblProductName->setText(LangStr(1227));
    lblVersion->setText(LangStr(1229));
    lblCompany->setText(LangStr(1226));
    lblBuild->setText(LangStr(1383) + QStringLiteral(": ") + QLatin1StringView(BuildDate));
    lblAppLocation->setText(LangStr(1523));
    lblDBLocation->setText(LangStr(1532));
    btnClose->setText(LangStr(205));
    imgAbout->setPixmap(QPixmap::fromImage(TGlobalResourceManager::Instance().LoadBitmap(1525)));
}

void TfrmAbout::lblAppLocationClick()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(TProgramFolders::ProgramFolder()));
}

void TfrmAbout::lblDBLocationClick()
{
    const QString folder = TApp::Exists() ? TApp::Instance().StoreFolder() : QString();
    if (!folder.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
