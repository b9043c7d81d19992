#include "colorlist/history_log.h"

#include "engine/color_text.h"
#include "engine/conversion_error.h"
#include "engine/hex_digits.h"
#include "engine/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tessaro::colorlist {

namespace {

// Every byte's decimal text, so a step is formatted without a printf.
struct Decimal {
    char digits[3];
    char length;
};

constexpr std::array<Decimal, 256> MakeDecimals()
{
    std::array<Decimal, 256> table{};
    for (int value = 0; value < 256; ++value) {
        Decimal& d = table[std::size_t(value)];
        if (value >= 100)
            d = {{char('0' + value / 100), char('0' + value / 10 % 10), char('0' + value % 10)}, 3};
        else if (value >= 10)
            d = {{char('0' + value / 10), char('0' + value % 10), 0}, 2};
        else
            d = {{char('0' + value), 0, 0}, 1};
    }
    return table;
}

constexpr std::array<Decimal, 256> kDecimals = MakeDecimals();
constexpr char kUpperHex[] = "0123456789ABCDEF";

// Every byte's value as a hex digit, -1 for the others.
constexpr std::array<signed char, 256> MakeHexValues()
{
    std::array<signed char, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[std::size_t(byte)] = static_cast<signed char>(HexDigitValue(char(byte)));
    return table;
}

constexpr std::array<signed char, 256> kHexValues = MakeHexValues();

// Writes all three places of the table entry; the caller's buffer has room
// for them, and the next text overwrites the unused ones.
char* PutDecimal(char* out, unsigned byte)
{
    const Decimal& d = kDecimals[byte];
    std::memcpy(out, d.digits, 3);
    return out + d.length;
}

char* PutHex(char* out, unsigned byte)
{
    out[0] = kUpperHex[byte >> 4];
    out[1] = kUpperHex[byte & 0xF];
    return out + 2;
}

// Six characters read as RRGGBB. Anything else, including a shorter text
// and a "#" among the six, is a conversion error naming the six characters.
TColor ReadRrGgBb(QStringView six)
{
    const std::string text = six.toString().toStdString();
    if (six.size() == 6) {
        try {
            // The "#" in front keeps HashHexToColor from dropping a "#"
            // that is one of the six.
            return HashHexToColor("#" + text);
        } catch (const ConversionError&) {
        }
    }
    throw ConversionError(text);
}

// The six characters after a bad line's "#" (fewer at the end of its
// line) as the file's text has them, for the conversion error message.
// `rest` holds the line's bytes after the "#".
QString SixAfterHash(QByteArrayView rest, bool utf8)
{
    if (utf8)
        return QString::fromUtf8(rest).left(6);
    std::u16string chars;
    for (const char byte : rest.first(std::min<qsizetype>(rest.size(), 6)))
        // One byte alone above 0x7F is never UTF-8: it decodes as Windows-1252.
        chars += DecodeFileText(std::string_view(&byte, 1));
    return QString::fromStdU16String(chars);
}

} // namespace

int HistoryLog::FormatStep(TColor color, char* out)
{
    const unsigned red = RedOf(color), green = GreenOf(color), blue = BlueOf(color);
    char* p = out;
    p = PutDecimal(p, red);
    *p++ = ',';
    p = PutDecimal(p, green);
    *p++ = ',';
    p = PutDecimal(p, blue);
    std::memcpy(p, " - #", 4);
    p += 4;
    p = PutHex(p, red);
    p = PutHex(p, green);
    p = PutHex(p, blue);
    return int(p - out);
}

QString HistoryLog::StepText(TColor color)
{
    char text[kMaxStepLength];
    return QString::fromLatin1(text, FormatStep(color, text));
}

TColor HistoryLog::StepColor(const QString& step)
{
    return ReadRrGgBb(QStringView(step).right(6));
}

void HistoryLog::Record(TColor color)
{
    colors_.push_back(color);
    cursor_ = count();
    ++revision_;
}

std::optional<int> HistoryLog::Undo()
{
    // The newest step is the main colour already: the first undo from the
    // end goes to the step before it.
    if (cursor_ == count() && cursor_ >= 1)
        --cursor_;
    if (cursor_ != count() && cursor_ >= 1) {
        --cursor_;
        return cursor_;
    }
    return std::nullopt;
}

std::optional<int> HistoryLog::Redo()
{
    if (cursor_ != count())
        ++cursor_;
    if (cursor_ != count())
        return cursor_;
    return std::nullopt;
}

void HistoryLog::SetCursor(int index)
{
    cursor_ = std::clamp(index, 0, count());
}

void HistoryLog::RemoveSteps(QList<int> indices)
{
    std::sort(indices.begin(), indices.end());
    std::vector<TColor> kept;
    kept.reserve(colors_.size());
    auto next = indices.cbegin();
    for (int i = 0; i < count(); ++i) {
        while (next != indices.cend() && *next < i)
            ++next;
        if (next != indices.cend() && *next == i)
            continue;
        kept.push_back(colors_[std::size_t(i)]);
    }
    colors_ = std::move(kept);
    cursor_ = count();
    ++revision_;
}

void HistoryLog::Clear()
{
    colors_.clear();
    cursor_ = 0;
    ++revision_;
}

QStringList HistoryLog::steps() const
{
    QStringList texts;
    texts.reserve(qsizetype(colors_.size()));
    for (const TColor color : colors_)
        texts.append(StepText(color));
    return texts;
}

HistoryLog::LoadResult HistoryLog::LoadText(QByteArrayView text)
{
    LoadResult result;
    const char* const end = text.data() + text.size();
    // A step line is at least "#RRGGBB" and a line end; ours are about 20 bytes.
    colors_.reserve(colors_.size() + std::size_t(text.size() / 16));
    const char* p = text.data();
    while (p < end) {
        const char* hash = static_cast<const char*>(std::memchr(p, '#', std::size_t(end - p)));
        if (!hash)
            break;
        const char* const digits = hash + 1;
        const char* lineEnd = digits;
        std::uint32_t rgb = 0;
        bool hex = end - digits >= 6;
        for (int i = 0; hex && i < 6; ++i) {
            const int value = kHexValues[static_cast<unsigned char>(digits[i])];
            hex = value >= 0;
            rgb = rgb << 4 | std::uint32_t(value);
        }
        if (hex) {
            colors_.push_back(MakeColor(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)));
            ++result.recorded;
            lineEnd += 6;
        }
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n')
            ++lineEnd;
        if (!hex) {
            if (result.badLines == 0) {
                const bool utf8 = IsValidUtf8(std::string_view(text.data(), std::size_t(text.size())));
                const QString six = SixAfterHash(QByteArrayView(digits, lineEnd - digits), utf8);
                result.error = QString::fromStdString(ConversionError(six.toStdString()).what());
            }
            ++result.badLines;
        }
        p = lineEnd;
    }
    if (result.recorded > 0) {
        cursor_ = count();
        ++revision_;
    }
    return result;
}

HistoryLog::LoadResult HistoryLog::LoadLines(const QStringList& lines)
{
    QByteArray text;
    for (const QString& line : lines) {
        text += line.toUtf8();
        text += '\n';
    }
    return LoadText(text);
}

QByteArray HistoryLog::Text() const
{
    QByteArray bytes(qsizetype(colors_.size()) * (kMaxStepLength + 2), Qt::Uninitialized);
    char* out = bytes.data();
    for (const TColor color : colors_) {
        out += FormatStep(color, out);
        *out++ = '\r';
        *out++ = '\n';
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}

} // namespace tessaro::colorlist
