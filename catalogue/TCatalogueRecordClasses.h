#pragma once

// Registers the catalogue's record classes (TCategory, TProduct, TProductFile,
// TCustomField, TProductCustomField, TAdditionalPage) with TRecordClasses, so
// that import and export templates find them by name. Called once at start;
// calling it again changes nothing.
void RegisterCatalogueRecordClasses();
