#include "engine/color_scan.h"

#include "engine/color_text.h"
#include "engine/conversion_error.h"
#include "engine/hex_digits.h"
#include "engine/processor.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <span>
#include <vector>

#include <sys/mman.h>

namespace tessaro {

namespace {

constexpr std::size_t npos = ScanText::npos;

std::uint8_t HexByte(const char* digits)
{
    return std::uint8_t(HexByteValue(digits[0]) * 16 + HexByteValue(digits[1]));
}

// The value of six hex digits in a row (all known to be hex digits), all
// digits at once: a digit keeps its low four bits, and a letter (bit 6
// set) adds nine to them; then each pair of digits becomes a byte.
[[gnu::always_inline]] inline std::uint32_t SixHexDigits(const char* digits)
{
    // Two loads put together in a register: a six-byte copy through memory
    // would stall the wide read that follows it.
    std::uint32_t first4;
    std::uint16_t last2;
    std::memcpy(&first4, digits, 4);
    std::memcpy(&last2, digits + 4, 2);
    const std::uint64_t word = first4 | std::uint64_t(last2) << 32;
    const std::uint64_t nibbles = (word & 0x0F0F0F0F0F0Full) + ((word >> 6) & 0x010101010101ull) * 9;
    const std::uint64_t bytes = ((nibbles << 4) | (nibbles >> 8)) & 0x0000FF00FF00FFull;
    return std::uint32_t(((bytes & 0xFF) << 16) | ((bytes >> 8) & 0xFF00) | ((bytes >> 32) & 0xFF));
}

// A scan consumes its text from the front. Each step looks for the first
// needle behind the front; a needle followed by six hex digits is taken and
// the front moves past the digits and one more character; otherwise the
// front moves on by the number of bad characters, which may leave the same
// needle first for many steps. Those steps are counted at once.
//
// Where each needle lies in units, and how many of the six characters after
// it are bad, does not depend on the front, so both come with the needle;
// the front is then only a number of units, and each step a little
// arithmetic on it.
class ConsumedText {
public:
    using Needle = NeedleWindows::Needle;

    // The front at byte `from` (a multiple of 64), `unitsBefore` units in.
    ConsumedText(const ScanText& text, std::string_view needle, std::size_t from = 0, std::size_t unitsBefore = 0)
        : needles_(text, needle, from, unitsBefore), length_(needle.size()), front_(unitsBefore)
    {
    }

    // The first needle behind the front, or nullptr.
    [[gnu::always_inline]] const Needle* Next()
    {
        for (;;) {
            if (!pending_) {
                if (!needles_.Next(needle_))
                    return nullptr;
                pending_ = true;
            }
            if (needle_.unit >= front_)
                return &needle_;
            pending_ = false;
        }
    }

    // The needle is taken: the front moves past its digits and one more
    // character (the needle and its digits are one unit each).
    void Take(const Needle& n) { front_ = n.unit + length_ + 7; }

    // The units from the front to the needle.
    std::size_t UnitsTo(const Needle& n) const { return n.unit - front_; }

    // The needle, `distance` units away, has `bad` bad units: the steps that
    // drop `bad` units each until the front has passed it.
    static std::size_t StepsToPass(std::size_t distance, std::size_t bad) { return distance / bad + 1; }
    void Pass(const Needle& n, std::size_t distance, std::size_t bad)
    {
        front_ = n.unit + StepsToPass(distance, bad) * bad - distance;
    }

private:
    NeedleWindows needles_;
    std::size_t length_;
    Needle needle_{};
    bool pending_ = false;  // needle_ is found but not yet behind the front
    std::size_t front_;     // in units
};

struct PrefixRule {
    std::string_view prefix;
    bool bgr;           // digits are BBGGRR rather than RRGGBB
    std::size_t tokenLength;
};

constexpr PrefixRule kPrefixRules[] = {
    {"#", false, 7},    {"Hex=\"", false, 11}, {"Hex=", false, 10}, {"$00", true, 9},
    {"0X00", true, 10}, {"&H", true, 8},       {"0x", false, 8},
};

[[gnu::always_inline]] inline void ScanPrefix(const ScanText& text, const PrefixRule& rule,
                                              const std::function<void(TColor)>& found)
{
    ConsumedText w(text, rule.prefix);
    const std::size_t passes = text.Units() / rule.tokenLength + 1;
    for (std::size_t pass = 0; pass < passes;) {
        const ConsumedText::Needle* needle = w.Next();
        if (!needle)
            return;
        if (needle->bad > 0) {
            const std::size_t distance = w.UnitsTo(*needle);
            const std::size_t steps = ConsumedText::StepsToPass(distance, needle->bad);
            if (steps >= passes - pass)
                return;
            w.Pass(*needle, distance, needle->bad);
            pass += steps;
            continue;
        }
        const char* d = text.Bytes().data() + needle->byte + rule.prefix.size();
        const std::uint8_t a = HexByte(d);
        const std::uint8_t b = HexByte(d + 2);
        const std::uint8_t c = HexByte(d + 4);
        found(rule.bgr ? MakeColor(c, b, a) : MakeColor(a, b, c));
        w.Take(*needle);
        ++pass;
    }
}

// A decimal byte between blanks; false for anything else.
bool ReadDecimalByte(std::string_view text, std::uint8_t& value)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty() || text.size() > 3)
        return false;
    unsigned number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        number = number * 10 + unsigned(c - '0');
    }
    if (number > 255)
        return false;
    value = std::uint8_t(number);
    return true;
}

