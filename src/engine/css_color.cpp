#include "engine/css_color.h"

#include "engine/css_named_color.h"
#include "engine/gamut_map.h"
#include "engine/perceptual.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace tessaro {

namespace {

// ---------------------------------------------------------------- writing

// The value with `decimals` decimals, trailing zeros and point dropped,
// never "-0".
std::string Number(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    if (result.find('.') != std::string::npos) {
        while (result.back() == '0') result.pop_back();
        if (result.back() == '.') result.pop_back();
    }
    if (result == "-0") result = "0";
    return result;
}

// A hue written with `decimals` decimals: 0 when the colour has no chroma
// at the written precision, and never 360.
std::string Hue(double hue, bool achromatic, int decimals)
{
    if (achromatic) return "0";
    std::string text = Number(hue, decimals);
    return text == "360" ? "0" : text;
}

std::string Join(const char* function, const std::string& a, const std::string& b, const std::string& c)
{
    return std::string(function) + "(" + a + " " + b + " " + c + ")";
}

} // namespace

const char* CssNotationName(CssNotation notation)
{
    switch (notation) {
    case CssNotation::Rgb: return "rgb";
    case CssNotation::Hsl: return "hsl";
    case CssNotation::OkLch: return "oklch";
    case CssNotation::OkLab: return "oklab";
    case CssNotation::Lab: return "lab";
    case CssNotation::Lch: return "lch";
    case CssNotation::DisplayP3: return "display-p3";
    }
    return "";
}

std::string CssColorText(CssNotation notation, TColor color)
{
    switch (notation) {
    case CssNotation::Rgb:
        return Join("rgb", std::to_string(RedOf(color)), std::to_string(GreenOf(color)),
                    std::to_string(BlueOf(color)));
    case CssNotation::Hsl: {
        const UnitHsl hsl = RgbToUnitHsl(ToRgb(color));
        const std::string saturation = Number(hsl.saturation * 100, 1);
        return Join("hsl", Hue(hsl.hue * 360, saturation == "0", 1), saturation + "%",
                    Number(hsl.lightness * 100, 1) + "%");
    }
    case CssNotation::OkLch: {
        const OkLch lch = ColorToOkLch(color);
        const std::string chroma = Number(lch.c, 5);
        return Join("oklch", Number(lch.l * 100, 3) + "%", chroma, Hue(lch.h, chroma == "0", 3));
    }
    case CssNotation::OkLab: {
        const OkLab lab = ColorToOkLab(color);
        return Join("oklab", Number(lab.l * 100, 3) + "%", Number(lab.a, 5), Number(lab.b, 5));
    }
    case CssNotation::Lab: {
        const CieLab lab = ColorToLab(color);
        return Join("lab", Number(lab.l, 2), Number(lab.a, 2), Number(lab.b, 2));
    }
    case CssNotation::Lch: {
        const CieLch lch = ColorToLch(color);
        const std::string chroma = Number(lch.c, 2);
        return Join("lch", Number(lch.l, 2), chroma, Hue(lch.h, chroma == "0", 2));
    }
    case CssNotation::DisplayP3: {
        const Rgb01 p3 = ColorToDisplayP3(color);
        return "color(display-p3 " + Number(p3.r, 4) + " " + Number(p3.g, 4) + " " + Number(p3.b, 4) + ")";
    }
    }
    return {};
}

// ---------------------------------------------------------------- reading

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsNameChar(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '-' || c == '_' || u >= 0x80;
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The digits after "#": 3, 4, 6 or 8 hex digits, alpha dropped.
std::optional<TColor> ParseHex(std::string_view digits)
{
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return HexValue(c) >= 0; }))
        return std::nullopt;
    if (digits.size() == 3 || digits.size() == 4) {
        const auto channel = [&](int i) { return std::uint8_t(HexValue(digits[std::size_t(i)]) * 17); };
        return MakeColor(channel(0), channel(1), channel(2));
    }
    if (digits.size() == 6 || digits.size() == 8) {
        const auto channel = [&](int i) {
            return std::uint8_t(HexValue(digits[std::size_t(i)]) * 16 + HexValue(digits[std::size_t(i) + 1]));
        };
        return MakeColor(channel(0), channel(2), channel(4));
    }
    return std::nullopt;
}

// One component of a colour function.
struct Component {
    enum class Kind { Number, Percentage, Angle, None } kind = Kind::None;
    double value = 0;  // angles in degrees
};

