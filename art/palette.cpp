#include "palette.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <limits>
#include <tuple>
#include <vector>

namespace art {
namespace {

constexpr int paletteSize = 256;
// Full-strength error diffusion speckles the edges of outlines; a little
// less keeps gradients smooth without that.
constexpr float errorDiffusion = 0.8f;
// A bucket whose most common colour is at least this share of its pixels is
// represented by that colour exactly, so flat fills do not shimmer.
constexpr double dominantShare = 0.4;

using Rgb = std::array<int, 3>;

struct Swatch {
    Rgb rgb;
    qint64 count;
};

using Bucket = std::vector<Swatch>;

int channelRange(const Bucket &bucket, int channel)
{
    const auto [low, high] =
        std::minmax_element(bucket.begin(), bucket.end(),
                            [channel](const Swatch &a, const Swatch &b) { return a.rgb[channel] < b.rgb[channel]; });
    return high->rgb[channel] - low->rgb[channel];
}

int widestChannel(const Bucket &bucket)
{
    int best = 0;
    for (int channel = 1; channel < 3; ++channel) {
        if (channelRange(bucket, channel) > channelRange(bucket, best))
            best = channel;
    }
    return best;
}

QRgb representative(const Bucket &bucket)
{
    std::array<qint64, 3> sum{};
    qint64 total = 0;
    const Swatch *commonest = &bucket.front();
    for (const Swatch &swatch : bucket) {
        for (int channel = 0; channel < 3; ++channel)
            sum[channel] += swatch.rgb[channel] * swatch.count;
        total += swatch.count;
        if (swatch.count > commonest->count)
            commonest = &swatch;
    }
    if (commonest->count >= total * dominantShare)
        return qRgb(commonest->rgb[0], commonest->rgb[1], commonest->rgb[2]);
    return qRgb(int((sum[0] + total / 2) / total), int((sum[1] + total / 2) / total),
                int((sum[2] + total / 2) / total));
}

// Splits the bucket with the widest colour spread at its weighted median,
// until there are as many buckets as palette entries.
QList<QRgb> medianCut(Bucket all)
{
    std::vector<Bucket> buckets{std::move(all)};
    while (int(buckets.size()) < paletteSize) {
        auto widest = buckets.end();
        int widestRange = 0;
        for (auto it = buckets.begin(); it != buckets.end(); ++it) {
            if (it->size() < 2)
                continue;
            const int range = channelRange(*it, widestChannel(*it));
            if (range > widestRange) {
                widestRange = range;
                widest = it;
            }
        }
        if (widest == buckets.end())
            break;

        Bucket bucket = std::move(*widest);
        buckets.erase(widest);
        const int channel = widestChannel(bucket);
        // Ties are broken by the whole colour, so the split, and with it the
        // palette, is the same whatever order the colours were counted in.
        std::sort(bucket.begin(), bucket.end(), [channel](const Swatch &a, const Swatch &b) {
            return std::tie(a.rgb[channel], a.rgb) < std::tie(b.rgb[channel], b.rgb);
        });
        qint64 total = 0;
        for (const Swatch &swatch : bucket)
            total += swatch.count;
        qint64 running = 0;
        size_t split = 1;
        for (; split < bucket.size() - 1; ++split) {
            running += bucket[split - 1].count;
            if (running * 2 >= total)
                break;
        }
        buckets.emplace_back(bucket.begin(), bucket.begin() + qsizetype(split));
        buckets.emplace_back(bucket.begin() + qsizetype(split), bucket.end());
    }

    QList<QRgb> palette;
    for (const Bucket &bucket : buckets)
        palette << representative(bucket);
    std::sort(palette.begin(), palette.end());
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    return palette;
}

class NearestColour {
public:
    explicit NearestColour(const QList<QRgb> &palette) : m_palette(palette) {}

    int operator()(const Rgb &rgb)
    {
        const QRgb key = qRgb(rgb[0], rgb[1], rgb[2]);
        if (const auto found = m_cache.constFind(key); found != m_cache.cend())
            return *found;
        int best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (int i = 0; i < m_palette.size(); ++i) {
            const int dr = qRed(m_palette[i]) - rgb[0];
            const int dg = qGreen(m_palette[i]) - rgb[1];
            const int db = qBlue(m_palette[i]) - rgb[2];
            // Weighted roughly by how sensitive the eye is to each channel.
            const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        m_cache.insert(key, best);
        return best;
    }

private:
    QList<QRgb> m_palette;
    QHash<QRgb, int> m_cache;
};

// Floyd–Steinberg, alternating direction each row to avoid drifting patterns.
QImage diffuseOnto(const QImage &rgb, const QList<QRgb> &palette)
{
    const int width = rgb.width();
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    // The file holds each row's padding too: it must not be left to chance.
    indexed.fill(0);
    indexed.setColorTable(palette);
    NearestColour nearest(palette);

    using Error = std::array<float, 3>;
    std::vector<Error> thisRow(size_t(width) + 2), nextRow(size_t(width) + 2);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *source = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *target = indexed.scanLine(y);
        const bool forward = y % 2 == 0;
        const int step = forward ? 1 : -1;
        for (int i = 0; i < width; ++i) {
            const int x = forward ? i : width - 1 - i;
            const size_t slot = size_t(x) + 1;
            const QRgb pixel = source[x];
            const Error wanted = {qRed(pixel) + thisRow[slot][0], qGreen(pixel) + thisRow[slot][1],
                                  qBlue(pixel) + thisRow[slot][2]};
            Rgb clamped;
            for (int c = 0; c < 3; ++c)
                clamped[c] = std::clamp(int(wanted[c] + 0.5f), 0, 255);
            const int index = nearest(clamped);
            target[x] = uchar(index);

            const Rgb chosen = {qRed(palette[index]), qGreen(palette[index]), qBlue(palette[index])};
            for (int c = 0; c < 3; ++c) {
                const float error = (float(clamped[c]) - float(chosen[c])) * errorDiffusion;
                thisRow[slot + step][c] += error * 7 / 16;
                nextRow[slot - step][c] += error * 3 / 16;
                nextRow[slot][c] += error * 5 / 16;
                nextRow[slot + step][c] += error * 1 / 16;
            }
        }
        std::swap(thisRow, nextRow);
        std::fill(nextRow.begin(), nextRow.end(), Error{});
    }
    return indexed;
}

} // namespace

QImage toIndexed8(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qint64> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++histogram[line[x]];
    }

    if (histogram.size() <= paletteSize) {
        QList<QRgb> palette = histogram.keys();
        std::sort(palette.begin(), palette.end());
        const QImage converted = rgb.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
        // Copied row by row onto zeros: the file holds each row's padding too.
        QImage indexed(converted.size(), QImage::Format_Indexed8);
        indexed.fill(0);
        indexed.setColorTable(converted.colorTable());
        for (int y = 0; y < converted.height(); ++y)
            std::copy_n(converted.constScanLine(y), converted.width(), indexed.scanLine(y));
        return indexed;
    }

    Bucket swatches;
    swatches.reserve(size_t(histogram.size()));
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        swatches.push_back({{qRed(it.key()), qGreen(it.key()), qBlue(it.key())}, it.value()});
    // A hash gives its colours in a different order at every run.
    std::sort(swatches.begin(), swatches.end(), [](const Swatch &a, const Swatch &b) { return a.rgb < b.rgb; });
    return diffuseOnto(rgb, medianCut(std::move(swatches)));
}

} // namespace art
