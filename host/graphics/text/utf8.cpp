#include "host/graphics/text/utf8.h"

namespace pictor {
namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out.push_back(lead);
      ++i;
      continue;
    }
    // Length of the sequence and the range its second byte must lie in; the
    // narrower ranges rule out overlong forms, surrogates and values past U+10FFFF.
    int length = 0;
    unsigned char low = 0x80, high = 0xBF;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      value = lead & 0x0F;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      value = lead & 0x07;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      out.push_back(kReplacementChar);
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    bool complete = true;
    for (int k = 1; k < length; ++k, ++j) {
      const unsigned char b = j < n ? static_cast<unsigned char>(text[j]) : 0;
      const bool ok = j < n && (k == 1 ? (b >= low && b <= high) : IsContinuation(b));
      if (!ok) {
        complete = false;
        break;
      }
      value = (value << 6) | (b & 0x3F);
    }
    // An incomplete sequence is replaced as a whole; the byte that broke it
    // is read again as the start of the next character.
    out.push_back(complete ? value : kReplacementChar);
    i = j;
  }
  return out;
}

}  // namespace pictor
