#include "TPageText.h"

#include "TFileWriter.h"
#include "TPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// Template files are changed as bytes: the changes are plain ASCII, and the
// file keeps whatever encoding it was written in.
bool ReadBytes(const QString& file, QByteArray* bytes)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *bytes = f.readAll();
    return true;
}

void SaveIfChanged(const QString& file, const QByteArray& before, const QByteArray& after)
{
    if (after == before)
        return;
    // Template preparation goes on with the file as it was when it cannot be saved.
    TFileWriter::WriteAtomically(file, after);
}

} // namespace

QString TPageText::UnescapeTemplateText(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    t.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    return t;
}

void TPageText::UnescapeTemplate(const QString& file)
{
    QByteArray bytes;
    if (!ReadBytes(file, &bytes))
        return;
    QByteArray after = bytes;
    after.replace("&gt;", ">").replace("&lt;", "<");
    SaveIfChanged(file, bytes, after);
}

QString TPageText::EnsureHiddenFieldsTagText(const QString& text)
{
    const QString tag = QStringLiteral("<#hiddenfields>");
    if (text.contains(tag))
        return text;
    const qsizetype form = text.indexOf(QStringLiteral("</form>"), 0, Qt::CaseInsensitive);
    QString t = text;
    t.insert(form < 0 ? 0 : form, tag);
    return t;
}

void TPageText::EnsureHiddenFieldsTag(const QString& file)
{
    QByteArray bytes;
    if (!ReadBytes(file, &bytes) || bytes.contains("<#hiddenfields>"))
        return;
    QByteArray after = bytes;
    const qsizetype form = bytes.toLower().indexOf("</form>");
    after.insert(form < 0 ? 0 : form, "<#hiddenfields>");
    SaveIfChanged(file, bytes, after);
}

QString TPageText::ExtractHeadContent(const QString& html)
{
    const qsizetype open = html.indexOf(QStringLiteral("<HEAD>"), 0, Qt::CaseInsensitive);
    if (open < 0)
        return QString();
    const qsizetype close = html.indexOf(QStringLiteral("</HEAD>"), open + 6, Qt::CaseInsensitive);
    if (close < 0)
        return QString();
    return html.mid(open + 6, close - open - 6);
}

QString TPageText::extractBODYTag(const QString& html)
{
    const qsizetype body = html.indexOf(QStringLiteral("<BODY"), 0, Qt::CaseInsensitive);
    if (body < 0)
        return QString();
    const qsizetype end = html.indexOf(u'>', body + 5);
    if (end < 0)
        return QString();
    return html.mid(body + 5, end - body - 5);
}

QString TPageText::extractHTMLContentOnly(const QString& html)
{
    QString content = html;
    const qsizetype body = html.indexOf(QStringLiteral("<BODY"), 0, Qt::CaseInsensitive);
    const qsizetype end = body < 0 ? -1 : html.indexOf(u'>', body + 5);
    if (end >= 0) {
        content = html.mid(end + 1);
        const qsizetype close = content.indexOf(QStringLiteral("</BODY"), 0, Qt::CaseInsensitive);
        if (close >= 0)
            content.truncate(close);
        content = content.trimmed();
    }
    return RewriteFileSources(content);
}

QString TPageText::InsertPageHead(const QString& html, const QString& head)
{
    const qsizetype close = html.indexOf(QStringLiteral("</HEAD>"), 0, Qt::CaseInsensitive);
    if (close < 0)
        return html;
    QString t = html;
    t.insert(close, head);
    return t;
}

QString TPageText::RewriteFileSources(const QString& html)
{
    const QString marker = QStringLiteral("src=\"file://");
    QString out;
    qsizetype from = 0;
    while (true) {
        const qsizetype at = html.indexOf(marker, from);
        if (at < 0)
            break;
        qsizetype pathStart = at + marker.size();
        if (pathStart < html.size() && html[pathStart] == u'/')
            ++pathStart;
        const qsizetype quote = html.indexOf(u'"', pathStart);
        if (quote < 0)
            break; // no closing quote: the rest stays as it is
        out += QStringView(html).mid(from, at - from);
        out += QStringLiteral("src=\"images/") + TPageText::FileName(html.mid(pathStart, quote - pathStart)) + u'"';
        from = quote + 1;
    }
    out += QStringView(html).mid(from);
    return out;
}

QString TPageText::GetURLforFile(const QString& path)
{
    if (path.isEmpty())
        return QString();
    QString name = TPageText::FileName(path);
    const QString suffix = QFileInfo(name).suffix();
    static const QStringList pictures{QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("jpeg")};
    if (!pictures.contains(suffix, Qt::CaseInsensitive))
        return QStringLiteral("files/") + name;
    // Only ".bmp" exactly: the build writes the picture as GIF under that name.
    if (name.endsWith(QStringLiteral(".bmp")))
        name = name.chopped(4) + QStringLiteral(".gif");
    return QStringLiteral("images/") + name;
}

