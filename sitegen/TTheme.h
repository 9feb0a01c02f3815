#pragma once

#include "TThemeLayout.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class TUserSettings;

// A theme: a folder of templates and pictures described by its settings.ini.
class TTheme
{
public:
    // The theme that names the look of a site when nothing else is chosen.
    static constexpr const char* FallbackName = "FlowerTolvane";

    // Reads the descriptor and every layout; raises EThemeError (language
    // string 1447) when the folder has no settings.ini. A layout that cannot be
    // read is left out, so a theme may have fewer layouts than it counts, or none.
    explicit TTheme(const QString& folder);
    TTheme(const TTheme&) = delete;
    TTheme& operator=(const TTheme&) = delete;

    int layoutCount = 0;
    int versionMinor = 0;
    int versionMajor = 1;
    QString author;
    QString name;
    QStringList description;

    // Ends with "/".
    const QString& Folder() const { return m_folder; }
    int LayoutsRead() const { return int(m_layouts.size()); }
    // Zero-based; nullptr past the layouts read (a theme without layouts cannot be used).
    const TThemeLayout* Layout(int index) const;
    TThemeLayout* Layout(int index);
    // A file of the theme by the name its settings or templates give it
    // ("singlepage\images\off.gif"), letter case matched against the disk;
    // empty when the name would lead outside the theme folder.
    QString File(const QString& relative) const;

    // The themes under a themes folder: the names of its subfolders that hold
    // a settings.ini and do not begin with ".", sorted by name so that every
    // listing shows them in one order.
    static QStringList List(const QString& themesFolder);
    // The theme last used for the merchant ("SiteGen" "LastTheme"), or the
    // fallback theme when that one cannot be opened. Raises EThemeError when
    // neither can.
    static std::unique_ptr<TTheme> Choose(const QString& themesFolder, TUserSettings& settings, quint32 merchantId);

private:
    QString m_folder;
    std::vector<std::unique_ptr<TThemeLayout>> m_layouts;
};
