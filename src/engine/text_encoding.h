// Decoding file bytes the way the program reads every text file: UTF-8 when
// the bytes are valid UTF-8, otherwise Windows-1252 (one byte, one character)
// so that files written on Windows load.
#pragma once

#include <string>
#include <string_view>

namespace tessaro {

bool IsValidUtf8(std::string_view bytes);
std::u16string DecodeFileText(std::string_view bytes);
std::u16string Utf8ToUtf16(std::string_view utf8);  // input must be valid UTF-8
std::string Utf16ToUtf8(std::u16string_view text);  // lone surrogates become U+FFFD

} // namespace tessaro
