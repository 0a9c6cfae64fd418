// Choosing installed font files for a face name and style with fontconfig.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <fontconfig/fontconfig.h>

namespace pictor {

// An installed font file (and face index within it).
struct FontFile {
  std::string path;
  int index = 0;
  std::string family;
  // Whether the face itself is bold or slanted, so the renderer need not
  // make it so.
  bool bold = false;
  bool italic = false;
  friend bool operator==(const FontFile& a, const FontFile& b) {
    return a.path == b.path && a.index == b.index;
  }
};

// Owns its own fontconfig configuration (the installed fonts as scanned once).
class FontMatcher {
 public:
  FontMatcher();
  ~FontMatcher();
  FontMatcher(const FontMatcher&) = delete;
  FontMatcher& operator=(const FontMatcher&) = delete;

  // The installed face closest to the name and style. Classic face names
  // without an installed font of their own map to similar installed families;
  // an unknown name gets the default sans-serif face.
  std::optional<FontFile> Match(std::string_view name, bool bold, bool italic) const;
  // An installed face that has the character, as close as possible to the
  // name and style; nullopt when no installed font has it.
  std::optional<FontFile> MatchCovering(std::string_view name, bool bold, bool italic,
                                        char32_t c) const;

 private:
  std::optional<FontFile> Find(std::string_view name, bool bold, bool italic,
                               std::optional<char32_t> c) const;
  FcConfig* config_;
};

}  // namespace pictor
