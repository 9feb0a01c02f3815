#include "TGifWriter.h"
#include "TJpegImage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

namespace {

QImage FourColours(QImage::Format format = QImage::Format_RGB32)
{
    QImage image(64, 48, format);
    QPainter painter(&image);
    painter.fillRect(0, 0, 32, 24, QColor(200, 30, 40));
    painter.fillRect(32, 0, 32, 24, QColor(20, 160, 60));
    painter.fillRect(0, 24, 32, 24, QColor(30, 60, 210));
    painter.fillRect(32, 24, 32, 24, Qt::white);
    return image;
}

// 4096 different colours.
QImage Gradient()
{
    QImage image(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
    return image;
}

QImage DistinctColours(int count, bool withTransparency)
{
    QImage image(16, 17, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int i = 0; i < count; ++i)
        image.setPixel(i % 16, i / 16, qRgb(i, 255 - i, (i * 7) % 256));
    if (!withTransparency)
        image = image.copy(0, 0, 16, (count + 15) / 16);
    return image;
}

QImage WithHoles(QImage image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 8; y < 24; ++y)
        for (int x = 8; x < 24; ++x)
            image.setPixel(x, y, qRgba(0, 0, 0, 0));
    // Just under and just over half opaque.
    for (int x = 0; x < image.width(); ++x) {
        image.setPixel(x, 1, qRgba(10, 20, 30, 127));
        image.setPixel(x, 2, qRgba(200, 100, 50, 128));
    }
    return image;
}

QImage SmoothDisc()
{
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 140, 30));
    painter.drawEllipse(QRectF(4.5, 4.5, 31, 31));
    return image;
}

// Pseudo-random texture, the same on every run.
QImage Detailed()
{
    QImage image(160, 120, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1103515245u + 12345u;
            const int noise = int((seed >> 16) & 63);
            image.setPixel(x, y, qRgb((x + noise) % 256, (y * 2 + noise) % 256, (x + y + noise) % 256));
        }
    }
    return image;
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QByteArray EncodeAs(const QString& kind, const QImage& image)
{
    return kind == QLatin1String("gif") ? TGifWriter::Encode(image) : TJpegImage::Encode(image, 75);
}

bool WriteAs(const QString& kind, const QImage& image, const QString& fileName)
{
    return kind == QLatin1String("gif") ? TGifWriter::Write(image, fileName) : TJpegImage::Write(image, fileName, 75);
}

} // namespace

class tst_ImageWriters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void gifRoundTrip_data();
    void gifRoundTrip();
    void gifOfNullImageFails();

    void jpegRoundTrip_data();
    void jpegRoundTrip();
    void jpegLowerQualityGivesSmallerFile();
    void jpegQualityOutsideRangeIsClamped();
    void jpegDecodeOfGarbageGivesNullImage_data();
    void jpegDecodeOfGarbageGivesNullImage();

    void writeReplacesFileAndLeavesNoTemporary_data();
    void writeReplacesFileAndLeavesNoTemporary();
    void writeIntoMissingFolderFailsCleanly_data();
    void writeIntoMissingFolderFailsCleanly();

private:
    QTemporaryDir m_home;
};

void tst_ImageWriters::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_home.isValid());
    qputenv("QUORVIS_HOME", m_home.path().toUtf8());
}

void tst_ImageWriters::gifRoundTrip_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<int>("meanTolerance");

    QTest::newRow("four flat colours") << FourColours() << 0 << 0;
    QTest::newRow("exactly 256 colours") << DistinctColours(256, false) << 0 << 0;
    QTest::newRow("255 colours and transparency") << DistinctColours(255, true) << 0 << 0;
    QTest::newRow("256 colours and transparency") << DistinctColours(256, true) << 8 << 1;
    QTest::newRow("4096 colours") << Gradient() << 24 << 6;
    QTest::newRow("4096 colours with holes") << WithHoles(Gradient()) << 24 << 6;
    QTest::newRow("anti-aliased disc on transparent") << SmoothDisc() << 0 << 0;
    QTest::newRow("all transparent") << [] { QImage i(9, 5, QImage::Format_ARGB32); i.fill(Qt::transparent); return i; }() << 0 << 0;
    QTest::newRow("one pixel") << [] { QImage i(1, 1, QImage::Format_RGB32); i.fill(QColor(1, 2, 3)); return i; }() << 0 << 0;
    QTest::newRow("indexed source") << FourColours().convertToFormat(QImage::Format_Indexed8) << 0 << 0;
}

