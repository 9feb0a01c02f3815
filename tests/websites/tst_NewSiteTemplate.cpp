// The new-website template archive: extracted into a fresh folder it gives a
// website that opens, holds an empty store of the current layout, and has the
// folders its pages and pictures go into.

#include "StoreLayout.h"
#include "TAdditionalPages.h"
#include "TApp.h"
#include "TCategories.h"
#include "TMerchant.h"
#include "TProducts.h"
#include "TProgramFolders.h"
#include "TTax.h"
#include "TTaxes.h"
#include "TZipArchive.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

class tst_NewSiteTemplate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void archiveHoldsTheStoreAndItsFolders();
    void extractedStoreHasTheCurrentLayout();
    void extractedWebsiteOpensEmpty();
    void extractedWebsitesAreIndependent();

private:
    QString Archive() const { return TProgramFolders::ShippedData() + QStringLiteral("/newsite.dat"); }
    QString Extract(const QString& name) const;

    TTestEnvironment m_env;
};

void tst_NewSiteTemplate::init()
{
    QVERIFY2(QFileInfo::exists(Archive()), qPrintable(Archive()));
}

QString tst_NewSiteTemplate::Extract(const QString& name) const
{
    const QString folder = m_env.NewFolder(QStringLiteral("WebSites/") + name);
    TZipArchive::Extract(Archive(), folder);
    return folder + u'/';
}

void tst_NewSiteTemplate::archiveHoldsTheStoreAndItsFolders()
{
    QStringList entries = TZipArchive::Entries(Archive());
    entries.sort();
    QCOMPARE(entries, QStringList({QStringLiteral("HTML/"), QStringLiteral("HTML/images/"), QStringLiteral("Images/"),
                                   QLatin1String(StoreFileName)}));
    const QString folder = Extract(QStringLiteral("Website 1"));
    for (const QString& sub : {QStringLiteral("HTML"), QStringLiteral("HTML/images"), QStringLiteral("Images")})
        QVERIFY2(QFileInfo(folder + sub).isDir(), qPrintable(sub));
}

void tst_NewSiteTemplate::extractedStoreHasTheCurrentLayout()
{
    const QString folder = Extract(QStringLiteral("Website 1"));
    TStoreLayout actual;
    {
        // Read before any attach, which would bring an outdated template up to date.
        auto db = TDatabase::Open(folder + QLatin1String(StoreFileName), TDatabase::OpenMode::OpenExisting);
        actual = TStoreLayout::Of(*db);
    }
    const TStoreLayout expected = TStoreLayout::Current(m_env.NewFolder(QStringLiteral("reference")) + QStringLiteral("/store.db"));
    QVERIFY2(actual == expected, qPrintable(TStoreLayout::Difference(actual, expected)));
}

void tst_NewSiteTemplate::extractedWebsiteOpensEmpty()
{
    const QString folder = Extract(QStringLiteral("Website 1"));
    TMessageRecorder messages;
    TApp app(m_env.SettingsFile());
    QVERIFY(OpenStoreDatabase(folder));
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(app.Products()->Count(), 0);
    QCOMPARE(app.Categories()->Count(), 0);
    QCOMPARE(app.AdditionalPages()->Count(), 0);
    QCOMPARE(app.Merchant()->Name(), QString());
    // The one tax a new store starts with.
    TRef<TTaxes> taxes = app.Taxes();
    QCOMPARE(taxes->Count(), 1);
    QCOMPARE(taxes->Items(0)->Name(), QStringLiteral("No Tax"));
    QCOMPARE(taxes->Items(0)->ID(), 0u);
}

void tst_NewSiteTemplate::extractedWebsitesAreIndependent()
{
    const QString first = Extract(QStringLiteral("Website 1"));
    const QString second = Extract(QStringLiteral("Website 2"));
    TMessageRecorder messages;
    TApp app(m_env.SettingsFile());
    QVERIFY(OpenStoreDatabase(first));
    TRef<TCategory> category = app.Categories()->NewCategory();
    category->SetName(QStringLiteral("Roses"));
    category->Save();
    category.Reset();
    QVERIFY(OpenStoreDatabase(second));
    QCOMPARE(app.Categories()->Count(), 0);
    QVERIFY(OpenStoreDatabase(first));
    QCOMPARE(app.Categories()->Count(), 1);
}

QTEST_MAIN(tst_NewSiteTemplate)
#include "tst_NewSiteTemplate.moc"
