#include "TCommerceRecordClasses.h"

#include "TAcceptedAccount.h"
#include "TAcceptedCard.h"
#include "TFreightRange.h"
#include "TMerchant.h"
#include "TPaymentMethod.h"
#include "TPromotion.h"
#include "TRecordClasses.h"
#include "TTax.h"

void RegisterCommerceRecordClasses()
{
    TRecordClasses::Register({QStringLiteral("TMerchant"), &TMerchant::PropertyTable()});
    TRecordClasses::Register({QStringLiteral("TFreightRange"), &TFreightRange::PropertyTable()});
    TRecordClasses::Register({QStringLiteral("TPromotion"), &TPromotion::PropertyTable()});
    TRecordClasses::Register({QStringLiteral("TTax"), &TTax::PropertyTable()});
    TRecordClasses::Register({QStringLiteral("TPaymentMethod"), &TPaymentMethod::PropertyTable()});
    TRecordClasses::Register({QStringLiteral("TAcceptedCard"), &TAcceptedCard::PropertyTable()});
    TRecordClasses::Register({QStringLiteral("TAcceptedAccount"), &TAcceptedAccount::PropertyTable(), &TAcceptedAccount::GetImportFields});
}