// The first "RGB(r,g,b)". Its parts hold only ASCII digits and blanks, so
// they read the same in bytes as in units.
void ScanRgbCall(std::string_view text, const std::function<void(TColor)>& found)
{
    const std::size_t start = text.find("RGB(");
    if (start == npos)
        return;
    const std::size_t open = start + 4;
    const std::size_t comma1 = text.find(',', open);
    if (comma1 == npos)
        return;
    const std::size_t comma2 = text.find(',', comma1 + 1);
    if (comma2 == npos)
        return;
    const std::size_t close = text.find(')', comma2 + 1);
    if (close == npos)
        return;
    std::uint8_t r, g, b;
    if (ReadDecimalByte(text.substr(open, comma1 - open), r) &&
        ReadDecimalByte(text.substr(comma1 + 1, comma2 - comma1 - 1), g) &&
        ReadDecimalByte(text.substr(comma2 + 1, close - comma2 - 1), b))
        found(MakeColor(r, g, b));
}

// The entries taken so far, by the value of their six hex digits: two
// entries "#" + six hex digits are equal ignoring letter case exactly when
// their values are. A scan that can take only a few entries keeps them in a
// small hash table; a larger one keeps one bit per value, in 2 MB of zeroed
// pages of which only those holding a set bit are ever touched.
class TakenEntries {
public:
    // `most`: how many entries the scan can take at most.
    explicit TakenEntries(std::size_t most)
    {
        if (most > kMostInTable) {
            bits_.reset(AllocateBits(most >= kMostOnSmallPages));
            return;
        }
        std::size_t size = 16;
        while (size < 2 * most)
            size *= 2;
        slots_.assign(size, 0);
    }

    // Starts fetching the memory that Take(value) will read.
    void Prefetch(std::uint32_t value) const
    {
        if (bits_)
            __builtin_prefetch(bits_.get() + (value >> 6), 1);
    }

    // False when the value was already taken.
    bool Take(std::uint32_t value)
    {
        if (bits_) {
            std::uint64_t& word = bits_.get()[value >> 6];
            const std::uint64_t bit = std::uint64_t(1) << (value & 63);
            if (word & bit)
                return false;
            word |= bit;
            return true;
        }
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = (value * 0x9E3779B1u) & mask;; i = (i + 1) & mask) {
            if (slots_[i] == value + 1)
                return false;
            if (slots_[i] == 0) {
                slots_[i] = value + 1;
                return true;
            }
        }
    }

