#include "engine/color_scan.h"

#include "engine/color_text.h"
#include "engine/conversion_error.h"
#include "engine/hex_digits.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace tessaro {

namespace {

// The text with its front consumed: characters before `front` are gone. The
// first occurrence of a needle at or after `front` stays the first one until
// the front passes its start, so each search result is kept and reused.
class ConsumedText {
public:
    ConsumedText(std::u16string_view text, std::u16string_view needle) : text_(text), needle_(needle) {}

    std::size_t front() const { return front_; }
    std::size_t size() const { return text_.size(); }
    char16_t at(std::size_t i) const { return text_[i]; }

    void Drop(std::size_t count) { front_ = std::min(text_.size(), front_ + count); }
    void DropTo(std::size_t position) { front_ = std::min(text_.size(), std::max(front_, position)); }

    // Absolute position of the first needle in what is left, or npos.
    std::size_t FindNeedle()
    {
        if (!searched_ || (found_ != npos && found_ < front_)) {
            found_ = text_.find(needle_, front_);
            searched_ = true;
        }
        return found_;
    }

    // How many of the `count` characters from `position` are missing or not
    // hex digits.
    std::size_t BadHexCount(std::size_t position, std::size_t count) const
    {
        std::size_t bad = 0;
        for (std::size_t i = position; i < position + count; ++i)
            if (i >= text_.size() || !IsHexDigit(text_[i]))
                ++bad;
        return bad;
    }

    static constexpr std::size_t npos = std::u16string_view::npos;

private:
    std::u16string_view text_;
    std::u16string_view needle_;
    std::size_t front_ = 0;
    std::size_t found_ = npos;
    bool searched_ = false;
};

std::uint8_t HexByte(std::u16string_view text, std::size_t at)
{
    return std::uint8_t(HexDigitValue(text[at]) * 16 + HexDigitValue(text[at + 1]));
}

struct PrefixRule {
    std::u16string_view prefix;
    bool bgr;           // digits are BBGGRR rather than RRGGBB
    std::size_t tokenLength;
};

constexpr PrefixRule kPrefixRules[] = {
    {u"#", false, 7},    {u"Hex=\"", false, 11}, {u"Hex=", false, 10}, {u"$00", true, 9},
    {u"0X00", true, 10}, {u"&H", true, 8},       {u"0x", false, 8},
};

void ScanPrefix(std::u16string_view text, const PrefixRule& rule, std::vector<TColor>& colors)
{
    ConsumedText w(text, rule.prefix);
    const std::size_t passes = text.size() / rule.tokenLength + 1;
    for (std::size_t pass = 0; pass < passes; ++pass) {
        const std::size_t at = w.FindNeedle();
        if (at == ConsumedText::npos)
            return;
        const std::size_t digits = at + rule.prefix.size();
        const std::size_t bad = w.BadHexCount(digits, 6);
        if (bad > 0) {
            w.Drop(bad);
            continue;
        }
        const std::uint8_t a = HexByte(text, digits);
        const std::uint8_t b = HexByte(text, digits + 2);
        const std::uint8_t c = HexByte(text, digits + 4);
        colors.push_back(rule.bgr ? MakeColor(c, b, a) : MakeColor(a, b, c));
        w.DropTo(digits + 7);
    }
}

// A decimal byte between blanks; false for anything else.
bool ReadDecimalByte(std::u16string_view text, std::uint8_t& value)
{
    while (!text.empty() && text.front() == u' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ')
        text.remove_suffix(1);
    if (text.empty() || text.size() > 3)
        return false;
    unsigned number = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            return false;
        number = number * 10 + unsigned(c - u'0');
    }
    if (number > 255)
        return false;
    value = std::uint8_t(number);
    return true;
}

