#include "TGifWriter.h"

#include "TFileWriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// GIF has one-bit transparency; the usual rule of "at least half opaque is opaque".
constexpr int OpaqueFrom = 128;
constexpr int MaxDimension = 65535;

struct TRgb
{
    int r = 0, g = 0, b = 0;
};

quint32 Key(QRgb c) { return c & 0xFFFFFFu; }

// Median-cut quantiser. Colours are gathered into a histogram of 6 bits per
// channel that also keeps the exact sums, so that the palette entries are the
// true means of the colours they stand for. A box is split along its axis of
// greatest spread at the point that leaves the least squared error on both sides;
// the box with the largest error is split next. Every choice is made on counts
// and sums alone, with fixed tie-breaks, so the result depends on the picture only.
class TMedianCut
{
public:
    std::vector<TRgb> Palette(const QImage& argb, int maxColours)
    {
        Gather(argb);
        if (m_bins.empty())
            return {};
        std::vector<TBox> boxes;
        boxes.push_back(MakeBox(0, int(m_bins.size())));
        while (int(boxes.size()) < maxColours) {
            int worst = -1;
            for (int i = 0; i < int(boxes.size()); ++i) {
                if (boxes[size_t(i)].end - boxes[size_t(i)].begin < 2 || boxes[size_t(i)].error <= 0.0)
                    continue;
                if (worst < 0 || boxes[size_t(i)].error > boxes[size_t(worst)].error)
                    worst = i;
            }
            if (worst < 0)
                break;
            const TBox box = boxes[size_t(worst)];
            const int cut = Split(box);
            boxes[size_t(worst)] = MakeBox(box.begin, cut);
            boxes.push_back(MakeBox(cut, box.end));
        }
        std::vector<TRgb> palette;
        palette.reserve(boxes.size());
        for (const TBox& box : boxes) {
            std::array<double, 3> sum{};
            quint64 count = 0;
            for (int i = box.begin; i < box.end; ++i) {
                const TBin& bin = m_bins[size_t(i)];
                for (int a = 0; a < 3; ++a)
                    sum[size_t(a)] += double(bin.sum[size_t(a)]);
                count += bin.count;
            }
            auto channel = [&](int a) { return std::clamp(int(std::lround(sum[size_t(a)] / double(count))), 0, 255); };
            palette.push_back({channel(0), channel(1), channel(2)});
        }
        return palette;
    }

private:
    struct TBin
    {
        quint32 key = 0;
        quint64 count = 0;
        std::array<quint64, 3> sum{};
        std::array<double, 3> mean{};
    };
    struct TBox
    {
        int begin = 0, end = 0;
        double error = 0.0;
        int axis = 0;
    };

