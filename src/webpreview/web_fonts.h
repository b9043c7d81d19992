// The page's fonts on screen and in the font dialog. The model keeps the
// faces by the names a layout was made with ("Arial", "MS Sans Serif");
// on screen each takes the closest installed face, so the page keeps its
// proportions on Linux.
#pragma once

#include "platform/platform.h"
#include "webpreview/web_page_layout.h"

#include <QFont>

namespace tessaro::webpreview {

// The face drawn for a family name: the name itself when installed, else
// its metric twin (Arial: Liberation Sans; MS Sans Serif: DejaVu Sans),
// else whatever fontconfig matches for a sans-serif.
QStringList ScreenFamilies(const std::string& family);
// The font as drawn: sized in pixels as at 96 dots per inch, so it fits
// the page's fixed geometry whatever the screen's resolution.
QFont ScreenFont(const WebFont& font);

// What the font dialog starts with, and the font it gives back (the
// character set stays, since the dialog does not offer one).
platform::FontChoice ToFontChoice(const WebPageText& text);
WebFont FromFontChoice(const platform::FontChoice& choice, int charset);

} // namespace tessaro::webpreview
