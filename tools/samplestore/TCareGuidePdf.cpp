#include "TCareGuidePdf.h"

#include <QList>

#include <cmath>
#include <QString>
#include <QStringList>

namespace {

constexpr double PageWidth = 595.0;
constexpr double PageHeight = 842.0;
constexpr double Margin = 62.0;
constexpr double TextWidth = PageWidth - 2 * Margin;
constexpr double BodySize = 11.0;
constexpr double BodyLeading = 15.5;
constexpr double HeadingSize = 14.0;

// Advance widths of Helvetica for the printable ASCII characters, in
// thousandths of the type size.
constexpr int HelveticaWidths[95] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, // space to /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556,                               // 0 to 9
    278, 278, 584, 584, 584, 556, 1015,                                             // : to @
    667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667, 611, 722, 667,
    944, 667, 667, 611,                                                             // A to Z
    278, 278, 278, 469, 556, 333,                                                   // [ to `
    556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500,
    722, 500, 500, 500,                                                             // a to z
    334, 260, 334, 584,                                                             // { to ~
};

double TextWidthOf(const QString& text, double size, bool bold)
{
    double width = 0;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        width += (u >= 32 && u < 127) ? HelveticaWidths[u - 32] : 556;
    }
    // Helvetica-Bold runs about six per cent wider.
    return width * size / 1000.0 * (bold ? 1.06 : 1.0);
}

// A PDF string literal in the standard Latin encoding.
QByteArray PdfString(const QString& text)
{
    QByteArray out("(");
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '(' || u == ')' || u == '\\') {
            out += '\\';
            out += char(u);
        } else if (u >= 32 && u < 127) {
            out += char(u);
        } else if (u == 0x2022) {
            out += "\\225"; // bullet
        } else if (u == 0x00B7) {
            out += "\\267"; // middle dot
        } else if (u == 0x2019) {
            out += "\\222";
        } else {
            out += '?';
        }
    }
    out += ')';
    return out;
}

