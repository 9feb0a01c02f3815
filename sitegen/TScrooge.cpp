#include "TScrooge.h"

#include <QByteArray>
#include <QHash>
#include <QStringDecoder>
#include <QStringView>

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

enum class Word {
    Unknown,
    Par, Line, Tab, Page,
    Underline, UnderlineNone, Bold, Italic, Strike,
    Sub, Super, NoSuperSub,
    DoubleQuote, Quote, EmDash, EnDash, Bullet,
    AlignRight, AlignCentre,
    BulletLevel, BulletText,
    Pard, Plain,
    Unicode, UnicodeSkip,
    AnsiCodePage, Mac, Pc, Pca,
    Binary,
    ListDefinition,
    Destination,
};

const QHash<QStringView, Word>& WordTable()
{
    static const QHash<QStringView, Word> table{
        {u"par", Word::Par},
        {u"line", Word::Line},
        {u"tab", Word::Tab},
        {u"page", Word::Page},
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
        {u"pntext", Word::BulletText},
        {u"pard", Word::Pard},
        {u"plain", Word::Plain},
        {u"u", Word::Unicode},
        {u"uc", Word::UnicodeSkip},
        {u"ansicpg", Word::AnsiCodePage},
        {u"mac", Word::Mac},
        {u"pc", Word::Pc},
        {u"pca", Word::Pca},
        {u"bin", Word::Binary},
        {u"pn", Word::ListDefinition},
        // Groups that hold no text of the document: tables, document information,
        // picture and object data, field codes, headers and footers, the bullet
        // texts of the list definitions.
        {u"fonttbl", Word::Destination},
        {u"colortbl", Word::Destination},
        {u"stylesheet", Word::Destination},
        {u"info", Word::Destination},
        {u"pict", Word::Destination},
        {u"nonshppict", Word::Destination},
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
        {u"aftnsep", Word::Destination},
        {u"aftnsepc", Word::Destination},
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

QByteArray DecoderName(int codePage)
{
    switch (codePage) {
    case 10000: return "macintosh";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 65001: return "UTF-8";
    case 437: case 850: case 852: case 855: case 857: case 860: case 861: case 862:
    case 863: case 864: case 865: case 866: case 869:
        return "IBM" + QByteArray::number(codePage);
    default: return "windows-" + QByteArray::number(codePage);
    }
}

struct CharFormat
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool sub = false;
    bool super = false;
};

struct GroupState
{
    CharFormat format;
    int unicodeSkip = 1;
    bool listDefinition = false;
};

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
                if (c.unicode() >= 0x80 && c.unicode() <= 0x9F) {
                    // A control code here is an unescaped byte of the document's code
                    // page that reached us decoded as Latin-1.
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
        if (c >= u'a' && c <= u'z') {
            const qsizetype start = m_pos;
            while (m_pos < n && m_in[m_pos] >= u'a' && m_in[m_pos] <= u'z')
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
    // preceding \u, or inside a list definition.
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
        return !m_state.listDefinition;
    }

    void Text(QChar c)
    {
        if (TakeTextToken())
            EmitChar(c.unicode());
    }

    void Byte(uchar b)
    {
        if (TakeTextToken())
            m_bytes.append(char(b));
    }

    void FlushBytes()
    {
        if (m_bytes.isEmpty())
            return;
        if (QStringDecoder* decoder = Decoder()) {
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
    }

    // The decoder of the document's code page, or none for code page 1252 (and
    // for code pages this system cannot decode, which then read as 1252).
    QStringDecoder* Decoder()
    {
        if (m_codePage == DefaultCodePage)
            return nullptr;
        auto it = m_decoders.find(m_codePage);
        if (it == m_decoders.end()) {
            auto decoder = std::make_unique<QStringDecoder>(DecoderName(m_codePage).constData(),
                                                            QStringDecoder::Flag::Stateless);
            if (!decoder->isValid())
                decoder.reset();
            it = m_decoders.emplace(m_codePage, std::move(decoder)).first;
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
        SetFormat(outer.format);
        m_state = outer;
    }

    void BeginSkip()
    {
        m_ignorable = false;
        m_skipDepth = 1;
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
            if (word == Word::ListDefinition)
                m_state.listDefinition = true;
            else
                BeginSkip();
            return;
        }
        if (m_fallback > 0) {
            --m_fallback;
            return;
        }
        const bool groupStart = m_groupStart;
        m_groupStart = false;

        if (word == Word::Destination || word == Word::ListDefinition) {
            // These words name a destination only as the first word of a group.
            if (groupStart) {
                if (word == Word::Destination)
                    BeginSkip();
                else
                    m_state.listDefinition = true;
            }
            return;
        }
        if (m_state.listDefinition) {
            if (word == Word::BulletLevel)
                OpenList();
            return;
        }

        CharFormat& f = m_state.format;
        const bool on = !hasParameter || parameter != 0;
        switch (word) {
        case Word::Par:
            Out(m_inList ? u"</LI>\r\n" : u"<BR>\r\n");
            break;
        case Word::Line: Out(u"<BR>\r\n"); break;
        case Word::Tab: Out(u"\t"); break;
        case Word::Page: Out(u"<HR>\r\n"); break;
        case Word::Underline: on ? UnderlineOn() : UnderlineOff(); break;
        case Word::UnderlineNone: UnderlineOff(); break;
        case Word::Bold: on ? BoldOn() : BoldOff(); break;
        case Word::Italic: on ? ItalicOn() : ItalicOff(); break;
        case Word::Strike: on ? StrikeOn() : StrikeOff(); break;
        case Word::Sub: SubOn(); break;
        case Word::Super: SuperOn(); break;
        case Word::NoSuperSub:
            SubOff();
            SuperOff();
            break;
        case Word::DoubleQuote: EmitChar(u'"'); break;
        case Word::Quote: EmitChar(u'\''); break;
        case Word::EmDash: EmitChar(0x2014); break;
        case Word::EnDash: EmitChar(0x2013); break;
        case Word::Bullet:
            // Inside a bullet list the bullet is the list's own.
            if (!m_inList)
                EmitChar(0x2022);
            break;
        case Word::AlignRight:
            Out(u"\r\n<P ALIGN=RIGHT>\r\n");
            m_alignOpen = true;
            ++m_alignCount;
            break;
        case Word::AlignCentre:
            Out(u"\r\n<P ALIGN=CENTER>\r\n");
            m_alignOpen = true;
            ++m_alignCount;
            break;
        case Word::BulletLevel: OpenList(); break;
        case Word::BulletText:
            OpenList();
            Out(u"<LI>");
            break;
        case Word::Pard:
            if (m_inList) {
                Out(u"</UL>\r\n\r\n");
                m_inList = false;
                --m_listCount;
            }
            if (m_alignOpen) {
                Out(u"</P>");
                m_alignOpen = false;
                --m_alignCount;
            }
            break;
        case Word::Plain:
            if (f.strike) StrikeOff();
            if (f.underline) UnderlineOff();
            if (f.italic) ItalicOff();
            if (f.bold) BoldOff();
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
        default:
            break;
        }
    }

    void OpenList()
    {
        if (m_inList)
            return;
        Out(u"\r\n<UL>\r\n");
        m_inList = true;
        ++m_listCount;
    }

    // Closing tags are written even when the matching opening tag never was, and
    // the counters may go below zero; only counters above zero are closed at the end.
    void UnderlineOn() { Out(u"<U>"); ++m_underlineCount; m_state.format.underline = true; }
    void UnderlineOff() { Out(u"</U>"); --m_underlineCount; m_state.format.underline = false; }
    void BoldOn() { Out(u"<B>"); ++m_boldCount; m_state.format.bold = true; }
    void BoldOff() { Out(u"</B>"); --m_boldCount; m_state.format.bold = false; }
    void ItalicOn() { Out(u"<I>"); ++m_italicCount; m_state.format.italic = true; }
    void ItalicOff() { Out(u"</I>"); --m_italicCount; m_state.format.italic = false; }
    void StrikeOn() { Out(u"<STRIKE>"); ++m_strikeCount; m_state.format.strike = true; }
    void StrikeOff() { Out(u"</STRIKE>"); --m_strikeCount; m_state.format.strike = false; }

    // Subscript and superscript exclude each other and are never opened twice, so
    // that every tag written is closed again.
    void SubOn()
    {
        if (m_state.format.sub)
            return;
        SuperOff();
        Out(u"<sub>");
        m_state.format.sub = true;
    }
    void SubOff()
    {
        if (!m_state.format.sub)
            return;
        Out(u"</sub>");
        m_state.format.sub = false;
    }
    void SuperOn()
    {
        if (m_state.format.super)
            return;
        SubOff();
        Out(u"<sup>");
        m_state.format.super = true;
    }
    void SuperOff()
    {
        if (!m_state.format.super)
            return;
        Out(u"</sup>");
        m_state.format.super = false;
    }

    // Brings the open character formatting to the given state when a group ends.
    void SetFormat(const CharFormat& target)
    {
        const CharFormat& f = m_state.format;
        if (f.sub && !target.sub) SubOff();
        if (f.super && !target.super) SuperOff();
        if (f.strike && !target.strike) StrikeOff();
        if (f.underline && !target.underline) UnderlineOff();
        if (f.italic && !target.italic) ItalicOff();
        if (f.bold && !target.bold) BoldOff();
        if (!f.bold && target.bold) BoldOn();
        if (!f.italic && target.italic) ItalicOn();
        if (!f.underline && target.underline) UnderlineOn();
        if (!f.strike && target.strike) StrikeOn();
        if (!f.sub && target.sub) SubOn();
        if (!f.super && target.super) SuperOn();
    }

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
            m_out += QChar(m_pendingHigh);
            m_out += QChar(unit);
            m_pendingHigh = 0;
            return;
        }
        EmitChar(unit);
    }

    void EmitChar(char16_t c)
    {
        switch (c) {
        case u'&': Out(u"&amp;"); return;
        case u'<': Out(u"&lt;"); return;
        case u'>': Out(u"&gt;"); return;
        case u'"': Out(u"&quot;"); return;
        case u'\t': Out(u"\t"); return;
        default: break;
        }
        // Control codes have no place in a page.
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return;
        if (c >= 160 && c <= 255) {
            if (c == MiddleDot && m_inList)
                return;
            Out(u"&");
            m_out += QLatin1String(Latin1Entities[c - 160]);
            m_out += u';';
            return;
        }
        FlushSurrogate();
        m_out += QChar(c);
    }

    void Out(QStringView text)
    {
        FlushSurrogate();
        m_out += text;
    }

    void FlushSurrogate()
    {
        if (m_pendingHigh) {
            m_pendingHigh = 0;
            m_out += QChar(0xFFFD);
        }
    }

    void Finish()
    {
        FlushSurrogate();
        SubOff();
        SuperOff();
        const std::pair<int, QStringView> closers[] = {
            {m_underlineCount, u"</U>"}, {m_boldCount, u"</B>"}, {m_italicCount, u"</I>"},
            {m_strikeCount, u"</STRIKE>"}, {m_alignCount, u"</P>"}, {m_listCount, u"</UL>"},
        };
        for (const auto& [count, tag] : closers)
            for (int k = 0; k < count; ++k)
                m_out += tag;
        m_out += u"\r\n";
    }

    QStringView m_in;
    qsizetype m_pos = 0;
    QString m_out;

    GroupState m_state;
    std::vector<GroupState> m_groups;
    // Depth of nesting inside a group whose content is dropped; 0 when not skipping.
    int m_skipDepth = 0;
    bool m_groupStart = false;
    // "\*" seen: the next word names a destination that is dropped unless known.
    bool m_ignorable = false;
    // Characters still to drop after a \u: the fallback text for older readers.
    int m_fallback = 0;
    char16_t m_pendingHigh = 0;

    int m_codePage = DefaultCodePage;
    QByteArray m_bytes;
    std::unordered_map<int, std::unique_ptr<QStringDecoder>> m_decoders;

    bool m_inList = false;
    bool m_alignOpen = false;
    int m_underlineCount = 0;
    int m_boldCount = 0;
    int m_italicCount = 0;
    int m_strikeCount = 0;
    int m_alignCount = 0;
    int m_listCount = 0;
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
