#include "TShellCommands.h"

#include "TApp.h"
#include "TCommandRegistry.h"
#include "TGlobalResourceManager.h"
#include "TProgramFolders.h"
#include "TStoreSchema.h"

#include <QDir>
#include <QFileInfo>

void OpenFirstWebsite()
{
    QString name = LangStr(1454);
    if (name.isEmpty())
        name = QStringLiteral("Website");
    const QString folder = TProgramFolders::ProgramFolder() + QStringLiteral("WebSites/") + name + QStringLiteral("1/");
    const QString store = folder + QLatin1StringView(StoreFileName);
    if (!QFileInfo::exists(store)) {
        QDir().mkpath(folder);
        TStoreSchema::CreateNewStore(store);
    }
    OpenStoreDatabase(folder);
}

void RegisterShellCommands()
{
    // Until the merchant can choose among websites, the program works on one.
    TCommandRegistry::Instance().Register(QLatin1StringView(WindowNames::SelectSite), [](QWidget*, int) { OpenFirstWebsite(); });
}