    void Gather(const QImage& argb)
    {
        constexpr int Bins = 1 << 18;
        std::vector<quint64> count(Bins, 0);
        std::vector<std::array<quint64, 3>> sum(Bins, {0, 0, 0});
        for (int y = 0; y < argb.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < argb.width(); ++x) {
                const QRgb c = line[x];
                if (qAlpha(c) < OpaqueFrom)
                    continue;
                const int r = qRed(c), g = qGreen(c), b = qBlue(c);
                const int index = ((r >> 2) << 12) | ((g >> 2) << 6) | (b >> 2);
                ++count[size_t(index)];
                sum[size_t(index)][0] += quint64(r);
                sum[size_t(index)][1] += quint64(g);
                sum[size_t(index)][2] += quint64(b);
            }
        }
        for (int i = 0; i < Bins; ++i) {
            if (count[size_t(i)] == 0)
                continue;
            TBin bin;
            bin.key = quint32(i);
            bin.count = count[size_t(i)];
            bin.sum = sum[size_t(i)];
            for (int a = 0; a < 3; ++a)
                bin.mean[size_t(a)] = double(bin.sum[size_t(a)]) / double(bin.count);
            m_bins.push_back(bin);
        }
    }

    TBox MakeBox(int begin, int end) const
    {
        TBox box{begin, end, 0.0, 0};
        double w = 0.0;
        std::array<double, 3> s{}, q{};
        for (int i = begin; i < end; ++i) {
            const TBin& bin = m_bins[size_t(i)];
            const double n = double(bin.count);
            w += n;
            for (int a = 0; a < 3; ++a) {
                s[size_t(a)] += n * bin.mean[size_t(a)];
                q[size_t(a)] += n * bin.mean[size_t(a)] * bin.mean[size_t(a)];
            }
        }
        double widest = -1.0;
        for (int a = 0; a < 3; ++a) {
            const double spread = q[size_t(a)] - s[size_t(a)] * s[size_t(a)] / w;
            box.error += spread;
            if (spread > widest) {
                widest = spread;
                box.axis = a;
            }
        }
        return box;
    }

    // Orders the box's bins along its widest axis and returns the first index of
    // the upper half.
    int Split(const TBox& box)
    {
        const size_t axis = size_t(box.axis);
        std::sort(m_bins.begin() + box.begin, m_bins.begin() + box.end, [axis](const TBin& l, const TBin& r) {
            if (l.mean[axis] != r.mean[axis])
                return l.mean[axis] < r.mean[axis];
            return l.key < r.key;
        });
        double totalW = 0.0;
        std::array<double, 3> totalS{}, totalQ{};
        for (int i = box.begin; i < box.end; ++i)
            Accumulate(m_bins[size_t(i)], totalW, totalS, totalQ);

        double w = 0.0;
        std::array<double, 3> s{}, q{};
        int best = box.begin + 1;
        double bestError = -1.0;
        for (int i = box.begin; i < box.end - 1; ++i) {
            Accumulate(m_bins[size_t(i)], w, s, q);
            double error = 0.0;
            for (size_t a = 0; a < 3; ++a) {
                const double rw = totalW - w, rs = totalS[a] - s[a], rq = totalQ[a] - q[a];
                error += (q[a] - s[a] * s[a] / w) + (rq - rs * rs / rw);
            }
            if (bestError < 0.0 || error < bestError) {
                bestError = error;
                best = i + 1;
            }
        }
        return best;
    }

    static void Accumulate(const TBin& bin, double& w, std::array<double, 3>& s, std::array<double, 3>& q)
    {
        const double n = double(bin.count);
        w += n;
        for (size_t a = 0; a < 3; ++a) {
            s[a] += n * bin.mean[a];
            q[a] += n * bin.mean[a] * bin.mean[a];
        }
    }

    std::vector<TBin> m_bins;
};

// Exact palette when the picture has few enough colours (icons, buttons, most
// drawn artwork); empty when it has more.
std::vector<TRgb> ExactPalette(const QImage& argb, int maxColours)
{
    std::vector<quint32> seen;
    bool first = true;
    quint32 previous = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) < OpaqueFrom)
                continue;
            const quint32 key = Key(line[x]);
            if (!first && key == previous)
                continue;
            first = false;
            previous = key;
            const auto at = std::lower_bound(seen.begin(), seen.end(), key);
            if (at != seen.end() && *at == key)
                continue;
            if (int(seen.size()) == maxColours)
                return {};
            seen.insert(at, key);
        }
    }
    std::vector<TRgb> palette;
    palette.reserve(seen.size());
    for (quint32 key : seen)
        palette.push_back({int((key >> 16) & 0xFF), int((key >> 8) & 0xFF), int(key & 0xFF)});
    return palette;
}

// Nearest palette entry by squared distance, searched outward from the entry
// closest in red so that most of the palette is never looked at. Ties go to the
// lower palette index.
class TNearest
{
public:
    explicit TNearest(const std::vector<TRgb>& palette) : m_palette(palette)
    {
        m_byRed.resize(palette.size());
        for (size_t i = 0; i < palette.size(); ++i)
            m_byRed[i] = int(i);
        std::sort(m_byRed.begin(), m_byRed.end(), [&](int l, int r) {
            if (palette[size_t(l)].r != palette[size_t(r)].r)
                return palette[size_t(l)].r < palette[size_t(r)].r;
            return l < r;
        });
        m_cache.fill({0xFFFFFFFFu, 0});
    }

