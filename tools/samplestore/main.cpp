// quorvis-samplestore FOLDER
// quorvis-samplestore --contact-sheet PICTURE.png
//
// Makes the sample store "Flowers Tolvane" in FOLDER: its store file, made
// through the program's own record classes on a new store of the current
// layout, the product pictures and the logo under "Images", the care guides
// under "Files", the extra pages under "HTML" (with a copy of the logo among
// the merchant's own pictures in "HTML/images"). Everything is the same on
// every run, and a file whose bytes are already right is left alone, so that a
// rebuild changes no date. Files of an earlier run that the shop no longer has
// are removed from those folders.
//
// With --contact-sheet it draws every product picture onto one sheet instead,
// for looking them over.

#include "EQuorvisError.h"
#include "TApp.h"
#include "TCareGuidePdf.h"
#include "TDatabase.h"
#include "TFileWriter.h"
#include "TGifWriter.h"
#include "TJpegImage.h"
#include "TSampleContent.h"
#include "TSamplePictures.h"
#include "TSampleStore.h"
#include "TStoreSchema.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int JpegQuality = 88;

void Fail(const QString& message)
{
    std::fprintf(stderr, "quorvis-samplestore: %s\n", qPrintable(message));
}

QByteArray ReadFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EQuorvisError(QStringLiteral("cannot read %1").arg(fileName));
    return file.readAll();
}

QByteArray Jpeg(const QImage& image)
{
    const QByteArray bytes = TJpegImage::Encode(image, JpegQuality);
    if (bytes.isEmpty())
        throw EQuorvisError(QStringLiteral("cannot encode a picture"));
    return bytes;
}

QImage ProductPicture(const TSampleContent::TProductEntry& product)
{
    const QImage image = TSamplePictures::Draw(QString::fromUtf8(product.picture), QString::fromUtf8(product.code));
    if (image.isNull())
        throw EQuorvisError(QStringLiteral("the product %1 asks for an unknown picture %2")
                                .arg(QString::fromUtf8(product.code), QString::fromUtf8(product.picture)));
    return image;
}

// Every file of the shop except the store file, by path under the store folder.
QList<TSampleStore::TFile> ShopFiles()
{
    QList<TSampleStore::TFile> files;
    for (const TSampleContent::TProductEntry& product : TSampleContent::Products()) {
        const QImage large = ProductPicture(product);
        files.append({TSampleStore::PictureFile(product, true), Jpeg(large)});
        files.append({TSampleStore::PictureFile(product, false), Jpeg(TSamplePictures::Thumbnail(large))});
    }
    const QByteArray logo = TGifWriter::Encode(TSamplePictures::Logo());
    if (logo.isEmpty())
        throw EQuorvisError(QStringLiteral("cannot encode the logo"));
    files.append({TSampleStore::LogoFile(), logo});
    files.append({TSampleStore::SiteLogoFile(), logo});
    for (const TSampleContent::TGuideEntry& guide : TSampleContent::Guides())
        files.append({TSampleStore::GuideFile(guide), TCareGuidePdf::Write(guide)});
    return files;
}

// Builds the store file in a working folder and returns its bytes, with the
// extra pages' files that the records name.
QByteArray MakeStore(QList<TSampleStore::TFile>& pages)
{
    QTemporaryDir work;
    if (!work.isValid())
        throw EQuorvisError(QStringLiteral("cannot make a working folder"));
    const QString storeFile = work.filePath(QLatin1String(StoreFileName));
    TStoreSchema::CreateNewStore(storeFile);
    {
        TApp app(work.filePath(QStringLiteral("settings.ini")));
        if (!OpenStoreDatabase(work.path()))
            throw EQuorvisError(QStringLiteral("cannot open the new store %1").arg(storeFile));
        pages = TSampleStore::Fill(app);
        app.CloseDatabase();
    }
    {
        // Compacted, so that the file carries no free pages from the build.
        auto db = TDatabase::Open(storeFile, TDatabase::OpenMode::OpenExisting);
        db->Exec(QStringLiteral("VACUUM"));
    }
    if (QFileInfo::exists(storeFile + QStringLiteral("-wal")))
        throw EQuorvisError(QStringLiteral("the store file was not closed completely"));
    return ReadFile(storeFile);
}

