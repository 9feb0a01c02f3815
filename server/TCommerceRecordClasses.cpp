#include "TCommerceRecordClasses.h"

#include "TAcceptedAccount.h"
#include "TAcceptedCard.h"
#include "TFreightRange.h"
#include "TMerchant.h"
#include "TPaymentMethod.h"
#include "TPromotion.h"
#include "TTax.h"

void RegisterCommerceRecordClasses()
{
    TRecordClasses::Register(RecordClassOf<TMerchant>());
    TRecordClasses::Register(RecordClassOf<TFreightRange>());
    TRecordClasses::Register(RecordClassOf<TPromotion>());
    TRecordClasses::Register(RecordClassOf<TTax>());
    TRecordClasses::Register(RecordClassOf<TPaymentMethod>());
    TRecordClasses::Register(RecordClassOf<TAcceptedCard>());
    TRecordClasses::Register(RecordClassOf<TAcceptedAccount>());
}
