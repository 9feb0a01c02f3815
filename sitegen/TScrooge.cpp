#include "TScrooge.h"

#include <QByteArray>
#include <QHash>
#include <QStringDecoder>
#include <QStringView>

#include <algorithm>
#include <array>
#include <deque>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

enum class Word {
    Unknown,
    Par, Line, Tab, Page, Section, Space,
    Underline, UnderlineNone, Bold, Italic, Strike,
    Sub, Super, NoSuperSub,
    DoubleQuote, Quote, EmDash, EnDash, Bullet,
    AlignRight, AlignCentre,
    BulletLevel,
    Pard, Plain,
    Unicode, UnicodeSkip,
    AnsiCodePage, Mac, Pc, Pca,
    Font, DefaultFont, Charset, FontCodePage,
    Binary,
    RowDefaults, InTable, Cell, Row, NestCell, NestRow,
    FootnoteMark,
    // Words that open a group of their own kind when they come first in it.
    Destination,
    FontTable,
    ListDefinition,
    ListLabel,
    Footnote,
    ShapeInstance,
    ShapeText,
};

bool OpensGroup(Word word)
{
    return word >= Word::Destination;
}

const QHash<QStringView, Word>& WordTable()
{
    static const QHash<QStringView, Word> table{
        {u"par", Word::Par},
        {u"line", Word::Line},
        {u"tab", Word::Tab},
        {u"page", Word::Page},
        {u"sect", Word::Section},
        {u"emspace", Word::Space},
        {u"enspace", Word::Space},
        {u"qmspace", Word::Space},
        {u"ul", Word::Underline},
        {u"ulnone", Word::UnderlineNone},
        {u"b", Word::Bold},
        {u"i", Word::Italic},
        {u"strike", Word::Strike},
        {u"sub", Word::Sub},
        {u"super", Word::Super},
        {u"nosupersub", Word::NoSuperSub},
        {u"ldblquote", Word::DoubleQuote},
        {u"rdblquote", Word::DoubleQuote},
        {u"ldblquot", Word::DoubleQuote},
        {u"rdblquot", Word::DoubleQuote},
        {u"lquote", Word::Quote},
        {u"rquote", Word::Quote},
        {u"emdash", Word::EmDash},
        {u"endash", Word::EnDash},
        {u"bullet", Word::Bullet},
        {u"qr", Word::AlignRight},
        {u"qc", Word::AlignCentre},
        {u"pnlvlblt", Word::BulletLevel},
        {u"pard", Word::Pard},
        {u"plain", Word::Plain},
        {u"u", Word::Unicode},
        {u"uc", Word::UnicodeSkip},
        {u"ansicpg", Word::AnsiCodePage},
        {u"mac", Word::Mac},
        {u"pc", Word::Pc},
        {u"pca", Word::Pca},
        {u"f", Word::Font},
        {u"deff", Word::DefaultFont},
        {u"fcharset", Word::Charset},
        {u"cpg", Word::FontCodePage},
        {u"bin", Word::Binary},
        {u"trowd", Word::RowDefaults},
        {u"intbl", Word::InTable},
        {u"cell", Word::Cell},
        {u"row", Word::Row},
        {u"nestcell", Word::NestCell},
        {u"nestrow", Word::NestRow},
        {u"chftn", Word::FootnoteMark},
        {u"fonttbl", Word::FontTable},
        {u"pn", Word::ListDefinition},
        // The label a word processor writes in front of each list item for
        // readers that know nothing of lists.
        {u"pntext", Word::ListLabel},
        {u"listtext", Word::ListLabel},
        {u"footnote", Word::Footnote},
        {u"shpinst", Word::ShapeInstance},
        {u"do", Word::ShapeInstance},
        {u"shptxt", Word::ShapeText},
        {u"dptxbxtext", Word::ShapeText},
        // Groups that hold no text of the document: tables, document information,
        // picture and object data, field codes, headers and footers, the bullet
        // texts of the list definitions, the fallback pictures of shapes.
        {u"colortbl", Word::Destination},
        {u"stylesheet", Word::Destination},
        {u"info", Word::Destination},
        {u"pict", Word::Destination},
        {u"nonshppict", Word::Destination},
        {u"shprslt", Word::Destination},
        {u"objdata", Word::Destination},
        {u"objclass", Word::Destination},
        {u"objname", Word::Destination},
        {u"fldinst", Word::Destination},
        {u"header", Word::Destination},
        {u"headerl", Word::Destination},
        {u"headerr", Word::Destination},
        {u"headerf", Word::Destination},
        {u"footer", Word::Destination},
        {u"footerl", Word::Destination},
        {u"footerr", Word::Destination},
        {u"footerf", Word::Destination},
        {u"ftnsep", Word::Destination},
        {u"ftnsepc", Word::Destination},
        {u"ftncn", Word::Destination},
        {u"aftnsep", Word::Destination},
        {u"aftnsepc", Word::Destination},
        {u"aftncn", Word::Destination},
        {u"listtable", Word::Destination},
        {u"listoverridetable", Word::Destination},
        {u"revtbl", Word::Destination},
        {u"rsidtbl", Word::Destination},
        {u"filetbl", Word::Destination},
        {u"pgdsctbl", Word::Destination},
        {u"template", Word::Destination},
        {u"private", Word::Destination},
        {u"fontemb", Word::Destination},
        {u"fontfile", Word::Destination},
        {u"pntxta", Word::Destination},
        {u"pntxtb", Word::Destination},
        {u"xe", Word::Destination},
        {u"tc", Word::Destination},
        {u"bkmkstart", Word::Destination},
        {u"bkmkend", Word::Destination},
        // What a nested table looks like to readers without them: a copy.
        {u"nonesttables", Word::Destination},
    };
    return table;
}

