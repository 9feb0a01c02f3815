#pragma once

#include "TSampleContent.h"

#include <QByteArray>
#include <QList>
#include <QString>

class TApp;

// Fills the store attached to the application object with the sample shop,
// through the program's own record classes, and names the files that go with
// it. Pictures and files are named in the records by paths relative to the
// store folder, written the way stored paths are ("Images\rose.jpg"), so that
// any copy of the store folder finds them.
class TSampleStore
{
public:
    struct TFile
    {
        QString path; // relative to the store folder, "/" separated
        QByteArray bytes;
    };

    // Product pictures and the logo under "Images", guides under "Files".
    static QString PictureFile(const TSampleContent::TProductEntry& product, bool large);
    // The logo lies twice: under "Images", where the website selection points
    // the merchant record when it opens the sample, and among the merchant's
    // own pictures ("HTML/images"), which every site build copies into the
    // site and where the build looks for a logo named without a folder.
    static QString LogoFile() { return QStringLiteral("Images/logo.gif"); }
    static QString SiteLogoFile() { return QStringLiteral("HTML/images/logo.gif"); }
    static QString StoredLogo() { return QStringLiteral("logo.gif"); }
    static QString GuideFile(const TSampleContent::TGuideEntry& guide);
    // A path relative to the store folder as the records keep it.
    static QString StoredPath(const QString& relativePath);

    // Writes every record of the sample shop in one transaction; returns the
    // extra pages' files ("HTML/Page<ID>.htm"), whose names the new records
    // decide. Raises on any failure.
    static QList<TFile> Fill(TApp& app);
};