void RemoveStaleFiles(const QString& folder, const QSet<QString>& keep, int& removed)
{
    for (const char* sub : {"Images", "Files", "HTML", "HTML/images"}) {
        const QDir dir(folder + u'/' + QLatin1String(sub));
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
            const QString relative = QLatin1String(sub) + u'/' + name;
            if (!keep.contains(relative) && QFile::remove(dir.filePath(name)))
                ++removed;
        }
    }
}

int MakeSampleStore(const QString& folder)
{
    QList<TSampleStore::TFile> files = ShopFiles();
    QList<TSampleStore::TFile> pages;
    const QByteArray store = MakeStore(pages);
    files += pages;
    files.append({QLatin1String(StoreFileName), store});

    int written = 0;
    int unchanged = 0;
    int removed = 0;
    QSet<QString> keep;
    for (const TSampleStore::TFile& file : std::as_const(files)) {
        keep.insert(file.path);
        if (TFileWriter::WriteIfChanged(folder + u'/' + file.path, file.bytes))
            ++written;
        else
            ++unchanged;
    }
    // Stores hold passwords once a merchant uses them: the owner's alone.
    QFile::setPermissions(folder + u'/' + QLatin1String(StoreFileName), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // A store file left open beside ours would be replayed over it.
    for (const char* suffix : {"-wal", "-shm"})
        QFile::remove(folder + u'/' + QLatin1String(StoreFileName) + QLatin1String(suffix));
    if (!QDir().mkpath(folder + QStringLiteral("/HTML/images")))
        throw EQuorvisError(QStringLiteral("cannot create %1/HTML/images").arg(folder));
    RemoveStaleFiles(folder, keep, removed);
    std::printf("quorvis-samplestore: %d files written, %d unchanged, %d removed, in %s\n", written, unchanged, removed,
                qPrintable(folder));
    return 0;
}

int ContactSheet(const QString& fileName)
{
    const QList<TSampleContent::TProductEntry>& products = TSampleContent::Products();
    const int columns = 7;
    const int cell = 200;
    const int label = 22;
    const int rows = int((products.size() + columns - 1) / columns);
    QImage sheet(columns * cell, rows * (cell + label) + 120, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < products.size(); ++i) {
        const QRect at((i % columns) * cell, (i / columns) * (cell + label), cell, cell);
        p.drawImage(at, ProductPicture(products.at(i)));
        p.setPen(products.at(i).enabled ? Qt::black : Qt::red);
        p.drawText(QRect(at.left(), at.bottom(), cell, label), Qt::AlignCenter,
                   QString::fromUtf8(products.at(i).code) + u' ' + QString::fromUtf8(products.at(i).name));
    }
    p.drawImage(QPoint(10, rows * (cell + label) + 10), TSamplePictures::Logo());
    p.end();
    if (!sheet.save(fileName))
        throw EQuorvisError(QStringLiteral("cannot write %1").arg(fileName));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing needs no screen; the build may run without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool sheet = args.size() == 3 && args.at(1) == QStringLiteral("--contact-sheet");
    if (args.size() != 2 && !sheet) {
        Fail(QStringLiteral("usage: quorvis-samplestore FOLDER | --contact-sheet PICTURE.png"));
        return 2;
    }
    QString error;
    if (!TSamplePictures::LoadFonts(&error))
        Fail(error);
    try {
        if (sheet)
            return ContactSheet(args.at(2));
        return MakeSampleStore(QFileInfo(args.at(1)).absoluteFilePath());
    } catch (const std::exception& e) {
        Fail(QString::fromUtf8(e.what()));
        return 1;
    }
}
