#include "TZipArchive.h"
#include "EQuorvisError.h"
#include "TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <zip.h>

namespace {

class TRecordingProgress : public TProgress
{
public:
    void SetMaximum(int maximum) override { this->maximum = maximum; }
    void SetPosition(int position) override { this->position = position; }
    void Step(int by) override { position += by; ++steps; }
    int maximum = -1;
    int position = 0;
    int steps = 0;
};

void WriteFile(const QString& file, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

QByteArray ReadFile(const QString& file)
{
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

class tst_TZipArchive : public QObject
{
    Q_OBJECT

private slots:
    void roundTripWithProgress();
    void sameFilesGiveTheSameBytes();
    void entriesOutsideTheFolderAreRefused_data();
    void entriesOutsideTheFolderAreRefused();
    void damagedArchiveIsReported();

private:
    TTestEnvironment m_env;
};

void tst_TZipArchive::roundTripWithProgress()
{
    const QString source = m_env.NewFolder(QStringLiteral("source"));
    WriteFile(source + QStringLiteral("/store.db"), QByteArray(5000, 'x'));
    WriteFile(source + QStringLiteral("/HTML/images/logo.gif"), "GIF89a");
    WriteFile(source + QStringLiteral("/Gärten/ä.txt"), "non-ASCII names");
    const QString archive = m_env.Home() + QStringLiteral("/site.zip");
    TZipArchive::Create(archive, source);
    QCOMPARE(TZipArchive::Entries(archive), QStringList({"Gärten/ä.txt", "HTML/images/logo.gif", "store.db"}));

    const QString target = m_env.NewFolder(QStringLiteral("target"));
    TRecordingProgress progress;
    TZipArchive::Extract(archive, target, progress);
    QCOMPARE(progress.maximum, 5000 + 6 + 15);
    QCOMPARE(progress.steps, 3);
    QCOMPARE(progress.position, 1 + 5000 + 6 + 15);
    QCOMPARE(ReadFile(target + QStringLiteral("/store.db")), QByteArray(5000, 'x'));
    QCOMPARE(ReadFile(target + QStringLiteral("/HTML/images/logo.gif")), QByteArray("GIF89a"));
    QCOMPARE(ReadFile(target + QStringLiteral("/Gärten/ä.txt")), QByteArray("non-ASCII names"));
    QCOMPARE(QFile(target + QStringLiteral("/store.db")).permissions() & (QFile::ReadOther | QFile::ReadGroup), QFileDevice::Permissions());
}

void tst_TZipArchive::sameFilesGiveTheSameBytes()
{
    const QString source = m_env.NewFolder(QStringLiteral("stable"));
    WriteFile(source + QStringLiteral("/b.txt"), "b");
    WriteFile(source + QStringLiteral("/a.txt"), "a");
    const QDateTime fixed(QDate(2001, 2, 6), QTime(0, 0), Qt::UTC);
    const QString first = m_env.Home() + QStringLiteral("/first.zip");
    const QString second = m_env.Home() + QStringLiteral("/second.zip");
    TZipArchive::Create(first, source, {}, fixed);
    QTest::qWait(1100); // a second later: the files' own dates would differ
    QFile(source + QStringLiteral("/a.txt")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    TZipArchive::Create(second, source, {}, fixed);
    QCOMPARE(ReadFile(first), ReadFile(second));
    QVERIFY(!QFile::exists(second + QStringLiteral(".partial")));
}

void tst_TZipArchive::entriesOutsideTheFolderAreRefused_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("parent") << "../escaped.txt";
    QTest::newRow("nested parent") << "HTML/../../escaped.txt";
    QTest::newRow("absolute") << "/tmp/escaped.txt";
    QTest::newRow("backslash parent") << "..\\escaped.txt";
}

void tst_TZipArchive::entriesOutsideTheFolderAreRefused()
{
    QFETCH(QString, entry);
    const QString archive = m_env.Home() + QStringLiteral("/evil.zip");
    QFile::remove(archive);
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(archive).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    QVERIFY(z);
    static const char text[] = "gotcha";
    zip_source_t* source = zip_source_buffer(z, text, sizeof text - 1, 0);
    QVERIFY(zip_file_add(z, entry.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) >= 0);
    QCOMPARE(zip_close(z), 0);

    const QString target = m_env.NewFolder(QStringLiteral("inner/target"));
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, TZipArchive::Extract(archive, target));
    QVERIFY(!QFile::exists(m_env.Home() + QStringLiteral("/inner/escaped.txt")));
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/escaped.txt")));
}

void tst_TZipArchive::damagedArchiveIsReported()
{
    const QString archive = m_env.Home() + QStringLiteral("/damaged.zip");
    WriteFile(archive, "PK\x03\x04 this is not really a zip archive");
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, TZipArchive::Extract(archive, m_env.NewFolder(QStringLiteral("d"))));
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, TZipArchive::Entries(m_env.Home() + QStringLiteral("/missing.zip")));
}

QTEST_GUILESS_MAIN(tst_TZipArchive)
#include "tst_TZipArchive.moc"
