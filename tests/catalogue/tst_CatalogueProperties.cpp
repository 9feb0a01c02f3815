#include "CatalogueStore.h"
#include "TAdditionalPages.h"
#include "TCategories.h"
#include "TProductFiles.h"
#include "TProducts.h"
#include "TRecordClasses.h"

namespace {

const QStringList CatalogueClasses{"TCategory", "TProduct", "TProductFile", "TCustomField", "TProductCustomField",
                                   "TAdditionalPage"};

QVariant SampleValue(TPropertyType type, const QString& property)
{
    switch (type) {
    case TPropertyType::Unsigned:
        return qint64(4242);
    case TPropertyType::Integer:
        return qint64(-37);
    case TPropertyType::String:
        return QStringLiteral("Çà \"va\" l'été 花 ") + property;
    case TPropertyType::Currency:
        return QVariant::fromValue(*TMoney::Parse(QStringLiteral("1234.5678")));
    case TPropertyType::Float:
        return 2.375;
    case TPropertyType::Boolean:
        return true;
    case TPropertyType::DateTime:
    case TPropertyType::Collection:
        break;
    }
    return QVariant();
}

// The Qt type a property of each type reads as.
int ReadTypeOf(TPropertyType type)
{
    switch (type) {
    case TPropertyType::Unsigned:
    case TPropertyType::Integer:
        return QMetaType::LongLong;
    case TPropertyType::String:
        return QMetaType::QString;
    case TPropertyType::Currency:
        return qMetaTypeId<TMoney>();
    case TPropertyType::Float:
        return QMetaType::Double;
    case TPropertyType::Boolean:
        return QMetaType::Bool;
    case TPropertyType::DateTime:
        return QMetaType::QDateTime;
    case TPropertyType::Collection:
        return qMetaTypeId<TCollection*>();
    }
    return QMetaType::UnknownType;
}

} // namespace

class tst_CatalogueProperties : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void classesAreFoundByName();
    void fieldListsNameWritableAndReadableProperties();
    void roundTripByName_data();
    void roundTripByName();
    void textWrittenByName_data();
    void textWrittenByName();

private:
    TRef<TItem> NewRecord(const QString& className);
    TRef<TItem> RereadOnlyRecord(const QString& className);

    TTestEnvironment m_env;
    std::unique_ptr<TCatalogueStore> m_store;
};

void tst_CatalogueProperties::init()
{
    m_store = std::make_unique<TCatalogueStore>(m_env);
    QVERIFY(m_store->App().IsOpen());
}

void tst_CatalogueProperties::cleanup()
{
    m_store.reset();
}

TRef<TItem> tst_CatalogueProperties::NewRecord(const QString& className)
{
    TApp& app = m_store->App();
    if (className == u"TCategory")
        return app.Categories()->NewCategory();
    if (className == u"TProduct")
        return app.Products()->NewProduct();
    if (className == u"TProductFile") {
        TRef<TProductFiles> files(new TProductFiles(app.OpenSharedTable(QStringLiteral("ProductFiles")), 7));
        return files->NewProductFile();
    }
    if (className == u"TAdditionalPage")
        return app.AdditionalPages()->NewPage();
    return TRef<TItem>();
}

// The record read back through a collection of its own over a fresh table.
TRef<TItem> tst_CatalogueProperties::RereadOnlyRecord(const QString& className)
{
    TApp& app = m_store->App();
    if (className == u"TCategory")
        return TRef<TCollectionOf<TCategory>>(new TCollectionOf<TCategory>(app.OpenSharedTable(QStringLiteral("Categories"))))->Items(0);
    if (className == u"TProduct")
        return TRef<TCollectionOf<TProduct>>(new TCollectionOf<TProduct>(app.OpenSharedTable(QStringLiteral("Products"))))->Items(0);
    if (className == u"TProductFile")
        return TRef<TCollectionOf<TProductFile>>(new TCollectionOf<TProductFile>(app.OpenSharedTable(QStringLiteral("ProductFiles"))))->Items(0);
    if (className == u"TAdditionalPage")
        return TRef<TCollectionOf<TAdditionalPage>>(
                   new TCollectionOf<TAdditionalPage>(app.OpenSharedTable(QStringLiteral("AdditionalPages"))))
            ->Items(0);
    return TRef<TItem>();
}

