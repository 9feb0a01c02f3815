#pragma once

// Small record classes over test tables, so that the object layer is tested
// without the catalogue or the customers.

#include "TCollection.h"
#include "TIdentifiers.h"

class TPlant : public TItem
{
public:
    using TItem::TItem;
    static inline int s_destroyed = 0;
    ~TPlant() override { ++s_destroyed; }

    qint64 ID() const { return GetInteger(QStringLiteral("CustomerID")); }
    QString Name() const { return GetString(QStringLiteral("CustomerName")); }
    void SetName(const QString& v) { SetValue(QStringLiteral("CustomerName"), v); }
    TMoney Price() const { return GetMoney(QStringLiteral("Price")); }
    void SetPrice(TMoney v) { SetValue(QStringLiteral("Price"), QVariant::fromValue(v)); }
    bool Enabled() const { return GetBoolean(QStringLiteral("Enabled")); }
    void SetEnabled(bool v) { SetValue(QStringLiteral("Enabled"), v); }
    int Order() const { return int(GetInteger(QStringLiteral("SortOrder"))); }
    void SetOrder(int v) { SetValue(QStringLiteral("SortOrder"), v); }
    void Delete() { DeleteRecord(); }

    const TPropertyTable& Properties() const override
    {
        static const TPropertyTable table{
            Published("ID", TPropertyType::Unsigned, &TPlant::ID),
            Published("Name", TPropertyType::String, &TPlant::Name, &TPlant::SetName),
            Published("Price", TPropertyType::Currency, &TPlant::Price, &TPlant::SetPrice),
            Published("Enabled", TPropertyType::Boolean, &TPlant::Enabled, &TPlant::SetEnabled),
            Published("Order", TPropertyType::Integer, &TPlant::Order, &TPlant::SetOrder),
        };
        return table;
    }
};

class TPlants : public TCollectionOf<TPlant>
{
public:
    using TCollectionOf::TCollectionOf;
    TRef<TPlant> NewPlant() { return StaticRefCast<TPlant>(NewRecordBase(IdentifierKinds::Customers)); }
    TRef<TPlant> FindByName(const QString& name)
    {
        return StaticRefCast<TPlant>(FindBase({QStringLiteral("CustomerName")}, {name}));
    }

protected:
    QString IdColumn() const override { return QStringLiteral("CustomerID"); }
};

class TBed : public TItem
{
public:
    using TItem::TItem;
    qint64 ID() const { return GetInteger(QStringLiteral("CategoryID")); }
};

class TBeds : public TCollectionOf<TBed>
{
public:
    using TCollectionOf::TCollectionOf;
    TRef<TBed> NewBed() { return StaticRefCast<TBed>(NewRecordBase(IdentifierKinds::Categories)); }

protected:
    QString IdColumn() const override { return QStringLiteral("CategoryID"); }
    bool IdIsText() const override { return true; }
};

inline QStringList TestStoreTables()
{
    return {
        QStringLiteral("CREATE TABLE Customers (CustomerID INTEGER UNIQUE, CustomerName VARCHAR(80), Price MONEY, Enabled BOOLEAN, SortOrder INTEGER)"),
        QStringLiteral("CREATE TABLE CustomersGen (CustomerID INTEGER)"),
        QStringLiteral("CREATE TABLE Categories (CategoryID VARCHAR(50) UNIQUE, CategoryName VARCHAR(80))"),
        QStringLiteral("CREATE TABLE CategoryGen (CategoryID INTEGER)"),
    };
}
