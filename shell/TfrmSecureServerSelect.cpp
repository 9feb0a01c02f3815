#include "TfrmSecureServerSelect.h"

#include "TApp.h"
#include "TFormResourceManager.h"
#include "TGlobalResourceManager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSecureServerSelect::TfrmSecureServerSelect(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmSecureServerSelect"));
    setModal(true);

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    lblTitle->setFont(titleFont);

    lblExplanation = new QLabel(this);
    lblExplanation->setObjectName(QStringLiteral("lblExplanation"));
    lblExplanation->setWordWrap(true);
    lblExplanation->setTextFormat(Qt::PlainText);

    edtSecureServer = new QLineEdit(this);
    edtSecureServer->setObjectName(QStringLiteral("edtSecureServer"));

    btnOK = new QPushButton(this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TfrmSecureServerSelect::btnOKClick);

    btnCancel = new QPushButton(this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(lblTitle);
    layout->addWidget(lblExplanation);
    layout->addWidget(edtSecureServer);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    FormResourceManager = new TFormResourceManager(this);
    FormResourceManager->setObjectName(QStringLiteral("FormResourceManager"));
    connect(FormResourceManager, &TFormResourceManager::OnResourceChange, this, &TfrmSecureServerSelect::FormResourceManagerResourceChange);
    FormResourceManagerResourceChange();
}

void TfrmSecureServerSelect::FormResourceManagerResourceChange()
{
    setWindowTitle(LangStr(423));
    lblTitle->setText(LangStr(272));
    lblExplanation->setText(LangStr(273));
    btnOK->setText(LangStr(100));
    btnCancel->setText(LangStr(99));
}

void TfrmSecureServerSelect::btnOKClick()
{
    // Written as typed, an empty text too: start-up then asks again.
    TApp::Instance().WriteSetting(QStringLiteral("Settings"), QStringLiteral("ServerName"), edtSecureServer->text());
    accept();
}

bool TfrmSecureServerSelect::EnsureServerName(QWidget* parent)
{
    while (TApp::Instance().ReadSetting(QStringLiteral("Settings"), QStringLiteral("servername")).trimmed().isEmpty()) {
        TfrmSecureServerSelect dialog(parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    return true;
}
