#include "engine/named_color.h"

#include "engine/conversion_error.h"
#include "engine/hex_digits.h"
#include "engine/keyvalue_text.h"

#include <cstdio>

namespace tessaro {

const ColorIdentifier kColorIdentifiers[49] = {
    {"clBlack", 0x0},
    {"clMaroon", 0x80},
    {"clGreen", 0x8000},
    {"clOlive", 0x8080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0xFF},
    {"clLime", 0xFF00},
    {"clYellow", 0xFFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", 0x8000000A},
    {"clActiveCaption", 0x80000002},
    {"clAppWorkSpace", 0x8000000C},
    {"clBackground", 0x80000001},
    {"clBtnFace", 0x8000000F},
    {"clBtnHighlight", 0x80000014},
    {"clBtnShadow", 0x80000010},
    {"clBtnText", 0x80000012},
    {"clCaptionText", 0x80000009},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0x8000001B},
    {"clGradientInactiveCaption", 0x8000001C},
    {"clGrayText", 0x80000011},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clInactiveBorder", 0x8000000B},
    {"clInactiveCaption", 0x80000003},
    {"clInactiveCaptionText", 0x80000013},
    {"clInfoBk", 0x80000018},
    {"clInfoText", 0x80000017},
    {"clMenu", 0x80000004},
    {"clMenuText", 0x80000007},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0x80000000},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clWindowText", 0x80000008},
};

std::int32_t ReadInteger(std::string_view text)
{
    const auto fail = [&]() -> std::int32_t { throw ConversionError(std::string(text)); };
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    std::string_view rest = text.substr(i);

    std::size_t hexStart = 0;
    if (rest.starts_with("0x") || rest.starts_with("0X"))
        hexStart = 2;
    else if (rest.starts_with("$") || rest.starts_with("x") || rest.starts_with("X"))
        hexStart = 1;
    if (hexStart > 0) {
        rest.remove_prefix(hexStart);
        if (rest.empty())
            return fail();
        std::uint64_t value = 0;
        for (char c : rest) {
            const int digit = HexDigitValue(c);
            if (digit < 0)
                return fail();
            value = value * 16 + std::uint64_t(digit);
            if (value > 0xFFFFFFFFull)
                return fail();
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    bool negative = false;
    if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) {
        negative = rest[0] == '-';
        rest.remove_prefix(1);
    }
    if (rest.empty())
        return fail();
    std::int64_t value = 0;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    for (char c : rest) {
        if (c < '0' || c > '9')
            return fail();
        value = value * 10 + (c - '0');
        if (value > limit)
            return fail();
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<std::int32_t> TryReadInteger(std::string_view text)
{
    try {
        return ReadInteger(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

std::string ColorToNamedText(std::uint32_t value)
{
    for (const auto& row : kColorIdentifiers)
        if (row.value == value)
            return row.name;
    char text[16];
    std::snprintf(text, sizeof text, "$%.8X", value);
    return text;
}

std::uint32_t NamedTextToColor(std::string_view text)
{
    const std::string lower = AsciiLower(text);
    for (const auto& row : kColorIdentifiers)
        if (AsciiLower(row.name) == lower)
            return row.value;
    return static_cast<std::uint32_t>(ReadInteger(text));
}

} // namespace tessaro
