// The application object's accessors for the commerce settings.

#include "TApp.h"
#include "TGlobalResourceManager.h"

#include "TAcceptedAccounts.h"
#include "TAcceptedCards.h"
#include "TFreightRanges.h"
#include "TMerchant.h"
#include "TPaymentMethods.h"
#include "TPromotion.h"
#include "TTaxes.h"

TRef<TMerchant> TApp::Merchant()
{
    return CachedItem<TMerchant>(QStringLiteral("Merchant"), QStringLiteral("MerchantSettings"));
}

TRef<TPromotion> TApp::Promotion()
{
    return CachedItem<TPromotion>(QStringLiteral("Promotion"), QStringLiteral("Promotions"));
}

TRef<TFreightRanges> TApp::FreightRanges()
{
    return CachedCollection<TFreightRanges>(QStringLiteral("FreightRanges"), QStringLiteral("FreightModeRanges"));
}

TRef<TTaxes> TApp::Taxes()
{
    return CachedCollection<TTaxes>(QStringLiteral("Taxes"), QStringLiteral("Taxes"));
}

TRef<TPaymentMethods> TApp::PaymentMethods()
{
    return CachedCollection<TPaymentMethods>(QStringLiteral("PaymentMethods"), QStringLiteral("PaymentMethods"));
}

TRef<TAcceptedAccounts> TApp::AcceptedAccounts()
{
    return CachedCollection<TAcceptedAccounts>(QStringLiteral("AcceptedAccounts"), QStringLiteral("AcceptedAccount"));
}

TRef<TAcceptedCards> TApp::AcceptedCards()
{
    // Not cached: every caller gets its own cursor over the table.
    if (!IsOpen())
        throw EDatabaseError(LangStr(5000));
    return TRef<TAcceptedCards>(new TAcceptedCards(OpenSharedTable(QStringLiteral("AcceptedCard"))));
}
