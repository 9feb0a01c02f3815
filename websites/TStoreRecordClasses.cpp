#include "TStoreRecordClasses.h"

#include "TCatalogueRecordClasses.h"
#include "TCommerceRecordClasses.h"

void RegisterStoreRecordClasses()
{
    RegisterCatalogueRecordClasses();
    RegisterCommerceRecordClasses();
}
