// A deterministic free text for the scanner benchmarks: colours in every
// form the scanners know, near-misses, stray "#" characters, words and line
// breaks (CR LF and LF). The same seed always gives the same bytes, and a
// shorter text is a prefix of a longer one with the same seed (but for the
// blanks that pad a cut made inside a UTF-8 sequence).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessaro::bench {

// splitmix64: small, fast and fully defined, unlike the standard
// distributions whose output differs between libraries.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. bound-1 (the slight modulo bias does not matter here).
    std::uint32_t Below(std::uint32_t bound) { return std::uint32_t(Next() % bound); }

private:
    std::uint64_t state_;
};

class TextGenerator {
public:
    explicit TextGenerator(std::uint64_t seed) : random_(seed) {}

    // Appends whole tokens until `text` holds at least `size` bytes, then
    // cuts it to exactly `size` bytes (never inside a UTF-8 sequence: the
    // cut moves back to the start of one, padding with blanks).
    void Fill(std::string& text, std::size_t size)
    {
        text.reserve(size + 64);
        while (text.size() < size)
            AppendToken(text);
        std::size_t cut = size;
        while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut;
        text.resize(cut);
        text.resize(size, ' ');
    }

private:
    static constexpr std::string_view kWords[] = {
        "the",     "colour",   "scheme",  "for",    "header",  "background", "link",  "visited", "border",
        "text",    "palette",  "main",    "accent", "shadow",  "light",      "dark",  "warm",    "cool",
        "button",  "hover",    "and",     "with",   "a",       "of",         "to",    "is",      "in",
        "style",   "value",    "Hex",     "RGB",    "color",   "Farbtöne",   "café",  "naïve",   "€",
        "0",       "12",       "255",     "x",      "H",       "ff",         "abc",   "deadbeef", "C0FFEE",
    };

    char HexDigit()
    {
        static constexpr char kDigits[] = "0123456789ABCDEFabcdef";
        return kDigits[random_.Below(22)];
    }
    void HexDigits(std::string& out, int count)
    {
        for (int i = 0; i < count; ++i)
            out.push_back(HexDigit());
    }
    void Decimal(std::string& out, std::uint32_t bound) { out += std::to_string(random_.Below(bound)); }

    void AppendToken(std::string& out)
    {
        const std::uint32_t kind = random_.Below(100);
        if (kind < 52) {
            out += kWords[random_.Below(std::size(kWords))];
        } else if (kind < 64) {
            out.push_back('#');
            HexDigits(out, 6);
        } else if (kind < 67) {
            out += "0x";
            HexDigits(out, 6);
        } else if (kind < 69) {
            out += random_.Below(2) ? "0X00" : "$00";
            HexDigits(out, 6);
        } else if (kind < 71) {
            out += "&H";
            if (random_.Below(2)) {
                out += "00";
                HexDigits(out, 6);
                out.push_back('&');
            } else {
                HexDigits(out, 6);
            }
        } else if (kind < 73) {
            out += random_.Below(2) ? "Hex=\"" : "Hex=";
            HexDigits(out, 6);
            if (out[out.size() - 7] == '"')
                out.push_back('"');
        } else if (kind < 74) {
            out += "RGB(";
            Decimal(out, 256);
            out += random_.Below(2) ? "," : ", ";
            Decimal(out, 256);
            out.push_back(',');
            Decimal(out, 256);
            out.push_back(')');
        } else if (kind < 80) {
            AppendNearMiss(out);
        } else if (kind < 86) {
            AppendStrayHash(out);
        } else if (kind < 88) {
            // Colours run together without a separator.
            out.push_back('#');
            HexDigits(out, 6);
            out.push_back('#');
            HexDigits(out, 6);
            HexDigits(out, random_.Below(3));
        } else {
            AppendBreak(out);
            return;
        }
        out.push_back(random_.Below(8) == 0 ? '\t' : ' ');
    }

    void AppendNearMiss(std::string& out)
    {
        switch (random_.Below(10)) {
        case 0: out.push_back('#'); HexDigits(out, 5); break;                   // "#12345"
        case 1: out += "#GGGGGG"; break;
        case 2: out += random_.Below(2) ? "0X" : "0x"; break;                    // prefix alone
        case 3: out += "0X"; HexDigits(out, 6); break;                           // no "00"
        case 4: out.push_back('#'); HexDigits(out, 3); out += "xyz"; break;
        case 5: out += "$00"; HexDigits(out, 4); break;
        case 6: out += "&H"; HexDigits(out, 2); out += "Z"; break;
        case 7: out += "Hex="; out += random_.Below(2) ? "\"" : "blue"; break;
        case 8: out += "RGB("; Decimal(out, 999); out += ",x,"; Decimal(out, 256); out.push_back(')'); break;
        default: out.push_back('#'); out += "12 34 56"; break;
        }
    }

    void AppendStrayHash(std::string& out)
    {
        switch (random_.Below(5)) {
        case 0: out.push_back('#'); break;
        case 1: out += "##"; break;
        case 2: out += "#"; out += kWords[random_.Below(std::size(kWords))]; break;
        case 3: out += "# "; HexDigits(out, 6); break;                          // blank after "#"
        default: out += "###"; HexDigits(out, 2); break;
        }
    }

    void AppendBreak(std::string& out)
    {
        // Lines end with CR LF or LF, now and then a blank line.
        const std::uint32_t kind = random_.Below(16);
        out += kind < 8 ? "\r\n" : "\n";
        if (kind == 0)
            out += "\r\n";
        if (kind == 15)
            out += "\n";
    }

    SplitMix64 random_;
};

inline std::string GenerateText(std::size_t size, std::uint64_t seed)
{
    std::string text;
    TextGenerator(seed).Fill(text, size);
    return text;
}

} // namespace tessaro::bench
