#pragma once

#include <QHash>
#include <QString>

#include <functional>

class QWidget;

// The names under which the feature windows and commands are registered. The
// subsystem that owns a window registers its opener under that name from its
// registration function, which main() calls at start.
namespace WindowNames {
inline constexpr const char SelectSite[] = "TfrmSelectSite";             // page unused
inline constexpr const char MerchantSettings[] = "TfrmMerchantSettings"; // 0 details, 1 website, 2 secure server
inline constexpr const char Categories[] = "TfrmCategories";             // 0 products, 1 promotions, 2 freight
inline constexpr const char ModifyCheckout[] = "TfrmModifyCheckout";     // 0 cart ... 4 freight
inline constexpr const char Marketing[] = "TfrmMarketing";               // 0 keywords, 1 search engines, 2 banner, 3 counter
inline constexpr const char CustomerList[] = "TfrmCustomerList";         // 0 customers, 1 e-mail templates, 2 sent e-mail
inline constexpr const char Orders[] = "TfrmOrders";                     // 0
inline constexpr const char Import[] = "TfrmImport";                     // 0 import, 1 export; all template types
inline constexpr const char SiteGeneration[] = "TfrmSiteGeneration";     // 0 web pages, 1 generate, 2 upload
inline constexpr const char ImageResizer[] = "TImageResizerForm";        // page unused
inline constexpr const char MailSettings[] = "TfrmMailSettings";         // page unused
inline constexpr const char VerifyDatabase[] = "VerifyDatabase";         // page unused
inline constexpr const char BackupDatabase[] = "BackupDatabase";         // page unused
inline constexpr const char Tools[] = "TfrmTools";                       // page unused; the tools menu is rebuilt after it
inline constexpr const char SendToServer[] = "TfrmSendToServer";         // 0 send now, 1 closing (ask first)
} // namespace WindowNames

// Which window a command opens, by name. The shell knows the names and the
// pages; the subsystems supply the windows. An opener creates its window with
// the owner as parent, shows it modally at the page given and destroys it.
class TCommandRegistry
{
public:
    using Opener = std::function<void(QWidget* owner, int page)>;

    static TCommandRegistry& Instance();

    // Replaces an earlier opener of the same name.
    void Register(const QString& window, Opener opener);
    void Unregister(const QString& window);
    bool IsRegistered(const QString& window) const;
    // Runs the opener. False, and nothing happens, when none is registered or a
    // long operation is running (see TBusyGuard).
    bool Open(const QString& window, QWidget* owner, int page = 0) const;
    void Clear();

private:
    QHash<QString, Opener> m_openers;
};

// Held by every long operation while it runs (the status progress holds one
// from Start to Finish). The operation lets the window system process events
// so that Cancel works; while any guard lives, the home page and the menus
// start nothing else.
class TBusyGuard
{
public:
    TBusyGuard();
    ~TBusyGuard();
    TBusyGuard(const TBusyGuard&) = delete;
    TBusyGuard& operator=(const TBusyGuard&) = delete;

    static bool Busy();
};
