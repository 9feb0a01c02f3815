#include "TIniFile.h"
#include "TestSupport.h"

#include <QFile>
#include <QtTest>

class tst_TIniFile : public QObject
{
    Q_OBJECT

private slots:
    void readsByWindowsRules_data();
    void readsByWindowsRules();
    void writingKeepsEverythingElse();
    void newKeysAndSections();
    void deleteAndErase();
    void windowsCodePageFileStaysInItsEncoding();
    void unchangedFileIsNotRewritten();

private:
    QString Write(const QByteArray& bytes)
    {
        const QString file = m_env.Home() + QStringLiteral("/settings.ini");
        QFile f(file);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
        return file;
    }
    TTestEnvironment m_env;
};

static const QByteArray Sample =
    "; theme settings\r\n"
    "[Theme]\r\n"
    "Name = Garden Party \r\n"
    "Folder=images\\garden\r\n"
    "Quoted=\"  spaced  \"\r\n"
    "Width=0x20\r\n"
    "\r\n"
    "[Layout 1]\r\n"
    "Template=index.htm\r\n"
    "odd line without equals\r\n";

void tst_TIniFile::readsByWindowsRules_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("trimmed") << "Theme" << "Name" << "Garden Party";
    QTest::newRow("section any case") << "THEME" << "name" << "Garden Party";
    QTest::newRow("backslash literal") << "theme" << "FOLDER" << "images\\garden";
    QTest::newRow("quotes removed") << "Theme" << "Quoted" << "  spaced  ";
    QTest::newRow("section with blank") << "layout 1" << "template" << "index.htm";
    QTest::newRow("missing key") << "Theme" << "Colour" << "default";
    QTest::newRow("missing section") << "Nothing" << "Name" << "default";
}

void tst_TIniFile::readsByWindowsRules()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    TIniFile ini(Write(Sample));
    QCOMPARE(ini.ReadString(section, key, QStringLiteral("default")), value);
}

void tst_TIniFile::writingKeepsEverythingElse()
{
    const QString file = Write(Sample);
    {
        TIniFile ini(file);
        QCOMPARE(ini.ReadInteger(QStringLiteral("Theme"), QStringLiteral("Width"), 0), 32);
        ini.WriteString(QStringLiteral("THEME"), QStringLiteral("FOLDER"), QStringLiteral("images\\spring"));
        ini.UpdateFile();
    }
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    QByteArray expected = Sample;
    expected.replace("Folder=images\\garden", "Folder=images\\spring");
    QCOMPARE(f.readAll(), expected);
}

void tst_TIniFile::newKeysAndSections()
{
    const QString file = Write(Sample);
    {
        TIniFile ini(file);
        ini.WriteString(QStringLiteral("theme"), QStringLiteral("Colour"), QStringLiteral("#ff0000"));
        ini.WriteInteger(QStringLiteral("New"), QStringLiteral("Count"), 3);
        ini.UpdateFile();
    }
    TIniFile ini(file);
    QCOMPARE(ini.ReadSection(QStringLiteral("Theme")), QStringList({"Name", "Folder", "Quoted", "Width", "Colour"}));
    QCOMPARE(ini.ReadSections(), QStringList({"Theme", "Layout 1", "New"}));
    QCOMPARE(ini.ReadInteger(QStringLiteral("new"), QStringLiteral("count"), 0), 3);
    // The new key went in before the blank line that ends the section.
    QVERIFY(ini.Text().contains(QStringLiteral("Width=0x20\r\nColour=#ff0000\r\n\r\n[Layout 1]")));
}

void tst_TIniFile::deleteAndErase()
{
    TIniFile ini(Write(Sample));
    ini.DeleteKey(QStringLiteral("theme"), QStringLiteral("quoted"));
    QVERIFY(!ini.ValueExists(QStringLiteral("Theme"), QStringLiteral("Quoted")));
    ini.EraseSection(QStringLiteral("LAYOUT 1"));
    QVERIFY(!ini.SectionExists(QStringLiteral("Layout 1")));
    QVERIFY(ini.SectionExists(QStringLiteral("Theme")));
}

void tst_TIniFile::windowsCodePageFileStaysInItsEncoding()
{
    const QString file = Write("[Theme]\r\nName=Caf\xe9\r\n");
    {
        TIniFile ini(file);
        QCOMPARE(ini.ReadString(QStringLiteral("Theme"), QStringLiteral("Name")), QStringLiteral("Café"));
        ini.WriteString(QStringLiteral("Theme"), QStringLiteral("Other"), QStringLiteral("x"));
        ini.UpdateFile();
    }
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    QCOMPARE(f.readAll(), QByteArray("[Theme]\r\nName=Caf\xe9\r\nOther=x\r\n"));
}

void tst_TIniFile::unchangedFileIsNotRewritten()
{
    const QString file = Write(Sample);
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0)), QFileDevice::FileModificationTime));
    }
    TIniFile ini(file);
    ini.WriteString(QStringLiteral("Theme"), QStringLiteral("Folder"), QStringLiteral("images\\garden"));
    QVERIFY(!ini.Modified());
    ini.UpdateFile();
    QCOMPARE(QFileInfo(file).lastModified(), QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
}

QTEST_GUILESS_MAIN(tst_TIniFile)
#include "tst_TIniFile.moc"