QString TPageText::FileName(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

QString TPageText::SafeFileName(const QString& id)
{
    QString name = id;
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|]"));
    return name.remove(unsafe);
}

bool TPageText::SameFileContent(const QString& text, const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = text.toUtf8();
    return f.size() == bytes.size() && f.readAll() == bytes;
}

QString TPageText::FindStoreImage(const QString& path, const QString& storeFolder)
{
    QStringList parts = TPaths::FromWindows(path).split(u'/', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return path;
    const QString name = parts.takeLast();
    const QString images = TPaths::WithTrailingSlash(storeFolder) + QStringLiteral("images");
    // "C:\Shop\images\roses\red.jpg" is tried as images/Shop/images/roses/red.jpg,
    // images/images/roses/red.jpg, images/roses/red.jpg, images/red.jpg: the
    // folders a picture came from on another machine lead to where the store
    // keeps it here.
    do {
        if (!parts.isEmpty())
            parts.removeFirst();
        const QString candidate = TPaths::Resolve(images, (parts + QStringList{name}).join(u'/'));
        if (!candidate.isEmpty() && QFileInfo(candidate).isFile())
            return candidate;
    } while (!parts.isEmpty());
    return path;
}

QString TPageText::LocaliseImageReferences(const QString& html, const QString& prefix, const QString& sourceBase,
                                           const QString& destinationFolder)
{
    // The src attribute of a tag, its value double-quoted, single-quoted or bare.
    static const QRegularExpression tag(QStringLiteral("<[A-Za-z][^>]*>"));
    static const QRegularExpression src(QStringLiteral("((?<![\\w-])src\\s*=\\s*)(?:\"([^\"]*)\"|'([^']*)'|([^\\s>\"']+))"),
                                        QRegularExpression::CaseInsensitiveOption);
    QStringList pictures;
    QString out;
    qsizetype from = 0;
    auto tags = tag.globalMatch(html);
    while (tags.hasNext()) {
        const QRegularExpressionMatch t = tags.next();
        QString text = t.captured(0);
        QString rewritten;
        qsizetype at = 0;
        auto attributes = src.globalMatch(text);
        while (attributes.hasNext()) {
            const QRegularExpressionMatch a = attributes.next();
            const int which = a.capturedStart(2) >= 0 ? 2 : a.capturedStart(3) >= 0 ? 3 : 4;
            QString value = a.captured(which).trimmed();
            value.replace(QStringLiteral("%20"), QStringLiteral(" "));
            const bool keep = value.isEmpty() || value.contains(QStringLiteral(".js"), Qt::CaseInsensitive)
                || value.startsWith(QStringLiteral("catimages/"), Qt::CaseInsensitive)
                || value.contains(QStringLiteral("http:"), Qt::CaseInsensitive)
                || value.contains(QStringLiteral("https:"), Qt::CaseInsensitive)
                || value.startsWith(QStringLiteral("data:"), Qt::CaseInsensitive);
            if (keep)
                continue;
            QString path = value;
            if (path.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
                path = path.mid(5);
                // "file:///home/..." is the absolute path "/home/..."; "file:///C:/..." names a drive.
                while (path.startsWith(QStringLiteral("//")))
                    path.remove(0, 1);
            }
            path = TPaths::FromWindows(path);
            pictures.append(path);
            rewritten += QStringView(text).mid(at, a.capturedStart(0) - at);
            rewritten += a.captured(1) + u'"' + (prefix + TPageText::FileName(path)).toHtmlEscaped() + u'"';
            at = a.capturedEnd(0);
        }
        if (at == 0)
            continue;
        rewritten += QStringView(text).mid(at);
        out += QStringView(html).mid(from, t.capturedStart(0) - from);
        out += rewritten;
        from = t.capturedEnd(0);
    }
    out += QStringView(html).mid(from);

    const QString base = sourceBase.isEmpty() ? QString() : TPaths::WithTrailingSlash(TPaths::FromWindows(sourceBase));
    const QString prefixFolder = TPaths::FromWindows(prefix);
    for (const QString& path : std::as_const(pictures)) {
        QString source = QFileInfo(path).isAbsolute() ? path : QString();
        if (source.isEmpty() || !QFileInfo(source).isFile())
            source = base.isEmpty() ? QString() : TPaths::Resolve(base, path);
        if (source.isEmpty() || !QFileInfo(source).isFile())
            continue; // the page still names the picture; it is simply not there
        const QString name = TPageText::FileName(path);
        if (!base.isEmpty()) {
            const QString target = base + prefixFolder + name;
            if (QFileInfo(target).absoluteFilePath() != QFileInfo(source).absoluteFilePath())
                TFileWriter::CopyKeepingDate(source, target);
        }
        if (!destinationFolder.isEmpty())
            TFileWriter::CopyKeepingDate(source, TPaths::WithTrailingSlash(TPaths::FromWindows(destinationFolder)) + name);
    }
    return out;
}
