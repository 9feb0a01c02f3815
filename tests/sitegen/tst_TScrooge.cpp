#include "TScrooge.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString Refused = QStringLiteral("refused: ") + TScrooge::HeaderMissingMessage();

// The bullet list as a rich-text edit control writes it.
const char* const ControlBulletList =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
    "{\\f1\\fnil\\fcharset2 Symbol;}}\r\n"
    "{\\*\\generator Riched20 5.50.99.2014;}\\viewkind4\\uc1\\pard\\f0\\fs20 Intro\\par\r\n"
    "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}"
    "\\fi-720\\li720 One\\par\r\n"
    "{\\pntext\\f1\\'B7\\tab}Two\\par\r\n"
    "\\pard After\\par\r\n"
    "}\r\n";

} // namespace

class tst_TScrooge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void convert_data();
    void convert();
    void textWithoutHeaderRaisesQuorvisError();
    void deepNestingConverts();

private:
    QTemporaryDir m_home;
};

void tst_TScrooge::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_home.isValid());
    qputenv("QUORVIS_HOME", m_home.path().toUtf8());
}

void tst_TScrooge::convert_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("html");

    // What a user of the shop sees: the fragment exactly as it lands in the page.
    QTest::newRow("minimal document")
        << "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\pard\\plain Hello \\b world\\b0\\par }"
        << "Hello <B>world</B><BR>" + CrLf + CrLf;
    QTest::newRow("html special characters escaped")
        << R"({\rtf1\pard Fish & chips <b>"now"</b>})"
        << "Fish &amp; chips &lt;b&gt;&quot;now&quot;&lt;/b&gt;" + CrLf;
    QTest::newRow("hex e9 is eacute") << R"({\rtf1\pard caf\'e9})" << "caf&eacute;" + CrLf;
    QTest::newRow("hex upper case") << R"({\rtf1\pard CAF\'C9})" << "CAF&Eacute;" + CrLf;
    QTest::newRow("hex a8 is die") << R"({\rtf1\pard \'a8})" << "&die;" + CrLf;
    QTest::newRow("hex b7 outside a list") << R"({\rtf1\pard a\'b7b})" << "a&middot;b" + CrLf;
    QTest::newRow("hex markup character escaped") << R"({\rtf1\pard \'3cscript\'3e})"
                                                   << "&lt;script&gt;" + CrLf;
    QTest::newRow("hex in code page 1252")
        << R"({\rtf1\ansi\pard \'93Quoted\'94 \'80 5\'96 6})"
        << u"\u201CQuoted\u201D \u20AC 5\u2013 6"_qs + CrLf;
    QTest::newRow("hex in code page 1251")
        << R"({\rtf1\ansi\ansicpg1251\pard \'cf\'f0\'e8\'e2\'e5\'f2})"
        << u"\u041F\u0440\u0438\u0432\u0435\u0442"_qs + CrLf;
    QTest::newRow("hex in a double-byte code page")
        << R"({\rtf1\ansi\ansicpg932\pard \'82\'a0\'82\'a2})" << u"\u3042\u3044"_qs + CrLf;
    QTest::newRow("hex in the mac code page") << R"({\rtf1\mac\pard caf\'8e})" << "caf&eacute;" + CrLf;
    QTest::newRow("raw code page bytes read as latin-1")
        << u"{\\rtf1\\pard \u0093x\u0094}"_qs << u"\u201Cx\u201D"_qs + CrLf;
    QTest::newRow("raw latin-1 characters become entities")
        << u"{\\rtf1\\pard Gr\u00FC\u00DFe}"_qs << "Gr&uuml;&szlig;e" + CrLf;

    QTest::newRow("bullet list from an edit control")
        << QString::fromLatin1(ControlBulletList)
        << "Intro<BR>" + CrLf + CrLf + "<UL>" + CrLf + "<LI>\tOne</LI>" + CrLf + "<LI>\tTwo</LI>" + CrLf
               + "</UL>" + CrLf + CrLf + "After<BR>" + CrLf + CrLf;
    QTest::newRow("bullet list still open at the end")
        << R"({\rtf1\pard{\pntext\'b7\tab}{\*\pn\pnlvlblt{\pntxtb\'b7}}Only\par})"
        << CrLf + "<UL>" + CrLf + "<LI>\tOnly</LI>" + CrLf + "</UL>" + CrLf;

    QTest::newRow("bold never switched off") << R"({\rtf1\pard \b bold})" << "<B>bold</B>" + CrLf;
    QTest::newRow("unbalanced off words write their tags, nothing closed at the end")
        << R"({\rtf1\pard x\b0 y\i0 z})" << "x</B>y</I>z" + CrLf;
    QTest::newRow("plain closes what is open")
        << R"({\rtf1\pard\b\i\ul\strike x\plain y})"
        << "<B><I><U><STRIKE>x</STRIKE></U></I></B>y" + CrLf;
    QTest::newRow("underline none") << R"({\rtf1\pard\ul a\ulnone b\ul c\ul0 d})"
                                    << "<U>a</U>b<U>c</U>d" + CrLf;
    QTest::newRow("alignment") << R"({\rtf1\pard\qc Title\par\pard Body\qr Right})"
                               << CrLf + "<P ALIGN=CENTER>" + CrLf + "Title<BR>" + CrLf + "</P>Body" + CrLf
                                      + "<P ALIGN=RIGHT>" + CrLf + "Right</P>" + CrLf;
    QTest::newRow("subscript and superscript")
        << R"({\rtf1\pard H\sub 2\nosupersub O, x\super 2})"
        << "H<sub>2</sub>O, x<sup>2</sup>" + CrLf;
    QTest::newRow("quotes, tab, tilde, line and page")
        << R"({\rtf1\pard \ldblquote Hi\rdblquote\lquote s\rquote\tab a\~b\line c\page})"
        << "&quot;Hi&quot;'s'\ta&nbsp;b<BR>" + CrLf + "c<HR>" + CrLf + CrLf;
    QTest::newRow("hyphen symbols") << R"({\rtf1\pard co\-operate, well\_known})"
                                    << "cooperate, well-known" + CrLf;
    QTest::newRow("backslash before a line end is a paragraph")
        << "{\\rtf1\\pard a\\\r\nb}" << "a<BR>" + CrLf + "b" + CrLf;
    QTest::newRow("unknown words produce nothing")
        << R"({\rtf1\pard\f0\fs24\cf1\lang3081\sa200 Text\zzz more})" << "Textmore" + CrLf;

    QTest::newRow("nested groups")
        << R"({\rtf1\pard a{\b b{\i c}d}e\par})"
        << "a<B>b<I>c</I>d</B>e<BR>" + CrLf + CrLf;
    QTest::newRow("group switching bold off resumes bold")
        << R"({\rtf1\pard\b a{\b0 b}c\b0})" << "<B>a</B>b<B>c</B>" + CrLf;

    QTest::newRow("tables and info stay out")
        << R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;})"
           R"({\stylesheet{\s0 Normal;}}{\info{\title Secret}{\author Someone}}Body})"
        << "Body" + CrLf;
    QTest::newRow("ignorable destinations stay out")
        << R"({\rtf1\pard A{\*\generator Gen 1.0;}B{\*\unknownthing {nested} text}C})" << "ABC" + CrLf;
    QTest::newRow("field shows its result, not its instruction")
        << R"({\rtf1\pard See {\field{\*\fldinst HYPERLINK "http://example.invalid"}{\fldrslt our site}}.})"
        << "See our site." + CrLf;
    QTest::newRow("picture data stays out")
        << R"({\rtf1\pard A{\pict\wmetafile8\picw100\pich100 0100090000035e00}B})" << "AB" + CrLf;
    QTest::newRow("binary picture data holding braces stays out")
        << R"({\rtf1\pard A{\pict\bin4 }{\x}B})" << "AB" + CrLf;
    QTest::newRow("destination word in mid-group is not a destination")
        << R"({\rtf1\pard A {\b B\info C}})" << "A <B>BC</B>" + CrLf;

    QTest::newRow("escaped braces and backslash")
        << R"({\rtf1\pard \{a\} C:\\dir})" << "{a} C:\\dir" + CrLf;

    QTest::newRow("unicode with default fallback") << R"({\rtf1\pard \u8364?5})" << u"\u20AC5"_qs + CrLf;
    QTest::newRow("unicode latin-1 range uses the entity") << R"({\rtf1\pard \u233?})"
                                                           << "&eacute;" + CrLf;
    QTest::newRow("unicode negative") << R"({\rtf1\pard \u-255?!})" << u"\uFF01!"_qs + CrLf;
    QTest::newRow("unicode fallback given as hex")
        << R"({\rtf1\pard \u8220\'93Hi\u8221\'94})" << u"\u201CHi\u201D"_qs + CrLf;
    QTest::newRow("unicode with two fallback characters")
        << R"({\rtf1\uc2\pard \u8364 EUx})" << u"\u20ACx"_qs + CrLf;
    QTest::newRow("unicode without fallback") << R"({\rtf1\uc0\pard \u8364 x})" << u"\u20ACx"_qs + CrLf;
    QTest::newRow("unicode fallback count ends with its group")
        << R"({\rtf1\pard {\uc2 \u8364??}\u8364?})" << u"\u20AC\u20AC"_qs + CrLf;
    QTest::newRow("unicode fallback stops at a group")
        << R"({\rtf1\uc3\pard \u8364{x}})" << u"\u20ACx"_qs + CrLf;
    QTest::newRow("unicode surrogate pair")
        << R"({\rtf1\pard \u-10179?\u-8704?})" << u"\U0001F600"_qs + CrLf;
    QTest::newRow("unicode lone surrogate replaced")
        << R"({\rtf1\pard \u-10179?x})" << u"\uFFFDx"_qs + CrLf;
    QTest::newRow("unicode out of range with an endless parameter")
        << R"({\rtf1\pard \u99999999999999999999999?x\b-99999999999999999999 y})"
        << u"\uFFFDx<B>y</B>"_qs + CrLf;
    QTest::newRow("unicode markup character escaped") << R"({\rtf1\pard \u60?})" << "&lt;" + CrLf;

    QTest::newRow("text before any pard is kept")
        << R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}Hello \b world\b0})" << "Hello <B>world</B>" + CrLf;
    QTest::newRow("last character is read") << R"({\rtf1\pard abc)" << "abc" + CrLf;
    QTest::newRow("truncated inside a group") << R"({\rtf1\pard a{\b b)" << "a<B>b</B>" + CrLf;
    QTest::newRow("truncated inside a destination") << R"({\rtf1\pard a{\fonttbl{\f0 Ari)" << "a" + CrLf;
    QTest::newRow("truncated after a backslash") << "{\\rtf1\\pard abc\\" << "abc" + CrLf;
    QTest::newRow("truncated control word") << R"({\rtf1\pard abc\ite)" << "abc" + CrLf;
    QTest::newRow("truncated hex") << R"({\rtf1\pard abc\'e)" << "abce" + CrLf;
    QTest::newRow("truncated binary data") << R"({\rtf1\pard abc{\pict\bin99 xy)" << "abc" + CrLf;
    QTest::newRow("extra closing braces") << R"({\rtf1\pard a}}}b)" << "ab" + CrLf;

    QTest::newRow("empty document") << R"({\rtf1})" << CrLf;
    QTest::newRow("header only") << R"({\rtf1)" << CrLf;
    QTest::newRow("empty input refused") << QString() << Refused;
    QTest::newRow("plain text refused") << "Fine leather gloves" << Refused;
    QTest::newRow("header in other case refused") << R"({\RTF1\pard x})" << Refused;
    QTest::newRow("header after a blank refused") << R"( {\rtf1\pard x})" << Refused;
}

void tst_TScrooge::convert()
{
    QFETCH(QString, rtf);
    QFETCH(QString, html);

    TScrooge scrooge;
    QString actual;
    try {
        actual = scrooge.RtfToHtml(rtf);
    } catch (const EScroogeError& e) {
        actual = QStringLiteral("refused: ") + e.Message();
    }
    QCOMPARE(actual, html);
}

void tst_TScrooge::textWithoutHeaderRaisesQuorvisError()
{
    TScrooge scrooge;
    try {
        scrooge.RtfToHtml(QStringLiteral("Hand-made <b>plain</b> description"));
        QFAIL("plain text was converted");
    } catch (const EQuorvisError& e) {
        QCOMPARE(e.Message(), QStringLiteral("Scrooge: RTF header is missing. Conversion aborted."));
    }
}

void tst_TScrooge::deepNestingConverts()
{
    const int depth = 200000;
    const QString rtf = "{\\rtf1\\pard " + QString(depth, u'{') + "\\b x" + QString(depth, u'}') + "y}";
    TScrooge scrooge;
    QCOMPARE(scrooge.RtfToHtml(rtf), "<B>x</B>y" + CrLf);
}

QTEST_GUILESS_MAIN(tst_TScrooge)
#include "tst_TScrooge.moc"
