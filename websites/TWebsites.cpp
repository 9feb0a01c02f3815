#include "TWebsites.h"

#include "EQuorvisError.h"
#include "TApp.h"
#include "TCommonDatabase.h"
#include "TDatabase.h"
#include "TGlobalResourceManager.h"
#include "TMerchant.h"
#include "TMessenger.h"
#include "TPaths.h"
#include "TProgramFolders.h"
#include "TScrooge.h"
#include "TShellState.h"
#include "TZipArchive.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString WebsitesTable = QStringLiteral("Websites");
const QString SettingsKey = QStringLiteral("Settings");
const QString LastWebIDName = QStringLiteral("LastWebID");
const QString StartupListKey = QStringLiteral("StartupList");

// The folder without its trailing "/", as file functions want it.
QString WithoutSlash(const QString& folder)
{
    QString f = folder;
    while (f.size() > 1 && f.endsWith(u'/'))
        f.chop(1);
    return f;
}

// A path on disk at all, a dangling link included.
bool OnDisk(const QString& path)
{
    const QFileInfo info(WithoutSlash(path));
    return info.exists() || info.isSymLink();
}

TWebsite RowOf(TStatement& statement)
{
    TWebsite w;
    w.id = statement.Int64(0);
    w.name = statement.Value(1).toString();
    w.description = statement.Value(2).toString();
    w.path = statement.Value(3).toString();
    return w;
}

const QString& PreviewTemplate()
{
    static const QString text = QStringLiteral(
        "<HTML>\r\n"
        "<body bgcolor = \"#E8E9FD\">\r\n"
        "<font face=\"verdana\" size=\"1\"><u>Merchant Details</u>:</font>\r\n"
        "<font face=\"verdana\" size = 2><br><br>\r\n"
        "<center>\r\n"
        "<b><#BusinessName></b>\r\n"
        "<br>\r\n"
        "</center>\r\n"
        "<P align=\"left\">\r\n"
        "<#BusinessDesc>\r\n"
        "</P>\r\n"
        "</font>\r\n"
        "<br>\r\n"
        "<font face=\"verdana\" size=\"1\"><b>Database Path :&nbsp</b><#Path></font>\r\n"
        "</body>\r\n"
        "</HTML>\r\n");
    return text;
}

// Text as the content of an element: the merchant's own words, never markup.
// Line breaks of a description stay line breaks.
QString HtmlText(const QString& text)
{
    QString escaped = text.toHtmlEscaped();
    escaped.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    escaped.replace(u'\r', u'\n');
    escaped.replace(QStringLiteral("\n"), QStringLiteral("<br>\n"));
    return escaped;
}

} // namespace

TWebsites::TWebsites() = default;

TWebsites::TWebsites(TDatabase& common)
    : m_common(&common)
{
}

TDatabase& TWebsites::Common() const
{
    if (m_common)
        return *m_common;
    TDatabase* common = TApp::Instance().CommonDatabase();
    if (!common)
        throw EQuorvisError(LangStr(5120));
    return *common;
}

// ---- folders

QString TWebsites::NormaliseFolder(const QString& folder)
{
    if (folder.isEmpty())
        return QString();
    return TPaths::WithTrailingSlash(QDir::cleanPath(TPaths::FromWindows(folder)));
}

bool TWebsites::SameFolder(const QString& a, const QString& b)
{
    const QString na = NormaliseFolder(a);
    const QString nb = NormaliseFolder(b);
    if (na.isEmpty() || nb.isEmpty())
        return false;
    if (na == nb)
        return true;
    const QString ca = QFileInfo(WithoutSlash(na)).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(WithoutSlash(nb)).canonicalFilePath();
}

QString TWebsites::WebsitesFolder()
{
    return TProgramFolders::ProgramFolder() + QStringLiteral("WebSites/");
}

