#include "TSiteGenSettings.h"

#include "TUserSettings.h"

namespace {
const QString Key = QStringLiteral("SiteGen");
} // namespace

QString TSiteGenSettings::LastTheme(quint32 merchantId) const
{
    return m_settings.Read(Key + QStringLiteral("\\LastTheme"), QString::number(merchantId)).trimmed();
}

void TSiteGenSettings::SetLastTheme(quint32 merchantId, const QString& themeFolderName)
{
    m_settings.Write(Key + QStringLiteral("\\LastTheme"), QString::number(merchantId), themeFolderName);
}

TCartKind TSiteGenSettings::LastCart(quint32 merchantId) const
{
    const QString cart = m_settings.Read(Key + QStringLiteral("\\LastCart"), QString::number(merchantId));
    return cart.contains(QStringLiteral("ASP")) ? TCartKind::Asp : TCartKind::Standard;
}

void TSiteGenSettings::SetLastCart(quint32 merchantId, TCartKind cart)
{
    m_settings.Write(Key + QStringLiteral("\\LastCart"), QString::number(merchantId), CartName(cart));
}

QString TSiteGenSettings::CartName(TCartKind cart)
{
    return cart == TCartKind::Asp ? QStringLiteral("ASP Shopping Cart") : QStringLiteral("Standard Shopping Cart");
}

bool TSiteGenSettings::NavAsImage() const
{
    return m_settings.ReadBool(Key + QStringLiteral("\\Theme"), QStringLiteral("NavAsImage"), false);
}

void TSiteGenSettings::SetNavAsImage(bool images)
{
    m_settings.WriteBool(Key + QStringLiteral("\\Theme"), QStringLiteral("NavAsImage"), images);
}

int TSiteGenSettings::PageCount(int fallback) const
{
    bool ok = false;
    const int count = m_settings.Read(Key + QStringLiteral("\\Theme"), QStringLiteral("PageCount")).trimmed().toInt(&ok);
    return ok && count > 0 ? count : fallback;
}

void TSiteGenSettings::SetPageCount(int count)
{
    m_settings.Write(Key + QStringLiteral("\\Theme"), QStringLiteral("PageCount"), QString::number(count));
}
