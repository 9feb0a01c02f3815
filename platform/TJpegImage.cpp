#include "TJpegImage.h"

#include "TFileWriter.h"

#include <QFile>
#include <QPainter>

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return. It
// jumps back to the setjmp of the function below that began the work; those
// functions keep only C structures and plain values between setjmp and the end
// of the work, so that the jump skips no destructor.
struct TJpegError
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TJpegError*>(info->err)->jump, 1);
}

// Warnings (a truncated file, extra bytes) are not printed on the console: a
// damaged picture still shows what could be read.
void KeepQuiet(j_common_ptr) {}

// A picture beyond this many pixels is refused rather than allocated.
constexpr quint64 MaxPixels = quint64(1) << 28;

constexpr int ChunkSize = 16384;

struct TByteArrayDestination
{
    jpeg_destination_mgr manager;
    QByteArray* out;
    JOCTET chunk[ChunkSize];
};

void StartChunk(j_compress_ptr info)
{
    auto* dest = reinterpret_cast<TByteArrayDestination*>(info->dest);
    dest->manager.next_output_byte = dest->chunk;
    dest->manager.free_in_buffer = ChunkSize;
}

boolean FlushChunk(j_compress_ptr info)
{
    auto* dest = reinterpret_cast<TByteArrayDestination*>(info->dest);
    dest->out->append(reinterpret_cast<const char*>(dest->chunk), ChunkSize);
    StartChunk(info);
    return TRUE;
}

void FinishChunks(j_compress_ptr info)
{
    auto* dest = reinterpret_cast<TByteArrayDestination*>(info->dest);
    dest->out->append(reinterpret_cast<const char*>(dest->chunk), qsizetype(ChunkSize - dest->manager.free_in_buffer));
}

// source: Format_RGB888 or Format_Grayscale8.
bool Compress(const QImage& source, int quality, QByteArray* out)
{
    jpeg_compress_struct info;
    TJpegError error;
    TByteArrayDestination destination;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpOnError;
    error.manager.output_message = KeepQuiet;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    destination.manager.init_destination = StartChunk;
    destination.manager.empty_output_buffer = FlushChunk;
    destination.manager.term_destination = FinishChunks;
    destination.out = out;
    info.dest = &destination.manager;

    const bool grey = source.format() == QImage::Format_Grayscale8;
    info.image_width = JDIMENSION(source.width());
    info.image_height = JDIMENSION(source.height());
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    if (source.dotsPerMeterX() > 0 && source.dotsPerMeterY() > 0) {
        info.density_unit = 1;
        info.X_density = UINT16(std::min(65535, qRound(source.dotsPerMeterX() * 0.0254)));
        info.Y_density = UINT16(std::min(65535, qRound(source.dotsPerMeterY() * 0.0254)));
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(source.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

enum class TDecoded { Failed, Rgb, Cmyk, AdobeCmyk };

// Fills *out with Format_RGB888 pixels, or with raw CMYK in a 4-byte format.
TDecoded Decompress(const QByteArray& bytes, QImage* out)
{
    jpeg_decompress_struct info;
    TJpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpOnError;
    error.manager.output_message = KeepQuiet;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return TDecoded::Failed;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK
        || quint64(info.image_width) * quint64(info.image_height) > MaxPixels) {
        jpeg_destroy_decompress(&info);
        return TDecoded::Failed;
    }
    TDecoded kind = TDecoded::Rgb;
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        info.out_color_space = JCS_CMYK;
        kind = info.saw_Adobe_marker ? TDecoded::AdobeCmyk : TDecoded::Cmyk;
    } else {
        info.out_color_space = JCS_RGB;
    }
    jpeg_start_decompress(&info);
    *out = QImage(int(info.output_width), int(info.output_height),
                  kind == TDecoded::Rgb ? QImage::Format_RGB888 : QImage::Format_RGBA8888);
    if (out->isNull()) {
        jpeg_destroy_decompress(&info);
        return TDecoded::Failed;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return kind;
}

QImage CmykToRgb(const QImage& cmyk, bool inverted)
{
    QImage rgb(cmyk.size(), QImage::Format_RGB32);
    if (rgb.isNull())
        return rgb;
    for (int y = 0; y < cmyk.height(); ++y) {
        const uchar* in = cmyk.constScanLine(y);
        QRgb* line = reinterpret_cast<QRgb*>(rgb.scanLine(y));
        for (int x = 0; x < cmyk.width(); ++x, in += 4) {
            int c = in[0], m = in[1], ye = in[2], k = in[3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                ye = 255 - ye;
                k = 255 - k;
            }
            line[x] = qRgb(c * k / 255, m * k / 255, ye * k / 255);
        }
    }
    return rgb;
}

} // namespace

QByteArray TJpegImage::Encode(const QImage& image, int quality)
{
    if (image.isNull())
        return QByteArray();
    QImage source;
    if (image.format() == QImage::Format_Grayscale8 || image.format() == QImage::Format_Grayscale16) {
        source = image.convertToFormat(QImage::Format_Grayscale8);
    } else if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        if (flat.isNull())
            return QByteArray();
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
        painter.end();
        source = flat.convertToFormat(QImage::Format_RGB888);
    } else {
        source = image.convertToFormat(QImage::Format_RGB888);
    }
    if (source.isNull())
        return QByteArray();
    source.setDotsPerMeterX(image.dotsPerMeterX());
    source.setDotsPerMeterY(image.dotsPerMeterY());

    QByteArray bytes;
    if (!Compress(source, std::clamp(quality, 1, 100), &bytes))
        return QByteArray();
    return bytes;
}

bool TJpegImage::Write(const QImage& image, const QString& fileName, int quality)
{
    const QByteArray bytes = Encode(image, quality);
    return !bytes.isEmpty() && TFileWriter::WriteAtomically(fileName, bytes);
}

QImage TJpegImage::Decode(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QImage();
    QImage decoded;
    switch (Decompress(bytes, &decoded)) {
    case TDecoded::Failed:
        return QImage();
    case TDecoded::Rgb:
        return decoded.convertToFormat(QImage::Format_RGB32);
    case TDecoded::Cmyk:
        return CmykToRgb(decoded, false);
    case TDecoded::AdobeCmyk:
        return CmykToRgb(decoded, true);
    }
    return QImage();
}

QImage TJpegImage::Read(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    return Decode(file.readAll());
}
