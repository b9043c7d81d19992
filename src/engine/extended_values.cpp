#include "engine/extended_values.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tessaro {

namespace {

double LinearChannel(std::uint8_t channel)
{
    double v = channel / 255.0;
    if (v > 0.04045)
        v = std::pow((v + 0.055) / 1.055, 2.4);
    else
        v = v / 12.92;
    return v * 100;
}

double LabF(double value)
{
    return value > 0.008856 ? std::cbrt(value) : 7.787 * value + 16.0 / 116.0;
}

} // namespace

ExtendedValues ComputeExtendedValues(RgbTriple rgb)
{
    ExtendedValues v;
    const double r = LinearChannel(rgb.red);
    const double g = LinearChannel(rgb.green);
    const double b = LinearChannel(rgb.blue);
    v.x = r * 0.4124 + g * 0.3576 + b * 0.1805;
    v.y = r * 0.2126 + g * 0.7152 + b * 0.0722;
    v.z = r * 0.0193 + g * 0.1192 + b * 0.9505;

    const double fx = LabF(v.x / 95.047);
    const double fy = LabF(v.y / 100.0);
    const double fz = LabF(v.z / 108.883);
    v.labL = 116 * fy - 16;
    v.labA = 500 * (fx - fy);
    v.labB = 200 * (fy - fz);

    const double sqrtY = std::sqrt(v.y);
    v.hunterL = 10 * sqrtY;
    // Black has Y = 0, where a and b would be 0/0; they are shown as 0.
    if (v.y > 0) {
        v.hunterA = 17.5 * (1.02 * v.x - v.y) / sqrtY;
        v.hunterB = 7 * (v.y - 0.847 * v.z) / sqrtY;
    }

    v.cmyC = 1 - rgb.red / 255.0;
    v.cmyM = 1 - rgb.green / 255.0;
    v.cmyY = 1 - rgb.blue / 255.0;

    double k = 1;
    for (double c : {v.cmyC, v.cmyM, v.cmyY})
        if (c < k)
            k = c;
    v.cmykK = k;
    if (k != 1) {
        v.cmykC = (v.cmyC - k) / (1 - k);
        v.cmykM = (v.cmyM - k) / (1 - k);
        v.cmykY = (v.cmyY - k) / (1 - k);
    }
    return v;
}

std::string FormatGeneral4(double value, std::string_view decimalSeparator)
{
    constexpr int kDigits = 4;
    if (value == 0 || !std::isfinite(value))
        return value == 0 || std::isnan(value) ? "0" : (value > 0 ? "INF" : "-INF");

    // The value's leading 15 significant digits, then rounded by hand to 4
    // with halves away from zero.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    std::string digits;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits += *p;
    int exponent = std::atoi(p + 1);

    std::string kept = digits.substr(0, kDigits);
    if (digits[kDigits] >= '5') {
        int i = kDigits - 1;
        while (i >= 0 && kept[i] == '9')
            kept[i--] = '0';
        if (i >= 0) {
            ++kept[i];
        } else {
            kept.insert(kept.begin(), '1');
            kept.pop_back();
            ++exponent;
        }
    }
    while (kept.size() > 1 && kept.back() == '0')
        kept.pop_back();

    std::string text = value < 0 ? "-" : "";
    const bool fixed = exponent < kDigits && exponent >= -5;
    if (fixed) {
        if (exponent < 0) {
            text += "0";
            text += decimalSeparator;
            text += std::string(std::size_t(-exponent - 1), '0');
            text += kept;
        } else {
            const std::size_t whole = std::size_t(exponent) + 1;
            if (kept.size() <= whole) {
                text += kept + std::string(whole - kept.size(), '0');
            } else {
                text += kept.substr(0, whole);
                text += decimalSeparator;
                text += kept.substr(whole);
            }
        }
        return text;
    }
    text += kept.substr(0, 1);
    if (kept.size() > 1) {
        text += decimalSeparator;
        text += kept.substr(1);
    }
    text += "E";
    text += exponent < 0 ? "-" : "+";
    text += std::to_string(std::abs(exponent));
    return text;
}

std::array<std::string, 5> ExtendedValueLines(const ExtendedValues& v, std::string_view sep)
{
    const auto f = [sep](double value) { return FormatGeneral4(value, sep); };
    return {
        "XYZ: X: " + f(v.x) + " Y: " + f(v.y) + " Z: " + f(v.z),
        "CIE Lab: L: " + f(v.labL) + " a: " + f(v.labA) + " b: " + f(v.labB),
        "H.Lab: L: " + f(v.hunterL) + " a: " + f(v.hunterA) + " b: " + f(v.hunterB),
        "CMY: C: " + f(v.cmyC) + " M: " + f(v.cmyM) + " Y: " + f(v.cmyY),
        "CMYK : C: " + f(v.cmykC) + " M: " + f(v.cmykM) + " Y: " + f(v.cmykY) + " K: " + f(v.cmykK),
    };
}

} // namespace tessaro