// Reading back with Qt's own GIF reader: same size, every pixel that was at
// least half opaque comes back opaque and near its colour, every other pixel
// comes back transparent. The same picture always gives the same bytes.
void tst_ImageWriters::gifRoundTrip()
{
    QFETCH(QImage, image);
    QFETCH(int, tolerance);
    QFETCH(int, meanTolerance);

    const QByteArray bytes = TGifWriter::Encode(image);
    QVERIFY(bytes.startsWith("GIF89a"));
    QCOMPARE(TGifWriter::Encode(image.copy()), bytes);

    const QImage read = QImage::fromData(bytes, "GIF").convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!read.isNull());
    QCOMPARE(read.size(), image.size());

    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    qint64 total = 0;
    qint64 opaque = 0;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb want = source.pixel(x, y);
            const QRgb got = read.pixel(x, y);
            if (qAlpha(want) < 128) {
                if (qAlpha(got) != 0)
                    QFAIL(qPrintable(QString("pixel %1,%2 should be transparent").arg(x).arg(y)));
                continue;
            }
            if (qAlpha(got) != 255)
                QFAIL(qPrintable(QString("pixel %1,%2 should be opaque").arg(x).arg(y)));
            const int error = std::max({std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                                        std::abs(qBlue(want) - qBlue(got))});
            worst = std::max(worst, error);
            total += error;
            ++opaque;
        }
    }
    QVERIFY2(worst <= tolerance, qPrintable(QString("worst channel error %1").arg(worst)));
    if (opaque > 0)
        QVERIFY2(total <= meanTolerance * opaque, qPrintable(QString("mean error %1").arg(double(total) / double(opaque))));
}

void tst_ImageWriters::gifOfNullImageFails()
{
    QVERIFY(TGifWriter::Encode(QImage()).isEmpty());
    QTemporaryDir dir;
    QVERIFY(!TGifWriter::Write(QImage(), dir.filePath("null.gif")));
    QVERIFY(FilesIn(dir.path()).isEmpty());
}

void tst_ImageWriters::jpegRoundTrip_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QImage>("expected");

    QTest::newRow("colour") << FourColours() << FourColours();

    QImage grey(64, 48, QImage::Format_Grayscale8);
    grey.fill(40);
    QPainter(&grey).fillRect(32, 0, 32, 48, QColor(220, 220, 220));
    QImage greyExpected(64, 48, QImage::Format_RGB32);
    greyExpected.fill(QColor(40, 40, 40));
    QPainter(&greyExpected).fillRect(32, 0, 32, 48, QColor(220, 220, 220));
    QTest::newRow("grey scale") << grey << greyExpected;

    QImage alpha = FourColours(QImage::Format_ARGB32);
    QPainter painter(&alpha);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, 0, 32, 48, Qt::transparent);
    painter.end();
    QImage onWhite = FourColours();
    QPainter(&onWhite).fillRect(0, 0, 32, 48, Qt::white);
    QTest::newRow("transparency laid on white") << alpha << onWhite;
}

