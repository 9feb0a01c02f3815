#include "TScrooge.h"

#include <QRegularExpression>
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


// What a shopper reads on the page: line breaks where the browser breaks lines,
// list items with their bullet or number, table cells with " | " between them,
// footnotes after "---", entities as characters and runs of blanks as one.
QString VisibleText(const QString& html)
{
    static const char* const latin1[96] = {
        "nbsp", "iexcl", "cent", "pound", "curren", "yen", "brvbar", "sect",
        "die", "copy", "ordf", "laquo", "not", "shy", "reg", "macr",
        "deg", "plusmn", "sup2", "sup3", "acute", "micro", "para", "middot",
        "cedil", "sup1", "ordm", "raquo", "frac14", "frac12", "frac34", "iquest",
        "Agrave", "Aacute", "Acirc", "Atilde", "Auml", "Aring", "AElig", "Ccedil",
        "Egrave", "Eacute", "Ecirc", "Euml", "Igrave", "Iacute", "Icirc", "Iuml",
        "ETH", "Ntilde", "Ograve", "Oacute", "Ocirc", "Otilde", "Ouml", "times",
        "Oslash", "Ugrave", "Uacute", "Ucirc", "Uuml", "Yacute", "THORN", "szlig",
        "agrave", "aacute", "acirc", "atilde", "auml", "aring", "aelig", "ccedil",
        "egrave", "eacute", "ecirc", "euml", "igrave", "iacute", "icirc", "iuml",
        "eth", "ntilde", "ograve", "oacute", "ocirc", "otilde", "ouml", "divide",
        "oslash", "ugrave", "uacute", "ucirc", "uuml", "yacute", "thorn", "yuml",
    };
    struct List { QString type; int next = 1; };
    QList<List> lists;
    bool firstCell = true;
    bool inCell = false;
    QString text;
    static const QRegularExpression token(QStringLiteral("<(/?)([A-Za-z]+)([^>]*)>|&([A-Za-z0-9#]+);|[^<&]+|[<&]"));
    for (auto it = token.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString tag = m.captured(2).toUpper();
        const bool closing = !m.captured(1).isEmpty();
        const QString attributes = m.captured(3);
        if (!m.captured(4).isEmpty()) {
            const QString name = m.captured(4);
            QString c = QStringLiteral("?");
            if (name == u"amp") c = QStringLiteral("&");
            else if (name == u"lt") c = QStringLiteral("<");
            else if (name == u"gt") c = QStringLiteral(">");
            else if (name == u"quot") c = QStringLiteral("\"");
            else if (name == u"nbsp") c = QStringLiteral(" ");
            else if (name == u"die") c = QString(QChar(0xA8));
            for (int k = 0; k < 96; ++k)
                if (name == QLatin1StringView(latin1[k]) && k > 0)
                    c = QString(QChar(160 + k));
            text += c;
        } else if (tag.isEmpty()) {
            // Line ends in the source are blanks to the browser.
            text += QString(m.captured(0)).replace(u'\r', u' ').replace(u'\n', u' ');
        } else if ((tag == u"P" || tag == u"DIV") && inCell) {
            // A paragraph of a cell stays on its row.
            text += u' ';
        } else if (tag == u"BR" || tag == u"P" || tag == u"DIV" || tag == u"TABLE" || tag == u"TR") {
            text += u'\n';
            firstCell = true;
        } else if (tag == u"HR") {
            text += QStringLiteral("\n---\n");
        } else if (tag == u"UL" || tag == u"OL") {
            text += u'\n';
            if (closing) {
                if (!lists.isEmpty())
                    lists.removeLast();
            } else {
                QString type = tag == u"UL" ? QStringLiteral("*") : QStringLiteral("1");
                if (attributes.contains(QLatin1StringView("list-style-type:none")))
                    type.clear();
                const QRegularExpressionMatch t = QRegularExpression(QStringLiteral("TYPE=(\\w)")).match(attributes);
                if (tag == u"OL" && t.hasMatch())
                    type = t.captured(1);
                lists.append({type});
            }
        } else if (tag == u"LI" && !closing) {
            text += u'\n';
            if (lists.isEmpty())
                continue;
            List& list = lists.last();
            const QRegularExpressionMatch v = QRegularExpression(QStringLiteral("VALUE=(\\d+)")).match(attributes);
            const int n = v.hasMatch() ? v.captured(1).toInt() : list.next;
            list.next = n + 1;
            if (list.type == u"*")
                text += QStringLiteral("* ");
            else if (list.type == u"1")
                text += QString::number(n) + QStringLiteral(". ");
            else if (list.type == u"a" || list.type == u"A")
                text += QString(QChar(list.type[0].unicode() + n - 1)) + QStringLiteral(". ");
            else if (list.type == u"i" || list.type == u"I") {
                const char* const romans[] = {"", "i", "ii", "iii", "iv", "v", "vi", "vii", "viii", "ix", "x"};
                const QString roman = QLatin1StringView(romans[std::clamp(n, 0, 10)]);
                text += (list.type == u"I" ? roman.toUpper() : roman) + QStringLiteral(". ");
            }
        } else if (tag == u"TD") {
            inCell = !closing;
            if (!closing && !std::exchange(firstCell, false))
                text += QStringLiteral(" | ");
        }
    }
    QStringList lines;
    for (QString line : text.split(u'\n')) {
        line.replace(QRegularExpression(QStringLiteral("[ \\t\\r]+")), QStringLiteral(" "));
        line = line.trimmed();
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines.join(u'\n');
}

} // namespace

