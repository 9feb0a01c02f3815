#include "TIniFile.h"

#include "EQuorvisError.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

QString SectionName(const QString& line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return QString();
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return QString();
    return t.mid(1, close - 1).trimmed();
}

bool IsSectionLine(const QString& line)
{
    const QString t = line.trimmed();
    return t.startsWith(u'[') && t.contains(u']');
}

} // namespace

TIniFile::TIniFile(const QString& fileName)
    : m_fileName(fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    m_crlf = bytes.contains("\r\n") || !bytes.contains('\n');
    // Theme files written on Windows are often in the ANSI code page, not UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError()) {
        m_latin1 = true;
        text = QString::fromLatin1(bytes);
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    m_lines = text.split(u'\n');
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
}

bool TIniFile::ParseKeyLine(const QString& line, QString* key, QString* value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(u';') || IsSectionLine(t))
        return false;
    const qsizetype eq = t.indexOf(u'=');
    if (eq <= 0)
        return false;
    *key = t.left(eq).trimmed();
    QString v = t.mid(eq + 1).trimmed();
    if (v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"'))
        v = v.mid(1, v.size() - 2);
    *value = v;
    return !key->isEmpty();
}

int TIniFile::FindSection(const QString& section) const
{
    for (int i = 0; i < m_lines.size(); ++i)
        if (IsSectionLine(m_lines[i]) && SectionName(m_lines[i]).compare(section.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TIniFile::SectionEnd(int sectionLine) const
{
    int i = sectionLine + 1;
    while (i < m_lines.size() && !IsSectionLine(m_lines[i]))
        ++i;
    return i;
}

int TIniFile::FindKey(int sectionLine, const QString& key) const
{
    const int end = SectionEnd(sectionLine);
    QString k;
    QString v;
    for (int i = sectionLine + 1; i < end; ++i)
        if (ParseKeyLine(m_lines[i], &k, &v) && k.compare(key.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const int s = FindSection(section);
    if (s < 0)
        return defaultValue;
    const int line = FindKey(s, key);
    if (line < 0)
        return defaultValue;
    QString k;
    QString v;
    ParseKeyLine(m_lines[line], &k, &v);
    return v;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const QString text = ReadString(section, key).trimmed();
    bool ok = false;
    int value = text.toInt(&ok);
    if (!ok && text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        value = text.mid(2).toInt(&ok, 16);
    return ok ? value : defaultValue;
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::SectionExists(const QString& section) const
{
    return FindSection(section) >= 0;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const
{
    const int s = FindSection(section);
    return s >= 0 && FindKey(s, key) >= 0;
}

QStringList TIniFile::ReadSections() const
{
    QStringList sections;
    for (const QString& line : m_lines)
        if (IsSectionLine(line))
            sections.append(SectionName(line));
    return sections;
}

QStringList TIniFile::ReadSection(const QString& section) const
{
    QStringList keys;
    const int s = FindSection(section);
    if (s < 0)
        return keys;
    const int end = SectionEnd(s);
    QString k;
    QString v;
    for (int i = s + 1; i < end; ++i)
        if (ParseKeyLine(m_lines[i], &k, &v))
            keys.append(k);
    return keys;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    int s = FindSection(section);
    const QString newLine = key.trimmed() + u'=' + value;
    if (s < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty())
            m_lines.append(QString());
        m_lines.append(u'[' + section.trimmed() + u']');
        m_lines.append(newLine);
        m_modified = true;
        return;
    }
    const int line = FindKey(s, key);
    if (line >= 0) {
        QString k;
        QString v;
        ParseKeyLine(m_lines[line], &k, &v);
        // Keep the key's own spelling; only the value changes.
        const QString replaced = k + u'=' + value;
        if (m_lines[line] != replaced) {
            m_lines[line] = replaced;
            m_modified = true;
        }
        return;
    }
    // New keys go after the section's last non-blank line.
    int insertAt = SectionEnd(s);
    while (insertAt > s + 1 && m_lines[insertAt - 1].trimmed().isEmpty())
        --insertAt;
    m_lines.insert(insertAt, newLine);
    m_modified = true;
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::DeleteKey(const QString& section, const QString& key)
{
    const int s = FindSection(section);
    if (s < 0)
        return;
    const int line = FindKey(s, key);
    if (line >= 0) {
        m_lines.removeAt(line);
        m_modified = true;
    }
}

void TIniFile::EraseSection(const QString& section)
{
    const int s = FindSection(section);
    if (s < 0)
        return;
    const int end = SectionEnd(s);
    m_lines.erase(m_lines.begin() + s, m_lines.begin() + end);
    m_modified = true;
}

QString TIniFile::Text() const
{
    const QString eol = m_crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString text = m_lines.join(eol);
    if (!m_lines.isEmpty())
        text += eol;
    return text;
}

void TIniFile::UpdateFile()
{
    if (!m_modified && QFile::exists(m_fileName))
        return;
    QSaveFile file(m_fileName);
    const QString text = Text();
    const QByteArray bytes = m_latin1 ? text.toLatin1() : text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EQuorvisError(QStringLiteral("Cannot write %1: %2").arg(m_fileName, file.errorString()));
    m_modified = false;
}
