#include "TFormResourceManager.h"
#include "TGlobalResourceManager.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QScopeGuard>
#include <QtTest>

class tst_ResourceManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void stringsAreFoundByNumber_data();
    void stringsAreFoundByNumber();
    void missingLibraryGivesEmptyTexts();
    void longStringIsCutWithoutSplittingACharacter();
    void languageSwitchRelabelsEveryListenerInOrder();
    void destroyedListenerIsNotTold();
    void saveGifWritesTheBytesOrNothing();
    void resourceNamesAreNeverPaths();
    void shippedLibrariesHoldTheObjectLayerMessages();
    void shippedLibrariesHoldEveryPage_data();
    void shippedLibrariesHoldEveryPage();

private:
    void WriteLibrary(int id, const QByteArray& strings);
    TTestEnvironment m_env;
    QString m_folder;
};

void tst_ResourceManager::WriteLibrary(int id, const QByteArray& strings)
{
    const QString dir = m_folder + u'/' + QString::number(id);
    QDir().mkpath(dir + QStringLiteral("/gif"));
    QFile f(dir + QStringLiteral("/strings.txt"));
    f.open(QIODevice::WriteOnly);
    f.write(strings);
}

void tst_ResourceManager::initTestCase()
{
    m_folder = m_env.NewFolder(QStringLiteral("resources"));
    QByteArray longText(9000, 'x');
    longText[8190] = '\xf0'; // a four-byte character straddling the limit
    longText.insert(8191, "\x9f\x8c\xb8");
    WriteLibrary(3081, "# comment\n100\tOK\n99\tCancel\n754\tQuorvis Professional 3.00\n7\tTwo\\nlines \\\\ and\\ttab\n8\t" + longText + "\n");
    WriteLibrary(1028, "100\t確定\n99\t取消\n");
    QFile gif(m_folder + QStringLiteral("/3081/gif/g_GIF_Settings.gif"));
    gif.open(QIODevice::WriteOnly);
    gif.write("GIF89a-bytes");
    gif.close();
    TGlobalResourceManager::Instance().SetResourcesFolder(m_folder);
    TGlobalResourceManager::Instance().SetLanguage(3081);
}

void tst_ResourceManager::cleanupTestCase()
{
    TGlobalResourceManager::Instance().SetResourcesFolder(QString());
}

void tst_ResourceManager::stringsAreFoundByNumber_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("OK") << 100 << "OK";
    QTest::newRow("title") << 754 << "Quorvis Professional 3.00";
    QTest::newRow("escapes") << 7 << "Two\nlines \\ and\ttab";
    QTest::newRow("absent entry") << 12345 << "";
}

void tst_ResourceManager::stringsAreFoundByNumber()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    TGlobalResourceManager::Instance().SetLanguage(3081);
    QCOMPARE(LangStr(number), text);
}

void tst_ResourceManager::missingLibraryGivesEmptyTexts()
{
    auto& manager = TGlobalResourceManager::Instance();
    manager.SetLanguage(9999);
    QVERIFY(!manager.LibraryLoaded());
    QCOMPARE(manager.GetString(100), QString());
    QVERIFY(manager.LoadBitmap(1251).isNull());
    QVERIFY(manager.ResourceBytes(QStringLiteral("g_HTM_MainScreen")).isEmpty());
    QCOMPARE(manager.ResourcePath(), m_folder + QStringLiteral("/9999"));
    manager.SetLanguage(3081);
    QCOMPARE(manager.GetString(100), QStringLiteral("OK"));
}

void tst_ResourceManager::longStringIsCutWithoutSplittingACharacter()
{
    TGlobalResourceManager::Instance().SetLanguage(3081);
    const QString text = LangStr(8);
    QCOMPARE(text.size(), 8190); // the pair that would straddle 8191 is left out whole
    QVERIFY(!text.back().isHighSurrogate());
}

void tst_ResourceManager::languageSwitchRelabelsEveryListenerInOrder()
{
    auto& manager = TGlobalResourceManager::Instance();
    manager.SetLanguage(3081);
    QStringList log;
    TFormResourceManager first;
    TFormResourceManager second;
    TFormResourceManager third;
    for (TFormResourceManager* m : {&first, &second, &third}) {
        const QString name = m == &first ? QStringLiteral("first") : m == &second ? QStringLiteral("second") : QStringLiteral("third");
        connect(m, &TFormResourceManager::OnResourceChange, this, [&log, name](TFormResourceManager* sender) {
            log << name + u':' + QString::number(sender->LanguageID()) + u':' + LangStr(100);
        });
    }
    manager.SetLanguage(1028);
    manager.SetLanguage(3081);
    QCOMPARE(log, QStringList({"first:1028:確定", "second:1028:確定", "third:1028:確定",
                               "first:3081:OK", "second:3081:OK", "third:3081:OK"}));
    QCOMPARE(first.ResourcePath(), m_folder + QStringLiteral("/3081"));
}

