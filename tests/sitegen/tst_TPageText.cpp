#include "TPageText.h"
#include "TestSupport.h"

#include <QtTest>


class tst_TPageText : public QObject
{
    Q_OBJECT

private slots:
    void unescapeTemplate();
    void hiddenFieldsTag_data();
    void hiddenFieldsTag();
    void extracting_data();
    void extracting();
    void rewriteFileSources_data();
    void rewriteFileSources();
    void urlForFile_data();
    void urlForFile();
    void safeFileName();
    void sameFileContent();
    void findStoreImage_data();
    void findStoreImage();
    void localiseImageReferences_data();
    void localiseImageReferences();
    void localisedPicturesAreCopied();

private:
    TTestEnvironment m_env;
};

void tst_TPageText::unescapeTemplate()
{
    QCOMPARE(TPageText::UnescapeTemplateText(QStringLiteral("<p>&lt;#MerchantName&gt;</p>")), QStringLiteral("<p><#MerchantName></p>"));
    const QString folder = m_env.NewFolder(QStringLiteral("unescape"));
    const QString file = folder + QStringLiteral("/Modcontent.htm");
    WriteTestFile(file, "&lt;#PageContent&gt;");
    TPageText::UnescapeTemplate(file);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("<#PageContent>"));
    TPageText::UnescapeTemplate(folder + QStringLiteral("/missing.htm")); // nothing happens, nothing is made
    QVERIFY(!QFile::exists(folder + QStringLiteral("/missing.htm")));
}

void tst_TPageText::hiddenFieldsTag_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("before the first form end") << "<form>a</FORM><form></form>" << "<form>a<#hiddenfields></FORM><form></form>";
    QTest::newRow("already there") << "<form><#hiddenfields></form>" << "<form><#hiddenfields></form>";
    QTest::newRow("no form: at the start") << "<td>x</td>" << "<#hiddenfields><td>x</td>";
}

void tst_TPageText::hiddenFieldsTag()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TPageText::EnsureHiddenFieldsTagText(text), expected);
}

void tst_TPageText::extracting_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("bodyAttributes");
    QTest::addColumn<QString>("content");
    QTest::newRow("whole page") << "<html><Head><style>p{}</style></HEAD><body bgcolor=\"#fff\">\n <p>Hi</p> \n</Body></html>"
                                << "<style>p{}</style>" << " bgcolor=\"#fff\"" << "<p>Hi</p>";
    QTest::newRow("no body: the whole text") << "  <p>Only text</p> " << "" << "" << "  <p>Only text</p> ";
    QTest::newRow("body without its end") << "<BODY><p>a</p>" << "" << "" << "<p>a</p>";
    // Letters whose capitals are longer ("ß" is "SS") must not move what is found.
    QTest::newRow("text before changes length in capitals") << "<head>ßß</head><body>straße</body>" << "ßß" << "" << "straße";
}

void tst_TPageText::extracting()
{
    QFETCH(QString, html);
    QFETCH(QString, head);
    QFETCH(QString, bodyAttributes);
    QFETCH(QString, content);
    QCOMPARE(TPageText::ExtractHeadContent(html), head);
    QCOMPARE(TPageText::extractBODYTag(html), bodyAttributes);
    QCOMPARE(TPageText::extractHTMLContentOnly(html), content);
    QCOMPARE(TPageText::InsertPageHead(QStringLiteral("<html><head></Head></html>"), QStringLiteral("<x>")),
             QStringLiteral("<html><head><x></Head></html>"));
}

void tst_TPageText::rewriteFileSources_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("expected");
    QTest::newRow("windows path") << "<img src=\"file:///C:\\Pics\\rose.jpg\">" << "<img src=\"images/rose.jpg\">";
    QTest::newRow("two of them") << "<img src=\"file:///a/b.gif\"><img src=\"file://c.gif\">"
                                 << "<img src=\"images/b.gif\"><img src=\"images/c.gif\">";
    QTest::newRow("other sources alone") << "<img src=\"images/x.gif\" SRC=\"file:///y.gif\">" << "<img src=\"images/x.gif\" SRC=\"file:///y.gif\">";
    QTest::newRow("no closing quote ends the rewrite") << "<img src=\"file:///a.gif" << "<img src=\"file:///a.gif";
}

void tst_TPageText::rewriteFileSources()
{
    QFETCH(QString, html);
    QFETCH(QString, expected);
    QCOMPARE(TPageText::RewriteFileSources(html), expected);
}

void tst_TPageText::urlForFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("url");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("bitmap becomes gif") << "C:\\Logos\\shop.bmp" << "images/shop.gif";
    QTest::newRow("capital BMP stays") << "/pics/LOGO.BMP" << "images/LOGO.BMP";
    QTest::newRow("jpeg") << "rose.JPEG" << "images/rose.JPEG";
    QTest::newRow("other file") << "guides/care.pdf" << "files/care.pdf";
}

void tst_TPageText::urlForFile()
{
    QFETCH(QString, path);
    QFETCH(QString, url);
    QCOMPARE(TPageText::GetURLforFile(path), url);
}

void tst_TPageText::safeFileName()
{
    QCOMPARE(TPageText::SafeFileName(QStringLiteral("a/b\\c:d*e?f\"g<h>i|j")), QStringLiteral("abcdefghij"));
    QCOMPARE(TPageText::SafeFileName(QStringLiteral("12")), QStringLiteral("12"));
}

