#pragma once

#include <QString>

class TUserSettings;

enum class TCartKind { Standard, Asp };

// What the site generation remembers for the user (settings key "SiteGen"):
// per merchant the last theme and cart, and the navigation and paging choices.
class TSiteGenSettings
{
public:
    explicit TSiteGenSettings(TUserSettings& settings) : m_settings(settings) {}

    QString LastTheme(quint32 merchantId) const;
    void SetLastTheme(quint32 merchantId, const QString& themeFolderName);
    // Any remembered text containing "ASP" is the ASP cart.
    TCartKind LastCart(quint32 merchantId) const;
    void SetLastCart(quint32 merchantId, TCartKind cart);
    static QString CartName(TCartKind cart);

    bool NavAsImage() const;
    void SetNavAsImage(bool images);
    // Products per category page; `fallback` when none is remembered or the
    // text is no positive number.
    int PageCount(int fallback) const;
    void SetPageCount(int count);

private:
    TUserSettings& m_settings;
};
