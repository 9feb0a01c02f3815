#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

// The per-user settings key: string values in named subkeys ("Settings",
// "PageEdit", "grids\TfrmOrders" ...). Kept in an INI file under the user's
// config folder. Subkey and value names are matched without regard to case,
// and names may contain "/" and "\" (folder paths are used as value names).
class TUserSettings
{
public:
    // The default file is <config>/Halden/Zavuvizeza.ini.
    TUserSettings();
    explicit TUserSettings(const QString& fileName);
    ~TUserSettings();

    const QString& FileName() const { return m_fileName; }

    // A missing subkey or value yields the default; reading creates nothing.
    QString Read(const QString& subkey, const QString& name, const QString& defaultValue = QString()) const;
    bool ReadBool(const QString& subkey, const QString& name, bool defaultValue) const;
    void Write(const QString& subkey, const QString& name, const QString& value);
    void WriteBool(const QString& subkey, const QString& name, bool value);
    bool ValueExists(const QString& subkey, const QString& name) const;
    bool KeyExists(const QString& subkey) const;
    QStringList ValueNames(const QString& subkey) const;
    void DeleteValue(const QString& subkey, const QString& name);
    void DeleteKey(const QString& subkey);
    void Sync();

private:
    // The group path as stored, following the letter case of groups that exist.
    QString StoredGroup(const QString& subkey, bool* exists) const;
    QString StoredName(const QString& group, const QString& name) const;

    QString m_fileName;
    std::unique_ptr<QSettings> m_settings;
};
