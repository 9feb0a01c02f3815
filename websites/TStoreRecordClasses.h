#pragma once

// Registers every record class of a store with TRecordClasses, so that import
// and export templates find them by name. Every program calls it once at start,
// before it opens a store; calling it again changes nothing.
void RegisterStoreRecordClasses();
