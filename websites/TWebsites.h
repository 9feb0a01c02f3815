#pragma once

#include "TProgress.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class TDatabase;

// One row of the common table "Websites".
struct TWebsite
{
    qint64 id = 0;       // autId
    QString name;        // vchBusinessName
    QString description; // vchBusinessDesc
    QString path;        // vchPath: the website's folder, normalised
};

// The merchant's websites: the list kept in the common table "Websites", the
// numbered folders new websites get under the program folder, the template
// they are made from, and the sample store. No widgets: the selection window
// calls these and shows what they raise (EQuorvisError) or return.
class TWebsites
{
public:
    // The entry of the sample store, which has no row of its own.
    static constexpr qint64 SampleStoreID = 0;
    // The name given to a listed folder whose merchant record has none.
    static constexpr const char* UntitledName = "Untitled -------";

    // On the application object's common database, or on the one given.
    TWebsites();
    explicit TWebsites(TDatabase& common);

    // ---- folders
    // A folder as the list keeps it: "\" turned into "/", "." and ".." parts
    // and doubled separators removed, and exactly one trailing "/". Empty stays empty.
    static QString NormaliseFolder(const QString& folder);
    // Whether two paths name the same folder: equal once normalised, or the
    // same folder on disk once links are resolved.
    static bool SameFolder(const QString& a, const QString& b);
    // ProgramFolder() + "WebSites/".
    static QString WebsitesFolder();
    // Claims the first free folder WebSites/<language string 1454><n>, n = 1, 2, ...,
    // creating WebSites when missing, and returns it with a trailing "/". A
    // number is free when nothing of that name is on disk and no folder in
    // `taken` (the listed websites) names it: a listed website whose folder has
    // gone keeps its number, so that two entries never share one store.
    static QString NewWebsiteFolder(const QStringList& taken = {});

    // ProgramFolder() + "Samples/Flowers Tolvane/".
    static QString SampleStoreFolder();
    static bool SampleStoreExists();
    // The template archive new websites are extracted from: the shipped
    // "newsite.dat" unless another was set.
    QString TemplateArchive() const;
    void SetTemplateArchive(const QString& archive) { m_templateArchive = archive; }

    // ---- the list, in table order (the order of creation)
    QList<TWebsite> List() const;
    std::optional<TWebsite> Find(qint64 id) const;
    // The id of the listed website kept in that folder; 0 when none is.
    qint64 FindByFolder(const QString& folder) const;
    QStringList Folders() const;

    // The merchant's name and brief description in the store of a folder;
    // nothing when the folder holds no readable store.
    struct TMerchantDetails
    {
        QString name;
        QString description;
    };
    static std::optional<TMerchantDetails> ReadMerchant(const QString& folder);

    // Takes over the website folders an earlier release listed (the value names
    // of the settings subkey "StartupList") into a "Websites" table that was
    // made at this run's opening of the common database and has never held a
    // row. Folders whose store cannot be read are skipped. Returns the number of
    // rows added.
    int TakeOverStartupList();

    // Makes a website: a new numbered folder with the template extracted into
    // it (the progress follows the extraction), then its row. Any failure
    // (missing or damaged template, an unsafe entry, a full disk, a template
    // without a readable store) removes the folder again, adds no row and
    // raises EQuorvisError. Returns the new id.
    qint64 Create(const QString& name, const QString& description, TProgress& progress = TProgress::None());

    // Lists a folder chosen by the merchant. A folder already listed is not
    // listed twice: its id comes back with alreadyListed set. A folder without
    // a readable store raises EQuorvisError with language string 1392.
    struct TAddResult
    {
        qint64 id = 0;
        bool alreadyListed = false;
    };
    TAddResult AddExisting(const QString& folder);

    // Appends a row as given (the path is normalised); returns its id.
    qint64 Add(const TWebsite& website);
    // A description given as rich text, as the list keeps it: converted to
    // HTML, or unchanged when it cannot be converted.
    static QString DescriptionFromRtf(const QString& text);

    void Edit(qint64 id, const QString& name, const QString& description);

    // What became of a deleted website's folder.
    enum class TFolderFate {
        Removed,        // a folder under WebSites holding a store: deleted with everything in it
        Missing,        // nothing was on disk
        KeptOutside,    // its resolved path is not inside WebSites
        KeptNotAWebsite // inside WebSites, but it holds no store file
    };
    struct TDeleteResult
    {
        bool closedOpenWebsite = false;
        TFolderFate folder = TFolderFate::Missing;
        // True when the folder is still on disk (the merchant is told).
        bool Kept() const { return folder == TFolderFate::KeptOutside || folder == TFolderFate::KeptNotAWebsite; }
    };
    // Removes the row. When it is the open website, the store database is
    // detached first. The folder goes only when, with links and ".." resolved,
    // it lies strictly inside WebSites and holds the store file.
    TDeleteResult Delete(qint64 id);
    static TFolderFate RemoveWebsiteFolder(const QString& folder);

    // ---- opening
    // Whether the website is the one the application object has open.
    static bool IsOpenWebsite(const TWebsite& website);
    // Clears the sample-store flag, remembers the id as "LastWebID" and opens
    // the folder (OpenStoreDatabase: on failure it has shown language string 1338).
    bool Open(qint64 id);
    // Opens the sample store, sets the sample-store flag and points its
    // merchant's logo at the sample's Images/logo.gif.
    static bool OpenSampleStore();
    static qint64 LastWebID();
    static void SetLastWebID(qint64 id);

    // ---- the preview page: the fixed template with its tags filled, every
    // text escaped for HTML.
    static QString PreviewHtml(const QString& name, const QString& description, const QString& path);
    static QString PreviewHtml(const TWebsite& website);
    // The sample store shows only its description (language string 1389).
    static QString SamplePreviewHtml();

private:
    TDatabase& Common() const;
    qint64 Insert(const QString& name, const QString& description, const QString& path);

    TDatabase* m_common = nullptr;
    QString m_templateArchive;
};
