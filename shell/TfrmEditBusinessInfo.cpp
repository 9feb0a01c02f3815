#include "TfrmEditBusinessInfo.h"

#include "TFormResourceManager.h"
#include "TGlobalResourceManager.h"
#include "TMessenger.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The list's column for the name holds this many characters.
constexpr int NameLength = 200;
} // namespace

TfrmEditBusinessInfo::TfrmEditBusinessInfo(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmEditBusinessInfo"));
    setModal(true);

    lblBusinessName = new QLabel(this);
    lblBusinessName->setObjectName(QStringLiteral("lblBusinessName"));
    edtBusinessName = new QLineEdit(this);
    edtBusinessName->setObjectName(QStringLiteral("edtBusinessName"));
    edtBusinessName->setMaxLength(NameLength);
    lblBusinessName->setBuddy(edtBusinessName);

    lblBusinessDesc = new QLabel(this);
    lblBusinessDesc->setObjectName(QStringLiteral("lblBusinessDesc"));
    memBusinessDesc = new QPlainTextEdit(this);
    memBusinessDesc->setObjectName(QStringLiteral("memBusinessDesc"));
    memBusinessDesc->setTabChangesFocus(true);
    lblBusinessDesc->setBuddy(memBusinessDesc);

    btnOK = new QPushButton(this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TfrmEditBusinessInfo::btnOKClick);
    btnCancel = new QPushButton(this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QGridLayout;
    fields->addWidget(lblBusinessName, 0, 0);
    fields->addWidget(edtBusinessName, 0, 1);
    fields->addWidget(lblBusinessDesc, 1, 0, Qt::AlignTop);
    fields->addWidget(memBusinessDesc, 1, 1);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    resize(440, 260);

    FormResourceManager = new TFormResourceManager(this);
    FormResourceManager->setObjectName(QStringLiteral("FormResourceManager"));
    connect(FormResourceManager, &TFormResourceManager::OnResourceChange, this, &TfrmEditBusinessInfo::FormResourceManagerResourceChange);
    FormResourceManagerResourceChange();
}

void TfrmEditBusinessInfo::FormResourceManagerResourceChange()
{
    setWindowTitle(LangStr(5110));
    lblBusinessName->setText(LangStr(5111));
    lblBusinessDesc->setText(LangStr(5112));
    btnOK->setText(LangStr(100));
    btnCancel->setText(LangStr(99));
}

void TfrmEditBusinessInfo::SetBusinessInfo(const QString& name, const QString& description)
{
    edtBusinessName->setText(name);
    memBusinessDesc->setPlainText(description);
}

QString TfrmEditBusinessInfo::BusinessName() const
{
    return edtBusinessName->text().trimmed();
}

QString TfrmEditBusinessInfo::BusinessDesc() const
{
    return memBusinessDesc->toPlainText();
}

void TfrmEditBusinessInfo::btnOKClick()
{
    if (BusinessName().isEmpty()) {
        TMessenger::Current().Show(TMessenger::Kind::Warning, LangStr(1340));
        edtBusinessName->setFocus();
        return;
    }
    accept();
}
