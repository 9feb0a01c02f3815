#include "TCatalogueRecordClasses.h"

#include "TAdditionalPage.h"
#include "TCategory.h"
#include "TCustomField.h"
#include "TProduct.h"
#include "TProductCustomField.h"
#include "TProductFile.h"
#include "TRecordClasses.h"

void RegisterCatalogueRecordClasses()
{
    TRecordClasses::Register({QStringLiteral("TCategory"), &TCategory::PropertyTable(), &TCategory::GetImportFields,
                              &TCategory::GetExportFields});
    TRecordClasses::Register({QStringLiteral("TProduct"), &TProduct::PropertyTable(), &TProduct::GetImportFields,
                              &TProduct::GetExportFields});
    TRecordClasses::Register({QStringLiteral("TProductFile"), &TProductFile::PropertyTable(), nullptr, nullptr});
    TRecordClasses::Register({QStringLiteral("TCustomField"), &TCustomField::PropertyTable(), nullptr, nullptr});
    TRecordClasses::Register(
        {QStringLiteral("TProductCustomField"), &TProductCustomField::PropertyTable(), nullptr, nullptr});
    TRecordClasses::Register({QStringLiteral("TAdditionalPage"), &TAdditionalPage::PropertyTable(), nullptr, nullptr});
}
