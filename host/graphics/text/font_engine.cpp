#include "host/graphics/text/font_engine.h"

#include <cmath>
#include <list>
#include <mutex>
#include <numbers>

#include "host/graphics/text/sized_font.h"

namespace pictor {
namespace {

// Fonts kept ready, most recently used first.
constexpr std::size_t kMaxFonts = 8;

class FontEngine {
 public:
  FontEngine() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
  }
  ~FontEngine() {
    fonts_.clear();  // the faces go before the library they belong to
    if (library_) FT_Done_FreeType(library_);
  }
  FontEngine(const FontEngine&) = delete;
  FontEngine& operator=(const FontEngine&) = delete;

  std::mutex& Mutex() { return mutex_; }

  // The font for the TFont, made on first use; the caller holds the mutex.
  SizedFont& Find(const TFont& font) {
    FontKey key = MakeFontKey(font);
    for (auto it = fonts_.begin(); it != fonts_.end(); ++it) {
      if ((*it)->Key() == key) {
        fonts_.splice(fonts_.begin(), fonts_, it);
        return *fonts_.front();
      }
    }
    if (fonts_.size() >= kMaxFonts) fonts_.pop_back();
    fonts_.push_front(std::make_unique<SizedFont>(library_, matcher_, std::move(key)));
    return *fonts_.front();
  }

 private:
  std::mutex mutex_;
  FT_Library library_ = nullptr;
  FontMatcher matcher_;
  std::list<std::unique_ptr<SizedFont>> fonts_;
};

// The one process-wide font engine.
FontEngine& Engine() {
  static FontEngine engine;
  return engine;
}

}  // namespace

FontCellMetrics MeasureFont(const TFont& font) {
  FontEngine& engine = Engine();
  std::lock_guard lock(engine.Mutex());
  return engine.Find(font).Metrics();
}

int MeasureText(const TFont& font, std::u32string_view text) {
  FontEngine& engine = Engine();
  std::lock_guard lock(engine.Mutex());
  SizedFont& sized = engine.Find(font);
  int width = 0;
  for (char32_t c : text) {
    if (DrawsNothing(c)) continue;
    const int advance = sized.Measure(c).advance;
    if (width > kMaxTextWidth - advance) break;
    width += advance;
  }
  return width;
}

TextLayout LayOutText(const TFont& font, std::u32string_view text) {
  FontEngine& engine = Engine();
  std::lock_guard lock(engine.Mutex());
  SizedFont& sized = engine.Find(font);
  TextLayout layout;
  layout.metrics = sized.Metrics();
  const int ascent = layout.metrics.ascent;
  const int orientation = sized.Key().orientation;
  const double angle = orientation * std::numbers::pi / 1800.0;
  const double cs = std::cos(angle), sn = std::sin(angle);
  layout.glyphs.reserve(text.size());
  for (char32_t c : text) {
    if (DrawsNothing(c)) continue;
    const GlyphMetrics glyph = sized.Measure(c);
    const int advance = glyph.advance;
    if (layout.width > kMaxTextWidth - advance) break;
    if (!glyph.box.IsEmpty()) {
      TPoint origin{layout.width, ascent};
      if (orientation != 0) {
        // (along the baseline, down from the cell top) turned counter-clockwise.
        origin.X = static_cast<int>(std::lround(layout.width * cs + ascent * sn));
        origin.Y = static_cast<int>(std::lround(-layout.width * sn + ascent * cs));
      }
      const TRect box{origin.X + glyph.box.Left, origin.Y + glyph.box.Top,
                      origin.X + glyph.box.Right, origin.Y + glyph.box.Bottom};
      layout.glyphs.push_back(PlacedGlyph{c, origin, box});
    }
    layout.width += advance;
  }
  return layout;
}

void PaintGlyphs(const TFont& font, const TextLayout& layout, const TRect& area,
                 const GlyphSpanFn& span) {
  FontEngine& engine = Engine();
  std::lock_guard lock(engine.Mutex());
  SizedFont& sized = engine.Find(font);
  for (const PlacedGlyph& glyph : layout.glyphs) {
    const TRect seen = IntersectRect(glyph.box, area);
    if (seen.IsEmpty()) continue;
    const TPoint o = glyph.origin;
    const TRect window{seen.Left - o.X, seen.Top - o.Y, seen.Right - o.X, seen.Bottom - o.Y};
    const std::shared_ptr<const std::vector<GlyphRun>> runs = sized.Pixels(glyph.c, window);
    for (const GlyphRun& run : *runs) span(o.Y + run.y, o.X + run.x0, o.X + run.x1);
  }
}

std::string MatchedFamily(const TFont& font) {
  FontEngine& engine = Engine();
  std::lock_guard lock(engine.Mutex());
  return engine.Find(font).Family();
}

}  // namespace pictor