void tst_ResourceManager::destroyedListenerIsNotTold()
{
    auto& manager = TGlobalResourceManager::Instance();
    int told = 0;
    // The first window's handler closes a later one, as a language change may do.
    auto* closer = new TFormResourceManager;
    auto* closing = new TFormResourceManager;
    TFormResourceManager staying;
    connect(closer, &TFormResourceManager::OnResourceChange, this, [&closing] { delete closing; closing = nullptr; });
    connect(closing, &TFormResourceManager::OnResourceChange, this, [&told] { ++told; });
    connect(&staying, &TFormResourceManager::OnResourceChange, this, [&told] { told += 10; });
    manager.SetLanguage(1028);
    QCOMPARE(told, 10);
    delete closer;
    manager.SetLanguage(3081);
    QCOMPARE(told, 20);
}

void tst_ResourceManager::saveGifWritesTheBytesOrNothing()
{
    auto& manager = TGlobalResourceManager::Instance();
    manager.SetLanguage(3081);
    const QString target = m_env.Home() + QStringLiteral("/out.gif");
    QVERIFY(manager.SaveGIF(QStringLiteral("g_GIF_Settings"), target));
    QFile f(target);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("GIF89a-bytes"));
    const QString missing = m_env.Home() + QStringLiteral("/missing.gif");
    QVERIFY(!manager.SaveGIF(QStringLiteral("g_GIF_Nothing"), missing));
    QVERIFY(!QFile::exists(missing));
    QVERIFY(!manager.SaveJPEG(QStringLiteral("g_GIF_Settings"), missing));
    QVERIFY(!QFile::exists(missing));
}

void tst_ResourceManager::resourceNamesAreNeverPaths()
{
    auto& manager = TGlobalResourceManager::Instance();
    QVERIFY(manager.ResourceBytes(QStringLiteral("../3081/strings")).isEmpty());
    QVERIFY(manager.ResourceBytes(QStringLiteral("..")).isEmpty());
    QByteArray mime;
    QCOMPARE(manager.ResourceBytes(QStringLiteral("g_GIF_Settings"), &mime), QByteArray("GIF89a-bytes"));
    QCOMPARE(mime, QByteArray("image/gif"));
}

void tst_ResourceManager::shippedLibrariesHoldTheObjectLayerMessages()
{
    auto& manager = TGlobalResourceManager::Instance();
    manager.SetResourcesFolder(QString());
    for (int language : {3081, 1028}) {
        manager.SetLanguage(language);
        QVERIFY2(manager.LibraryLoaded(), qPrintable(manager.ResourcePath()));
        // The object layer's own, and the data layer's messages (5000 on).
        QList<int> numbers{99, 100, 754, 1275, 1276, 1277, 1278, 1338};
        for (int n = 5000; n <= 5018; ++n)
            numbers.append(n);
        for (int number : numbers)
            QVERIFY2(!manager.GetString(number).isEmpty(), qPrintable(QString::number(number)));
    }
    manager.SetResourcesFolder(m_folder);
    manager.SetLanguage(3081);
}

void tst_ResourceManager::shippedLibrariesHoldEveryPage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("page");
    for (int language : {3081, 1028})
        for (const char* page : {"g_HTM_MainScreen", "g_HTM_TOP", "g_HTM_MAIN", "g_HTM_CustomerNavigation"})
            QTest::addRow("%d %s", language, page) << language << QString::fromLatin1(page);
}

// Each page is there in both languages, in its language, with every picture it
// shows shipped beside it.
void tst_ResourceManager::shippedLibrariesHoldEveryPage()
{
    QFETCH(int, language);
    QFETCH(QString, page);
    auto& manager = TGlobalResourceManager::Instance();
    manager.SetResourcesFolder(QString());
    manager.SetLanguage(language);
    auto restore = qScopeGuard([this, &manager] {
        manager.SetResourcesFolder(m_folder);
        manager.SetLanguage(3081);
    });

    QByteArray mime;
    const QString html = QString::fromUtf8(manager.ResourceBytes(page, &mime));
    QVERIFY2(!html.isEmpty(), qPrintable(manager.ResourcePath()));
    QVERIFY(mime.startsWith("text/html"));
    QVERIFY(html.contains(language == 1028 ? QStringLiteral("lang=\"zh-Hant-TW\"") : QStringLiteral("lang=\"en\"")));
    static const QRegularExpression picture(QStringLiteral("src=\"(g_(GIF|JPG)_[A-Za-z]+)\""));
    for (auto it = picture.globalMatch(html); it.hasNext();) {
        const QString name = it.next().captured(1);
        QVERIFY2(!manager.ResourceBytes(name).isEmpty(), qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(tst_ResourceManager)
#include "tst_ResourceManager.moc"
