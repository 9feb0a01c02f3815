#include "TMerchantFlags.h"

#include "TApp.h"
#include "TMerchant.h"

bool TMerchantFlags::BriefDescInSearch()
{
    return TApp::Instance().Merchant()->BriefDescInSearch();
}

void TMerchantFlags::SetBriefDescInSearch(bool value)
{
    TRef<TMerchant> merchant = TApp::Instance().Merchant();
    merchant->BeginEdit();
    try {
        merchant->SetBriefDescInSearch(value);
        merchant->Save();
    } catch (...) {
        merchant->Cancel();
        throw;
    }
}

bool TMerchantFlags::ServerUpdated()
{
    return TApp::Instance().Merchant()->ServerUpdated();
}
