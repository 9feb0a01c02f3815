#include "TCatalogueRecordClasses.h"

#include "TAdditionalPage.h"
#include "TCategory.h"
#include "TCustomField.h"
#include "TProduct.h"
#include "TProductCustomField.h"
#include "TProductFile.h"

void RegisterCatalogueRecordClasses()
{
    TRecordClasses::Register(RecordClassOf<TCategory>());
    TRecordClasses::Register(RecordClassOf<TProduct>());
    TRecordClasses::Register(RecordClassOf<TProductFile>());
    TRecordClasses::Register(RecordClassOf<TCustomField>());
    TRecordClasses::Register(RecordClassOf<TProductCustomField>());
    TRecordClasses::Register(RecordClassOf<TAdditionalPage>());
}
