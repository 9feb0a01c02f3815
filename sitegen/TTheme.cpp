#include "TTheme.h"

#include "EThemeError.h"
#include "TGlobalResourceManager.h"
#include "TIniFile.h"
#include "TPaths.h"
#include "TSiteGenSettings.h"

#include <QDir>
#include <QFileInfo>

TTheme::TTheme(const QString& folder)
    : m_folder(TPaths::WithTrailingSlash(TPaths::FromWindows(folder)))
{
    const QString file = m_folder + QStringLiteral("settings.ini");
    if (!QFileInfo::exists(file))
        throw EThemeError(LangStr(1447));
    const TIniFile ini(file);
    const QString t = QStringLiteral("theme");
    author = ini.ReadString(t, QStringLiteral("author"));
    const int lines = ini.ReadInteger(t, QStringLiteral("DescriptionLines"), 0);
    for (int i = 1; i <= lines; ++i)
        description.append(ini.ReadString(t, QStringLiteral("Description%1").arg(i)));
    name = ini.ReadString(t, QStringLiteral("name"));
    versionMajor = ini.ReadInteger(t, QStringLiteral("VersionMajor"), 1);
    versionMinor = ini.ReadInteger(t, QStringLiteral("VersionMinor"), 0);
    layoutCount = ini.ReadInteger(t, QStringLiteral("LayoutCount"), 0);
    for (int n = 1; n <= layoutCount; ++n) {
        try {
            m_layouts.push_back(std::make_unique<TThemeLayout>(m_folder, n));
        } catch (const std::exception&) {
            // A layout that cannot be read is left out; the others still serve.
        }
    }
}

const TThemeLayout* TTheme::Layout(int index) const
{
    return index >= 0 && index < LayoutsRead() ? m_layouts[size_t(index)].get() : nullptr;
}

TThemeLayout* TTheme::Layout(int index)
{
    return index >= 0 && index < LayoutsRead() ? m_layouts[size_t(index)].get() : nullptr;
}

QString TTheme::File(const QString& relative) const
{
    return TPaths::Resolve(m_folder, TPaths::FromWindows(relative));
}

QStringList TTheme::List(const QString& themesFolder)
{
    QStringList names;
    const QDir dir(themesFolder);
    for (const QString& entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
        if (entry.startsWith(u'.'))
            continue;
        if (QFileInfo(dir.filePath(entry) + QStringLiteral("/settings.ini")).isFile())
            names.append(entry);
    }
    return names;
}

std::unique_ptr<TTheme> TTheme::Choose(const QString& themesFolder, TUserSettings& settings, quint32 merchantId)
{
    const QString last = TSiteGenSettings(settings).LastTheme(merchantId);
    // A remembered name is a folder name; one that would lead elsewhere is no theme.
    const QString folder = last.isEmpty() ? QString() : TPaths::Resolve(themesFolder, last);
    if (!folder.isEmpty() && !last.contains(u'/') && !last.contains(u'\\')) {
        try {
            return std::make_unique<TTheme>(folder);
        } catch (const EThemeError&) {
            // Falls back to the shipped theme below.
        }
    }
    return std::make_unique<TTheme>(TPaths::WithTrailingSlash(themesFolder) + QLatin1StringView(FallbackName));
}