// A function's arguments: three components, the alpha read and dropped.
struct Arguments {
    std::string space;  // color()'s first word
    std::vector<Component> components;
    bool legacy = false;  // separated by commas
};

// Reads one number with an optional unit: "12", "-4.5e1", "50%", "90deg".
std::optional<Component> ReadComponent(std::string_view token)
{
    if (Lower(token) == "none") return Component{};
    double value = 0;
    const char* begin = token.data();
    const char* end = token.data() + token.size();
    if (begin != end && *begin == '+') ++begin;
    const auto [next, error] = std::from_chars(begin, end, value, std::chars_format::general);
    if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
    const std::string unit = Lower(std::string_view(next, std::size_t(end - next)));
    if (unit.empty()) return Component{Component::Kind::Number, value};
    if (unit == "%") return Component{Component::Kind::Percentage, value};
    if (unit == "deg") return Component{Component::Kind::Angle, value};
    if (unit == "grad") return Component{Component::Kind::Angle, value * 0.9};
    if (unit == "rad") return Component{Component::Kind::Angle, value * 180 / std::numbers::pi};
    if (unit == "turn") return Component{Component::Kind::Angle, value * 360};
    return std::nullopt;
}

// Splits the text between the parentheses into components: either
// space-separated with an optional "/ alpha", or comma-separated (three
// or four values, no "none").
std::optional<Arguments> ReadArguments(std::string_view text, bool withSpace)
{
    Arguments arguments;
    std::vector<std::string_view> tokens;
    std::vector<char> separators;  // ',' '/' or ' ' before each token
    char pending = ' ';
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (IsBlank(c)) { ++i; continue; }
        if (c == ',' || c == '/') {
            if (pending != ' ') return std::nullopt;
            if (tokens.empty()) return std::nullopt;
            pending = c;
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i]) && text[i] != ',' && text[i] != '/') ++i;
        tokens.push_back(text.substr(start, i - start));
        separators.push_back(pending);
        pending = ' ';
    }
    if (pending != ' ' || tokens.empty()) return std::nullopt;
    if (withSpace) {
        if (separators[0] != ' ') return std::nullopt;
        arguments.space = Lower(tokens[0]);
        tokens.erase(tokens.begin());
        separators.erase(separators.begin());
        if (tokens.empty()) return std::nullopt;
        separators[0] = ' ';
    }
    arguments.legacy = std::find(separators.begin(), separators.end(), ',') != separators.end();
    if (arguments.legacy) {
        if (withSpace || tokens.size() < 3 || tokens.size() > 4) return std::nullopt;
        for (std::size_t k = 1; k < separators.size(); ++k)
            if (separators[k] != ',') return std::nullopt;
    } else {
        // c1 c2 c3 [/ alpha]
        if (tokens.size() == 4) {
            if (separators[3] != '/') return std::nullopt;
        } else if (tokens.size() != 3) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k < 3; ++k)
            if (separators[k] != ' ') return std::nullopt;
    }
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const std::optional<Component> component = ReadComponent(tokens[k]);
        if (!component) return std::nullopt;
        if (arguments.legacy && component->kind == Component::Kind::None) return std::nullopt;
        if (k == 3) {
            if (component->kind == Component::Kind::Angle) return std::nullopt;
            continue;  // alpha: read, not kept
        }
        arguments.components.push_back(*component);
    }
    return arguments;
}

using Kind = Component::Kind;

// A component that is a number or a percentage of `full` (none is 0).
std::optional<double> Scalar(const Component& component, double full)
{
    switch (component.kind) {
    case Kind::Number: return component.value;
    case Kind::Percentage: return component.value / 100 * full;
    case Kind::None: return 0.0;
    case Kind::Angle: return std::nullopt;
    }
    return std::nullopt;
}

std::optional<double> HueOf(const Component& component)
{
    switch (component.kind) {
    case Kind::Number:
    case Kind::Angle: {
        const double hue = std::fmod(component.value, 360);
        return hue < 0 ? hue + 360 : hue;
    }
    case Kind::None: return 0.0;
    case Kind::Percentage: return std::nullopt;
    }
    return std::nullopt;
}

// Channels held to 0..1 and rounded, as rgb(), hsl() and hwb() do.
TColor ClampedSrgb(double r, double g, double b) { return Rgb01ToColor({r, g, b}); }