QString TWebsites::NewWebsiteFolder(const QStringList& taken)
{
    const QString root = WebsitesFolder();
    if (!QDir().mkpath(root))
        throw EQuorvisError(LangStr(5121).arg(QDir::toNativeSeparators(root)));
    QString base = LangStr(1454);
    base.remove(u'/');
    if (base.trimmed().isEmpty())
        base = QStringLiteral("Website");

    for (int n = 1;; ++n) {
        const QString candidate = root + base + QString::number(n);
        if (OnDisk(candidate))
            continue;
        if (std::any_of(taken.begin(), taken.end(), [&](const QString& t) { return SameFolder(t, candidate); }))
            continue;
        // mkdir, not mkpath: it fails when another program took the name first.
        if (QDir().mkdir(candidate))
            return candidate + u'/';
        if (!OnDisk(candidate))
            throw EQuorvisError(LangStr(5121).arg(QDir::toNativeSeparators(candidate)));
    }
}

QString TWebsites::SampleStoreFolder()
{
    return TProgramFolders::ProgramFolder() + QStringLiteral("Samples/Flowers Tolvane/");
}

bool TWebsites::SampleStoreExists()
{
    return QFileInfo(SampleStoreFolder() + QLatin1StringView(StoreFileName)).isFile();
}

QString TWebsites::TemplateArchive() const
{
    return m_templateArchive.isEmpty() ? TProgramFolders::ShippedData() + QStringLiteral("/newsite.dat") : m_templateArchive;
}

// ---- the list

QList<TWebsite> TWebsites::List() const
{
    QList<TWebsite> list;
    auto statement = Common().Cached(QStringLiteral("SELECT autId, vchBusinessName, vchBusinessDesc, vchPath FROM Websites ORDER BY autId"));
    while (statement.Step())
        list.append(RowOf(*statement));
    statement.Reset();
    return list;
}

std::optional<TWebsite> TWebsites::Find(qint64 id) const
{
    auto statement = Common().Cached(QStringLiteral("SELECT autId, vchBusinessName, vchBusinessDesc, vchPath FROM Websites WHERE autId = ?1"));
    statement.Bind(1, id);
    std::optional<TWebsite> found;
    if (statement.Step())
        found = RowOf(*statement);
    statement.Reset();
    return found;
}

qint64 TWebsites::FindByFolder(const QString& folder) const
{
    for (const TWebsite& w : List())
        if (SameFolder(w.path, folder))
            return w.id;
    return 0;
}

QStringList TWebsites::Folders() const
{
    QStringList folders;
    for (const TWebsite& w : List())
        folders.append(w.path);
    return folders;
}

std::optional<TWebsites::TMerchantDetails> TWebsites::ReadMerchant(const QString& folder)
{
    const QString normal = NormaliseFolder(folder);
    if (normal.isEmpty())
        return std::nullopt;
    const QString file = normal + QLatin1StringView(StoreFileName);
    if (!QFileInfo(file).isFile())
        return std::nullopt;
    try {
        auto db = TDatabase::Open(file, TDatabase::OpenMode::OpenExisting);
        if (!db->TableExists(QStringLiteral("MerchantSettings")))
            return std::nullopt;
        TMerchantDetails details;
        TStatement statement(*db, QStringLiteral("SELECT * FROM MerchantSettings LIMIT 1"));
        if (statement.Step()) {
            for (int c = 0; c < statement.ColumnCount(); ++c) {
                const QString column = statement.ColumnName(c);
                if (column.compare(QLatin1StringView("MerchantName"), Qt::CaseInsensitive) == 0)
                    details.name = statement.Value(c).toString();
                else if (column.compare(QLatin1StringView("BriefMerchantDesc"), Qt::CaseInsensitive) == 0)
                    details.description = statement.Value(c).toString();
            }
        }
        return details;
    } catch (const std::exception&) {
        // A store that cannot be read has no details to offer; the caller
        // lists the folder under a plain name and the merchant can still open
        // it, which reports the reason.
        return std::nullopt;
    }
}

