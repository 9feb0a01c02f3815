#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <variant>

class TFormResourceManager;

// The language resource library in use: a folder per language identifier
// (resources/3081, resources/1028) holding a numbered string table, pictures
// and pages. Every visible text of the program is fetched from it by number.
// A missing library or entry never raises: texts come out empty, pictures null.
class TGlobalResourceManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxStringLength = 8191;
    using Identifier = std::variant<int, QString>;

    static TGlobalResourceManager& Instance();

    // Loads the library of the language and tells every window, in the order
    // their managers were created.
    void SetLanguage(int languageId);
    int LanguageID() const { return m_languageId; }
    // The folder of the loaded library (also when it is missing).
    const QString& ResourcePath() const { return m_resourcePath; }
    bool LibraryLoaded() const { return m_loaded; }

    // The folder that holds the libraries; the program's shipped resources by default.
    void SetResourcesFolder(const QString& folder);
    QString ResourcesFolder() const;

    QString GetString(int number) const;

    QImage LoadBitmap(const Identifier& id) const;
    // The icon's pictures, largest first (several sizes may ship).
    QList<QImage> LoadIcon(const Identifier& id) const;
    // One picture per identifier that names a bitmap of the library, in order.
    QList<QImage> LoadImageList(const QList<Identifier>& ids) const;

    // The address the browser shows a page of the library at: "res://" + path + "/" + name.
    QUrl PageUrl(const QString& name) const;
    // The bytes and the MIME type of a page or picture of the library by name
    // (pages, GIF, JPEG, bitmaps), for the browser's "res:" scheme; empty when absent.
    QByteArray ResourceBytes(const QString& name, QByteArray* mimeType = nullptr) const;

    // Create the file with the library's bytes unchanged; nothing when the library lacks them.
    bool SaveGIF(const QString& name, const QString& fileName) const;
    bool SaveJPEG(const QString& name, const QString& fileName) const;

    void Register(TFormResourceManager* listener);
    void Unregister(TFormResourceManager* listener);

signals:
    void LanguageChanged(int languageId);

private:
    TGlobalResourceManager();
    QString PictureFile(const QString& kind, const Identifier& id, const QString& extension) const;
    bool SaveBytes(const QString& file, const QString& fileName) const;
    void LoadStrings();

    int m_languageId = 0;
    QString m_resourcesFolder;
    QString m_resourcePath;
    bool m_loaded = false;
    QHash<int, QString> m_strings;
    QList<TFormResourceManager*> m_listeners;
};

// Shorthand for TGlobalResourceManager::Instance().GetString(number).
QString LangStr(int number);