class tst_TScrooge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void convert_data();
    void convert();
    void documentsAsWordProcessorsWriteThem_data();
    void documentsAsWordProcessorsWriteThem();
    void fontCharsetChoosesTheCodePage_data();
    void fontCharsetChoosesTheCodePage();
    void textWithoutHeaderRaisesQuorvisError();
    void deepNestingConverts();
    void longDoubleByteRunConverts();

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

    // Faults of earlier versions, each pinned by the document that showed it.
    QTest::newRow("hexCharacterBeforeAParagraphStaysBeforeIt")
        << R"({\rtf1\pard Caf\'e9\par Th\'e9})" << "Caf&eacute;<BR>" + CrLf + "Th&eacute;" + CrLf;
    QTest::newRow("hexCharacterBeforeBoldOffStaysBold")
        << R"({\rtf1\pard \b cr\'e8me br\'fbl\'e9e\b0 !})" << "<B>cr&egrave;me br&ucirc;l&eacute;e</B>!" + CrLf;
    QTest::newRow("big5ParagraphsKeepTheirBreaks")
        << R"({\rtf1\ansi\ansicpg950\pard \'acK\'a4\'d1\par \'aeL\'a4\'d1\par})"
        << u"\u6625\u5929<BR>"_qs + CrLf + u"\u590F\u5929<BR>"_qs + CrLf + CrLf;
    QTest::newRow("doubleByteTrailWrittenAsABackslash")
        << R"({\rtf1\ansi\ansicpg932\pard \'83\\ \'83o})" << u"\u30BD \u30D0"_qs + CrLf;
    QTest::newRow("fontCharsetWinsOverAnsiCodePage")
        << R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fnil\fcharset0 Arial;}{\f1\fnil\fcharset204 Arial Cyr;}})"
           R"(\pard\f0 Caf\'e9 \f1\'cc\'ee\'f1\'ea\'e2\'e0\f0  \'e9})"
        << u"Caf&eacute; \u041C\u043E\u0441\u043A\u0432\u0430 &eacute;"_qs + CrLf;
    QTest::newRow("tableCellsAndRowsStayApart")
        << R"({\rtf1\pard Prices\par\trowd\cellx1000\cellx2000\pard\intbl Size\cell Price\cell\row)"
           R"(\trowd\cellx1000\cellx2000\pard\intbl Small\cell $25\cell\row\pard After\par})"
        << "Prices<BR>" + CrLf + "<TABLE CELLPADDING=4>" + CrLf + "<TR><TD>Size</TD><TD>Price</TD></TR>" + CrLf
               + "<TR><TD>Small</TD><TD>$25</TD></TR>" + CrLf + "</TABLE>" + CrLf + "After<BR>" + CrLf + CrLf;
    QTest::newRow("listTextLabelsReadAsAList")
        << R"({\rtf1{\fonttbl{\f3\fnil\fcharset2 Symbol;}}\pard Buy\par{\listtext\pard\plain\f3 \'b7\tab}\pard\ls1 Roses\par)"
           R"({\listtext\pard\plain\f3 \'b7\tab}\pard\ls1 Lilies\par\pard Done})"
        << "Buy<BR>" + CrLf + CrLf + "<UL>" + CrLf + "<LI>\tRoses</LI>" + CrLf + "<LI>\tLilies</LI>" + CrLf + "</UL>" + CrLf
               + CrLf + "Done" + CrLf;
    QTest::newRow("numberedListTextLabelsReadAsANumberedList")
        << R"({\rtf1\pard{\listtext 1.\tab}Choose\par{\listtext 2.\tab}Pay\par})"
        << CrLf + "<OL>" + CrLf + "<LI VALUE=1>\tChoose</LI>" + CrLf + "<LI VALUE=2>\tPay</LI>" + CrLf + "</OL>" + CrLf;
    QTest::newRow("footnoteStaysOutOfTheSentence")
        << R"({\rtf1\pard Roses{\super\chftn}{\footnote\pard\plain{\super\chftn} While stocks last.} are red.\par})"
        << "Roses<sup>1</sup> are red.<BR>" + CrLf + CrLf + "<HR>" + CrLf + "<sup>1</sup> While stocks last.<BR>" + CrLf + CrLf;
    QTest::newRow("textBoxTextIsKept")
        << R"({\rtf1\pard Before {\shp{\*\shpinst\shpleft0{\sp{\sn shapeType}{\sv 202}}{\shptxt\pard Free delivery\par}})"
           R"({\shprslt{\*\do\dobxcolumn{\dptxbxtext\pard Free delivery\par}}}}After})"
        << "Before <DIV>Free delivery<BR>" + CrLf + "</DIV>" + CrLf + "After" + CrLf;
    QTest::newRow("plainEndsSuperscript") << R"({\rtf1\pard x\super 2\plain y})" << "x<sup>2</sup>y" + CrLf;
    QTest::newRow("sectionBreakEndsTheParagraph") << R"({\rtf1\pard One\sect\sectd Two})" << "One<BR>" + CrLf + "Two" + CrLf;

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