qint64 TWebsites::Insert(const QString& name, const QString& description, const QString& path)
{
    TDatabase& db = Common();
    db.Cached(QStringLiteral("INSERT INTO Websites (vchBusinessName, vchBusinessDesc, vchPath) VALUES (?1, ?2, ?3)"))
        .Execute({name, description, path});
    const qint64 id = db.LastInsertRowId();
    db.TouchTable(WebsitesTable);
    return id;
}

qint64 TWebsites::Add(const TWebsite& website)
{
    return Insert(website.name, website.description, NormaliseFolder(website.path));
}

int TWebsites::TakeOverStartupList()
{
    if (!TCommonDatabase::TablesCreatedAtOpen().contains(WebsitesTable))
        return 0;
    TDatabase& db = Common();
    if (db.Scalar(QStringLiteral("SELECT COUNT(*) FROM Websites")).toLongLong() > 0)
        return 0;
    // A table that held rows once (they were all deleted since) has had its turn.
    if (db.TableExists(QStringLiteral("sqlite_sequence"))
        && !db.Scalar(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?1"), {WebsitesTable}).isNull())
        return 0;

    const QStringList folders = TApp::Instance().Settings().ValueNames(StartupListKey);
    int added = 0;
    TTransaction transaction(db);
    for (const QString& name : folders) {
        const QString folder = NormaliseFolder(name.trimmed());
        if (folder.isEmpty() || FindByFolder(folder) != 0)
            continue;
        const std::optional<TMerchantDetails> merchant = ReadMerchant(folder);
        if (!merchant)
            continue;
        const QString title = merchant->name.trimmed().isEmpty() ? QString::fromLatin1(UntitledName) : merchant->name;
        Insert(title, merchant->description, folder);
        ++added;
    }
    transaction.Commit();
    return added;
}

qint64 TWebsites::Create(const QString& name, const QString& description, TProgress& progress)
{
    const QString folder = NewWebsiteFolder(Folders());
    try {
        const QString archive = TemplateArchive();
        if (!QFileInfo(archive).isFile())
            throw EQuorvisError(LangStr(5122).arg(QDir::toNativeSeparators(archive)));
        TZipArchive::Extract(archive, folder, progress);
        // A website whose store cannot be read could never be opened.
        if (!ReadMerchant(folder))
            throw EQuorvisError(LangStr(5123).arg(QDir::toNativeSeparators(archive)));
        return Insert(name, description, folder);
    } catch (...) {
        // The folder was made here a moment ago and holds nothing else.
        QDir(WithoutSlash(folder)).removeRecursively();
        throw;
    }
}

TWebsites::TAddResult TWebsites::AddExisting(const QString& folder)
{
    const QString normal = NormaliseFolder(folder);
    if (const qint64 id = FindByFolder(normal))
        return {id, true};
    const std::optional<TMerchantDetails> merchant = ReadMerchant(normal);
    if (!merchant)
        throw EQuorvisError(LangStr(1392));
    const QString title = merchant->name.trimmed().isEmpty() ? QString::fromLatin1(UntitledName) : merchant->name;
    return {Insert(title, merchant->description, normal), false};
}

QString TWebsites::DescriptionFromRtf(const QString& text)
{
    try {
        return TScrooge().RtfToHtml(text);
    } catch (const std::exception&) {
        // Text that is no rich text is shown as it is (escaped by the preview).
        return text;
    }
}

void TWebsites::Edit(qint64 id, const QString& name, const QString& description)
{
    TDatabase& db = Common();
    db.Cached(QStringLiteral("UPDATE Websites SET vchBusinessName = ?1, vchBusinessDesc = ?2 WHERE autId = ?3")).Execute({name, description, id});
    db.TouchData();
}

TWebsites::TFolderFate TWebsites::RemoveWebsiteFolder(const QString& folder)
{
    const QString path = WithoutSlash(NormaliseFolder(folder));
    if (path.isEmpty() || !OnDisk(path))
        return TFolderFate::Missing;
    // Links and ".." resolved: a link inside WebSites that points elsewhere,
    // or a path that climbs out of it, names a folder that is not ours.
    if (!TPaths::IsStrictlyInside(WebsitesFolder(), path))
        return TFolderFate::KeptOutside;
    const QString resolved = QFileInfo(path).canonicalFilePath();
    if (!QFileInfo(resolved + u'/' + QLatin1StringView(StoreFileName)).isFile())
        return TFolderFate::KeptNotAWebsite;
    // What cannot be removed stays; the website leaves the list regardless.
    QDir(resolved).removeRecursively();
    return TFolderFate::Removed;
}

TWebsites::TDeleteResult TWebsites::Delete(qint64 id)
{
    TDeleteResult result;
    const std::optional<TWebsite> website = Find(id);
    if (!website)
        return result;
    if (IsOpenWebsite(*website)) {
        TApp::Instance().CloseDatabase();
        result.closedOpenWebsite = true;
    }
    result.folder = RemoveWebsiteFolder(website->path);
    TDatabase& db = Common();
    db.Cached(QStringLiteral("DELETE FROM Websites WHERE autId = ?1")).Execute({id});
    db.TouchTable(WebsitesTable);
    return result;
}

// ---- opening

bool TWebsites::IsOpenWebsite(const TWebsite& website)
{
    const TApp& app = TApp::Instance();
    return app.IsOpen() && SameFolder(website.path, app.CurrentWebsiteFolder());
}

bool TWebsites::Open(qint64 id)
{
    const std::optional<TWebsite> website = Find(id);
    if (!website)
        return false;
    TShellState::SetSampleStore(false);
    SetLastWebID(id);
    return OpenStoreDatabase(website->path);
}

bool TWebsites::OpenSampleStore()
{
    const QString folder = SampleStoreFolder();
    if (!OpenStoreDatabase(folder))
        return false;
    TShellState::SetSampleStore(true);
    // The logo is wherever this installation keeps the sample. The sample is
    // open even when that cannot be saved.
    try {
        TRef<TMerchant> merchant = TApp::Instance().Merchant();
        try {
            merchant->BeginEdit();
            merchant->Field(QStringLiteral("MerchantLogoLocation")).SetAsString(folder + QStringLiteral("Images/logo.gif"));
            merchant->Save();
        } catch (const EQuorvisError&) {
            merchant->Cancel();
            throw;
        }
    } catch (const EQuorvisError& e) {
        TMessenger::Current().Show(TMessenger::Kind::Error, e.Message());
    }
    return true;
}

qint64 TWebsites::LastWebID()
{
    bool ok = false;
    const qint64 id = TApp::Instance().ReadSetting(SettingsKey, LastWebIDName).trimmed().toLongLong(&ok);
    return ok ? id : 0;
}

void TWebsites::SetLastWebID(qint64 id)
{
    TApp::Instance().WriteSetting(SettingsKey, LastWebIDName, QString::number(id));
}

// ---- preview

QString TWebsites::PreviewHtml(const QString& name, const QString& description, const QString& path)
{
    static const QRegularExpression tag(QStringLiteral("<#([A-Za-z0-9_]+)[^>]*>"));
    QString html;
    const QString& page = PreviewTemplate();
    qsizetype from = 0;
    for (auto it = tag.globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        html += page.mid(from, m.capturedStart() - from);
        const QString tagName = m.captured(1);
        if (tagName.compare(QLatin1StringView("BusinessName"), Qt::CaseInsensitive) == 0)
            html += HtmlText(name);
        else if (tagName.compare(QLatin1StringView("BusinessDesc"), Qt::CaseInsensitive) == 0)
            html += HtmlText(description);
        else if (tagName.compare(QLatin1StringView("Path"), Qt::CaseInsensitive) == 0)
            html += HtmlText(QDir::toNativeSeparators(path));
        from = m.capturedEnd();
    }
    html += page.mid(from);
    return html;
}

QString TWebsites::PreviewHtml(const TWebsite& website)
{
    return PreviewHtml(website.name, website.description, website.path);
}

QString TWebsites::SamplePreviewHtml()
{
    return PreviewHtml(QString(), LangStr(1389), QString());
}
