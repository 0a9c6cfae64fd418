// Text in metafile records to UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace pictor::metafile {

// UTF-16LE code units; unpaired surrogates become U+FFFD. Stops at a NUL when stopAtNul.
std::string Utf16ToUtf8(std::span<const std::uint8_t> bytes, bool stopAtNul = false);
// Single-byte text, taken as Latin-1. Stops at a NUL when stopAtNul.
std::string Latin1ToUtf8(std::span<const std::uint8_t> bytes, bool stopAtNul = false);

}  // namespace pictor::metafile