void ScanRgbCall(std::u16string_view text, std::vector<TColor>& colors)
{
    const std::size_t start = text.find(u"RGB(");
    if (start == std::u16string_view::npos)
        return;
    const std::size_t open = start + 4;
    const std::size_t comma1 = text.find(u',', open);
    if (comma1 == std::u16string_view::npos)
        return;
    const std::size_t comma2 = text.find(u',', comma1 + 1);
    if (comma2 == std::u16string_view::npos)
        return;
    const std::size_t close = text.find(u')', comma2 + 1);
    if (close == std::u16string_view::npos)
        return;
    std::uint8_t r, g, b;
    if (ReadDecimalByte(text.substr(open, comma1 - open), r) &&
        ReadDecimalByte(text.substr(comma1 + 1, comma2 - comma1 - 1), g) &&
        ReadDecimalByte(text.substr(comma2 + 1, close - comma2 - 1), b))
        colors.push_back(MakeColor(r, g, b));
}

// The entries taken so far, by the value of their six hex digits: two
// entries "#" + six hex digits are equal ignoring letter case exactly when
// their values are. One bit per value; the 2 MB are allocated on first use.
class TakenEntries {
public:
    // False when the value was already taken.
    bool Take(std::uint32_t value)
    {
        if (!bits_)
            bits_ = std::make_unique<std::uint64_t[]>(kWords);
        std::uint64_t& word = bits_[value >> 6];
        const std::uint64_t bit = std::uint64_t(1) << (value & 63);
        if (word & bit)
            return false;
        word |= bit;
        return true;
    }

private:
    static constexpr std::size_t kWords = (std::size_t(1) << 24) / 64;
    std::unique_ptr<std::uint64_t[]> bits_;
};

// The value of six hex digits in a row (all known to be hex digits).
template <typename Char>
std::uint32_t SixHexDigits(const Char* digits)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 6; ++i)
        value = value * 16 + std::uint32_t(HexDigitValue(digits[i]));
    return value;
}

// An entry already in the list counts for the duplicate rule only when it
// is "#" + six hex digits: nothing else can equal a found entry, even
// ignoring letter case.
bool IsHashHexEntry(std::string_view entry)
{
    return entry.size() == 7 && entry[0] == '#' && std::all_of(entry.begin() + 1, entry.end(), IsHexDigit<char>);
}

std::string EntryText(std::u16string_view text, std::size_t at)
{
    std::string entry(7, '#');
    for (std::size_t i = 1; i < 7; ++i)
        entry[i] = char(text[at + i]);
    return entry;
}

} // namespace

std::vector<TColor> ScanColorText(std::u16string_view text)
{
    std::vector<TColor> colors;
    if (text.size() >= 6 && std::all_of(text.begin(), text.begin() + 6, IsHexDigit<char16_t>))
        colors.push_back(MakeColor(HexByte(text, 0), HexByte(text, 2), HexByte(text, 4)));
    for (const PrefixRule& rule : kPrefixRules)
        ScanPrefix(text, rule, colors);
    ScanRgbCall(text, colors);
    return colors;
}

HashScanResult ScanHashColors(std::u16string_view text, std::vector<std::string>& found, bool allowDuplicates,
                              const ScanProgress& progress)
{
    HashScanResult result;
    const std::size_t budget = text.size() / 7;
    if (text.find(u'#') == std::u16string_view::npos)
        return result;
    result.sawHash = true;

    TakenEntries taken;
    if (!allowDuplicates)
        for (const std::string& entry : found)
            if (IsHashHexEntry(entry))
                taken.Take(SixHexDigits(entry.data() + 1));

    ConsumedText t(text, u"#");
    for (std::size_t step = 0; step <= budget; ++step) {
        if (progress)
            progress(step, budget);
        const std::size_t at = t.FindNeedle();
        if (at == ConsumedText::npos)
            break;
        const std::size_t bad = t.BadHexCount(at + 1, 6);
        if (bad > 0) {
            t.Drop(bad);
            continue;
        }
        if (allowDuplicates || taken.Take(SixHexDigits(text.data() + at + 1))) {
            found.push_back(EntryText(text, at));
            ++result.added;
        }
        t.DropTo(at + 8);
    }
    return result;
}

TColor HashEntryToColor(std::string_view entry)
{
    try {
        return HashHexToColor(entry);
    } catch (const ConversionError&) {
        return 0;
    }
}

} // namespace tessaro
