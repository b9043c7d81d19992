// How readable each text of the test area is: its colour against what lies
// under the centre of its box (the topmost visible shape there, otherwise
// the background), judged by the WCAG contrast rules for its size.
#pragma once

#include "engine/color_vision.h"
#include "layouts/test_area.h"

#include <string>
#include <vector>

namespace tessaro::layouts {

// The colour under a point of the document: the topmost visible shape's
// fill, otherwise the background. Texts and images are passed over.
TColor BackdropColorAt(const TestArea& area, int x, int y);

ContrastVerdict TextContrast(const TestArea& area, int textNumber);

// One line per visible text, in text order:
// "Text 1 \"Headline\": Contrast 4.48:1, AA fail, AAA fail, APCA Lc 71.1
// (content text)"; the text is
// cut to its first 24 characters. A line says so when no text is visible.
// A text failing WCAG AA gets ", suggested #RRGGBB" after its line.
std::vector<std::string> ContrastReport(const TestArea& area);

// A visible text failing WCAG AA (4.5, or 3 for large text) on its
// backdrop, and the colour of its own OKLCH hue and chroma nearest in
// lightness that passes.
struct TextContrastFix {
    int textNumber = 0;
    TColor suggested = 0;
    friend bool operator==(const TextContrastFix&, const TextContrastFix&) = default;
};
std::vector<TextContrastFix> ContrastFixes(const TestArea& area);

} // namespace tessaro::layouts
