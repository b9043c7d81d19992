#include "tools/picture_colors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace tessaro::tools {

namespace {

using Lab = std::array<double, 3>;

double Linear(std::uint8_t channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// sRGB to OKLab.
Lab ToOkLab(TColor color)
{
    const RgbTriple rgb = ToRgb(color);
    const double r = Linear(rgb.red), g = Linear(rgb.green), b = Linear(rgb.blue);
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

struct Bin {
    TColor color;
    Lab lab;
    std::size_t count;
};

struct Box {
    std::size_t begin;  // a range of the bins
    std::size_t end;
    std::size_t pixels = 0;
    int axis = 0;       // the longest side
    double side = 0;

    double spread() const { return double(pixels) * side; }
};

void Measure(Box& box, const std::vector<Bin>& bins)
{
    Lab low{1e9, 1e9, 1e9}, high{-1e9, -1e9, -1e9};
    box.pixels = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        box.pixels += bins[i].count;
        for (int k = 0; k < 3; ++k) {
            low[std::size_t(k)] = std::min(low[std::size_t(k)], bins[i].lab[std::size_t(k)]);
            high[std::size_t(k)] = std::max(high[std::size_t(k)], bins[i].lab[std::size_t(k)]);
        }
    }
    box.side = 0;
    for (int k = 0; k < 3; ++k)
        if (high[std::size_t(k)] - low[std::size_t(k)] > box.side) {
            box.side = high[std::size_t(k)] - low[std::size_t(k)];
            box.axis = k;
        }
}

// Splits at the weighted median of the box's longest side, moved to the
// nearest place where the value changes. False when all values are equal.
bool Split(const Box& box, std::vector<Bin>& bins, Box& first, Box& second)
{
    const auto axis = std::size_t(box.axis);
    std::sort(bins.begin() + std::ptrdiff_t(box.begin), bins.begin() + std::ptrdiff_t(box.end),
              [axis](const Bin& a, const Bin& b) {
                  return a.lab[axis] != b.lab[axis] ? a.lab[axis] < b.lab[axis] : a.color < b.color;
              });
    std::size_t seen = 0, median = box.begin;
    while (median < box.end && 2 * (seen + bins[median].count) <= box.pixels)
        seen += bins[median++].count;
    // The candidates: the value change at or after the median, and before it.
    std::size_t after = std::max(median, box.begin + 1);
    while (after < box.end && bins[after].lab[axis] == bins[after - 1].lab[axis])
        ++after;
    std::size_t before = std::min(median, box.end - 1);
    while (before > box.begin && bins[before].lab[axis] == bins[before - 1].lab[axis])
        --before;
    std::size_t cut = after < box.end ? after : before;
    if (before > box.begin && after < box.end && median - before < after - median)
        cut = before;
    if (cut <= box.begin || cut >= box.end)
        return false;
    first = {box.begin, cut};
    second = {cut, box.end};
    Measure(first, bins);
    Measure(second, bins);
    return true;
}

TColor Representative(const Box& box, const std::vector<Bin>& bins)
{
    Lab mean{0, 0, 0};
    for (std::size_t i = box.begin; i < box.end; ++i)
        for (std::size_t k = 0; k < 3; ++k)
            mean[k] += bins[i].lab[k] * double(bins[i].count);
    for (double& v : mean)
        v /= double(box.pixels);
    TColor best = bins[box.begin].color;
    double bestDistance = 1e18;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        double d = 0;
        for (std::size_t k = 0; k < 3; ++k)
            d += (bins[i].lab[k] - mean[k]) * (bins[i].lab[k] - mean[k]);
        if (d < bestDistance || (d == bestDistance && bins[i].color < best)) {
            bestDistance = d;
            best = bins[i].color;
        }
    }
    return best;
}

} // namespace

std::vector<TColor> RepresentativeColors(std::span<const TColor> pixels, int count)
{
    if (pixels.empty() || count < 1)
        return {};
    std::unordered_map<TColor, std::size_t> counts;
    for (TColor pixel : pixels)
        ++counts[pixel & 0xFFFFFF];
    std::vector<Bin> bins;
    bins.reserve(counts.size());
    for (const auto& [color, n] : counts)
        bins.push_back({color, ToOkLab(color), n});
    // The map's order is not fixed: the bins are.
    std::sort(bins.begin(), bins.end(), [](const Bin& a, const Bin& b) { return a.color < b.color; });

    std::vector<Box> boxes{{0, bins.size()}};
    Measure(boxes[0], bins);
    while (int(boxes.size()) < count) {
        std::size_t widest = boxes.size();
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].side > 0 && (widest == boxes.size() || boxes[i].spread() > boxes[widest].spread()))
                widest = i;
        if (widest == boxes.size())
            break;
        Box first{0, 0}, second{0, 0};
        if (!Split(boxes[widest], bins, first, second))
            break;
        boxes[widest] = first;
        boxes.push_back(second);
    }

    std::vector<std::pair<std::size_t, TColor>> ranked;
    for (const Box& box : boxes)
        ranked.emplace_back(box.pixels, Representative(box, bins));
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    std::vector<TColor> colors;
    for (const auto& [pixels, color] : ranked)
        colors.push_back(color);
    return colors;
}

} // namespace tessaro::tools
