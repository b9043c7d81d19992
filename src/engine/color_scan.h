// Scanners that find colours in free text. Both count characters as UTF-16
// code units, as the program holds text, and run in time linear in the text.
#pragma once

#include "engine/color.h"
#include "engine/scan_text.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// Finds colours in pasted text (its lines, each followed by CR LF): a bare
// RRGGBB at the very start, then every colour behind the prefixes "#",
// "Hex=\"", "Hex=", "$00", "0X00", "&H" and "0x" (each prefix scanned over
// the whole text in turn), then the first "RGB(r,g,b)". Colours come in the
// order found.
std::vector<TColor> ScanColorText(std::u16string_view text);

struct HashScanResult {
    bool sawHash = false;       // false: the text holds no "#" at all
    std::size_t added = 0;      // entries appended to the found list
};

// Called once per scan step with the step number and the step budget.
using ScanProgress = std::function<void(std::size_t step, std::size_t maximum)>;

// Appends every "#" followed by six hex digits to `found`, in the letter
// case of the text. Without `allowDuplicates`, an entry equal (ignoring
// case) to one already in `found` is skipped. A candidate that fails is not
// jumped over: each bad character drops one character from the front of the
// text, and each attempt uses up one of the (length div 7 + 1) steps.
HashScanResult ScanHashColors(std::u16string_view text, std::vector<std::string>& found,
                              bool allowDuplicates, const ScanProgress& progress = {});

// The same two scans over a ScanText, handing each find on as it is made.
// `known` holds the entries found before, for the duplicate rule; it is
// read before the first find is handed on. Finds are handed on in order,
// though possibly a few steps after they were made.
//
// A large text is scanned on two processor cores, unless `cores` says One
// or progress is reported (which goes step by step from the front); the
// finds are the same either way. On one core nothing is collected; on two,
// the second core's finds wait for their turn, a few bytes each.
enum class Cores { One, TwoForLargeTexts };
void ScanColorText(const ScanText& text, const std::function<void(TColor)>& found,
                   Cores cores = Cores::TwoForLargeTexts);
HashScanResult ScanHashColors(const ScanText& text, const std::vector<std::string>& known, bool allowDuplicates,
                              const std::function<void(std::string_view entry)>& found,
                              const ScanProgress& progress = {});

// An entry "#RRGGBB" as a colour; 0 when it is not hex.
TColor HashEntryToColor(std::string_view entry);

} // namespace tessaro
