#include "TPaths.h"
#include "TProgramFolders.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class tst_TPaths : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void resolve_data();
    void resolve();
    void strictlyInside_data();
    void strictlyInside();
    void programFolderIsTheTestHome();
    void seedingCopiesOnlyWhatIsMissing();

private:
    TTestEnvironment m_env;
    QString m_base;
};

void tst_TPaths::initTestCase()
{
    m_base = m_env.NewFolder(QStringLiteral("Store Folder"));
    QDir().mkpath(m_base + QStringLiteral("/HTML/Images"));
    QFile f(m_base + QStringLiteral("/HTML/Images/Logo.GIF"));
    f.open(QIODevice::WriteOnly);
    QDir().mkpath(m_env.Home() + QStringLiteral("/outside"));
    QFile::link(m_env.Home() + QStringLiteral("/outside"), m_base + QStringLiteral("/link"));
}

void tst_TPaths::resolve_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("expected"); // relative to the base; "-" for refused

    QTest::newRow("exact") << "HTML/Images/Logo.GIF" << "HTML/Images/Logo.GIF";
    QTest::newRow("backslashes and other case") << "html\\images\\logo.gif" << "HTML/Images/Logo.GIF";
    QTest::newRow("missing tail keeps given case") << "html\\Images\\New\\Pic.jpg" << "HTML/Images/New/Pic.jpg";
    QTest::newRow("dot parts") << ".\\html\\.\\images" << "HTML/Images";
    QTest::newRow("parent refused") << "..\\secret.txt" << "-";
    QTest::newRow("parent inside refused") << "html\\..\\..\\x" << "-";
    QTest::newRow("absolute refused") << "/etc/passwd" << "-";
    QTest::newRow("drive refused") << "C:\\Windows\\win.ini" << "-";
}

void tst_TPaths::resolve()
{
    QFETCH(QString, relative);
    QFETCH(QString, expected);
    const QString result = TPaths::Resolve(m_base, relative);
    if (expected == u"-")
        QVERIFY(result.isEmpty());
    else
        QCOMPARE(result, QDir::cleanPath(m_base) + u'/' + expected);
}

void tst_TPaths::strictlyInside_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("inside");

    QTest::newRow("child") << "HTML" << true;
    QTest::newRow("grandchild") << "HTML/Images" << true;
    QTest::newRow("itself") << "." << false;
    QTest::newRow("dot dot back in") << "HTML/../HTML" << true;
    QTest::newRow("dot dot out") << "HTML/../.." << false;
    QTest::newRow("link leading out") << "link" << false;
    QTest::newRow("missing") << "nothing-here" << false;
}

void tst_TPaths::strictlyInside()
{
    QFETCH(QString, path);
    QFETCH(bool, inside);
    QCOMPARE(TPaths::IsStrictlyInside(m_base, m_base + u'/' + path), inside);
}

void tst_TPaths::programFolderIsTheTestHome()
{
    QCOMPARE(TProgramFolders::ProgramFolder(), m_env.Home() + u'/');
    QCOMPARE(TPaths::WithTrailingSlash(QStringLiteral("C:\\Shop\\\\")), QStringLiteral("C:/Shop/"));
}

void tst_TPaths::seedingCopiesOnlyWhatIsMissing()
{
    const QString shipped = m_env.NewFolder(QStringLiteral("shipped"));
    QDir().mkpath(shipped + QStringLiteral("/Themes/Garden"));
    QDir().mkpath(shipped + QStringLiteral("/Samples/Shop"));
    auto write = [](const QString& file, const QByteArray& bytes) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    write(shipped + QStringLiteral("/Themes/Garden/settings.ini"), "shipped");
    write(shipped + QStringLiteral("/Samples/Shop/store.db"), "sample");
    const QDateTime old(QDate(2021, 3, 4), QTime(5, 6, 7));
    {
        QFile f(shipped + QStringLiteral("/Samples/Shop/store.db"));
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.setFileTime(old, QFileDevice::FileModificationTime);
    }
    // The merchant already changed the theme: seeding must not undo that.
    QDir().mkpath(m_env.Home() + QStringLiteral("/Themes/Garden"));
    write(m_env.Home() + QStringLiteral("/Themes/Garden/settings.ini"), "mine");

    qputenv("QUORVIS_DATA_DIR", shipped.toLocal8Bit());
    TProgramFolders::Seed();
    qunsetenv("QUORVIS_DATA_DIR");

    QFile theme(m_env.Home() + QStringLiteral("/Themes/Garden/settings.ini"));
    QVERIFY(theme.open(QIODevice::ReadOnly));
    QCOMPARE(theme.readAll(), QByteArray("mine"));
    const QFileInfo sample(m_env.Home() + QStringLiteral("/Samples/Shop/store.db"));
    QVERIFY(sample.exists());
    QCOMPARE(sample.lastModified(), old);
    QVERIFY(QFileInfo(sample.absoluteFilePath()).isWritable());
    for (const char* folder : {"WebSites", "CommonDB", "temp"})
        QVERIFY(QDir(m_env.Home() + u'/' + QLatin1StringView(folder)).exists());
}

QTEST_GUILESS_MAIN(tst_TPaths)
#include "tst_TPaths.moc"