void tst_TScrooge::documentsAsWordProcessorsWriteThem_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("visible");

    // Small made-up documents in the shapes the common word processors give them.
    QTest::newRow("wordpad, western")
        << QString::fromLatin1(R"rtf({\rtf1\ansi\ansicpg1252\deff0\nouicompat\deflang3081{\fonttbl{\f0\fnil\fcharset0 Calibri;}{\f1\fnil\fcharset2 Symbol;}}
{\colortbl ;\red255\green0\blue0;}
{\*\generator Riched20 10.0.19041}\viewkind4\uc1 
\pard\sa200\sl276\slmult1\f0\fs22\lang9 Caf\'e9\par
Th\'e9 \b cr\'e8me\b0  br\'fbl\'e9e \cf1 \'80 5\cf0\par
\pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-360\li720\sa200\sl276\slmult1 Roses\par
{\pntext\f1\'B7\tab}Lilies\par
\pard{\pntext\f0 1.\tab}{\*\pn\pnlvlbody\pnf0\pnindent0\pnstart1\pndec{\pntxta.}}\fi-360\li720 Water daily\par
{\pntext\f0 2.\tab}Keep cool\par
\pard\sa200\sl276\slmult1 A{\pict{\*\nisusfilename rose.png}\wmetafile8\picw100\pich100\picwgoal60\pichgoal60 0100090000035e000000}B\par
\trowd\trgaph108\trleft-108\trbrdrl\brdrs\brdrw10 \cellx1800\cellx3600\pard\intbl\sa200\sl276\slmult1 Size\cell Price\cell\row
\trowd\trgaph108\trleft-108\cellx1800\cellx3600\pard\intbl\sa200\sl276\slmult1 Small\cell $25\cell\row
\pard\sa200\sl276\slmult1 Thank you\par
}
)rtf")
        << QStringLiteral("Caf\u00E9\nTh\u00E9 cr\u00E8me br\u00FBl\u00E9e \u20AC 5\n* Roses\n* Lilies\n1. Water daily\n2. Keep cool\nAB\n"
                          "Size | Price\nSmall | $25\nThank you");

    QTest::newRow("wordpad, cyrillic by ansicpg 1251")
        << QString::fromLatin1(R"rtf({\rtf1\ansi\ansicpg1251\deff0\nouicompat\deflang1049{\fonttbl{\f0\fnil Calibri;}}
{\*\generator Riched20 10.0.19041}\viewkind4\uc1 
\pard\sa200\sl276\slmult1\f0\fs22\lang1049\'cf\'f0\'e8\'e2\'e5\'f2\par
\'cc\'ee\'f1\'ea\'e2\'e0\par
}
)rtf")
        << QStringLiteral("\u041F\u0440\u0438\u0432\u0435\u0442\n\u041C\u043E\u0441\u043A\u0432\u0430");

    QTest::newRow("wordpad, japanese by ansicpg 932")
        << QString::fromLatin1(R"rtf({\rtf1\ansi\ansicpg932\deff0\nouicompat\deflang1041{\fonttbl{\f0\fnil MS UI Gothic;}}
\viewkind4\uc1\pard\f0\fs20 \'83o\'83\'89\'82\'cd\'94\'fc\'82\'b5\'82\'a2\par
\'89\'d4\'89\'ae\'83\\\par
}
)rtf")
        << QStringLiteral("\u30D0\u30E9\u306F\u7F8E\u3057\u3044\n\u82B1\u5C4B\u30BD");

    QTest::newRow("wordpad, chinese by ansicpg 950")
        << QString::fromLatin1(R"rtf({\rtf1\ansi\ansicpg950\deff0\nouicompat\deflang1028{\fonttbl{\f0\fnil PMingLiU;}}
\viewkind4\uc1\pard\f0\fs20 \'acK\'a4\'d1\'aa\'ba\'aa\'e1\par
\'ae\'4c\'a4\'d1\b \'aa\'e1\'a9\'b1\b0\par
}
)rtf")
        << QStringLiteral("\u6625\u5929\u7684\u82B1\n\u590F\u5929\u82B1\u5E97");

    QTest::newRow("word, everything at once")
        << QString::fromLatin1(R"rtf({\rtf1\adeflang1025\ansi\ansicpg1252\uc1\adeff31507\deff0\stshfdbch31505\stshfloch31506\stshfhich31506\stshfbi31507\deflang3081\deflangfe1028\themelang3081
{\fonttbl{\f0\fbidi \froman\fcharset0\fprq2{\*\panose 02020603050405020304}Times New Roman;}{\f3\fbidi \froman\fcharset2\fprq2{\*\panose 05050102010706020507}Symbol;}
{\f13\fbidi \fnil\fcharset136\fprq2{\*\panose 02020500000000000000}PMingLiU{\*\falt \'b7\'73\'b2\'d3\'a9\'fa\'c5\'e9};}
{\f14\fbidi \fnil\fcharset128\fprq2 MS Mincho{\*\falt \'82\'6c\'82\'72 \'96\'be\'92\'a9};}{\f40\fbidi \froman\fcharset161\fprq2 Times New Roman Greek;}
{\f41\fbidi \froman\fcharset238\fprq2 Times New Roman CE;}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;}
{\*\defchp \fs24\lang3081\langfe1028\langfenp1028 }{\*\defpap \ql \li0\ri0\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 }
{\stylesheet{\ql \li0\ri0\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs24\alang1025 \ltrch\fcs0 \fs24\lang3081\langfe1028\cgrid\langnp3081\langfenp1028 \snext0 \sqformat \spriority0 Normal;}
{\*\cs10 \additive \ssemihidden Default Paragraph Font;}{\s15\ql \li0\ri0\widctlpar\wrapdefault\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs20 \ltrch\fcs0 \fs20 \sbasedon0 \snext15 \slink16 footnote text;}
{\*\cs16 \additive \super \sbasedon10 footnote reference;}}
{\*\listtable{\list\listtemplateid-1\listhybrid{\listlevel\levelnfc23\levelnfcn23\leveljc0\leveljcn0\levelfollow0\levelstartat1\lvltentative{\leveltext\leveltemplateid201916417\'01\u-3913 ?;}{\levelnumbers;}\f3\fbias0 \fi-360\li720\lin720 }{\listname ;}\listid1}
{\list\listtemplateid2\listhybrid{\listlevel\levelnfc4\levelnfcn4\leveljc0\leveljcn0\levelfollow0\levelstartat1{\leveltext\leveltemplateid201916431\'02\'00);}{\levelnumbers\'01;}\fi-360\li720\lin720 }{\listname ;}\listid2}}
{\*\listoverridetable{\listoverride\listid1\listoverridecount0\ls1}{\listoverride\listid2\listoverridecount0\ls2}}
{\*\rsidtbl \rsid1\rsid2}{\*\mmathPr\mmathFont34\mbrkBin0}
{\info{\title Spring catalogue}{\author Merchant}{\operator Merchant}{\creatim\yr2024\mo3\dy1\hr9\min30}{\version2}{\edmins1}{\nofpages1}{\nofwords20}}
{\*\xmlnstbl {\xmlns1 http://schemas.microsoft.com/office/word/2003/wordml}}
\paperw11906\paperh16838\margl1440\margr1440\margt1440\margb1440\gutter0\ltrsect 
\widowctrl\ftnbj\aenddoc\trackmoves0\trackformatting1\donotembedsysfont1\relyonvml0\donotembedlingdata0\formshade\horzdoc\dgmargin\dghspace180\dgvspace180\viewkind1\viewscale100\nouicompat \fet0
{\*\wgrffmtfilter 2450}\nofeaturethrottle1\ilfomacatclnup0
{\*\ftnsep \ltrpar \pard\plain \ltrpar\ql \li0\ri0\widctlpar\rin0\lin0\itap0 {\rtlch\fcs1 \af0 \ltrch\fcs0 \chftnsep \par }}
\ltrpar \sectd \ltrsect\linex0\headery708\footery708\colsx708\endnhere\sectlinegrid360\sectdefaultcl\sftnbj 
{\headerr \ltrpar \pard\plain \ltrpar\s17\ql \li0\ri0\widctlpar\tqc\tx4513\tqr\tx9026\rin0\lin0\itap0 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 Page heading\par }}
{\footerr \ltrpar \pard\plain \ltrpar\s18\ql \li0\ri0\widctlpar\rin0\lin0\itap0 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 Page footing\par }}
\pard\plain \ltrpar\ql \li0\ri0\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs24\alang1025 \ltrch\fcs0 \fs24\lang3081\langfe1028\cgrid\langnp3081\langfenp1028 {\rtlch\fcs1 \af0 \ltrch\fcs0 \b\insrsid1 Spring}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1  roses \u8212\'97 see }{\field{\*\fldinst {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1  HYPERLINK "http://shop.example/roses" }{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 {\*\datafield 00d0c9ea79f9bace118c8200aa004ba90b02000000170000001a0000006800740074}}}{\fldrslt {\rtlch\fcs1 \af0 \ltrch\fcs0 \cs15\ul\cf2\insrsid1 our roses}}}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 .}{\rtlch\fcs1 \af0 \ltrch\fcs0 \cs16\super\insrsid1 \chftn {\footnote \ltrpar \pard\plain \ltrpar\s15\ql \li0\ri0\widctlpar\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs20\alang1025 \ltrch\fcs0 \fs20\lang3081 {\rtlch\fcs1 \af0 \ltrch\fcs0 \cs16\super\insrsid1 \chftn }{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1  While stocks last.}}}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1  Order now.\par }
{\listtext\pard\plain\ltrpar \rtlch\fcs1 \af0 \ltrch\fcs0 \f3\lang3081\langfe1028\langnp3081\insrsid1 \loch\af3\dbch\af13\hich\f3 \'b7\tab}\pard\plain \ltrpar\ql \fi-360\li720\ri0\widctlpar\wrapdefault\aspalpha\aspnum\faauto\ls1\adjustright\rin0\lin720\itap0\pararsid1 \rtlch\fcs1 \af0\afs24\alang1025 \ltrch\fcs0 \fs24\lang3081 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 Red\par }
{\listtext\pard\plain\ltrpar \rtlch\fcs1 \af0 \ltrch\fcs0 \f3\lang3081\langfe1028\langnp3081\insrsid1 \loch\af3\dbch\af13\hich\f3 \'b7\tab}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 White\par }
{\listtext\pard\plain\ltrpar \rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 \hich\af0\dbch\af13\loch\f0 a)\tab}\pard\plain \ltrpar\ql \fi-360\li720\ri0\widctlpar\ls2\rin0\lin720\itap0 \rtlch\fcs1 \af0\afs24 \ltrch\fcs0 \fs24\lang3081 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 Water daily\par }
{\listtext\pard\plain\ltrpar \rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 \hich\af0\dbch\af13\loch\f0 b)\tab}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 Keep cool\par }
\pard\plain \ltrpar\ql \li0\ri0\widctlpar\wrapdefault\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs24 \ltrch\fcs0 \fs24\lang3081 {\rtlch\fcs1 \af13 \ltrch\fcs0 \f13\lang1028\langfe1028\dbch\af13\loch\f13 \'aa\'b4\'ba\'c0\'aa\'e1\par }{\rtlch\fcs1 \af14 \ltrch\fcs0 \f14\lang1041 \'89\'d4\'89\'ae}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1  }{\rtlch\fcs1 \af40 \ltrch\fcs0 \f40\lang1032 \'f1\'fc\'e4\'e1}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1  }{\rtlch\fcs1 \af41 \ltrch\fcs0 \f41\lang1029 \'8elu\'9dou\'e8k\'fd\par }
{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 {\*\shppict{\pict{\*\picprop\shplid1025{\sp{\sn shapeType}{\sv 75}}}\picscalex100\picscaley100\piccropl0\piccropr0\piccropt0\piccropb0\picw529\pich529\picwgoal300\pichgoal300\pngblip\bliptag255{\*\blipuid 0123456789abcdef0123456789abcdef}89504e470d0a1a0a0000000d49484452}}{\nonshppict{\pict\picscalex100\picscaley100\picw529\pich529\picwgoal300\pichgoal300\wmetafile8\bliptag255 0100090000035e00}}}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 Picture above\par }
\trowd \irow0\irowband0\ltrrow\ts11\trgaph108\trleft-108\trbrdrt\brdrs\brdrw10 \trbrdrl\brdrs\brdrw10 \trftsWidth1\trautofit1\trpaddl108\trpaddr108\trpaddfl3\trpaddfr3\tblrsid1\tbllkhdrrows\tbllklastrow\tblind0\tblindtype3 \clvertalt\clbrdrt\brdrs\brdrw10 \clbrdrl\brdrs\brdrw10 \cltxlrtb\clftsWidth3\clwWidth4508\clshdrawnil \cellx4400\clvertalt\clbrdrt\brdrs\brdrw10 \cltxlrtb\clftsWidth3\clwWidth4508\clshdrawnil \cellx8908\pard\plain \ltrpar\ql \li0\ri0\widctlpar\intbl\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0 \rtlch\fcs1 \af0\afs24 \ltrch\fcs0 \fs24\lang3081 {\rtlch\fcs1 \af0 \ltrch\fcs0 \b\insrsid1 Size\cell Price\cell }\pard\plain \ltrpar\ql \li0\ri0\widctlpar\intbl\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0 \rtlch\fcs1 \af0\afs24 \ltrch\fcs0 \fs24\lang3081 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 \trowd \irow0\irowband0\ltrrow\ts11\trgaph108\trleft-108 \cellx4400\cellx8908\row }
\trowd \irow1\irowband1\lastrow \ltrrow\ts11\trgaph108\trleft-108 \cellx4400\cellx8908\pard\plain \ltrpar\ql \li0\ri0\widctlpar\intbl\wrapdefault\rin0\lin0 \rtlch\fcs1 \af0\afs24 \ltrch\fcs0 \fs24\lang3081 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 Small\cell }\pard\plain \ltrpar\qc \li0\ri0\widctlpar\intbl\wrapdefault\rin0\lin0 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 $25\cell }\pard\plain \ltrpar\ql \li0\ri0\widctlpar\intbl\wrapdefault\rin0\lin0 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 \trowd \irow1\irowband1\lastrow \ltrrow\ts11\trgaph108\trleft-108 \cellx4400\cellx8908\row }
\pard\plain \ltrpar\ql \li0\ri0\widctlpar\wrapdefault\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs24 \ltrch\fcs0 \fs24\lang3081 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 {\shp{\*\shpinst\shpleft0\shptop0\shpright3000\shpbottom1000\shpfhdr0\shpbxcolumn\shpbxignore\shpbypara\shpbyignore\shpwr3\shpwrk0\shpfblwtxt0\shpz0\shplid1026{\sp{\sn shapeType}{\sv 202}}{\sp{\sn fFlipH}{\sv 0}}{\sp{\sn lTxid}{\sv 65536}}{\shptxt \ltrpar\pard\plain \ltrpar\ql \li0\ri0\widctlpar\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs24 \ltrch\fcs0 \fs24\lang3081 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 Free delivery in town\par }}}{\shprslt{\*\do\dobxcolumn\dobypara\dodhgt8192\dptxbx\dptxlrtb{\dptxbxtext\ltrpar\pard\plain \ltrpar\ql \li0\ri0\widctlpar\rin0\lin0\itap0 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 Free delivery in town\par }}\dpx0\dpy0\dpxsize3000\dpysize1000\dpfillfgcr255\dpfillfggr255\dpfillfgcb255}}}}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 After the table.\par }
{\*\themedata 504b030414000600080000002100e9de0fbfff0000001c020000130000005b436f6e74656e745f54797065735d2e786d6c}
{\*\colorschememapping 3c3f786d6c2076657273696f6e3d22312e30}
{\*\latentstyles\lsdstimax376\lsdlockeddef0\lsdsemihiddendef0{\lsdlockedexcept \lsdqformat1 \lsdpriority0 \lsdlocked0 Normal;}}
{\*\datastore 0105000002000000180000004d73786d6c322e534158584d4c5265616465722e362e30}}
)rtf")
        << QStringLiteral("Spring roses \u2014 see our roses.1 Order now.\n* Red\n* White\na. Water daily\nb. Keep cool\n"
                          "\u73AB\u7470\u82B1\n\u82B1\u5C4B \u03C1\u03CC\u03B4\u03B1 \u017Dlu\u0165ou\u010Dk\u00FD\nPicture above\n"
                          "Size | Price\nSmall | $25\nFree delivery in town\nAfter the table.\n---\n1 While stocks last.");

    QTest::newRow("libreoffice writer")
        << QString::fromLatin1(R"rtf({\rtf1\ansi\deff3\adeflang1025
{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\froman\fprq2\fcharset2 Symbol;}{\f2\fswiss\fprq2\fcharset0 Arial;}{\f3\froman\fprq2\fcharset0 Liberation Serif{\*\falt Times New Roman};}{\f4\fswiss\fprq2\fcharset238 Liberation Sans{\*\falt Arial};}{\f5\fnil\fprq2\fcharset204 DejaVu Sans;}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue128;\red128\green128\blue128;}
{\stylesheet{\s0\snext0\ql\widctlpar\hyphpar0\ltrpar\cf0\kerning1\dbch\af6\langfe2052\dbch\af7\afs24\alang1081\loch\f3\hich\af3\fs24\lang2057 Normal;}
{\*\cs15\snext15 Internet Link;}{\s16\sbasedon0\snext17\ql\keepn\loch\f2\fs28 Heading;}{\s17\sbasedon0\snext17 Table Contents;}}
{\*\listtable{\list\listtemplateid1{\listlevel\levelnfc23\leveljc0\levelstartat1\levelfollow0{\leveltext \'01\u8226 ?;}{\levelnumbers;}\f1\fi-360\li720}\listid1}
{\list\listtemplateid2{\listlevel\levelnfc0\leveljc0\levelstartat1\levelfollow0{\leveltext \'02\'00.;}{\levelnumbers\'01;}\fi-360\li720}\listid2}}
{\*\listoverridetable{\listoverride\listid1\listoverridecount0\ls1}{\listoverride\listid2\listoverridecount0\ls2}}
{\*\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}{\info{\title Price list}{\creatim\yr2024\mo3\dy2\hr10\min5}{\revtim\yr2024\mo3\dy2\hr10\min9}{\printim\yr0\mo0\dy0\hr0\min0}}{\*\userprops}\deftab709
\hyphauto1\viewscale100\formshade\paperh16838\paperw11906\margl1134\margr1134\margt1134\margb1134\sectd\sbknone\sftnnar\saftnnrlc\sectunlocked1\pgwsxn11906\pghsxn16838\ftnbj\ftnstart1\ftnrstcont\ftnnar\aenddoc\aftnrstcont\aftnstart1\aftnnrlc
{\*\ftnsep\chftnsep}{\header\pard\plain \s19\ql\widctlpar{\rtlch \ltrch\loch Flower shop}\par}\pgndec\pard\plain \s0\ql\widctlpar\hyphpar0\ltrpar\cf0\kerning1\dbch\af6\langfe2052\dbch\af7\afs24\alang1081\loch\f3\hich\af3\fs24\lang2057{\rtlch \ltrch\loch
P\u345\'f8\u237\'ed\u353\'9at\u237\'ed t\u253\'fdden}
\par \pard\plain \s0\ql\widctlpar\hyphpar0\ltrpar\loch\f4\fs24{\rtlch \ltrch\loch Cena: \'9a\'e1lek k\'e1vy}
\par \pard\plain \s0\ql\widctlpar\hyphpar0\ltrpar{\loch\f5 \'cc\'ee\'f1\'ea\'e2\'e0}{\uc2 \u25991\'a4\'e5\u26412\'a5\'bb}
\par \pard\plain \s0\ls1\ilvl0\ql\widctlpar\fi-360\li720\ri0\lin720\rin0{\listtext\pard\plain \u8226\'95\tab}\ilvl0\ls1 \li720\ri0\lin720\rin0\fi-360{\rtlch \ltrch\loch Tulips}
\par \pard\plain \s0\ls1\ilvl0\ql\widctlpar\fi-360\li720\ri0\lin720\rin0{\listtext\pard\plain \u8226\'95\tab}\ilvl0\ls1 \li720\ri0\lin720\rin0\fi-360{\rtlch \ltrch\loch Daffodils}
\par \pard\plain \s0\ls2\ilvl0\ql\widctlpar\fi-360\li720\ri0\lin720\rin0{\listtext\pard\plain 1.\tab}\ilvl0\ls2 \li720\ri0\lin720\rin0\fi-360{\rtlch \ltrch\loch Choose}
\par \pard\plain \s0\ls2\ilvl0\ql\widctlpar\fi-360\li720\ri0\lin720\rin0{\listtext\pard\plain 2.\tab}\ilvl0\ls2 \li720\ri0\lin720\rin0\fi-360{\rtlch \ltrch\loch Pay}
\par \trowd\trql\trleft-55\ltrrow\trpaddft3\trpaddt55\trpaddfl3\trpaddl55\trpaddfb3\trpaddb55\trpaddfr3\trpaddr55\clbrdrl\brdrs\brdrw2\brdrcf1\clbrdrt\brdrs\brdrw2\brdrcf1\clbrdrb\brdrs\brdrw2\brdrcf1\cellx4819\clbrdrl\brdrs\brdrw2\brdrcf1\clbrdrt\brdrs\brdrw2\brdrcf1\clbrdrb\brdrs\brdrw2\brdrcf1\clbrdrr\brdrs\brdrw2\brdrcf1\cellx9638\pard\plain \s17\ql\widctlpar\intbl\hyphpar0\ltrpar{\rtlch \ltrch\loch Size}\cell\pard\plain \s17\ql\widctlpar\intbl\hyphpar0\ltrpar{\rtlch \ltrch\loch Price}\cell\row\pard\trowd\trql\trleft-55\ltrrow\cellx4819\cellx9638\pard\plain \s17\ql\widctlpar\intbl\hyphpar0\ltrpar{\rtlch \ltrch\loch Small}\cell\pard\plain \s17\ql\widctlpar\intbl\hyphpar0\ltrpar{\rtlch \ltrch\loch $25}\cell\row\pard\pard\plain \s0\ql\widctlpar\hyphpar0\ltrpar{\rtlch \ltrch\loch Fresh daily}{\super\chftn}{\*\footnote\pard\plain \s20\ql\widctlpar\fi-339\li339\ltrpar\fs20{\super\chftn}{\rtlch \ltrch\loch  Picked this morning.}}{\rtlch \ltrch\loch .}
\par \pard\plain \s0\ql\widctlpar{\shp{\*\shpinst\shpwr3\shpbypara\shpbxcolumn\shpleft0\shptop0\shpright2000\shpbottom500{\sp{\sn shapeType}{\sv 202}}{\sp{\sn fLine}{\sv 0}}{\shptxt\pard\plain \s0\ql\widctlpar{\rtlch \ltrch\loch Open Sundays}\par}}}{\rtlch \ltrch\loch See you soon}
\par }
)rtf")
        << QStringLiteral("P\u0159\u00ED\u0161t\u00ED t\u00FDden\nCena: \u0161\u00E1lek k\u00E1vy\n\u041C\u043E\u0441\u043A\u0432\u0430\u6587\u672C\n"
                          "* Tulips\n* Daffodils\n1. Choose\n2. Pay\nSize | Price\nSmall | $25\nFresh daily1.\nOpen Sundays\nSee you soon\n"
                          "---\n1 Picked this morning.");

    QTest::newRow("mac text editor")
        << QString::fromLatin1(R"rtf({\rtf1\ansi\ansicpg1252\cocoartf2639
\cocoatextscaling0\cocoaplatform0{\fonttbl\f0\fswiss\fcharset0 Helvetica;\f1\fnil\fcharset0 HelveticaNeue;}
{\colortbl;\red255\green255\blue255;\red0\green0\blue0;}
{\*\expandedcolortbl;;\cssrgb\c0\c0\c0;}
{\*\listtable{\list\listtemplateid1\listhybrid{\listlevel\levelnfc23\levelnfcn23\leveljc0\leveljcn0\levelfollow0\levelstartat1\levelspace360\levelindent0{\*\levelmarker \{disc\}}{\leveltext\leveltemplateid1\'01\uc0\u8226 ;}{\levelnumbers;}\fi-360\li720\lin720 }{\listname ;}\listid1}}
{\*\listoverridetable{\listoverride\listid1\listoverridecount0\ls1}}
\paperw11900\paperh16840\margl1440\margr1440\vieww11520\viewh8400\viewkind0
\pard\tx566\tx1133\tx1700\pardirnatural\partightenfactor0

\f0\fs24 \cf0 Caf\'e9 cr\'e8me \'97 \uc0\u8364 5\
\pard\tx220\tx720\pardeftab720\li720\fi-720\pardirnatural\partightenfactor0
\ls1\ilvl0\cf0 {\listtext	\uc0\u8226 	}Roses\
{\listtext	\uc0\u8226 	}Tulips\
\pard\tx566\pardirnatural\partightenfactor0
\cf0 \uc0\u26149 \u22825  \u1055 \u1088 \u1080 \u1074 \u1077 \u1090 \
{\field{\*\fldinst{HYPERLINK "https://shop.example/"}}{\fldrslt \cf0 \ul \ulc0 Visit us}}}
)rtf")
        << QStringLiteral("Caf\u00E9 cr\u00E8me \u2014 \u20AC5\n* Roses\n* Tulips\n\u6625\u5929 \u041F\u0440\u0438\u0432\u0435\u0442\nVisit us");

    QTest::newRow("binary picture data")
        << QStringLiteral("{\\rtf1\\ansi\\pard Before{\\pict\\pngblip\\picw10\\pich10\\bin8 }{\\}\\'{x}After\\par}")
        << QStringLiteral("BeforeAfter");
}

void tst_TScrooge::documentsAsWordProcessorsWriteThem()
{
    QFETCH(QString, rtf);
    QFETCH(QString, visible);

    const QString html = TScrooge().RtfToHtml(rtf);
    QCOMPARE(VisibleText(html), visible);
    // Nothing of the document's machinery reaches the page.
    for (const char* inner : {"HYPERLINK", "panose", "shapeType", "Spring catalogue", "Page heading", "Page footing",
                              "Flower shop", "89504e47", "0100090000", "Normal;", "Price list", "Symbol"})
        QVERIFY2(!html.contains(QLatin1StringView(inner)), inner);
}

void tst_TScrooge::fontCharsetChoosesTheCodePage_data()
{
    QTest::addColumn<int>("charset");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("text");

    // Each decoded on this system; the document's own code page is 1252 throughout.
    QTest::newRow("cyrillic 204") << 204 << R"(\'cc\'ee\'f1\'ea\'e2\'e0)" << u"\u041C\u043E\u0441\u043A\u0432\u0430"_qs;
    QTest::newRow("central european 238") << 238 << R"(\'8elu\'9dou\'e8k\'fd)" << u"\u017Dlu\u0165ou\u010Dk\u00FD"_qs;
    QTest::newRow("greek 161") << 161 << R"(\'f1\'fc\'e4\'e1)" << u"\u03C1\u03CC\u03B4\u03B1"_qs;
    QTest::newRow("turkish 162") << 162 << R"(\'dei\'feli)" << u"\u015Ei\u015Fli"_qs;
    QTest::newRow("baltic 186") << 186 << R"(\'c0\'feuolas)" << u"\u0104\u017Euolas"_qs;
    QTest::newRow("hebrew 177") << 177 << R"(\'f9\'ec\'e5\'ed)" << u"\u05E9\u05DC\u05D5\u05DD"_qs;
    QTest::newRow("arabic 178") << 178 << R"(\'d3\'e1\'c7\'e3)" << u"\u0633\u0644\u0627\u0645"_qs;
    QTest::newRow("shift-jis 128") << 128 << R"(\'89\'d4\'89\'ae\'83\\\'83o)" << u"\u82B1\u5C4B\u30BD\u30D0"_qs;
    QTest::newRow("gb2312 134") << 134 << R"(\'bb\'a8\'b5\'ea)" << u"\u82B1\u5E97"_qs;
    QTest::newRow("big5 136") << 136 << R"(\'aa\'e1\'a9\'b1\'acK)" << u"\u82B1\u5E97\u6625"_qs;
    QTest::newRow("hangul 129") << 129 << R"(\'b2\'c9\'c1\'fd)" << u"\uAF43\uC9D1"_qs;
}

void tst_TScrooge::fontCharsetChoosesTheCodePage()
{
    QFETCH(int, charset);
    QFETCH(QString, bytes);
    QFETCH(QString, text);

    const QString rtf = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset%1 Other;}}"
                                       "\\pard\\f0 \\'e9 \\f1 %2\\par\\f0 \\'e9}").arg(charset).arg(bytes);
    QCOMPARE(VisibleText(TScrooge().RtfToHtml(rtf)), u"\u00E9 "_qs + text + u"\n\u00E9"_qs);
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

void tst_TScrooge::longDoubleByteRunConverts()
{
    // A description of Chinese text with no control word in it for a long way.
    const int count = 200000;
    QString rtf = QStringLiteral("{\\rtf1\\ansi\\ansicpg950\\pard ");
    for (int k = 0; k < count; ++k)
        rtf += QStringLiteral("\\'acK");
    rtf += u'}';
    TScrooge scrooge;
    QCOMPARE(scrooge.RtfToHtml(rtf), QString(count, QChar(0x6625)) + CrLf);
}

QTEST_GUILESS_MAIN(tst_TScrooge)
#include "tst_TScrooge.moc"
