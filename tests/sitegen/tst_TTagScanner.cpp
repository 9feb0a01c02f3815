#include "TTagRegistry.h"

#include <QtTest>

class tst_TTagScanner : public QObject
{
    Q_OBJECT

private slots:
    void fill_data();
    void fill();
    void firstHandlerTakesTheName();
    void tagsListsWhatATemplateAsks();
};

namespace {

TTagRegistry SampleTags()
{
    TTagRegistry tags;
    tags.Add(QStringLiteral("MerchantName"), TTagCase::Insensitive, [](const TTag&) { return QStringLiteral("Flowers"); });
    tags.Add(QStringLiteral("CartScript"), TTagCase::Sensitive, [](const TTag&) { return QStringLiteral("CART"); });
    tags.Add(QStringLiteral("Echo"), TTagCase::Insensitive,
             [](const TTag& t) { return u'[' + t.Parameter(QStringLiteral("text")) + u'|' + t.Parameter(QStringLiteral("n")) + u']'; });
    // An answer that looks like a tag is not answered again.
    tags.Add(QStringLiteral("Self"), TTagCase::Insensitive, [](const TTag&) { return QStringLiteral("<#MerchantName>"); });
    return tags;
}

} // namespace

void tst_TTagScanner::fill_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain text unchanged") << "<p>Caf\u00e9 &amp; <b>tea</b></p>\r\n" << "<p>Caf\u00e9 &amp; <b>tea</b></p>\r\n";
    QTest::newRow("one tag") << "<h1><#MerchantName></h1>" << "<h1>Flowers</h1>";
    QTest::newRow("any letter case") << "<#MERCHANTNAME>/<#merchantname>" << "Flowers/Flowers";
    QTest::newRow("case-sensitive tag") << "<#CartScript>|<#cartscript>" << "CART|";
    QTest::newRow("unknown tag vanishes") << "a<#NoSuchTag>b" << "ab";
    QTest::newRow("parameters") << "<#Echo text=\"a > b\" n=3>" << "[a > b|3]";
    QTest::newRow("blanks and line breaks in a tag") << "<#Echo\r\n  n=7\t>" << "[|7]";
    QTest::newRow("answer not scanned again") << "<#Self>" << "<#MerchantName>";
    QTest::newRow("tags side by side") << "<#MerchantName><#MerchantName>" << "FlowersFlowers";
    QTest::newRow("never closes") << "x <#MerchantName y" << "x <#MerchantName y";
    QTest::newRow("quote never closes") << "<#MerchantName> <#Echo text=\"a>" << "Flowers <#Echo text=\"a>";
    QTest::newRow("no name is text") << "1 <# 2 <#> 3 <#MerchantName>" << "1 <# 2 <#> 3 Flowers";
    QTest::newRow("escaped tag is text") << "&lt;#MerchantName&gt;" << "&lt;#MerchantName&gt;";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("ends with the marker") << "abc<#" << "abc<#";
}

void tst_TTagScanner::fill()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(SampleTags().Fill(text), expected);
}

void tst_TTagScanner::firstHandlerTakesTheName()
{
    TTagRegistry tags;
    tags.Add(QStringLiteral("Title"), TTagCase::Sensitive, [](const TTag&) { return QStringLiteral("exact"); });
    tags.Add(QStringLiteral("title"), TTagCase::Insensitive, [](const TTag&) { return QStringLiteral("any"); });
    QCOMPARE(tags.Fill(QStringLiteral("<#Title> <#TITLE> <#title>")), QStringLiteral("exact any any"));
    QVERIFY(tags.Answers(QStringLiteral("TiTlE")));
    QVERIFY(!tags.Answers(QStringLiteral("Subtitle")));
}

void tst_TTagScanner::tagsListsWhatATemplateAsks()
{
    const QList<TTag> tags = TTagScanner::Tags(QStringLiteral("<#A> text <#B x=1> <# no> <#C"));
    QCOMPARE(tags.size(), 2);
    QCOMPARE(tags[0].name, QStringLiteral("A"));
    QCOMPARE(tags[1].name, QStringLiteral("B"));
    QCOMPARE(tags[1].Parameter(QStringLiteral("X")), QStringLiteral("1"));
}

QTEST_GUILESS_MAIN(tst_TTagScanner)
#include "tst_TTagScanner.moc"
