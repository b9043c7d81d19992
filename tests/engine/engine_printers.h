// Readable failure messages for the engine's value types.
#pragma once

#include "engine/color.h"
#include "engine/text_encoding.h"

#include <ostream>
#include <string>
#include <string_view>

namespace tessaro {

inline void PrintTo(const RgbTriple& rgb, std::ostream* os)
{
    *os << "(" << int(rgb.red) << ", " << int(rgb.green) << ", " << int(rgb.blue) << ")";
}

inline void PrintTo(const HslTriple& hsl, std::ostream* os)
{
    *os << "hsl(" << hsl.hue << ", " << hsl.saturation << ", " << hsl.lightness << ")";
}

} // namespace tessaro

namespace tessaro::test {

// A UTF-16 text from UTF-8 source literals.
inline std::u16string U16(std::string_view utf8)
{
    return Utf8ToUtf16(utf8);
}

// Lines as the clipboard gives them to the paste scanner: each line followed
// by CR LF.
inline std::u16string Pasted(std::string_view utf8)
{
    return U16(utf8) + u"\r\n";
}

} // namespace tessaro::test
