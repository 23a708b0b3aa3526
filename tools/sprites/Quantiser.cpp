#include "Quantiser.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <map>

namespace fw::sprites {
namespace {

struct Entry
{
    std::array<int, 3> rgb;
    int count;
};

using Box = std::vector<Entry>;

int channelRange(const Box &box, int channel)
{
    auto [lo, hi] =
        std::minmax_element(box.begin(), box.end(), [&](const Entry &a, const Entry &b) {
            return a.rgb[channel] < b.rgb[channel];
        });
    return hi->rgb[channel] - lo->rgb[channel];
}

int widestChannel(const Box &box)
{
    int best = 0;
    for (int c = 1; c < 3; ++c)
        if (channelRange(box, c) > channelRange(box, best))
            best = c;
    return best;
}

long boxPriority(const Box &box)
{
    if (box.size() < 2)
        return -1;
    long pixels = 0;
    for (const Entry &e : box)
        pixels += e.count;
    return pixels * channelRange(box, widestChannel(box));
}

// Splits at the weighted median of the widest channel.
std::pair<Box, Box> split(Box box)
{
    const int c = widestChannel(box);
    std::sort(box.begin(), box.end(),
              [c](const Entry &a, const Entry &b) { return a.rgb[c] < b.rgb[c]; });
    long total = 0;
    for (const Entry &e : box)
        total += e.count;
    long running = 0;
    size_t cut = 1;
    for (; cut < box.size() - 1; ++cut) {
        running += box[cut - 1].count;
        if (2 * running >= total)
            break;
    }
    return {Box(box.begin(), box.begin() + long(cut)), Box(box.begin() + long(cut), box.end())};
}

QRgb average(const Box &box)
{
    std::array<double, 3> sum{};
    double n = 0;
    for (const Entry &e : box) {
        for (int c = 0; c < 3; ++c)
            sum[c] += double(e.rgb[c]) * e.count;
        n += e.count;
    }
    int r = int(sum[0] / n + 0.5), g = int(sum[1] / n + 0.5), b = int(sum[2] / n + 0.5);
    if (r == 0 && g == 0 && b == 0)
        r = g = b = 1;
    return qRgb(r, g, b);
}

} // namespace

std::vector<QRgb> medianCutPalette(const std::vector<QRgb> &pixels, int maxColours)
{
    std::map<QRgb, int> counts;
    for (QRgb p : pixels)
        ++counts[p & 0xffffff];
    Box all;
    for (auto [rgb, n] : counts)
        all.push_back({{qRed(rgb), qGreen(rgb), qBlue(rgb)}, n});
    if (all.empty())
        return {};

    std::vector<Box> boxes{all};
    while (int(boxes.size()) < maxColours) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box &a, const Box &b) {
            return boxPriority(a) < boxPriority(b);
        });
        if (boxPriority(*widest) <= 0)
            break;
        auto [low, high] = split(*widest);
        *widest = std::move(low);
        boxes.push_back(std::move(high));
    }
    std::vector<QRgb> palette;
    for (const Box &box : boxes)
        palette.push_back(average(box));
    return palette;
}

int nearestIndex(const std::vector<QRgb> &palette, QRgb colour)
{
    int best = 0;
    long bestDistance = -1;
    for (size_t i = 0; i < palette.size(); ++i) {
        const long dr = qRed(palette[i]) - qRed(colour), dg = qGreen(palette[i]) - qGreen(colour),
                   db = qBlue(palette[i]) - qBlue(colour);
        const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = int(i);
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace fw::sprites
