#include "THomePageDispatch.h"

#include "TCommandRegistry.h"

#include <QStringList>

const QStringList& THomePageDispatch::PageNames()
{
    static const QStringList names = {QStringLiteral("g_HTM_MainScreen"), QStringLiteral("g_HTM_TOP"), QStringLiteral("g_HTM_MAIN")};
    return names;
}

const std::vector<THomePageCommand>& THomePageDispatch::Commands()
{
    using K = THomePageCommand::Kind;
    namespace W = WindowNames;
    static const std::vector<THomePageCommand> commands = {
        {QStringLiteral("selectwebsite"), K::OpenWebsite, QString(), 0},
        {QStringLiteral("merchantset"), K::Window, W::MerchantSettings, 0},
        {QStringLiteral("websiteset"), K::Window, W::MerchantSettings, 1},
        {QStringLiteral("secureset"), K::Window, W::MerchantSettings, 2},
        {QStringLiteral("product"), K::Window, W::Categories, 0},
        {QStringLiteral("promotions"), K::Window, W::Categories, 1},
        {QStringLiteral("prodfreight"), K::Window, W::Categories, 2},
        {QStringLiteral("freight"), K::Window, W::ModifyCheckout, 4},
        {QStringLiteral("keyword"), K::Window, W::Marketing, 0},
        {QStringLiteral("banner"), K::Window, W::Marketing, 2},
        {QStringLiteral("counter"), K::Window, W::Marketing, 3},
        {QStringLiteral("search"), K::Window, W::Marketing, 1},
        {QStringLiteral("customer"), K::Window, W::CustomerList, 0},
        {QStringLiteral("emailtemplates"), K::Window, W::CustomerList, 1},
        {QStringLiteral("sentemail"), K::Window, W::CustomerList, 2},
        {QStringLiteral("order"), K::Window, W::Orders, 0},
        {QStringLiteral("import"), K::Window, W::Import, 0},
        {QStringLiteral("export"), K::Window, W::Import, 1},
        {QStringLiteral("cart"), K::Window, W::ModifyCheckout, 0},
        {QStringLiteral("payment"), K::Window, W::ModifyCheckout, 1},
        {QStringLiteral("checkout"), K::Window, W::ModifyCheckout, 2},
        {QStringLiteral("completion"), K::Window, W::ModifyCheckout, 3},
        {QStringLiteral("webpages"), K::Window, W::SiteGeneration, 0},
        {QStringLiteral("generate"), K::Window, W::SiteGeneration, 1},
        {QStringLiteral("publish"), K::Window, W::SiteGeneration, 2},
        {QStringLiteral("resizer"), K::Window, W::ImageResizer, 0},
        {QStringLiteral("faq"), K::WebAddress, WebAddresses::Faq, 0},
        {QStringLiteral("updates"), K::WebAddress, WebAddresses::Updates, 0},
    };
    return commands;
}

QString THomePageDispatch::FileNamePart(const QUrl& url)
{
    // Only the file name counts: the folder of the language library is part of
    // every address and may hold any word at all.
    QString path = url.path();
    const qsizetype cut = std::max({path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'), path.lastIndexOf(u':')});
    return path.mid(cut + 1);
}

bool THomePageDispatch::LetsThrough(const QUrl& url)
{
    if (url.scheme() == QLatin1StringView("about"))
        return true;
    const QString name = FileNamePart(url);
    for (const QString& page : PageNames())
        if (name.contains(page))
            return true;
    return false;
}

const THomePageCommand* THomePageDispatch::Match(const QUrl& url)
{
    const QString name = FileNamePart(url).toLower();
    for (const THomePageCommand& command : Commands())
        if (name.contains(command.keyword))
            return &command;
    return nullptr;
}
