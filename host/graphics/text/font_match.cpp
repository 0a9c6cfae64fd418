#include "host/graphics/text/font_match.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>

namespace pictor {
namespace {

// Face names of classic pictures and the installed families that stand in for
// them, best first. The small dialog face wants a narrow, clearly hinted sans.
struct FaceAlias {
  std::string_view name;
  std::array<const char*, 2> families;
};
constexpr FaceAlias kAliases[] = {
    {"MS Sans Serif", {"DejaVu Sans Condensed", "DejaVu Sans"}},
    {"MS Serif", {"DejaVu Serif Condensed", "DejaVu Serif"}},
};

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

const FaceAlias* FindAlias(std::string_view name) {
  for (const FaceAlias& alias : kAliases)
    if (SameName(alias.name, name)) return &alias;
  return nullptr;
}

const FcChar8* Bytes(const char* s) { return reinterpret_cast<const FcChar8*>(s); }

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct CharSetDeleter {
  void operator()(FcCharSet* s) const { FcCharSetDestroy(s); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

}  // namespace

FontMatcher::FontMatcher() : config_(FcInitLoadConfigAndFonts()) {}

FontMatcher::~FontMatcher() {
  if (config_) FcConfigDestroy(config_);
}

std::optional<FontFile> FontMatcher::Match(std::string_view name, bool bold, bool italic) const {
  return Find(name, bold, italic, std::nullopt);
}

std::optional<FontFile> FontMatcher::MatchCovering(std::string_view name, bool bold, bool italic,
                                                   char32_t c) const {
  return Find(name, bold, italic, c);
}

std::optional<FontFile> FontMatcher::Find(std::string_view name, bool bold, bool italic,
                                          std::optional<char32_t> c) const {
  if (!config_) return std::nullopt;
  Pattern pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  if (const FaceAlias* alias = FindAlias(name)) {
    for (const char* family : alias->families)
      FcPatternAddString(pattern.get(), FC_FAMILY, Bytes(family));
  } else if (!name.empty()) {
    const std::string family(name);
    FcPatternAddString(pattern.get(), FC_FAMILY, Bytes(family.c_str()));
  }
  // Anything not found by name falls back to the generic sans-serif family.
  FcPatternAddString(pattern.get(), FC_FAMILY, Bytes("sans-serif"));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  if (c) {
    // The character set outranks the family in matching, so a font that has
    // the character wins over the requested family that lacks it.
    std::unique_ptr<FcCharSet, CharSetDeleter> chars(FcCharSetCreate());
    if (!chars || !FcCharSetAddChar(chars.get(), *c)) return std::nullopt;
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, chars.get());
  }
  FcConfigSubstitute(config_, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  Pattern match(FcFontMatch(config_, pattern.get(), &result));
  if (!match) return std::nullopt;

  FcChar8* path = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &path) != FcResultMatch) return std::nullopt;
  if (c) {
    FcCharSet* has = nullptr;
    if (FcPatternGetCharSet(match.get(), FC_CHARSET, 0, &has) != FcResultMatch ||
        !FcCharSetHasChar(has, *c))
      return std::nullopt;
  }
  FontFile file;
  file.path = reinterpret_cast<const char*>(path);
  int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
  FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
  FcChar8* family = nullptr;
  if (FcPatternGetString(match.get(), FC_FAMILY, 0, &family) == FcResultMatch)
    file.family = reinterpret_cast<const char*>(family);
  file.index = index;
  file.bold = weight >= FC_WEIGHT_DEMIBOLD;
  file.italic = slant != FC_SLANT_ROMAN;
  return file;
}

}  // namespace pictor