QStringList Wrap(const QString& text, double width, double size, bool bold)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && TextWidthOf(candidate, size, bold) > width) {
            lines.append(line);
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

QByteArray Number(double value)
{
    return QByteArray::number(value, 'f', 2);
}

class TPageWriter
{
public:
    explicit TPageWriter(const QString& title) : m_title(title) { NewPage(); }

    void Heading(const QString& text)
    {
        Need(HeadingSize + BodyLeading * 2);
        m_y -= 10;
        Text(Margin, m_y, text, HeadingSize, true, "0.25 0.37 0.23");
        m_y -= HeadingSize + 6;
    }

    void Paragraph(const QString& text)
    {
        const bool item = text.startsWith(QStringLiteral("* "));
        const QString body = item ? text.mid(2) : text;
        const double indent = item ? 16 : 0;
        const QStringList lines = Wrap(body, TextWidth - indent, BodySize, false);
        for (int i = 0; i < lines.size(); ++i) {
            Need(BodyLeading);
            if (item && i == 0)
                Text(Margin + 4, m_y, QString(QChar(0x2022)), BodySize, false, "0.54 0.11 0.24");
            Text(Margin + indent, m_y, lines.at(i), BodySize, false, "0.17 0.17 0.17");
            m_y -= BodyLeading;
        }
        m_y -= item ? 1 : 5;
    }

    QList<QByteArray> Finish()
    {
        Footer();
        m_pages.append(m_content);
        return m_pages;
    }

private:
    void NewPage()
    {
        if (!m_content.isEmpty()) {
            Footer();
            m_pages.append(m_content);
        }
        m_content.clear();
        // The heading band with a simple five-petal flower.
        m_content += "0.54 0.11 0.24 rg 0 " + Number(PageHeight - 96) + " " + Number(PageWidth) + " 96 re f\n";
        m_content += "0.79 0.64 0.29 rg 0 " + Number(PageHeight - 100) + " " + Number(PageWidth) + " 4 re f\n";
        const double cx = PageWidth - Margin - 24;
        const double cy = PageHeight - 48;
        m_content += "0.96 0.71 0.76 rg\n";
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * 3.14159265358979 / 5;
            Circle(cx + 14 * std::sin(a), cy + 14 * std::cos(a), 11);
        }
        m_content += "0.95 0.76 0.19 rg\n";
        Circle(cx, cy, 7);
        Text(Margin, PageHeight - 58, m_title, 22, true, "1 1 1");
        Text(Margin, PageHeight - 80, QStringLiteral("Flowers Tolvane"), 11, false, "0.98 0.90 0.92");
        m_y = PageHeight - 140;
    }

    void Footer()
    {
        const QString footer = QStringLiteral("Flowers Tolvane \u00B7 27 Marigold Street, Tolvane TAS 7316 \u00B7 "
                                              "(03) 6555 0142 \u00B7 www.flowers-tolvane.example");
        m_content += "0.75 0.75 0.75 RG 0.5 w " + Number(Margin) + " 52 m " + Number(PageWidth - Margin) + " 52 l S\n";
        Text(Margin, 38, footer, 8, false, "0.45 0.45 0.45");
        Text(PageWidth - Margin - 30, 38, QStringLiteral("Page %1").arg(m_pages.size() + 1), 8, false, "0.45 0.45 0.45");
    }

    void Need(double height)
    {
        if (m_y - height < 72)
            NewPage();
    }

    void Circle(double x, double y, double r)
    {
        // Four Bezier arcs.
        const double k = r * 0.5523;
        m_content += Number(x + r) + " " + Number(y) + " m\n";
        m_content += Number(x + r) + " " + Number(y + k) + " " + Number(x + k) + " " + Number(y + r) + " " + Number(x) + " " + Number(y + r) + " c\n";
        m_content += Number(x - k) + " " + Number(y + r) + " " + Number(x - r) + " " + Number(y + k) + " " + Number(x - r) + " " + Number(y) + " c\n";
        m_content += Number(x - r) + " " + Number(y - k) + " " + Number(x - k) + " " + Number(y - r) + " " + Number(x) + " " + Number(y - r) + " c\n";
        m_content += Number(x + k) + " " + Number(y - r) + " " + Number(x + r) + " " + Number(y - k) + " " + Number(x + r) + " " + Number(y) + " c f\n";
    }

    void Text(double x, double y, const QString& text, double size, bool bold, const char* colour)
    {
        m_content += "BT " + QByteArray(colour) + " rg /" + (bold ? "F2 " : "F1 ") + Number(size) + " Tf " + Number(x) + " "
                     + Number(y) + " Td " + PdfString(text) + " Tj ET\n";
    }

    QString m_title;
    QList<QByteArray> m_pages;
    QByteArray m_content;
    double m_y = 0;
};

} // namespace

QByteArray TCareGuidePdf::Write(const TSampleContent::TGuideEntry& guide)
{
    TPageWriter writer(QString::fromUtf8(guide.title));
    for (const TSampleContent::TGuideSection& section : guide.sections) {
        writer.Heading(QString::fromUtf8(section.heading));
        for (const char* paragraph : section.paragraphs)
            writer.Paragraph(QString::fromUtf8(paragraph));
    }
    const QList<QByteArray> pages = writer.Finish();

    // Objects: 1 catalogue, 2 page tree, 3 and 4 fonts, 5 document information,
    // then a page and its content stream for each page.
    QList<QByteArray> objects;
    QByteArray kids;
    for (int i = 0; i < pages.size(); ++i)
        kids += QByteArray::number(6 + 2 * i) + " 0 R ";
    objects.append("<< /Type /Catalog /Pages 2 0 R >>");
    objects.append("<< /Type /Pages /Kids [ " + kids + "] /Count " + QByteArray::number(pages.size()) + " >>");
    objects.append("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    objects.append("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>");
    objects.append("<< /Title " + PdfString(QString::fromUtf8(guide.title)) + " /Author (Flowers Tolvane) >>");
    for (int i = 0; i < pages.size(); ++i) {
        objects.append("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> "
                       "/Contents "
                       + QByteArray::number(7 + 2 * i) + " 0 R >>");
        objects.append("<< /Length " + QByteArray::number(pages.at(i).size()) + " >>\nstream\n" + pages.at(i) + "endstream");
    }

    QByteArray pdf("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    QList<qsizetype> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R /Info 5 0 R >>\nstartxref\n"
           + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}