std::optional<TColor> ParseRgb(const Arguments& arguments)
{
    const auto& c = arguments.components;
    if (arguments.legacy) {
        const Kind kind = c[0].kind;
        if (c[1].kind != kind || c[2].kind != kind) return std::nullopt;
    }
    double channels[3];
    for (int i = 0; i < 3; ++i) {
        const std::optional<double> value = Scalar(c[std::size_t(i)], 255);
        if (!value) return std::nullopt;
        channels[i] = *value / 255;
    }
    return ClampedSrgb(channels[0], channels[1], channels[2]);
}

// CSS Color 4's hsl-to-rgb, saturation and lightness 0..1.
Rgb01 HslToRgb01(double hue, double saturation, double lightness)
{
    const auto f = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12);
        const double a = saturation * std::min(lightness, 1 - lightness);
        return lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {f(0), f(8), f(4)};
}

std::optional<TColor> ParseHsl(const Arguments& arguments)
{
    const auto& c = arguments.components;
    if (arguments.legacy && (c[1].kind != Kind::Percentage || c[2].kind != Kind::Percentage))
        return std::nullopt;
    const std::optional<double> hue = HueOf(c[0]);
    const std::optional<double> saturation = Scalar(c[1], 100);
    const std::optional<double> lightness = Scalar(c[2], 100);
    if (!hue || !saturation || !lightness) return std::nullopt;
    const Rgb01 rgb = HslToRgb01(*hue, std::clamp(*saturation / 100, 0.0, 1.0), std::clamp(*lightness / 100, 0.0, 1.0));
    return ClampedSrgb(rgb.r, rgb.g, rgb.b);
}

std::optional<TColor> ParseHwb(const Arguments& arguments)
{
    const auto& c = arguments.components;
    const std::optional<double> hue = HueOf(c[0]);
    const std::optional<double> white = Scalar(c[1], 100);
    const std::optional<double> black = Scalar(c[2], 100);
    if (!hue || !white || !black) return std::nullopt;
    double w = std::clamp(*white / 100, 0.0, 1.0);
    double b = std::clamp(*black / 100, 0.0, 1.0);
    if (w + b >= 1) {
        const double grey = w / (w + b);
        return ClampedSrgb(grey, grey, grey);
    }
    const Rgb01 pure = HslToRgb01(*hue, 1, 0.5);
    const auto mix = [&](double channel) { return channel * (1 - w - b) + w; };
    return ClampedSrgb(mix(pure.r), mix(pure.g), mix(pure.b));
}

std::optional<TColor> ParseLabLike(const Arguments& arguments, bool ok, bool polar)
{
    const auto& c = arguments.components;
    const double lightnessFull = ok ? 1 : 100;
    const double chromaFull = ok ? 0.4 : (polar ? 150 : 125);  // the 100% of a, b or C
    const std::optional<double> lightness = Scalar(c[0], lightnessFull);
    const std::optional<double> second = Scalar(c[1], chromaFull);
    if (!lightness || !second) return std::nullopt;
    const double l = std::clamp(*lightness, 0.0, lightnessFull);
    double a = 0, b = 0;
    if (polar) {
        const std::optional<double> hue = HueOf(c[2]);
        if (!hue) return std::nullopt;
        const double chroma = std::max(*second, 0.0);
        a = chroma * std::cos(*hue * std::numbers::pi / 180);
        b = chroma * std::sin(*hue * std::numbers::pi / 180);
    } else {
        const std::optional<double> third = Scalar(c[2], chromaFull);
        if (!third) return std::nullopt;
        a = *second;
        b = *third;
    }
    if (ok) return GamutMapToColor(OkLab{l, a, b});
    return GamutMapXyzToColor(D50ToD65(LabToXyzD50({l, a, b})));
}

std::optional<TColor> ParseColorFunction(const Arguments& arguments)
{
    double values[3];
    for (int i = 0; i < 3; ++i) {
        const std::optional<double> value = Scalar(arguments.components[std::size_t(i)], 1);
        if (!value) return std::nullopt;
        values[i] = *value;
    }
    const std::string& space = arguments.space;
    if (space == "xyz" || space == "xyz-d65")
        return GamutMapXyzToColor({values[0], values[1], values[2]});
    if (space == "xyz-d50")
        return GamutMapXyzToColor(D50ToD65({values[0], values[1], values[2]}));
    struct Named {
        const char* name;
        RgbSpace space;
    };
    static constexpr Named kSpaces[] = {
        {"srgb", RgbSpace::Srgb},       {"srgb-linear", RgbSpace::SrgbLinear},
        {"display-p3", RgbSpace::DisplayP3}, {"a98-rgb", RgbSpace::A98Rgb},
        {"prophoto-rgb", RgbSpace::ProPhotoRgb}, {"rec2020", RgbSpace::Rec2020},
    };
    for (const Named& named : kSpaces) {
        if (space != named.name) continue;
        const Rgb01 rgb{values[0], values[1], values[2]};
        const Xyz xyz = RgbToXyz(named.space, rgb);
        return GamutMapXyzToColor(IsD50Space(named.space) ? D50ToD65(xyz) : xyz);
    }
    return std::nullopt;
}