private:
    static constexpr std::size_t kMostInTable = 4096;
    static constexpr std::size_t kWords = (std::size_t(1) << 24) / 64;
    // Enough entries to touch most pages of the table at random.
    static constexpr std::size_t kMostOnSmallPages = std::size_t(1) << 16;
    static constexpr std::size_t kBytes = kWords * sizeof(std::uint64_t);

    // The zeroed table. A table in which most pages will be touched goes on
    // one huge page where the system allows, so its random reads need no
    // new address translations; otherwise only the pages touched are ever
    // made.
    static std::uint64_t* AllocateBits(bool hugePage)
    {
        void* place = ::mmap(nullptr, 2 * kBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (place == MAP_FAILED)
            throw std::bad_alloc();
        // Aligned to the table's size, the spare memory on either side given back.
        const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(place);
        const std::uintptr_t aligned = (start + kBytes - 1) & ~std::uintptr_t(kBytes - 1);
        if (aligned > start)
            ::munmap(place, aligned - start);
        if (const std::uintptr_t after = start + 2 * kBytes - (aligned + kBytes))
            ::munmap(reinterpret_cast<void*>(aligned + kBytes), after);
#if defined(MADV_HUGEPAGE)
        if (hugePage)
            ::madvise(reinterpret_cast<void*>(aligned), kBytes, MADV_HUGEPAGE);
#endif
        return reinterpret_cast<std::uint64_t*>(aligned);
    }
    struct Free {
        void operator()(std::uint64_t* p) const { ::munmap(p, kBytes); }
    };
    std::unique_ptr<std::uint64_t, Free> bits_;
    std::vector<std::uint32_t> slots_;  // value + 1; 0 is free
};

// The entries found, handed on in order after the duplicate rule. Each
// waits in a short queue while its place in the table is fetched, so the
// scan goes on meanwhile rather than waiting for memory.
class FoundEntries {
public:
    FoundEntries(TakenEntries* taken, const std::function<void(std::string_view entry)>& found)
        : taken_(taken), found_(found)
    {
    }

    // `entry` is "#" and six hex digits.
    void Add(const char* entry)
    {
        if (!taken_) {
            HandOn(entry);
            return;
        }
        const std::uint32_t value = SixHexDigits(entry + 1);
        taken_->Prefetch(value);
        if (waiting_ == kQueueLength)
            TakeFirst();
        queue_[(first_ + waiting_++) % kQueueLength] = {entry, value};
    }

    // Hands on the entries still waiting; the number handed on in all.
    std::size_t Finish()
    {
        while (waiting_ > 0)
            TakeFirst();
        return added_;
    }

private:
    static constexpr std::size_t kQueueLength = 16;
    struct Waiting {
        const char* entry;
        std::uint32_t value;
    };

    void TakeFirst()
    {
        const Waiting w = queue_[first_];
        first_ = (first_ + 1) % kQueueLength;
        --waiting_;
        if (taken_->Take(w.value))
            HandOn(w.entry);
    }
    void HandOn(const char* entry)
    {
        found_(std::string_view(entry, 7));
        ++added_;
    }

    TakenEntries* taken_;
    const std::function<void(std::string_view entry)>& found_;
    std::array<Waiting, kQueueLength> queue_{};
    std::size_t first_ = 0;
    std::size_t waiting_ = 0;
    std::size_t added_ = 0;
};

// An entry already in the list counts for the duplicate rule only when it
// is "#" + six hex digits: nothing else can equal a found entry, even
// ignoring letter case.
bool IsHashHexEntry(std::string_view entry)
{
    return entry.size() == 7 && entry[0] == '#' && std::all_of(entry.begin() + 1, entry.end(), IsHexDigit<char>);
}

using PrefixRules = std::span<const PrefixRule>;

void ScanPrefixesPlain(const ScanText& text, PrefixRules rules, const std::function<void(TColor)>& found)
{
    for (const PrefixRule& rule : rules)
        ScanPrefix(text, rule, found);
}

// The scans place their needles with bit counts (NeedleWindows), so their
// loops are built a second time for processors with a bit-count
// instruction, which the plain x86-64 build may not assume.
#if TESSARO_X86_CHOICES && !defined(__POPCNT__)
#define TESSARO_BIT_COUNT_BUILD 1

__attribute__((target("popcnt"))) void ScanPrefixesWithBitCount(const ScanText& text, PrefixRules rules,
                                                                const std::function<void(TColor)>& found)
{
    for (const PrefixRule& rule : rules)
        ScanPrefix(text, rule, found);
}
#endif

// Each rule over the whole text in turn.
void ScanPrefixes(const ScanText& text, PrefixRules rules, const std::function<void(TColor)>& found)
{
#if TESSARO_BIT_COUNT_BUILD
    if (HasBitCountInstruction())
        return ScanPrefixesWithBitCount(text, rules, found);
#endif
    ScanPrefixesPlain(text, rules, found);
}

using Hash = ConsumedText::Needle;

constexpr auto kNeverStop = [](const Hash&) { return false; };