void tst_TPageText::sameFileContent()
{
    const QString file = m_env.NewFolder(QStringLiteral("same")) + QStringLiteral("/page.htm");
    QVERIFY(!TPageText::SameFileContent(QStringLiteral("x"), file));
    WriteTestFile(file, "Caf\xc3\xa9");
    QVERIFY(TPageText::SameFileContent(QStringLiteral("Café"), file));
    QVERIFY(!TPageText::SameFileContent(QStringLiteral("Cafe"), file));
}

void tst_TPageText::findStoreImage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("found"); // relative to the store folder; "=" the path unchanged
    QTest::newRow("windows path of another machine") << "C:\\Shop\\images\\roses\\red.jpg" << "images/roses/red.jpg";
    QTest::newRow("relative to the store") << "images/roses/red.jpg" << "images/roses/red.jpg";
    QTest::newRow("name alone") << "logo.gif" << "images/logo.gif";
    QTest::newRow("other letter case") << "IMAGES\\ROSES\\RED.JPG" << "images/roses/red.jpg";
    QTest::newRow("not in the store") << "C:\\Pics\\tulip.jpg" << "=";
}

void tst_TPageText::findStoreImage()
{
    QFETCH(QString, path);
    QFETCH(QString, found);
    const QString store = m_env.NewFolder(QStringLiteral("store"));
    WriteTestFile(store + QStringLiteral("/images/roses/red.jpg"), "jpg");
    WriteTestFile(store + QStringLiteral("/images/logo.gif"), "gif");
    QCOMPARE(TPageText::FindStoreImage(path, store), found == u"=" ? path : store + u'/' + found);
}

void tst_TPageText::localiseImageReferences_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("expected");
    QTest::newRow("local picture") << "<p><img src=\"C:\\My Pictures\\rose.jpg\" alt=\"Rose\"></p>"
                                   << "<p><img src=\"images/rose.jpg\" alt=\"Rose\"></p>";
    QTest::newRow("file address with spaces") << "<IMG SRC='file:///home/ann/my%20pics/a%20b.gif'>" << "<IMG SRC=\"images/a b.gif\">";
    QTest::newRow("bare value") << "<img src=pics/x.png border=0>" << "<img src=\"images/x.png\" border=0>";
    QTest::newRow("web, script and category pictures stay")
        << "<img src=\"http://x.example/a.gif\"><script src=\"cart.js\"></script><img src=\"catimages/c.gif\">"
        << "<img src=\"http://x.example/a.gif\"><script src=\"cart.js\"></script><img src=\"catimages/c.gif\">";
    // Prose and links are the merchant's words: never touched.
    QTest::newRow("prose and links unchanged")
        << "<p>The src=\"x\" of HTTP: 100%20 sure</p><a href=\"HTTP://Example.org/My%20Page\">src</a>"
        << "<p>The src=\"x\" of HTTP: 100%20 sure</p><a href=\"HTTP://Example.org/My%20Page\">src</a>";
    QTest::newRow("data-src is no source") << "<img data-src=\"a.gif\" src=\"b.gif\">" << "<img data-src=\"a.gif\" src=\"images/b.gif\">";
}

void tst_TPageText::localiseImageReferences()
{
    QFETCH(QString, html);
    QFETCH(QString, expected);
    QCOMPARE(TPageText::LocaliseImageReferences(html, QStringLiteral("images/"), QString(), QString()), expected);
}

void tst_TPageText::localisedPicturesAreCopied()
{
    const QString root = m_env.NewFolder(QStringLiteral("localise"));
    const QString picture = root + QStringLiteral("/elsewhere/Rose Red.jpg");
    WriteTestFile(picture, "rose");
    WriteTestFile(root + QStringLiteral("/store/HTML/pics/lily.gif"), "lily");
    QFile(picture).setFileTime(QDateTime(QDate(2020, 5, 1), QTime(8, 0), Qt::UTC), QFileDevice::FileModificationTime);
    const QString html = QStringLiteral("<img src=\"file://%1\"><img src=\"pics/lily.gif\"><img src=\"gone.gif\">").arg(picture);
    const QString out = TPageText::LocaliseImageReferences(html, QStringLiteral("images/"), root + QStringLiteral("/store/HTML"),
                                                           root + QStringLiteral("/site/images"));
    QCOMPARE(out, QStringLiteral("<img src=\"images/Rose Red.jpg\"><img src=\"images/lily.gif\"><img src=\"images/gone.gif\">"));
    for (const char* copy : {"/store/HTML/images/Rose Red.jpg", "/site/images/Rose Red.jpg", "/store/HTML/images/lily.gif",
                             "/site/images/lily.gif"})
        QVERIFY2(QFile::exists(root + QLatin1StringView(copy)), copy);
    // Copies keep the picture's date, so publishing sends them only when they change.
    QCOMPARE(QFileInfo(root + QStringLiteral("/site/images/Rose Red.jpg")).lastModified(), QFileInfo(picture).lastModified());
    QVERIFY(!QFile::exists(root + QStringLiteral("/site/images/gone.gif")));
}

QTEST_GUILESS_MAIN(tst_TPageText)
#include "tst_TPageText.moc"