    int Find(QRgb colour)
    {
        const quint32 key = Key(colour);
        TCacheEntry& slot = m_cache[size_t((key * 2654435761u) >> 18) & (m_cache.size() - 1)];
        if (slot.key == key)
            return slot.index;
        const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
        const auto start = std::lower_bound(m_byRed.begin(), m_byRed.end(), r,
                                            [&](int i, int red) { return m_palette[size_t(i)].r < red; });
        int best = -1;
        int bestDistance = 0;
        auto consider = [&](int i) {
            const TRgb& p = m_palette[size_t(i)];
            const int d = (p.r - r) * (p.r - r) + (p.g - g) * (p.g - g) + (p.b - b) * (p.b - b);
            if (best < 0 || d < bestDistance || (d == bestDistance && i < best)) {
                best = i;
                bestDistance = d;
            }
        };
        for (auto it = start; it != m_byRed.end(); ++it) {
            const int dr = m_palette[size_t(*it)].r - r;
            if (best >= 0 && dr * dr > bestDistance)
                break;
            consider(*it);
        }
        for (auto it = start; it != m_byRed.begin();) {
            --it;
            const int dr = m_palette[size_t(*it)].r - r;
            if (best >= 0 && dr * dr > bestDistance)
                break;
            consider(*it);
        }
        slot = {key, best};
        return best;
    }

private:
    struct TCacheEntry
    {
        quint32 key;
        int index;
    };
    const std::vector<TRgb>& m_palette;
    std::vector<int> m_byRed;
    std::array<TCacheEntry, 1 << 14> m_cache;
};

int AppendBytes(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

} // namespace

QByteArray TGifWriter::Encode(const QImage& image)
{
    if (image.isNull() || image.width() > MaxDimension || image.height() > MaxDimension)
        return QByteArray();
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int width = argb.width();
    const int height = argb.height();

    bool transparent = false;
    for (int y = 0; y < height && !transparent; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) < OpaqueFrom) {
                transparent = true;
                break;
            }
        }
    }
    const int maxColours = transparent ? 255 : 256;
    std::vector<TRgb> palette = ExactPalette(argb, maxColours);
    if (palette.empty())
        palette = TMedianCut().Palette(argb, maxColours);
    const int transparentIndex = transparent ? int(palette.size()) : NO_TRANSPARENT_COLOR;

    const int used = int(palette.size()) + (transparent ? 1 : 0);
    const int bits = std::max(1, GifBitSize(used));
    std::vector<GifColorType> colours(size_t(1) << bits, GifColorType{0, 0, 0});
    for (size_t i = 0; i < palette.size(); ++i)
        colours[i] = {GifByteType(palette[i].r), GifByteType(palette[i].g), GifByteType(palette[i].b)};
    ColorMapObject* map = GifMakeMapObject(int(colours.size()), colours.data());
    if (!map)
        return QByteArray();

    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, AppendBytes, &error);
    if (!gif) {
        GifFreeMapObject(map);
        return QByteArray();
    }
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, width, height, bits, transparent ? transparentIndex : 0, map) == GIF_OK;
    GifFreeMapObject(map);
    if (ok && transparent) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, transparentIndex};
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_OK;
    }
    if (ok)
        ok = EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    if (ok) {
        TNearest nearest(palette);
        std::vector<GifPixelType> row(static_cast<size_t>(width));
        for (int y = 0; y < height && ok; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < width; ++x)
                row[size_t(x)] = GifPixelType(qAlpha(line[x]) < OpaqueFrom ? transparentIndex : nearest.Find(line[x]));
            ok = EGifPutLine(gif, row.data(), width) == GIF_OK;
        }
    }
    if (EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    return ok ? bytes : QByteArray();
}

bool TGifWriter::Write(const QImage& image, const QString& fileName)
{
    const QByteArray bytes = Encode(image);
    return !bytes.isEmpty() && TFileWriter::WriteAtomically(fileName, bytes);
}