// Steps through the "#"s from the front until the budget of steps is spent,
// no "#" is left, or `stop` says so at a "#"; each "#" taken goes to
// `take` with the steps used before it. Returns the "#" it stopped at, not
// yet stepped over, or nullptr.
template <typename Take, typename Stop>
[[gnu::always_inline]] inline const Hash* StepThroughHashes(ConsumedText& t, std::size_t& step, std::size_t budget,
                                                            const ScanProgress& progress, const Take& take,
                                                            const Stop& stop)
{
    while (step <= budget) {
        const Hash* hash = t.Next();
        if (!hash) {
            if (progress)
                progress(step, budget);
            return nullptr;
        }
        if (stop(*hash))
            return hash;
        if (hash->bad > 0) {
            const std::size_t distance = t.UnitsTo(*hash);
            const std::size_t steps = std::min(ConsumedText::StepsToPass(distance, hash->bad), budget + 1 - step);
            for (std::size_t i = 0; progress && i < steps; ++i)
                progress(step + i, budget);
            step += steps;
            if (step <= budget)
                t.Pass(*hash, distance, hash->bad);
            continue;
        }
        if (progress)
            progress(step, budget);
        take(*hash, step);
        ++step;
        t.Take(*hash);
    }
    return nullptr;
}

// A "#" that a scan starting at the middle of a large text took.
struct TakenHash {
    std::size_t byte;
    std::size_t stepsBefore;  // the steps that scan used before it
};

// The "#"s a scan from the text's halfway point on takes, with no budget,
// until the end or until they are `unneeded`.
[[gnu::always_inline]] inline std::vector<TakenHash> TakeHashesFromHalfwayInline(const ScanText& text,
                                                                                 const std::atomic<bool>& unneeded)
{
    // Each "#" taken uses up at least eight bytes; the room is only
    // reserved, so pages are made as the "#"s come.
    std::vector<TakenHash> taken;
    taken.reserve((text.Bytes().size() - text.Halfway()) / 8 + 1);
    ConsumedText t(text, "#", text.Halfway(), text.UnitsBeforeHalfway());
    std::size_t step = 0;
    StepThroughHashes(t, step, std::numeric_limits<std::size_t>::max() - 1, {},
                      [&taken](const Hash& hash, std::size_t stepsBefore) { taken.push_back({hash.byte, stepsBefore}); },
                      [&unneeded](const Hash&) { return unneeded.load(std::memory_order_relaxed); });
    return taken;
}

// Steps through the "#"s until the budget of steps is spent. A large text
// is scanned from its middle on a second core meanwhile: past the middle,
// the scan from the front goes on by itself only until it takes a "#" that
// the scan from the middle took too. From there both take the same "#"s,
// their steps apart by a fixed count, so the rest comes from the second
// scan, as far as the budget reaches.
template <typename TakeHashesFromHalfway>
[[gnu::always_inline]] inline void ConsumeHashesInline(const ScanText& text, std::size_t budget,
                                                       FoundEntries& entries, const ScanProgress& progress,
                                                       const TakeHashesFromHalfway& takeHashesFromHalfway)
{
    const char* bytes = text.Bytes().data();
    const auto add = [&entries, bytes](const Hash& hash, std::size_t) { entries.Add(bytes + hash.byte); };
    ConsumedText t(text, "#");
    std::size_t step = 0;
    if (progress || text.Halfway() == 0) {
        StepThroughHashes(t, step, budget, progress, add, kNeverStop);
        return;
    }
    const std::size_t middle = text.Halfway();
    std::atomic<bool> unneeded = false;
    auto fromMiddle = OnSecondCore([&] { return takeHashesFromHalfway(text, unneeded); });
    const Hash* pastMiddle =
        StepThroughHashes(t, step, budget, {}, add, [middle](const Hash& hash) { return hash.byte >= middle; });
    // The budget spent before the middle, or no "#" after it: the second
    // scan may stop.
    unneeded = !pastMiddle;
    const std::vector<TakenHash> later = fromMiddle.get();
    if (!pastMiddle)
        return;
    std::size_t same = 0;  // the first "#" both scans take, in `later`
    bool met = false;
    std::ptrdiff_t stepsApart = 0;
    StepThroughHashes(
        t, step, budget, {},
        [&](const Hash& hash, std::size_t stepsBefore) {
            add(hash, stepsBefore);
            while (same < later.size() && later[same].byte < hash.byte)
                ++same;
            if (same < later.size() && later[same].byte == hash.byte) {
                met = true;
                stepsApart = std::ptrdiff_t(stepsBefore) - std::ptrdiff_t(later[same].stepsBefore);
            }
        },
        [&met](const Hash&) { return met; });
    if (!met)
        return;
    for (std::size_t k = same + 1; k < later.size(); ++k) {
        if (std::ptrdiff_t(later[k].stepsBefore) + stepsApart > std::ptrdiff_t(budget))
            break;
        entries.Add(bytes + later[k].byte);
    }
}

