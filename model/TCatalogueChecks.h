#pragma once

#include <QString>

class TApp;
class TProgress;

// The catalogue window's own schema steps and the store's consistency check.
// The catalogue window runs RunCatalogueModuleSteps each time it is created;
// "Verify Database" removes the marker file and opens the catalogue window, so
// that the check runs again.

// The marker whose presence in the store folder means the check has run:
// the folder + "datalog1.txt".
QString ConsistencyMarkerFile(const QString& storeFolder);

// On the attached store, in one transaction: adds the catalogue columns when
// missing (Categories.Status, Categories.BriefStyle, Products.DetPage,
// Products."Order"), replaces the old "IndexByCategory" by "ByOrder", shows
// every category with an empty Status, runs the consistency check when the
// marker is absent, and restores the "No Tax" tax (TaxID 0). Writes the marker
// after the changes are committed. Returns whether the check ran. Database
// errors propagate (the store is then unchanged).
bool RunCatalogueModuleSteps(TApp& app, TProgress& progress);

// The consistency check alone, in its own transaction, with the marker written
// afterwards. Identifiers are compared as numbers ("05" is category 5):
// - categories and products without an identifier, or whose category is blank,
//   are removed;
// - a product whose category does not exist is removed with its custom-field
//   links and its file rows;
// - a category that is its own parent, whose parent does not exist or is blank,
//   or that lies on a cycle of parents, becomes top level ("0");
// - an empty DetPage becomes true;
// - the "No Tax" row is removed (RunCatalogueModuleSteps puts it back with TaxID 0).
void RunConsistencyCheck(TApp& app, TProgress& progress);