void tst_ImageWriters::jpegRoundTrip()
{
    QFETCH(QImage, image);
    QFETCH(QImage, expected);

    const QByteArray bytes = TJpegImage::Encode(image, 90);
    QVERIFY(bytes.startsWith("\xFF\xD8\xFF"));
    QCOMPARE(TJpegImage::Encode(image, 90), bytes);

    const QImage decoded = TJpegImage::Decode(bytes);
    QCOMPARE(decoded.size(), image.size());
    QCOMPARE(decoded.format(), QImage::Format_RGB32);
    // Qt's own reader agrees on the size, so the file is a JPEG that others read.
    QCOMPARE(QImage::fromData(bytes, "JPEG").size(), image.size());

    for (int y = 12; y < image.height(); y += 24) {
        for (int x = 16; x < image.width(); x += 32) {
            const QColor want = expected.pixelColor(x, y);
            const QColor got = decoded.pixelColor(x, y);
            const int error = std::max({std::abs(want.red() - got.red()), std::abs(want.green() - got.green()),
                                        std::abs(want.blue() - got.blue())});
            QVERIFY2(error <= 10, qPrintable(QString("at %1,%2 want %3 got %4").arg(x).arg(y).arg(want.name(), got.name())));
        }
    }
}

void tst_ImageWriters::jpegLowerQualityGivesSmallerFile()
{
    const QImage image = Detailed();
    const QByteArray low = TJpegImage::Encode(image, 10);
    const QByteArray high = TJpegImage::Encode(image, 90);
    QVERIFY(!low.isEmpty());
    QVERIFY2(low.size() < high.size(), qPrintable(QString("%1 >= %2").arg(low.size()).arg(high.size())));
    QCOMPARE(TJpegImage::Decode(low).size(), image.size());
}

void tst_ImageWriters::jpegQualityOutsideRangeIsClamped()
{
    const QImage image = Detailed();
    QCOMPARE(TJpegImage::Encode(image, 0), TJpegImage::Encode(image, 1));
    QCOMPARE(TJpegImage::Encode(image, -5), TJpegImage::Encode(image, 1));
    QCOMPARE(TJpegImage::Encode(image, 250), TJpegImage::Encode(image, 100));
}

void tst_ImageWriters::jpegDecodeOfGarbageGivesNullImage_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray jpeg = TJpegImage::Encode(FourColours(), 80);
    QByteArray noise("\xFF\xD8\xFF", 3);
    quint32 seed = 7;
    for (int i = 0; i < 2000; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise.append(char(seed >> 24));
    }

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("this is not a picture at all");
    QTest::newRow("gif picture") << TGifWriter::Encode(FourColours());
    QTest::newRow("jpeg cut in its header") << jpeg.left(40);
    QTest::newRow("jpeg signature then noise") << noise;
}

void tst_ImageWriters::jpegDecodeOfGarbageGivesNullImage()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(TJpegImage::Decode(bytes).isNull());

    QTemporaryDir dir;
    QFile file(dir.filePath("bad.jpg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QVERIFY(TJpegImage::Read(file.fileName()).isNull());
}

void tst_ImageWriters::writeReplacesFileAndLeavesNoTemporary_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("gif") << QString("gif");
    QTest::newRow("jpeg") << QString("jpg");
}

void tst_ImageWriters::writeReplacesFileAndLeavesNoTemporary()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString fileName = dir.filePath("picture." + kind);
    {
        QFile old(fileName);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    const QImage image = FourColours();
    QVERIFY(WriteAs(kind, image, fileName));

    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), EncodeAs(kind, image));
    QCOMPARE(FilesIn(dir.path()), QStringList{"picture." + kind});
    if (kind == QLatin1String("jpg"))
        QCOMPARE(TJpegImage::Read(fileName).size(), image.size());
}

void tst_ImageWriters::writeIntoMissingFolderFailsCleanly_data()
{
    writeReplacesFileAndLeavesNoTemporary_data();
}

void tst_ImageWriters::writeIntoMissingFolderFailsCleanly()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString fileName = dir.filePath("missing/picture." + kind);
    QVERIFY(!WriteAs(kind, FourColours(), fileName));
    QVERIFY(!QFileInfo::exists(dir.filePath("missing")));
    QVERIFY(FilesIn(dir.path()).isEmpty());
    QVERIFY(TJpegImage::Read(fileName).isNull());
}

QTEST_MAIN(tst_ImageWriters)

#include "tst_ImageWriters.moc"
