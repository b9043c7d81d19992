// Plain text put inside HTML or SVG markup.
#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// `text` with "&", "<", ">" and '"' written as the entities "&amp;",
// "&lt;", "&gt;" and "&quot;", so it reads as text in an element or in a
// quoted attribute; every other byte (UTF-8 included) stays as it is.
std::string EscapeMarkup(std::string_view text);

} // namespace tessaro
