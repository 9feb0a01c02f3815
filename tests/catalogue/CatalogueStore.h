#pragma once

// A store of the current layout for catalogue tests: a temporary website
// folder whose store file is made by the program's own schema code, attached
// to a fresh application object.

#include "TApp.h"
#include "TCatalogueRecordClasses.h"
#include "TStoreSchema.h"
#include "TestSupport.h"

#include <QtTest>

#include <memory>

class TCatalogueStore
{
public:
    explicit TCatalogueStore(const TTestEnvironment& env)
    {
        RegisterCatalogueRecordClasses();
        const QString folder = env.NewFolder(QStringLiteral("store"));
        m_db = TDatabase::Open(folder + QStringLiteral("/store.db"));
        TStoreSchema::CreateCurrentSchema(*m_db);
        m_app = std::make_unique<TApp>(env.SettingsFile());
        m_app->SetDatabase(m_db);
    }
    ~TCatalogueStore()
    {
        m_app.reset();
        m_db.reset();
    }

    TApp& App() { return *m_app; }
    TDatabase& Db() { return *m_db; }
    const std::shared_ptr<TDatabase>& DbPtr() const { return m_db; }

    void Exec(const QString& sql, const QVariantList& values = {}) { m_db->Exec(sql, values); }
    QVariant Scalar(const QString& sql, const QVariantList& values = {}) { return m_db->Scalar(sql, values); }
    // The first column of every row, as text, in the order the statement gives.
    QStringList Column(const QString& sql, const QVariantList& values = {})
    {
        TStatement s(*m_db, sql);
        s.BindAll(values);
        QStringList result;
        while (s.Step())
            result.append(s.IsNull(0) ? QStringLiteral("<null>") : s.Value(0).toString());
        return result;
    }

private:
    std::shared_ptr<TDatabase> m_db;
    std::unique_ptr<TApp> m_app;
};
