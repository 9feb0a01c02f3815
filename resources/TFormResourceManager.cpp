#include "TFormResourceManager.h"

#include "TGlobalResourceManager.h"

TFormResourceManager::TFormResourceManager(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("FormResourceManager"));
    TGlobalResourceManager::Instance().Register(this);
}

TFormResourceManager::~TFormResourceManager()
{
    TGlobalResourceManager::Instance().Unregister(this);
}

int TFormResourceManager::LanguageID() const
{
    return TGlobalResourceManager::Instance().LanguageID();
}

QString TFormResourceManager::ResourcePath() const
{
    return TGlobalResourceManager::Instance().ResourcePath();
}

void TFormResourceManager::NotifyResourceChange()
{
    emit OnResourceChange(this);
}