std::optional<TColor> ParseFunction(std::string_view name, std::string_view inside)
{
    const std::string function = Lower(name);
    const bool isColor = function == "color";
    const std::optional<Arguments> arguments = ReadArguments(inside, isColor);
    if (!arguments || arguments->components.size() != 3) return std::nullopt;
    const bool legacyAllowed = function == "rgb" || function == "rgba" || function == "hsl" || function == "hsla";
    if (arguments->legacy && !legacyAllowed) return std::nullopt;
    if (function == "rgb" || function == "rgba") return ParseRgb(*arguments);
    if (function == "hsl" || function == "hsla") return ParseHsl(*arguments);
    if (function == "hwb") return ParseHwb(*arguments);
    if (function == "lab") return ParseLabLike(*arguments, false, false);
    if (function == "lch") return ParseLabLike(*arguments, false, true);
    if (function == "oklab") return ParseLabLike(*arguments, true, false);
    if (function == "oklch") return ParseLabLike(*arguments, true, true);
    if (isColor) return ParseColorFunction(*arguments);
    return std::nullopt;
}

bool IsColorFunctionName(std::string_view name)
{
    static constexpr const char* kNames[] = {"rgb", "rgba", "hsl", "hsla", "hwb", "lab", "lch", "oklab", "oklch", "color"};
    const std::string lower = Lower(name);
    return std::any_of(std::begin(kNames), std::end(kNames), [&](const char* n) { return lower == n; });
}

} // namespace

std::optional<TColor> ParseCssColor(std::string_view text)
{
    text = Trim(text);
    if (text.empty()) return std::nullopt;
    if (text.front() == '#') return ParseHex(text.substr(1));
    std::size_t nameEnd = 0;
    while (nameEnd < text.size() && IsNameChar(text[nameEnd])) ++nameEnd;
    const std::string_view name = text.substr(0, nameEnd);
    if (nameEnd == text.size()) return CssNamedColorValue(name);
    if (text[nameEnd] != '(' || text.back() != ')' || !IsColorFunctionName(name)) return std::nullopt;
    return ParseFunction(name, text.substr(nameEnd + 1, text.size() - nameEnd - 2));
}

namespace {
// No colour function's text needs more than this between its parentheses.
constexpr std::size_t kLongestArguments = 256;
} // namespace

std::vector<CssColorFind> FindCssColors(std::string_view text)
{
    std::vector<CssColorFind> finds;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        const bool wordStart = i == 0 || !IsNameChar(text[i - 1]);
        if (c == '#') {
            std::size_t end = i + 1;
            while (end < text.size() && IsNameChar(text[end])) ++end;
            if (const std::optional<TColor> color = ParseHex(text.substr(i + 1, end - i - 1)))
                finds.push_back({i, end - i, *color});
            i = std::max(end, i + 1);
            continue;
        }
        if (!IsNameChar(c) || !wordStart) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && IsNameChar(text[end])) ++end;
        const std::string_view word = text.substr(i, end - i);
        if (end < text.size() && text[end] == '(') {
            if (IsColorFunctionName(word)) {
                const std::size_t limit = std::min(text.size(), end + 1 + kLongestArguments + 1);
                const std::size_t close = text.substr(0, limit).find(')', end + 1);
                if (close != std::string_view::npos) {
                    if (const std::optional<TColor> color = ParseFunction(word, text.substr(end + 1, close - end - 1))) {
                        finds.push_back({i, close + 1 - i, *color});
                        i = close + 1;
                        continue;
                    }
                }
            }
        } else if (const std::optional<TColor> color = CssNamedColorValue(word)) {
            finds.push_back({i, end - i, *color});
        }
        i = end;
    }
    return finds;
}

} // namespace tessaro
