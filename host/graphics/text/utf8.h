// Decoding UTF-8 text into Unicode code points.
#pragma once

#include <string>
#include <string_view>

namespace pictor {

// The replacement for bytes that are not valid UTF-8.
inline constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes the text. Each maximal ill-formed piece (a stray continuation byte, a
// bad lead byte, a truncated, overlong or surrogate sequence, a value above
// U+10FFFF) becomes one U+FFFD, and decoding goes on at the next byte that can
// start a character.
std::u32string DecodeUtf8(std::string_view text);

}  // namespace pictor