void tst_CatalogueProperties::classesAreFoundByName()
{
    for (const QString& name : CatalogueClasses) {
        const TRecordClass* c = TRecordClasses::Find(name.toLower());
        QVERIFY2(c, qPrintable(name));
        QCOMPARE(c->name, name);
        QVERIFY(c->properties);
    }
    QVERIFY(!TRecordClasses::Find(QStringLiteral("TNoSuchRecord")));
    QCOMPARE(TRecordClasses::Find(QStringLiteral("TProduct"))->properties->Names(),
             QStringList({"ID", "CategoryID", "Name", "Code", "Cost", "ShortDescription", "LongDescription", "FreightMode",
                          "PerUnitWeight", "PerUnitShippingCharge1", "PerUnitShippingCharge2", "PerUnitShippingCharge3",
                          "UseColor", "UseSize", "Enabled", "DetPage", "LargeImage", "Thumbnail", "ProductFiles",
                          "CustomFields", "AvailableCustomFields"}));
    QCOMPARE(TRecordClasses::FindProperty(QStringLiteral("TProduct"), QStringLiteral("ThumbNail"))->name, QStringLiteral("Thumbnail"));
    QCOMPARE(TRecordClasses::FindProperty(QStringLiteral("TCategory"), QStringLiteral("order"))->type, TPropertyType::Integer);
    QVERIFY(!TRecordClasses::FindProperty(QStringLiteral("TCustomField"), QStringLiteral("Name")));
    // Registering again replaces, never duplicates.
    const int count = TRecordClasses::Names().size();
    RegisterCatalogueRecordClasses();
    QCOMPARE(TRecordClasses::Names().size(), count);
}

void tst_CatalogueProperties::fieldListsNameWritableAndReadableProperties()
{
    const TRecordClass* product = TRecordClasses::Find(QStringLiteral("TProduct"));
    const TRecordClass* category = TRecordClasses::Find(QStringLiteral("TCategory"));
    TFieldList list{{QStringLiteral("left over"), 1}};
    product->getImportFields(list);
    QCOMPARE(list.size(), 17);
    QCOMPARE(list.first(), (TFieldListEntry{QStringLiteral("CategoryID"), 0}));
    QCOMPARE(list.last(), (TFieldListEntry{QStringLiteral("ThumbNail"), 0}));
    QStringList marked;
    for (const TFieldListEntry& e : list)
        if (e.mark == 1)
            marked.append(e.name);
    QCOMPARE(marked, QStringList({"Name", "Code"}));
    QCOMPARE(category->ImportFields(), (TFieldList{{"ID", 0}, {"ParentID", 0}, {"Name", 1}, {"Description", 0}, {"Order", 0}}));
    QCOMPARE(product->ExportFields().size(), 16);
    QCOMPARE(category->ExportFields().size(), 7);

    for (const TRecordClass* c : {product, category}) {
        for (const TFieldListEntry& e : c->ImportFields())
            QVERIFY2(c->properties->Find(e.name) && c->properties->Find(e.name)->CanWrite(), qPrintable(c->name + u'.' + e.name));
        for (const TFieldListEntry& e : c->ExportFields()) {
            QVERIFY2(c->properties->Find(e.name) && c->properties->Find(e.name)->CanRead(), qPrintable(c->name + u'.' + e.name));
            QCOMPARE(e.mark, 0);
        }
    }
}

void tst_CatalogueProperties::roundTripByName_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    int rows = 0;
    for (const QString& name : CatalogueClasses) {
        const TRecordClass* c = TRecordClasses::Find(name);
        QVERIFY(c);
        for (const TPropertyInfo& p : c->properties->Properties()) {
            QTest::addRow("%s.%s", qPrintable(name), qPrintable(p.name)) << name << p.name;
            ++rows;
        }
    }
    QCOMPARE(rows, 7 + 21 + 8 + 8);
}

