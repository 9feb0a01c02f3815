#pragma once

#include "TDataSet.h"
#include "TRef.h"
#include "TUserSettings.h"

#include <QObject>
#include <QString>
#include <QVariantList>

#include <functional>
#include <map>
#include <memory>

struct TIdentifierKind;
class TItem;
class TCollection;

class TMerchant;
class TCustomers;
class TCustomerGroups;
class TEmailTemplates;
class TOrders;
class TFreightRanges;
class TPromotion;
class TWorkFlows;
class TFTPSites;
class TUploadFiles;
class TAdditionalPages;
class TPaymentMethods;
class TAcceptedCards;
class TAcceptedAccounts;
class TTaxes;
class TCategories;
class TProducts;
class TImportTemplates;
class TExportTemplates;
class TCustomFields;

// The name of the store file inside a website's folder.
inline constexpr const char* StoreFileName = "store.db";

// The one application object: it holds the attached store database, opens
// tables and queries on it, keeps one shared collection per main table for the
// whole run, and reads and writes the per-user settings.
class TApp : public QObject
{
    Q_OBJECT

public:
    // Created once, before any window; the settings file may be given (tests).
    explicit TApp(const QString& settingsFile = QString());
    ~TApp() override;
    static TApp& Instance();
    static bool Exists();

    // ---- the store database
    // A table's name as the store file knows it: the ".DB" of a file name is dropped.
    static QString TableName(const QString& name);
    // A new open table on the attached database; nullptr when none is attached.
    // "CategoryGen.DB" and "CategoryGen" are the same table.
    std::unique_ptr<TTable> OpenTable(const QString& name);
    std::shared_ptr<TTable> OpenSharedTable(const QString& name);
    // A new query with that one statement, opened; nullptr when none is attached.
    std::unique_ptr<TQuery> OpenQuery(const QString& sql, const QVariantList& values = {});
    // Runs one statement that returns no rows; engine errors propagate.
    void ExecSQL(const QString& sql, const QVariantList& values = {});
    TDatabase* Database() const { return m_database.get(); }
    const std::shared_ptr<TDatabase>& DatabasePtr() const { return m_database; }
    // The attached database's folder, ending with "/"; empty when none is attached.
    QString StoreFolder() const;
    bool IsOpen() const { return bool(m_database); }
    // Attaches the database: upgrades it and rebinds every cached collection.
    // Any failure is swallowed and leaves no database attached.
    void SetDatabase(std::shared_ptr<TDatabase> database);
    // Why the last SetDatabase left no database attached; empty after a success.
    const QString& LastAttachError() const { return m_lastAttachError; }
    void CloseDatabase();
    // Brings an attached store to the current schema (model/TStoreSchema.cpp).
    void UpgradeAll();
    void RebindCollections();
    // The folder given to the last successful OpenStoreDatabase.
    const QString& CurrentWebsiteFolder() const { return m_currentWebsiteFolder; }
    void SetCurrentWebsiteFolder(const QString& folder) { m_currentWebsiteFolder = folder; }

    // ---- the common database (program-wide tables), opened on first use
    TDatabase* CommonDatabase();
    void CloseCommonDatabase();

    // ---- per-user settings under the settings key
    QString ReadSetting(const QString& subkey, const QString& name) const;
    void WriteSetting(const QString& subkey, const QString& name, const QString& value);
    TUserSettings& Settings() { return m_settings; }

    // ---- numbering
    // The next identifier of the identifier table's kind, under a write lock:
    // one more than both the table's last number and the column's maximum.
    qint64 NextID(const QString& identifierTable, const QString& field);
    // One more than the larger of the column's maximum and the identifier table's value.
    static qint64 NextFreeIdentifier(TDatabase& db, const TIdentifierKind& kind);
    static void WriteIdentifierTable(TDatabase& db, const QString& table, const QString& column, qint64 value);

    static QString QuoteDouble(const QString& text);
    static QString QuoteSingle(const QString& text);

    // ---- shared collections and records (each defined by its own subsystem)
    TRef<TMerchant> Merchant();
    TRef<TCustomers> Customers();
    TRef<TCustomerGroups> CustomerGroups();
    TRef<TEmailTemplates> EmailTemplates();
    TRef<TOrders> Orders();
    TRef<TFreightRanges> FreightRanges();
    TRef<TPromotion> Promotion();
    TRef<TWorkFlows> WorkFlows();
    TRef<TFTPSites> FTPSites();
    TRef<TUploadFiles> UploadFiles();
    TRef<TAdditionalPages> AdditionalPages();
    TRef<TPaymentMethods> PaymentMethods();
    TRef<TAcceptedCards> AcceptedCards(); // a fresh collection on every call
    TRef<TAcceptedAccounts> AcceptedAccounts();
    TRef<TTaxes> Taxes();
    TRef<TCategories> Categories();
    TRef<TProducts> Products();
    TRef<TImportTemplates> ImportTemplates();
    TRef<TExportTemplates> ExportTemplates();
    TRef<TCustomFields> CustomFields();

    // The cache behind those accessors: the object is made on first request over
    // a freshly opened table, kept with one reference of its own, and handed a
    // new table whenever another database is attached.
    template <class T>
    TRef<T> CachedCollection(const QString& slot, const QString& table)
    {
        return Cached<T>(slot, table, [](std::shared_ptr<TTable> t) { return new T(std::move(t)); },
                         [](T* object, std::shared_ptr<TTable> t) { object->SetDataSet(std::move(t)); });
    }
    template <class T>
    TRef<T> CachedItem(const QString& slot, const QString& table)
    {
        return Cached<T>(slot, table, [](std::shared_ptr<TTable> t) { return new T(std::move(t)); },
                         [](T* object, std::shared_ptr<TTable> t) { object->Rebind(std::move(t)); });
    }
    // Drops every cached object (program end, tests).
    void ReleaseCache();

signals:
    void DatabaseChanged();

private:
    struct CacheSlot {
        TRefCounted* object = nullptr;
        QString table;
        std::function<void(const std::shared_ptr<TTable>&)> rebind;
    };

    template <class T, class Make, class Rebind>
    TRef<T> Cached(const QString& slot, const QString& table, Make make, Rebind rebind)
    {
        auto it = m_cache.find(slot);
        if (it != m_cache.end())
            return TRef<T>(static_cast<T*>(it->second.object));
        T* object = make(RequireTable(table));
        object->AddRef(); // the cache's own reference
        CacheSlot entry;
        entry.object = object;
        entry.table = table;
        entry.rebind = [object, rebind](const std::shared_ptr<TTable>& t) { rebind(object, t); };
        m_cache.emplace(slot, std::move(entry));
        return TRef<T>(object);
    }
    std::shared_ptr<TTable> RequireTable(const QString& name);

    static TApp* s_instance;
    TUserSettings m_settings;
    std::shared_ptr<TDatabase> m_database;
    std::shared_ptr<TDatabase> m_common;
    std::map<QString, CacheSlot> m_cache;
    QString m_currentWebsiteFolder;
    QString m_lastAttachError;
};

// Points the application object at a website folder and attaches its store.
// On failure shows language string 1338 and returns false.
bool OpenStoreDatabase(const QString& websiteFolder);