// Windows code page 1252, bytes 0x80 to 0x9F; the rest of the page is Latin-1.
// The five unassigned bytes map to themselves and are dropped as control codes.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Named entities for 160 to 255. 168 is written "&die;" because pages and imported
// descriptions made by earlier releases carry that spelling.
constexpr const char* Latin1Entities[96] = {
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

constexpr char16_t MiddleDot = 183;
constexpr int DefaultCodePage = 1252;
// Parameters are 16-bit in practice; the cap only keeps absurd digit runs from
// overflowing.
constexpr int ParameterLimit = 1000000000;

// The names this system's converters may know a Windows code page by, best first.
QList<QByteArray> DecoderNames(int codePage)
{
    switch (codePage) {
    case 10000: return {"macintosh"};
    case 932: return {"windows-932", "Shift_JIS"};
    case 936: return {"windows-936", "GBK"};
    case 949: return {"windows-949", "CP949", "EUC-KR"};
    case 950: return {"windows-950", "Big5"};
    case 1361: return {"johab", "x-johab"};
    case 65001: return {"UTF-8"};
    case 437: case 850: case 852: case 855: case 857: case 860: case 861: case 862:
    case 863: case 864: case 865: case 866: case 869:
        return {"IBM" + QByteArray::number(codePage)};
    default: return {"windows-" + QByteArray::number(codePage)};
    }
}

// The code page of a font's character set; 0 for the document's own code page.
int CharsetCodePage(int charset)
{
    switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

// Double-byte code pages: a lead byte takes the next byte with it, and that
// second byte may be written as a plain character ("\'83T", "\'83\\").
bool IsLeadByte(int codePage, uchar b)
{
    switch (codePage) {
    case 932: return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case 936: case 949: case 950: case 1361: return b >= 0x81 && b <= 0xFE;
    default: return false;
    }
}

enum Format : unsigned {
    Bold = 1, Italic = 2, Underline = 4, Strike = 8, Subscript = 16, Superscript = 32,
};

struct FormatTag
{
    Format bit;
    QStringView open;
    QStringView close;
    int counter; // index into the open-tag counters, -1 for none
};

// Tags open in this order and close in the reverse.
constexpr std::array<FormatTag, 6> FormatTags{{
    {Bold, u"<B>", u"</B>", 1},
    {Italic, u"<I>", u"</I>", 2},
    {Underline, u"<U>", u"</U>", 0},
    {Strike, u"<STRIKE>", u"</STRIKE>", 3},
    {Subscript, u"<sub>", u"</sub>", -1},
    {Superscript, u"<sup>", u"</sup>", -1},
}};

const FormatTag& TagOf(Format bit)
{
    for (const FormatTag& tag : FormatTags)
        if (tag.bit == bit)
            return tag;
    return FormatTags[0];
}

enum class Dest : unsigned char {
    Text,           // the document's text
    FontTable,      // font numbers and their character sets; names dropped
    ListDefinition, // an old-style list definition: nothing shown
    ListLabel,      // a list item's label: read to tell the kind of list, not shown
    Shape,          // a drawing's properties: nothing shown but its text box
};

enum class Role : unsigned char { None, Label, Footnote, TextBox };

enum class ListKind : unsigned char {
    None, Bullet, Labelled, Decimal, LowerAlpha, UpperAlpha, LowerRoman, UpperRoman,
};

enum class Align : unsigned char { None, Right, Centre };

struct GroupState
{
    unsigned format = 0;
    int unicodeSkip = 1;
    int font = -1; // -1: the document's default font
    Dest dest = Dest::Text;
    Role role = Role::None;
};

// The state of one stream of HTML: the running text, or a footnote or text box
// read in the middle of it, which must not disturb its lists, tables and tags.
struct Flow
{
    unsigned written = 0; // formatting tags open in the HTML
    // Open-tag counters: underline, bold, italic, strike. They may go below zero
    // (closing words without opening ones); only those above zero are closed at the end.
    std::array<int, 4> counts{};
    int alignCount = 0;
    Align pendingAlign = Align::None;
    bool alignOpen = false;
    ListKind list = ListKind::None;
    // A list label has been read since the last paragraph end: this paragraph
    // is a list item.
    bool labelSinceBreak = false;
    bool inTable = false; // the paragraph lies in a table
    bool tableOpen = false;
    bool rowOpen = false;
    bool cellOpen = false;
};

struct FontInfo
{
    int codePage = 0; // 0: the document's code page
    bool symbol = false;
};

struct Label
{
    ListKind kind = ListKind::Bullet;
    int value = 0;
    QString whitespace; // what the label holds besides its marker
    QString text;       // the label itself, for labels that are not numbers
};

bool IsBulletCharacter(char16_t c)
{
    switch (c) {
    case 0x00B7: case 0x2022: case 0x25CF: case 0x25CB: case 0x25AA: case 0x25A0:
    case 0x25A1: case 0x25E6: case 0x2023: case 0x2043: case 0x2219: case 0x27A2:
    case 0x25BA: case 0x2713: case 0x2714: case 0x2013: case 0x2014: case 0x00A7:
    case u'-': case u'*': case u'o': case u'>':
        return true;
    default:
        // Symbol fonts reached through their private-use code points.
        return c >= 0xF000 && c <= 0xF0FF;
    }
}

int RomanValue(QStringView text)
{
    int total = 0;
    int previous = 0;
    for (qsizetype k = text.size() - 1; k >= 0; --k) {
        int v = 0;
        switch (QChar(text[k]).toLower().unicode()) {
        case u'i': v = 1; break;
        case u'v': v = 5; break;
        case u'x': v = 10; break;
        case u'l': v = 50; break;
        case u'c': v = 100; break;
        case u'd': v = 500; break;
        case u'm': v = 1000; break;
        default: return 0;
        }
        total += v < previous ? -v : v;
        previous = std::max(previous, v);
        if (total > 100000)
            return 0;
    }
    return std::max(total, 0);
}

// What a list label says about its list: a bullet, a number of some style, or
// a word of its own ("Step 1:"), which is kept.
Label ReadLabel(const QString& raw, bool symbolFont)
{
    Label label;
    QString core;
    for (QChar c : raw) {
        if (c.isSpace())
            label.whitespace += c;
        else
            core += c;
    }
    if (core.isEmpty() || symbolFont || (core.size() == 1 && IsBulletCharacter(core[0].unicode())))
        return label;

    QStringView number(core);
    if (number.startsWith(u'('))
        number = number.mid(1);
    while (!number.isEmpty() && QStringView(u".):").contains(number.back()))
        number.chop(1);
    const bool lower = !number.isEmpty() && number.front().isLower();
    bool digits = !number.isEmpty() && number.size() <= 9;
    for (QChar c : number)
        digits = digits && c >= u'0' && c <= u'9';
    if (digits) {
        label.kind = ListKind::Decimal;
        label.value = number.toInt();
        return label;
    }
    const int roman = RomanValue(number);
    const bool romanLike = roman > 0 && (number.size() > 1 || QStringView(u"ivxIVX").contains(number.front()));
    bool sameCase = true;
    for (QChar c : number)
        sameCase = sameCase && c.isLower() == lower;
    if (romanLike && sameCase) {
        label.kind = lower ? ListKind::LowerRoman : ListKind::UpperRoman;
        label.value = roman;
        return label;
    }
    if (number.size() == 1 && number.front() < u'\x80' && number.front().isLetter()) {
        label.kind = lower ? ListKind::LowerAlpha : ListKind::UpperAlpha;
        label.value = number.front().toLower().unicode() - u'a' + 1;
        return label;
    }
    label.kind = ListKind::Labelled;
    label.text = raw.trimmed();
    return label;
}

QStringView ListOpenTag(ListKind kind)
{
    switch (kind) {
    case ListKind::Labelled: return u"<UL STYLE=\"list-style-type:none\">";
    case ListKind::Decimal: return u"<OL>";
    case ListKind::LowerAlpha: return u"<OL TYPE=a>";
    case ListKind::UpperAlpha: return u"<OL TYPE=A>";
    case ListKind::LowerRoman: return u"<OL TYPE=i>";
    case ListKind::UpperRoman: return u"<OL TYPE=I>";
    default: return u"<UL>";
    }
}

QStringView ListCloseTag(ListKind kind)
{
    return kind == ListKind::Bullet || kind == ListKind::Labelled ? QStringView(u"</UL>") : QStringView(u"</OL>");
}

class Converter
{
public:
    explicit Converter(QStringView rtf) : m_in(rtf) { m_out.reserve(rtf.size() + 64); }

    QString Run()
    {
        const qsizetype n = m_in.size();
        while (m_pos < n) {
            const QChar c = m_in[m_pos++];
            switch (c.unicode()) {
            case u'{': FlushBytes(); OpenGroup(); break;
            case u'}': FlushBytes(); CloseGroup(); break;
            case u'\\': ReadControl(); break;
            // Line ends are layout of the RTF text itself, not of the document.
            case u'\r': case u'\n': break;
            default:
                if ((c.unicode() >= 0x80 && c.unicode() <= 0x9F)
                    || (c.unicode() >= 0x40 && c.unicode() <= 0x7E && NeedsTrailByte())) {
                    // A control code here is an unescaped byte of the document's code
                    // page that reached us decoded as Latin-1; a plain character after
                    // a lead byte is the second byte of the same character.
                    Byte(uchar(c.unicode()));
                } else {
                    FlushBytes();
                    Text(c);
                }
            }
        }
        FlushBytes();
        Finish();
        return m_out;
    }

private:
    void ReadControl()
    {
        const qsizetype n = m_in.size();
        if (m_pos >= n)
            return;
        const QChar c = m_in[m_pos];
        if (IsWordLetter(c)) {
            const qsizetype start = m_pos;
            while (m_pos < n && IsWordLetter(m_in[m_pos]))
                ++m_pos;
            const QStringView name = m_in.mid(start, m_pos - start);
            bool hasParameter = false;
            bool negative = false;
            int parameter = 0;
            if (m_pos + 1 < n && m_in[m_pos] == u'-' && m_in[m_pos + 1] >= u'0'
                && m_in[m_pos + 1] <= u'9') {
                negative = true;
                ++m_pos;
            }
            while (m_pos < n && m_in[m_pos] >= u'0' && m_in[m_pos] <= u'9') {
                hasParameter = true;
                parameter = parameter < ParameterLimit / 10
                                ? parameter * 10 + (m_in[m_pos].unicode() - u'0')
                                : ParameterLimit;
                ++m_pos;
            }
            if (negative)
                parameter = -parameter;
            if (m_pos < n && m_in[m_pos] == u' ')
                ++m_pos;
            // Characters given as bytes belong before whatever the word does.
            FlushBytes();
            ControlWord(WordTable().value(name, Word::Unknown), hasParameter, parameter);
            return;
        }
        ++m_pos;
        switch (c.unicode()) {
        case u'\'': {
            if (m_pos + 1 < n) {
                const int high = HexValue(m_in[m_pos]);
                const int low = HexValue(m_in[m_pos + 1]);
                if (high >= 0 && low >= 0) {
                    m_pos += 2;
                    Byte(uchar(high * 16 + low));
                }
            }
            break;
        }
        case u'\\': case u'{': case u'}':
            if (NeedsTrailByte()) {
                Byte(uchar(c.unicode()));
                break;
            }
            FlushBytes();
            Text(c);
            break;
        case u'~':
            FlushBytes();
            if (TakeTextToken())
                EmitChar(0xA0);
            break;
        case u'_':
            FlushBytes();
            if (TakeTextToken())
                EmitChar(u'-');
            break;
        case u'\r': case u'\n':
            FlushBytes();
            ControlWord(Word::Par, false, 0);
            break;
        case u'*':
            FlushBytes();
            if (m_skipDepth > 0)
                break;
            if (m_fallback > 0) {
                --m_fallback;
                break;
            }
            m_ignorable = true;
            break;
        default:
            // Optional hyphens and the other control symbols have nothing to show.
            FlushBytes();
            TakeTextToken();
            break;
        }
    }

    // Word processors write words with capitals in them (\trftsWidth3,
    // \clwWidth4508); read as text, their tails would land in the page.
    static bool IsWordLetter(QChar c)
    {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    }

    static int HexValue(QChar c)
    {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9') return u - u'0';
        if (u >= u'a' && u <= u'f') return u - u'a' + 10;
        if (u >= u'A' && u <= u'F') return u - u'A' + 10;
        return -1;
    }

    // Common gate of everything that stands for document text. Returns false when
    // the token is to be dropped: inside a skipped group, as the fallback of a
    // preceding \u, or inside a group that holds no text.
    bool TakeTextToken()
    {
        if (m_skipDepth > 0)
            return false;
        if (m_ignorable) {
            BeginSkip();
            return false;
        }
        if (m_fallback > 0) {
            --m_fallback;
            return false;
        }
        m_groupStart = false;
        return m_state.dest == Dest::Text || m_state.dest == Dest::ListLabel;
    }

    void Text(QChar c)
    {
        if (TakeTextToken())
            EmitChar(c.unicode());
    }

    void Byte(uchar b)
    {
        if (!TakeTextToken())
            return;
        m_bytes.append(char(b));
        m_leadPending = !m_leadPending && IsLeadByte(CurrentCodePage(), b);
    }

    const FontInfo* CurrentFont() const
    {
        const int number = m_state.font >= 0 ? m_state.font : m_defaultFont;
        const auto it = m_fonts.find(number);
        return it == m_fonts.end() ? nullptr : &it->second;
    }

    // The code page of bytes in the current font: its character set's, else the
    // document's. Symbol fonts read as code page 1252, as they always have.
    int CurrentCodePage() const
    {
        if (const FontInfo* font = CurrentFont()) {
            if (font->symbol)
                return DefaultCodePage;
            if (font->codePage > 0)
                return font->codePage;
        }
        return m_codePage;
    }

    bool NeedsTrailByte() const { return m_leadPending; }

    void FlushBytes()
    {
        if (m_bytes.isEmpty())
            return;
        if (QStringDecoder* decoder = Decoder(CurrentCodePage())) {
            decoder->resetState();
            const QString decoded = decoder->decode(m_bytes);
            for (QChar c : decoded)
                EmitChar(c.unicode());
        } else {
            for (char b : std::as_const(m_bytes)) {
                const uchar u = uchar(b);
                EmitChar(u >= 0x80 && u <= 0x9F ? Cp1252High[u - 0x80] : char16_t(u));
            }
        }
        m_bytes.clear();
        m_leadPending = false;
    }

    // The decoder of a code page, or none for code page 1252 (and for code pages
    // this system cannot decode, which then read as 1252).
    QStringDecoder* Decoder(int codePage)
    {
        if (codePage == DefaultCodePage)
            return nullptr;
        auto it = m_decoders.find(codePage);
        if (it == m_decoders.end()) {
            std::unique_ptr<QStringDecoder> decoder;
            for (const QByteArray& name : DecoderNames(codePage)) {
                decoder = std::make_unique<QStringDecoder>(name.constData(), QStringDecoder::Flag::Stateless);
                if (decoder->isValid())
                    break;
                decoder.reset();
            }
            it = m_decoders.emplace(codePage, std::move(decoder)).first;
        }
        return it->second.get();
    }

    void OpenGroup()
    {
        m_fallback = 0;
        m_ignorable = false;
        if (m_skipDepth > 0) {
            ++m_skipDepth;
            return;
        }
        m_groups.push_back(m_state);
        m_state.role = Role::None;
        m_groupStart = true;
    }

    void CloseGroup()
    {
        m_fallback = 0;
        m_ignorable = false;
        m_groupStart = false;
        if (m_skipDepth > 0 && --m_skipDepth > 0)
            return;
        if (m_groups.empty())
            return;
        const GroupState outer = m_groups.back();
        m_groups.pop_back();
        const Role role = m_state.role;
        if (role == Role::Footnote || role == Role::TextBox)
            EndFlow(role);
        CloseUnwanted(outer.format);
        m_state = outer;
        if (role == Role::Label)
            EndLabel();
    }

    void BeginSkip()
    {
        m_ignorable = false;
        m_skipDepth = 1;
    }

    // A word that opens a group of its kind; false when it is not one this
    // converter knows (an ignorable group of that kind is then dropped).
    bool StartGroup(Word word)
    {
        switch (word) {
        case Word::Destination:
            BeginSkip();
            return true;
        case Word::FontTable:
            m_state.dest = Dest::FontTable;
            return true;
        case Word::ListDefinition:
            if (m_state.dest != Dest::Text)
                BeginSkip();
            else
                m_state.dest = Dest::ListDefinition;
            return true;
        case Word::ListLabel:
            if (m_state.dest != Dest::Text) {
                BeginSkip();
                return true;
            }
            m_state.dest = Dest::ListLabel;
            m_state.role = Role::Label;
            m_label.clear();
            m_labelSymbol = false;
            return true;
        case Word::Footnote:
            // A footnote inside a footnote is part of its text.
            if (m_state.dest != Dest::Text)
                BeginSkip();
            else if (!InFootnote())
                BeginFlow(Role::Footnote);
            return true;
        case Word::ShapeInstance:
            if (m_state.dest != Dest::Text)
                BeginSkip();
            else
                m_state.dest = Dest::Shape;
            return true;
        case Word::ShapeText:
            if (m_state.dest != Dest::Text && m_state.dest != Dest::Shape) {
                BeginSkip();
                return true;
            }
            m_state.dest = Dest::Text;
            BeginFlow(Role::TextBox);
            return true;
        default:
            return false;
        }
    }

    void ControlWord(Word word, bool hasParameter, int parameter)
    {
        // Binary data is skipped whatever the state, since it may hold braces.
        if (word == Word::Binary) {
            const qsizetype length = hasParameter && parameter > 0 ? parameter : 0;
            m_pos = std::min(m_in.size(), m_pos + length);
        }
        if (m_skipDepth > 0)
            return;
        if (m_ignorable) {
            m_ignorable = false;
            if (!m_groupStart || !StartGroup(word))
                BeginSkip();
            m_groupStart = false;
            return;
        }
        if (m_fallback > 0) {
            --m_fallback;
            return;
        }
        const bool groupStart = m_groupStart;
        m_groupStart = false;

        if (OpensGroup(word)) {
            // These words name a group of their kind only as its first word.
            if (groupStart)
                StartGroup(word);
            else if (word == Word::ListLabel && m_state.dest == Dest::Text)
                OldStyleListItem();
            return;
        }
        switch (m_state.dest) {
        case Dest::Text: break;
        case Dest::FontTable: FontTableWord(word, parameter); return;
        case Dest::ListLabel: LabelWord(word, hasParameter, parameter); return;
        case Dest::ListDefinition:
            if (word == Word::BulletLevel)
                BulletLevel();
            return;
        case Dest::Shape: return;
        }

        const bool on = !hasParameter || parameter != 0;
        switch (word) {
        case Word::Par:
        case Word::Section:
            ParagraphEnd();
            break;
        case Word::Line: Content(u"<BR>\r\n"); break;
        case Word::Tab: EmitChar(u'\t'); break;
        case Word::Page: Content(u"<HR>\r\n"); break;
        case Word::Space: EmitChar(u' '); break;
        case Word::Underline: on ? On(Underline) : Off(Underline); break;
        case Word::UnderlineNone: Off(Underline); break;
        case Word::Bold: on ? On(Bold) : Off(Bold); break;
        case Word::Italic: on ? On(Italic) : Off(Italic); break;
        case Word::Strike: on ? On(Strike) : Off(Strike); break;
        case Word::Sub: On(Subscript); break;
        case Word::Super: On(Superscript); break;
        case Word::NoSuperSub:
            Off(Subscript);
            Off(Superscript);
            break;
        case Word::DoubleQuote: EmitChar(u'"'); break;
        case Word::Quote: EmitChar(u'\''); break;
        case Word::EmDash: EmitChar(0x2014); break;
        case Word::EnDash: EmitChar(0x2013); break;
        case Word::Bullet:
            // Inside a bullet list the bullet is the list's own.
            if (m_flow.list == ListKind::None)
                EmitChar(0x2022);
            break;
        case Word::AlignRight: m_flow.pendingAlign = Align::Right; break;
        case Word::AlignCentre: m_flow.pendingAlign = Align::Centre; break;
        case Word::BulletLevel: BulletLevel(); break;
        case Word::Pard:
            m_flow.inTable = false;
            m_flow.pendingAlign = Align::None;
            CloseAlign();
            break;
        case Word::Plain:
            // Only what is on is switched off: \plain writes no stray closing tags.
            for (Format bit : {Strike, Underline, Italic, Bold, Subscript, Superscript})
                if ((m_state.format | m_flow.written) & bit)
                    Off(bit);
            m_state.font = -1;
            break;
        case Word::Unicode:
            if (hasParameter) {
                EmitCodeUnit(parameter);
                m_fallback = m_state.unicodeSkip;
            }
            break;
        case Word::UnicodeSkip:
            m_state.unicodeSkip = std::max(0, parameter);
            break;
        case Word::AnsiCodePage:
            if (parameter > 0)
                m_codePage = parameter;
            break;
        case Word::Mac: m_codePage = 10000; break;
        case Word::Pc: m_codePage = 437; break;
        case Word::Pca: m_codePage = 850; break;
        case Word::Font: m_state.font = std::max(0, parameter); break;
        case Word::DefaultFont: m_defaultFont = std::max(0, parameter); break;
        case Word::RowDefaults:
        case Word::InTable:
            m_flow.inTable = true;
            break;
        case Word::Cell: CellEnd(); break;
        case Word::Row: RowEnd(); break;
        case Word::NestCell: EmitChar(u' '); break;
        case Word::NestRow: Content(u"<BR>\r\n"); break;
        case Word::FootnoteMark:
            // The mark in the text counts the footnotes; the one inside a footnote
            // repeats the number of its own.
            if (!InFootnote())
                ++m_footnoteNumber;
            for (QChar digit : QString::number(std::max(1, m_footnoteNumber)))
                EmitChar(digit.unicode());
            break;
        default:
            break;
        }
    }

    void FontTableWord(Word word, int parameter)
    {
        switch (word) {
        case Word::Font:
            m_tableFont = std::max(0, parameter);
            m_fonts.try_emplace(m_tableFont);
            break;
        case Word::Charset: {
            FontInfo& font = m_fonts[m_tableFont];
            font.symbol = parameter == 2;
            font.codePage = CharsetCodePage(parameter);
            break;
        }
        case Word::FontCodePage:
            if (parameter > 0)
                m_fonts[m_tableFont].codePage = parameter;
            break;
        default:
            break;
        }
    }

    // Inside a list label only the characters count, and the font they are in.
    void LabelWord(Word word, bool hasParameter, int parameter)
    {
        switch (word) {
        case Word::Tab: EmitChar(u'\t'); break;
        case Word::Space: EmitChar(u' '); break;
        case Word::Bullet: EmitChar(0x2022); break;
        case Word::DoubleQuote: EmitChar(u'"'); break;
        case Word::Quote: EmitChar(u'\''); break;
        case Word::EmDash: EmitChar(0x2014); break;
        case Word::EnDash: EmitChar(0x2013); break;
        case Word::Unicode:
            if (hasParameter) {
                EmitCodeUnit(parameter);
                m_fallback = m_state.unicodeSkip;
            }
            break;
        case Word::UnicodeSkip: m_state.unicodeSkip = std::max(0, parameter); break;
        case Word::Font: m_state.font = std::max(0, parameter); break;
        case Word::Plain: m_state.font = -1; break;
        default: break;
        }
    }

    bool InFootnote() const
    {
        return std::any_of(m_flows.begin(), m_flows.end(), [](const SavedFlow& f) { return f.role == Role::Footnote; });
    }

    // ---- the structure of the page: tables, lists, aligned paragraphs

    // Before anything visible: the cell, row and table of a table paragraph are
    // opened, a table or list that this paragraph is not part of is closed, and
    // a pending alignment starts its paragraph. A label opens its item itself,
    // so it passes mayEndList false.
    void BeginContent(bool mayEndList = true)
    {
        Flow& f = m_flow;
        if (f.inTable) {
            if (!f.tableOpen) {
                CloseList();
                CloseAlign();
                Out(u"<TABLE CELLPADDING=4>\r\n");
                f.tableOpen = true;
            }
            if (!f.rowOpen) {
                Out(u"<TR>");
                f.rowOpen = true;
            }
            if (!f.cellOpen) {
                Out(u"<TD>");
                f.cellOpen = true;
            }
        } else if (f.tableOpen) {
            CloseTable();
        }
        if (mayEndList && f.list != ListKind::None && !f.labelSinceBreak)
            CloseList();
        if (f.pendingAlign != Align::None) {
            Out(f.pendingAlign == Align::Right ? QStringView(u"\r\n<P ALIGN=RIGHT>\r\n") : QStringView(u"\r\n<P ALIGN=CENTER>\r\n"));
            f.pendingAlign = Align::None;
            f.alignOpen = true;
            ++f.alignCount;
        }
    }

    void Content(QStringView html)
    {
        BeginContent();
        Out(html);
    }

    void ParagraphEnd()
    {
        BeginContent();
        if (m_flow.list != ListKind::None) {
            CloseWritten();
            Out(u"</LI>\r\n");
        } else {
            Out(u"<BR>\r\n");
        }
        m_flow.labelSinceBreak = false;
    }

    void CloseAlign()
    {
        Flow& f = m_flow;
        if (!f.alignOpen)
            return;
        Out(u"</P>");
        f.alignOpen = false;
        --f.alignCount;
    }

    void OpenList(ListKind kind)
    {
        Flow& f = m_flow;
        if (f.list == kind)
            return;
        CloseList();
        Out(u"\r\n");
        Out(ListOpenTag(kind));
        Out(u"\r\n");
        f.list = kind;
    }

    void CloseList()
    {
        Flow& f = m_flow;
        if (f.list == ListKind::None)
            return;
        CloseWritten();
        Out(ListCloseTag(f.list));
        Out(u"\r\n\r\n");
        f.list = ListKind::None;
    }

    void BulletLevel()
    {
        BeginContent(false);
        if (m_flow.list == ListKind::None)
            OpenList(ListKind::Bullet);
        m_flow.labelSinceBreak = true;
    }

    // A label word in the middle of a group: the item starts here.
    void OldStyleListItem()
    {
        BeginContent(false);
        if (m_flow.list == ListKind::None)
            OpenList(ListKind::Bullet);
        Out(u"<LI>");
        m_flow.labelSinceBreak = true;
    }

    void EndLabel()
    {
        const Label label = ReadLabel(m_label, m_labelSymbol);
        m_label.clear();
        BeginContent(false);
        OpenList(label.kind);
        if (label.value > 0 && label.kind != ListKind::Bullet && label.kind != ListKind::Labelled)
            Out(QStringLiteral("<LI VALUE=%1>").arg(label.value));
        else
            Out(u"<LI>");
        m_flow.labelSinceBreak = true;
        if (label.kind == ListKind::Labelled) {
            for (QChar c : label.text)
                EmitChar(c.unicode());
            Out(u" ");
        } else {
            Out(label.whitespace);
        }
    }

    // A \cell always ends a cell, an empty one too.
    void CellEnd()
    {
        m_flow.inTable = true;
        BeginContent(false);
        CloseCell();
    }

    void CloseCell()
    {
        Flow& f = m_flow;
        CloseList();
        CloseAlign();
        CloseWritten();
        Out(u"</TD>");
        f.cellOpen = false;
        f.labelSinceBreak = false;
    }

    void RowEnd()
    {
        Flow& f = m_flow;
        if (f.cellOpen)
            CloseCell();
        if (f.rowOpen) {
            Out(u"</TR>\r\n");
            f.rowOpen = false;
        }
        f.labelSinceBreak = false;
    }

    void CloseTable()
    {
        Flow& f = m_flow;
        RowEnd();
        f.inTable = false;
        if (f.tableOpen) {
            Out(u"</TABLE>\r\n");
            f.tableOpen = false;
        }
    }

    // ---- footnotes and text boxes: streams of their own inside the text

    struct SavedFlow
    {
        Flow flow;
        QString* target;
        Role role;
    };

    void BeginFlow(Role role)
    {
        FlushSurrogate();
        if (role == Role::TextBox) {
            BeginContent();
            CloseWritten();
            Out(u"<DIV>");
        }
        m_flows.push_back({m_flow, m_target, role});
        m_flow = Flow{};
        if (role == Role::Footnote) {
            m_footnotes.emplace_back();
            m_target = &m_footnotes.back();
        }
        m_state.role = role;
        m_state.dest = Dest::Text;
    }

    void EndFlow(Role role)
    {
        if (m_flows.empty() || m_flows.back().role != role)
            return;
        CloseFlow();
        const SavedFlow saved = m_flows.back();
        m_flows.pop_back();
        m_flow = saved.flow;
        m_target = saved.target;
        if (role == Role::TextBox)
            Out(u"</DIV>\r\n");
    }

    // ---- character formatting: tags are opened when text needs them and closed
    // as soon as the document switches them off.

    void On(Format bit)
    {
        m_state.format |= bit;
        if (bit == Subscript)
            Off(Superscript);
        else if (bit == Superscript)
            Off(Subscript);
    }

    // Closing words are written even when the matching opening tag never was, and
    // the counters may go below zero; only counters above zero are closed at the end.
    void Off(Format bit)
    {
        const bool wanted = m_state.format & bit;
        m_state.format &= ~unsigned(bit);
        const FormatTag& tag = TagOf(bit);
        if (m_flow.written & bit) {
            CloseTag(tag);
        } else if (!wanted && tag.counter >= 0) {
            Out(tag.close);
            --m_flow.counts[tag.counter];
        }
    }

    void CloseTag(const FormatTag& tag)
    {
        Out(tag.close);
        m_flow.written &= ~unsigned(tag.bit);
        if (tag.counter >= 0)
            --m_flow.counts[tag.counter];
    }

    void OpenWanted()
    {
        for (const FormatTag& tag : FormatTags) {
            if ((m_state.format & tag.bit) && !(m_flow.written & tag.bit)) {
                Out(tag.open);
                m_flow.written |= tag.bit;
                if (tag.counter >= 0)
                    ++m_flow.counts[tag.counter];
            }
        }
    }

    // Closes the tags written that the given formatting does not have.
    void CloseUnwanted(unsigned keep)
    {
        for (auto it = FormatTags.rbegin(); it != FormatTags.rend(); ++it)
            if ((m_flow.written & it->bit) && !(keep & it->bit))
                CloseTag(*it);
    }

    void CloseWritten() { CloseUnwanted(0); }

    // ---- characters

    // A \u parameter is a signed 16-bit UTF-16 code unit; characters outside the
    // basic plane come as two of them.
    void EmitCodeUnit(int value)
    {
        if (value < 0)
            value += 65536;
        if (value < 0 || value > 0xFFFF) {
            EmitChar(0xFFFD);
            return;
        }
        const char16_t unit = char16_t(value);
        if (QChar::isHighSurrogate(unit)) {
            FlushSurrogate();
            m_pendingHigh = unit;
            return;
        }
        if (QChar::isLowSurrogate(unit)) {
            if (!m_pendingHigh) {
                EmitChar(0xFFFD);
                return;
            }
            const char16_t high = std::exchange(m_pendingHigh, 0);
            if (m_state.dest == Dest::ListLabel) {
                m_label += QChar(high);
                m_label += QChar(unit);
                return;
            }
            BeginContent();
            OpenWanted();
            *m_target += QChar(high);
            *m_target += QChar(unit);
            return;
        }
        EmitChar(unit);
    }

    void EmitChar(char16_t c)
    {
        if (m_state.dest == Dest::ListLabel) {
            if (c >= 0x20 || c == u'\t')
                m_label += QChar(c);
            // Every character of a symbol font is a bullet, whatever letter it is.
            if (const FontInfo* font = CurrentFont(); font && font->symbol)
                m_labelSymbol = true;
            return;
        }
        // Control codes have no place in a page.
        if ((c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F))
            return;
        // Inside a bullet list the bullet is the list's own.
        if (c == MiddleDot && m_flow.list != ListKind::None)
            return;
        BeginContent();
        OpenWanted();
        switch (c) {
        case u'&': Out(u"&amp;"); return;
        case u'<': Out(u"&lt;"); return;
        case u'>': Out(u"&gt;"); return;
        case u'"': Out(u"&quot;"); return;
        case u'\t': Out(u"\t"); return;
        default: break;
        }
        if (c >= 160 && c <= 255) {
            Out(u"&");
            *m_target += QLatin1String(Latin1Entities[c - 160]);
            *m_target += u';';
            return;
        }
        FlushSurrogate();
        *m_target += QChar(c);
    }

    void Out(QStringView text)
    {
        FlushSurrogate();
        *m_target += text;
    }

    void FlushSurrogate()
    {
        if (m_pendingHigh) {
            m_pendingHigh = 0;
            if (m_state.dest == Dest::ListLabel)
                m_label += QChar(0xFFFD);
            else
                *m_target += QChar(0xFFFD);
        }
    }

    // Closes what the current stream left open: sub- and superscript, the tags
    // counted open, the aligned paragraph, the list and the table.
    void CloseFlow()
    {
        FlushSurrogate();
        Flow& f = m_flow;
        for (Format bit : {Subscript, Superscript})
            if (f.written & bit)
                CloseTag(TagOf(bit));
        const std::pair<int, QStringView> closers[] = {
            {f.counts[0], u"</U>"}, {f.counts[1], u"</B>"}, {f.counts[2], u"</I>"},
            {f.counts[3], u"</STRIKE>"}, {f.alignCount, u"</P>"},
        };
        for (const auto& [count, tag] : closers)
            for (int k = 0; k < count; ++k)
                Out(tag);
        f.written = 0;
        f.counts = {};
        f.alignCount = 0;
        f.alignOpen = false;
        if (f.list != ListKind::None) {
            Out(ListCloseTag(f.list));
            f.list = ListKind::None;
        }
        if (f.cellOpen)
            Out(u"</TD>");
        if (f.rowOpen)
            Out(u"</TR>");
        if (f.tableOpen)
            Out(u"</TABLE>");
        f.cellOpen = f.rowOpen = f.tableOpen = false;
    }

    void Finish()
    {
        // A document cut short inside a footnote or text box.
        while (!m_flows.empty())
            EndFlow(m_flows.back().role);
        m_state.dest = Dest::Text;
        CloseFlow();
        // Footnotes come after the text, each on a line of its own.
        bool first = true;
        for (QString& note : m_footnotes) {
            while (note.endsWith(u"<BR>\r\n"))
                note.chop(6);
            if (note.trimmed().isEmpty())
                continue;
            if (std::exchange(first, false))
                m_out += u"\r\n<HR>\r\n";
            m_out += note;
            m_out += u"<BR>\r\n";
        }
        m_out += u"\r\n";
    }

    QStringView m_in;
    qsizetype m_pos = 0;
    QString m_out;
    QString* m_target = &m_out;

    GroupState m_state;
    std::vector<GroupState> m_groups;
    Flow m_flow;
    std::vector<SavedFlow> m_flows;
    std::deque<QString> m_footnotes;
    int m_footnoteNumber = 0;

    // Depth of nesting inside a group whose content is dropped; 0 when not skipping.
    int m_skipDepth = 0;
    bool m_groupStart = false;
    // "\*" seen: the next word names a destination that is dropped unless known.
    bool m_ignorable = false;
    // Characters still to drop after a \u: the fallback text for older readers.
    int m_fallback = 0;
    char16_t m_pendingHigh = 0;

    int m_codePage = DefaultCodePage;
    int m_defaultFont = -1;
    int m_tableFont = 0;
    std::unordered_map<int, FontInfo> m_fonts;
    QByteArray m_bytes;
    // The last byte taken is the first of a double-byte character.
    bool m_leadPending = false;
    std::unordered_map<int, std::unique_ptr<QStringDecoder>> m_decoders;

    QString m_label;
    bool m_labelSymbol = false;
};

} // namespace

TScrooge::TScrooge(QObject* owner)
    : QObject(owner)
{
}

TScrooge::~TScrooge() = default;

QString TScrooge::HeaderMissingMessage()
{
    return QStringLiteral("Scrooge: RTF header is missing. Conversion aborted.");
}

QString TScrooge::RtfToHtml(const QString& rtf) const
{
    if (!rtf.startsWith(u"{\\rtf1"))
        throw EScroogeError(HeaderMissingMessage());
    return Converter(rtf).Run();
}
