#include "TGlobalResourceManager.h"

#include "TFileWriter.h"
#include "TFormResourceManager.h"
#include "TProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

namespace {

QString Unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar n = text[++i];
            if (n == u'n')
                out += u'\n';
            else if (n == u'r')
                out += u'\r';
            else if (n == u't')
                out += u'\t';
            else if (n == u'\\')
                out += u'\\';
            else {
                out += c;
                out += n;
            }
        } else {
            out += c;
        }
    }
    return out;
}

// Cut to the table's limit without leaving half of a surrogate pair behind.
QString Limit(QString text)
{
    if (text.size() <= TGlobalResourceManager::MaxStringLength)
        return text;
    qsizetype length = TGlobalResourceManager::MaxStringLength;
    if (text[length - 1].isHighSurrogate())
        --length;
    text.truncate(length);
    return text;
}

QString IdentifierText(const TGlobalResourceManager::Identifier& id)
{
    if (const int* n = std::get_if<int>(&id))
        return QString::number(*n);
    return std::get<QString>(id);
}

// Names come from pages and callers; a resource name is never a path.
bool IsPlainName(const QString& name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && name != u"." && name != u"..";
}

} // namespace

TGlobalResourceManager& TGlobalResourceManager::Instance()
{
    static TGlobalResourceManager* instance = [] {
        auto* m = new TGlobalResourceManager;
        m->SetLanguage(3081);
        return m;
    }();
    return *instance;
}

TGlobalResourceManager::TGlobalResourceManager() = default;

void TGlobalResourceManager::SetResourcesFolder(const QString& folder)
{
    m_resourcesFolder = folder;
}

QString TGlobalResourceManager::ResourcesFolder() const
{
    return m_resourcesFolder.isEmpty() ? TProgramFolders::ResourcesFolder() : m_resourcesFolder;
}

void TGlobalResourceManager::SetLanguage(int languageId)
{
    m_languageId = languageId;
    m_strings.clear();
    m_loaded = false;
    m_resourcePath = QDir::cleanPath(ResourcesFolder() + u'/' + QString::number(languageId));
    LoadStrings();
    // A handler may close windows; only managers still registered are told.
    const QList<TFormResourceManager*> listeners = m_listeners;
    for (TFormResourceManager* listener : listeners)
        if (m_listeners.contains(listener))
            listener->NotifyResourceChange();
    emit LanguageChanged(languageId);
}

void TGlobalResourceManager::LoadStrings()
{
    if (!QFileInfo(m_resourcePath).isDir())
        return;
    m_loaded = true;
    QFile file(m_resourcePath + QStringLiteral("/strings.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(file.readAll());
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0)
            continue;
        bool ok = false;
        const int number = line.left(tab).trimmed().toInt(&ok);
        if (ok)
            m_strings.insert(number, Limit(Unescape(line.mid(tab + 1))));
    }
}

QString TGlobalResourceManager::GetString(int number) const
{
    return m_strings.value(number);
}

QString TGlobalResourceManager::PictureFile(const QString& kind, const Identifier& id, const QString& extension) const
{
    const QString name = IdentifierText(id);
    if (!m_loaded || !IsPlainName(name))
        return QString();
    const QString file = m_resourcePath + u'/' + kind + u'/' + name + extension;
    return QFileInfo::exists(file) ? file : QString();
}

QImage TGlobalResourceManager::LoadBitmap(const Identifier& id) const
{
    const QString file = PictureFile(QStringLiteral("bitmap"), id, QStringLiteral(".png"));
    return file.isEmpty() ? QImage() : QImage(file);
}

QList<QImage> TGlobalResourceManager::LoadIcon(const Identifier& id) const
{
    QList<QImage> images;
    const QString name = IdentifierText(id);
    if (!m_loaded || !IsPlainName(name))
        return images;
    const QDir dir(m_resourcePath + QStringLiteral("/icon"));
    QStringList files = dir.entryList({name + QStringLiteral(".png"), name + QStringLiteral("-*.png")}, QDir::Files);
    for (const QString& f : files) {
        QImage image(dir.filePath(f));
        if (!image.isNull())
            images.append(image);
    }
    std::sort(images.begin(), images.end(), [](const QImage& a, const QImage& b) { return a.width() > b.width(); });
    return images;
}

QList<QImage> TGlobalResourceManager::LoadImageList(const QList<Identifier>& ids) const
{
    QList<QImage> images;
    for (const Identifier& id : ids) {
        QImage image = LoadBitmap(id);
        if (!image.isNull())
            images.append(image);
    }
    return images;
}

QUrl TGlobalResourceManager::PageUrl(const QString& name) const
{
    QUrl url;
    url.setScheme(QStringLiteral("res"));
    url.setPath(m_resourcePath + u'/' + name);
    return url;
}

QByteArray TGlobalResourceManager::ResourceBytes(const QString& name, QByteArray* mimeType) const
{
    if (!m_loaded || !IsPlainName(name))
        return QByteArray();
    struct Kind {
        const char* folder;
        const char* extension;
        const char* mime;
    };
    static const Kind kinds[] = {
        {"pages", ".html", "text/html"},
        {"gif", ".gif", "image/gif"},
        {"jpeg", ".jpg", "image/jpeg"},
        {"bitmap", ".png", "image/png"},
        {"icon", ".png", "image/png"},
    };
    for (const Kind& k : kinds) {
        QFile file(m_resourcePath + u'/' + QLatin1StringView(k.folder) + u'/' + name + QLatin1StringView(k.extension));
        if (file.open(QIODevice::ReadOnly)) {
            if (mimeType)
                *mimeType = k.mime;
            return file.readAll();
        }
    }
    return QByteArray();
}

bool TGlobalResourceManager::SaveBytes(const QString& file, const QString& fileName) const
{
    if (file.isEmpty())
        return false;
    QFile source(file);
    return source.open(QIODevice::ReadOnly) && TFileWriter::WriteAtomically(fileName, source.readAll());
}

bool TGlobalResourceManager::SaveGIF(const QString& name, const QString& fileName) const
{
    return SaveBytes(PictureFile(QStringLiteral("gif"), name, QStringLiteral(".gif")), fileName);
}

bool TGlobalResourceManager::SaveJPEG(const QString& name, const QString& fileName) const
{
    return SaveBytes(PictureFile(QStringLiteral("jpeg"), name, QStringLiteral(".jpg")), fileName);
}

void TGlobalResourceManager::Register(TFormResourceManager* listener)
{
    if (!m_listeners.contains(listener))
        m_listeners.append(listener);
}

void TGlobalResourceManager::Unregister(TFormResourceManager* listener)
{
    m_listeners.removeAll(listener);
}

QString LangStr(int number)
{
    return TGlobalResourceManager::Instance().GetString(number);
}
