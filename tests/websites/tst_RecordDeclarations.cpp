#include "TRecordClasses.h"
#include "TRecordDeclaration.h"
#include "TRecordSchemaCheck.h"
#include "TStoreRecordClasses.h"

#include <QtTest>

Q_DECLARE_METATYPE(const TRecordDeclaration*)

class tst_RecordDeclarations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyStoreRecordClassIsRegistered();
    void declarationsAgreeWithTheStoreLayout_data();
    void declarationsAgreeWithTheStoreLayout();
    void checkFindsWhatDisagrees_data();
    void checkFindsWhatDisagrees();
};

void tst_RecordDeclarations::initTestCase()
{
    RegisterStoreRecordClasses();
}

void tst_RecordDeclarations::everyStoreRecordClassIsRegistered()
{
    QStringList names = TRecordClasses::Names();
    names.sort();
    QCOMPARE(names, QStringList({"TAcceptedAccount", "TAcceptedCard", "TAdditionalPage", "TCategory", "TCustomField",
                                 "TFreightRange", "TMerchant", "TPaymentMethod", "TProduct", "TProductCustomField",
                                 "TProductFile", "TPromotion", "TTax"}));
    for (const QString& name : names)
        QVERIFY2(TRecordClasses::Find(name)->declaration, qPrintable(name));
}

void tst_RecordDeclarations::declarationsAgreeWithTheStoreLayout_data()
{
    QTest::addColumn<QString>("className");
    for (const QString& name : TRecordClasses::Names())
        QTest::newRow(qPrintable(name)) << name;
}

void tst_RecordDeclarations::declarationsAgreeWithTheStoreLayout()
{
    QFETCH(QString, className);
    const TRecordClass* recordClass = TRecordClasses::Find(className);
    QVERIFY(recordClass && recordClass->declaration);
    const QStringList problems = RecordSchemaProblems(*recordClass->declaration);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

namespace {


// Each declaration gets one thing wrong.
struct Misspelt : TRecordDeclaration
{
    Misspelt() : TRecordDeclaration("TBad", "Taxes") {}
    TColumn<QString> Name{this, "Name", "TaxNmae", P::String};
};
struct WrongType : TRecordDeclaration
{
    WrongType() : TRecordDeclaration("TBad", "Taxes") {}
    TColumn<TMoney> Rate{this, "Rate", "TaxPercentage", P::Currency};
};
struct NoTable : TRecordDeclaration
{
    NoTable() : TRecordDeclaration("TBad", "Taxation") {}
};
struct ReadOnlyImported : TRecordDeclaration
{
    ReadOnlyImported() : TRecordDeclaration("TBad", "Taxes") {}
    TColumn<quint32> ID{this, "ID", "TaxID", P::Unsigned, ReadOnly | Import};
};
struct UnpublishedExported : TRecordDeclaration
{
    UnpublishedExported() : TRecordDeclaration("TBad", "Taxes") {}
    TColumn<QString> Name{this, "Name", "TaxName", P::String, Unpublished | Export};
};

} // namespace

void tst_RecordDeclarations::checkFindsWhatDisagrees_data()
{
    static const Misspelt misspelt;
    static const WrongType wrongType;
    static const NoTable noTable;
    static const ReadOnlyImported readOnlyImported;
    static const UnpublishedExported unpublishedExported;
    QTest::addColumn<const TRecordDeclaration*>("declaration");
    QTest::addColumn<QString>("expected");
    QTest::newRow("misspelt column") << static_cast<const TRecordDeclaration*>(&misspelt)
                                     << "TBad.Name: the table Taxes has no column TaxNmae";
    QTest::newRow("type the column cannot hold") << static_cast<const TRecordDeclaration*>(&wrongType)
                                                 << "TBad.Rate: the column Taxes.TaxPercentage is declared FLOAT";
    QTest::newRow("missing table") << static_cast<const TRecordDeclaration*>(&noTable)
                                   << "TBad: the store has no table Taxation";
    QTest::newRow("read-only property imported") << static_cast<const TRecordDeclaration*>(&readOnlyImported)
                                                 << "TBad: the import field ID is no writable property";
    QTest::newRow("unpublished column exported") << static_cast<const TRecordDeclaration*>(&unpublishedExported)
                                                 << "TBad: the export field Name is no readable property";
}

void tst_RecordDeclarations::checkFindsWhatDisagrees()
{
    QFETCH(const TRecordDeclaration*, declaration);
    QFETCH(QString, expected);
    QCOMPARE(RecordSchemaProblems(*declaration), QStringList{expected});
}

QTEST_GUILESS_MAIN(tst_RecordDeclarations)
#include "tst_RecordDeclarations.moc"
