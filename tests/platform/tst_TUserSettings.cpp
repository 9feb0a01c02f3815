#include "TUserSettings.h"
#include "TestSupport.h"

#include <QFile>
#include <QtTest>

class tst_TUserSettings : public QObject
{
    Q_OBJECT

private slots:
    void readingAnAbsentKeyCreatesNothing();
    void namesMatchWithoutRegardToCase_data();
    void namesMatchWithoutRegardToCase();
    void namesWithSlashesAndBackslashes();
    void booleansAreOneAndZero();
    void valueNamesOfASubkey();

private:
    TTestEnvironment m_env;
};

void tst_TUserSettings::readingAnAbsentKeyCreatesNothing()
{
    const QString file = m_env.Home() + QStringLiteral("/absent.ini");
    TUserSettings settings(file);
    QCOMPARE(settings.Read(QStringLiteral("NeverWritten"), QStringLiteral("value")), QString());
    QCOMPARE(settings.Read(QStringLiteral("NeverWritten"), QStringLiteral("value"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    QVERIFY(!settings.KeyExists(QStringLiteral("NeverWritten")));
    settings.Sync();
    QVERIFY(!QFile::exists(file) || !QFile(file).open(QIODevice::ReadOnly) || QFile(file).readAll().isEmpty());
}

void tst_TUserSettings::namesMatchWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("writeKey");
    QTest::addColumn<QString>("writeName");
    QTest::addColumn<QString>("readKey");
    QTest::addColumn<QString>("readName");

    QTest::newRow("same") << "Settings" << "ServerName" << "Settings" << "ServerName";
    QTest::newRow("value name") << "Settings" << "ServerName" << "Settings" << "servername";
    QTest::newRow("subkey") << "Settings" << "ServerName" << "SETTINGS" << "SERVERNAME";
    QTest::newRow("nested subkey") << "PlugIns\\Standard" << "Path" << "plugins\\STANDARD" << "path";
    QTest::newRow("nested with slash") << "grids/TfrmOrders" << "Layout" << "Grids\\tfrmorders" << "layout";
}

void tst_TUserSettings::namesMatchWithoutRegardToCase()
{
    QFETCH(QString, writeKey);
    QFETCH(QString, writeName);
    QFETCH(QString, readKey);
    QFETCH(QString, readName);
    const QString file = m_env.Home() + QStringLiteral("/case.ini");
    QFile::remove(file);
    {
        TUserSettings settings(file);
        settings.Write(writeKey, writeName, QStringLiteral("first"));
        // Writing under another spelling replaces the value, it does not add a second one.
        settings.Write(readKey, readName, QStringLiteral("second"));
    }
    TUserSettings settings(file);
    QCOMPARE(settings.Read(readKey, readName), QStringLiteral("second"));
    QCOMPARE(settings.Read(writeKey, writeName), QStringLiteral("second"));
    QCOMPARE(settings.ValueNames(writeKey).size(), 1);
}

void tst_TUserSettings::namesWithSlashesAndBackslashes()
{
    const QString file = m_env.Home() + QStringLiteral("/paths.ini");
    const QString name = QStringLiteral("C:\\Shops\\My Shop/old 100%\\");
    {
        TUserSettings settings(file);
        settings.Write(QStringLiteral("StartupList"), name, QString());
        settings.Write(QStringLiteral("Imported Files"), QStringLiteral("/home/a/b.db"), QStringLiteral("x"));
    }
    TUserSettings settings(file);
    QCOMPARE(settings.ValueNames(QStringLiteral("startuplist")), QStringList{name});
    QVERIFY(settings.ValueExists(QStringLiteral("StartupList"), name.toLower()));
    QCOMPARE(settings.Read(QStringLiteral("Imported Files"), QStringLiteral("/HOME/a/b.db")), QStringLiteral("x"));
    settings.DeleteValue(QStringLiteral("StartupList"), name);
    QVERIFY(settings.ValueNames(QStringLiteral("StartupList")).isEmpty());
}

void tst_TUserSettings::booleansAreOneAndZero()
{
    TUserSettings settings(m_env.Home() + QStringLiteral("/bool.ini"));
    settings.WriteBool(QStringLiteral("Settings"), QStringLiteral("ServerUpdateWarnOff"), true);
    QCOMPARE(settings.Read(QStringLiteral("Settings"), QStringLiteral("ServerUpdateWarnOff")), QStringLiteral("1"));
    QCOMPARE(settings.ReadBool(QStringLiteral("Settings"), QStringLiteral("serverupdatewarnoff"), false), true);
    QCOMPARE(settings.ReadBool(QStringLiteral("Settings"), QStringLiteral("Missing"), true), true);
    settings.Write(QStringLiteral("Settings"), QStringLiteral("Odd"), QStringLiteral("maybe"));
    QCOMPARE(settings.ReadBool(QStringLiteral("Settings"), QStringLiteral("Odd"), false), false);
}

void tst_TUserSettings::valueNamesOfASubkey()
{
    TUserSettings settings(m_env.Home() + QStringLiteral("/names.ini"));
    settings.Write(QStringLiteral("SiteGen"), QStringLiteral("Theme"), QStringLiteral("a"));
    settings.Write(QStringLiteral("SiteGen"), QStringLiteral("Layout"), QStringLiteral("b"));
    QStringList names = settings.ValueNames(QStringLiteral("sitegen"));
    names.sort();
    QCOMPARE(names, QStringList({"Layout", "Theme"}));
    settings.DeleteKey(QStringLiteral("SITEGEN"));
    QVERIFY(!settings.KeyExists(QStringLiteral("SiteGen")));
}

QTEST_GUILESS_MAIN(tst_TUserSettings)
#include "tst_TUserSettings.moc"
