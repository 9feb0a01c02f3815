#pragma once

#include <QString>
#include <QStringList>

// An INI file read and written by the rules of Windows profile files: section
// and key names match without regard to case, a backslash is an ordinary
// character, values are the text after the first "=" with blanks trimmed (and
// one pair of enclosing double quotes removed). Writing changes only the lines
// it must: comments, blank lines, unknown lines and the order of everything
// else stay as they were.
class TIniFile
{
public:
    // Reads the file when it exists; a missing file is an empty one.
    explicit TIniFile(const QString& fileName);

    const QString& FileName() const { return m_fileName; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue = QString()) const;
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    QStringList ReadSections() const;
    QStringList ReadSection(const QString& section) const; // the key names, in file order

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    void DeleteKey(const QString& section, const QString& key);
    void EraseSection(const QString& section);

    // Writes the file (through a temporary file and a rename) when it changed;
    // raises EQuorvisError when it cannot be written.
    void UpdateFile();
    bool Modified() const { return m_modified; }

    // The whole text as it would be written.
    QString Text() const;

private:
    int FindSection(const QString& section) const;   // line index of "[section]", -1
    int SectionEnd(int sectionLine) const;           // index of the next section header or the end
    int FindKey(int sectionLine, const QString& key) const;
    static bool ParseKeyLine(const QString& line, QString* key, QString* value);

    QString m_fileName;
    QStringList m_lines;
    bool m_latin1 = false;
    bool m_crlf = true;
    bool m_modified = false;
};