std::vector<TakenHash> TakeHashesFromHalfway(const ScanText& text, const std::atomic<bool>& unneeded)
{
    return TakeHashesFromHalfwayInline(text, unneeded);
}

void ConsumeHashes(const ScanText& text, std::size_t budget, FoundEntries& entries, const ScanProgress& progress)
{
    ConsumeHashesInline(text, budget, entries, progress, TakeHashesFromHalfway);
}

#if TESSARO_BIT_COUNT_BUILD
__attribute__((target("popcnt"))) std::vector<TakenHash> TakeHashesFromHalfwayWithBitCount(
    const ScanText& text, const std::atomic<bool>& unneeded)
{
    return TakeHashesFromHalfwayInline(text, unneeded);
}

__attribute__((target("popcnt"))) void ConsumeHashesWithBitCount(const ScanText& text, std::size_t budget,
                                                                 FoundEntries& entries, const ScanProgress& progress)
{
    ConsumeHashesInline(text, budget, entries, progress, TakeHashesFromHalfwayWithBitCount);
}
#endif

} // namespace

void ScanColorText(const ScanText& text, const std::function<void(TColor)>& found, Cores cores)
{
    const std::string_view bytes = text.Bytes();
    if (text.BadHexUnits(0, 6) == 0)
        found(MakeColor(HexByte(bytes.data()), HexByte(bytes.data() + 2), HexByte(bytes.data() + 4)));
    const PrefixRules rules(kPrefixRules);
    if (cores == Cores::One || bytes.size() < kTextForTwoCores) {
        ScanPrefixes(text, rules, found);
    } else {
        // The "#" rule finds the most; the other rules run meanwhile on a
        // second core, their colours held back until it is done.
        auto others = OnSecondCore([&text, rules] {
            std::vector<TColor> colors;
            ScanPrefixes(text, rules.subspan(1), [&colors](TColor color) { colors.push_back(color); });
            return colors;
        });
        ScanPrefixes(text, rules.first(1), found);
        for (const TColor color : others.get())
            found(color);
    }
    ScanRgbCall(bytes, found);
}

std::vector<TColor> ScanColorText(std::u16string_view text)
{
    const std::string bytes = Utf16UnitsAsBytes(text);
    std::vector<TColor> colors;
    ScanColorText(ScanText(bytes, ByteEncoding::Utf8, LineBreaks::AsTheyAre),
                  [&colors](TColor color) { colors.push_back(color); });
    return colors;
}

HashScanResult ScanHashColors(const ScanText& text, const std::vector<std::string>& known, bool allowDuplicates,
                              const std::function<void(std::string_view entry)>& found,
                              const ScanProgress& progress)
{
    HashScanResult result;
    if (!text.Contains('#'))
        return result;
    result.sawHash = true;
    const std::size_t budget = text.Units() / 7;

    std::optional<TakenEntries> taken;
    if (!allowDuplicates) {
        taken.emplace(known.size() + budget + 1);
        for (const std::string& entry : known)
            if (IsHashHexEntry(entry))
                taken->Take(SixHexDigits(entry.data() + 1));
    }

    FoundEntries entries(taken ? &*taken : nullptr, found);
#if TESSARO_BIT_COUNT_BUILD
    if (HasBitCountInstruction())
        ConsumeHashesWithBitCount(text, budget, entries, progress);
    else
#endif
        ConsumeHashes(text, budget, entries, progress);
    result.added = entries.Finish();
    return result;
}

HashScanResult ScanHashColors(std::u16string_view text, std::vector<std::string>& found, bool allowDuplicates,
                              const ScanProgress& progress)
{
    const std::string bytes = Utf16UnitsAsBytes(text);
    // `found` is both the known entries and where new ones go: the known
    // ones are all read before the first find is handed on.
    return ScanHashColors(ScanText(bytes, ByteEncoding::Utf8, LineBreaks::AsTheyAre), found, allowDuplicates,
                          [&found](std::string_view entry) { found.emplace_back(entry); }, progress);
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
