#include "TUserSettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

// QSettings takes "/" as a group separator and treats "\" specially in INI
// files; value and group names are encoded so that any text survives.
QString EncodeName(const QString& name)
{
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        if (c == u'%')
            out += QStringLiteral("%25");
        else if (c == u'/')
            out += QStringLiteral("%2F");
        else if (c == u'\\')
            out += QStringLiteral("%5C");
        else
            out += c;
    }
    return out;
}

QString DecodeName(const QString& name)
{
    QString out = name;
    out.replace(QStringLiteral("%2F"), QStringLiteral("/"), Qt::CaseInsensitive);
    out.replace(QStringLiteral("%5C"), QStringLiteral("\\"), Qt::CaseInsensitive);
    out.replace(QStringLiteral("%25"), QStringLiteral("%"));
    return out;
}

QStringList SubkeyParts(const QString& subkey)
{
    QString s = subkey;
    s.replace(u'/', u'\\');
    return s.split(u'\\', Qt::SkipEmptyParts);
}

} // namespace

TUserSettings::TUserSettings()
    : TUserSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                    + QStringLiteral("/Halden/Zavuvizeza.ini"))
{
}

TUserSettings::TUserSettings(const QString& fileName)
    : m_fileName(fileName), m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{
}

TUserSettings::~TUserSettings() = default;

QString TUserSettings::StoredGroup(const QString& subkey, bool* exists) const
{
    QStringList stored;
    bool found = true;
    for (const QString& part : SubkeyParts(subkey)) {
        QString match;
        if (found) {
            m_settings->beginGroup(stored.join(u'/'));
            for (const QString& g : m_settings->childGroups()) {
                if (DecodeName(g).compare(part, Qt::CaseInsensitive) == 0) {
                    match = g;
                    break;
                }
            }
            m_settings->endGroup();
        }
        if (match.isEmpty()) {
            found = false;
            match = EncodeName(part);
        }
        stored.append(match);
    }
    if (exists)
        *exists = found && !stored.isEmpty();
    return stored.join(u'/');
}

QString TUserSettings::StoredName(const QString& group, const QString& name) const
{
    m_settings->beginGroup(group);
    const QStringList keys = m_settings->childKeys();
    m_settings->endGroup();
    for (const QString& k : keys)
        if (DecodeName(k).compare(name, Qt::CaseInsensitive) == 0)
            return k;
    return QString();
}

QString TUserSettings::Read(const QString& subkey, const QString& name, const QString& defaultValue) const
{
    bool exists = false;
    const QString group = StoredGroup(subkey, &exists);
    if (!exists)
        return defaultValue;
    const QString stored = StoredName(group, name);
    if (stored.isEmpty())
        return defaultValue;
    return m_settings->value(group + u'/' + stored).toString();
}

bool TUserSettings::ReadBool(const QString& subkey, const QString& name, bool defaultValue) const
{
    const QString text = Read(subkey, name, QStringLiteral("\x01"));
    if (text == QStringLiteral("\x01"))
        return defaultValue;
    const QString t = text.trimmed().toLower();
    if (t == u"1" || t == u"true" || t == u"yes" || t == u"-1")
        return true;
    if (t == u"0" || t == u"false" || t == u"no")
        return false;
    return defaultValue;
}

void TUserSettings::Write(const QString& subkey, const QString& name, const QString& value)
{
    const QString group = StoredGroup(subkey, nullptr);
    QString stored = StoredName(group, name);
    if (stored.isEmpty())
        stored = EncodeName(name);
    m_settings->setValue(group.isEmpty() ? stored : group + u'/' + stored, value);
    m_settings->sync();
}

void TUserSettings::WriteBool(const QString& subkey, const QString& name, bool value)
{
    Write(subkey, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TUserSettings::ValueExists(const QString& subkey, const QString& name) const
{
    bool exists = false;
    const QString group = StoredGroup(subkey, &exists);
    return exists && !StoredName(group, name).isEmpty();
}

bool TUserSettings::KeyExists(const QString& subkey) const
{
    bool exists = false;
    StoredGroup(subkey, &exists);
    return exists;
}

QStringList TUserSettings::ValueNames(const QString& subkey) const
{
    bool exists = false;
    const QString group = StoredGroup(subkey, &exists);
    QStringList names;
    if (!exists)
        return names;
    m_settings->beginGroup(group);
    for (const QString& k : m_settings->childKeys())
        names.append(DecodeName(k));
    m_settings->endGroup();
    return names;
}

void TUserSettings::DeleteValue(const QString& subkey, const QString& name)
{
    bool exists = false;
    const QString group = StoredGroup(subkey, &exists);
    if (!exists)
        return;
    const QString stored = StoredName(group, name);
    if (!stored.isEmpty()) {
        m_settings->remove(group + u'/' + stored);
        m_settings->sync();
    }
}

void TUserSettings::DeleteKey(const QString& subkey)
{
    bool exists = false;
    const QString group = StoredGroup(subkey, &exists);
    if (exists) {
        m_settings->remove(group);
        m_settings->sync();
    }
}

void TUserSettings::Sync()
{
    m_settings->sync();
}
