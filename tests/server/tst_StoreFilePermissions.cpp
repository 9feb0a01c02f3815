#include "TApp.h"
#include "TDatabase.h"
#include "TStoreSchema.h"
#include "TestSupport.h"

#include <QFileInfo>
#include <QtTest>

#include <sys/stat.h>

// The store file keeps the merchant's card gateway passwords: nobody but its
// owner may read it, whatever the umask.
class tst_StoreFilePermissions : public QObject
{
    Q_OBJECT

private slots:
    void newStoreFilesAreOwnerOnly_data();
    void newStoreFilesAreOwnerOnly();

private:
    static int Mode(const QString& file)
    {
        struct stat st {};
        if (::stat(QFile::encodeName(file).constData(), &st) != 0)
            return -1;
        return int(st.st_mode & 07777);
    }

    TTestEnvironment m_env;
};

void tst_StoreFilePermissions::newStoreFilesAreOwnerOnly_data()
{
    QTest::addColumn<bool>("newWebsite"); // through the new-store maker, or a plain open
    QTest::addColumn<int>("umask");
    QTest::newRow("opened, usual umask") << false << 022;
    QTest::newRow("opened, open umask") << false << 0;
    QTest::newRow("new website, usual umask") << true << 022;
    QTest::newRow("new website, open umask") << true << 0;
}

void tst_StoreFilePermissions::newStoreFilesAreOwnerOnly()
{
    QFETCH(bool, newWebsite);
    QFETCH(int, umask);
    const QString folder = m_env.NewFolder(QStringLiteral("site"));
    const QString file = folder + QLatin1StringView("/") + QLatin1StringView(StoreFileName);
    const mode_t previous = ::umask(mode_t(umask));
    std::shared_ptr<TDatabase> db;
    if (newWebsite) {
        TStoreSchema::CreateNewStore(file);
        db = TDatabase::Open(file, TDatabase::OpenMode::OpenExisting);
    } else {
        db = TDatabase::Open(file);
        TStoreSchema::CreateCurrentSchema(*db);
    }
    db->Exec(QStringLiteral("INSERT INTO PaymentMethods (Method, rtPassword) VALUES (7, ?1)"), {QStringLiteral("secret")});
    ::umask(previous);

    QCOMPARE(Mode(file), 0600);
    // The write-ahead log and its index hold the same data while the store is open.
    QVERIFY(QFileInfo::exists(file + QStringLiteral("-wal")));
    QCOMPARE(Mode(file + QStringLiteral("-wal")), 0600);
    QCOMPARE(Mode(file + QStringLiteral("-shm")), 0600);
    db.reset();
    QCOMPARE(Mode(file), 0600);
}

QTEST_GUILESS_MAIN(tst_StoreFilePermissions)
#include "tst_StoreFilePermissions.moc"