void tst_CatalogueProperties::roundTripByName()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    const TPropertyInfo* info = TRecordClasses::FindProperty(className, property);
    QVERIFY(info);
    QVERIFY(info->CanRead());

    TRef<TItem> item = NewRecord(className);
    QVERIFY(item);
    QVariant written;
    if (info->CanWrite()) {
        written = SampleValue(info->type, property);
        QVERIFY(written.isValid());
        item->SetProperty(property.toUpper(), written);
    }
    const QVariant before = item->GetProperty(property);
    item->Save();

    TRef<TItem> reread = RereadOnlyRecord(className);
    QVERIFY(reread.get() != item.get());
    const QVariant read = reread->GetProperty(property);
    QCOMPARE(read.typeId(), ReadTypeOf(info->type));
    if (info->type == TPropertyType::Collection) {
        QVERIFY(read.value<TCollection*>());
        return;
    }
    if (!info->CanWrite()) {
        // Identifiers are issued by the new-record operation.
        QCOMPARE(read.toLongLong(), 1LL);
        QCOMPARE(before.toLongLong(), 1LL);
        return;
    }
    switch (info->type) {
    case TPropertyType::Currency:
        QCOMPARE(read.value<TMoney>().Units(), written.value<TMoney>().Units());
        break;
    case TPropertyType::Float:
        QCOMPARE(read.toDouble(), written.toDouble());
        break;
    default:
        QCOMPARE(read, written);
    }
}

void tst_CatalogueProperties::textWrittenByName_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("expected"); // invalid: the text is refused

    QTest::newRow("price") << "TProduct" << "Cost" << "12.50" << QVariant::fromValue(TMoney::FromUnits(125000));
    QTest::newRow("price with more decimals") << "TProduct" << "PerUnitShippingCharge2" << "0.0725"
                                              << QVariant::fromValue(TMoney::FromUnits(725));
    QTest::newRow("weight") << "TProduct" << "PerUnitWeight" << "1.25" << QVariant(1.25);
    QTest::newRow("yes") << "TProduct" << "Enabled" << "Yes" << QVariant(true);
    QTest::newRow("false") << "TProduct" << "UseSize" << "false" << QVariant(false);
    QTest::newRow("category") << "TProduct" << "categoryid" << " 17 " << QVariant(qint64(17));
    QTest::newRow("thumbnail as the lists spell it") << "TProduct" << "ThumbNail" << "thumbs/a.jpg"
                                                     << QVariant(QStringLiteral("thumbs/a.jpg"));
    QTest::newRow("blank parent") << "TCategory" << "ParentID" << "" << QVariant(qint64(0));
    QTest::newRow("order") << "TCategory" << "Order" << "-3" << QVariant(qint64(-3));
    QTest::newRow("price that is not money") << "TProduct" << "Cost" << "a lot" << QVariant();
    QTest::newRow("identifier that is not a number") << "TCategory" << "ParentID" << "top" << QVariant();
    QTest::newRow("negative identifier") << "TProduct" << "CategoryID" << "-2" << QVariant();
    QTest::newRow("read-only identifier") << "TProduct" << "ID" << "5" << QVariant();
    QTest::newRow("unknown property") << "TProduct" << "Colour" << "red" << QVariant();
}

void tst_CatalogueProperties::textWrittenByName()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(QString, text);
    QFETCH(QVariant, expected);
    TRef<TItem> item = NewRecord(className);
    item->SetProperty(QStringLiteral("Name"), QStringLiteral("Kept"));
    if (!expected.isValid()) {
        QVERIFY_THROWS_EXCEPTION(EQuorvisError, item->SetProperty(property, text));
        // The record is still there to save, with what it had.
        item->Save();
        QCOMPARE(RereadOnlyRecord(className)->GetProperty(QStringLiteral("Name")).toString(), QStringLiteral("Kept"));
        return;
    }
    item->SetProperty(property, text);
    item->Save();
    const QVariant read = RereadOnlyRecord(className)->GetProperty(property);
    if (expected.typeId() == qMetaTypeId<TMoney>())
        QCOMPARE(read.value<TMoney>().Units(), expected.value<TMoney>().Units());
    else
        QCOMPARE(read, expected);
}

QTEST_GUILESS_MAIN(tst_CatalogueProperties)
#include "tst_CatalogueProperties.moc"
