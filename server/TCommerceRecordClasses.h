#pragma once

// Registers the commerce record classes (TMerchant, TFreightRange, TPromotion,
// TTax, TPaymentMethod, TAcceptedCard, TAcceptedAccount) with TRecordClasses,
// so that import and export templates find them by name. Called once at start;
// calling it again changes nothing.
void RegisterCommerceRecordClasses();
