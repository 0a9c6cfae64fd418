#include "host/graphics/raster/blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "host/graphics/pixels/pixel_access.h"
#include "host/graphics/pixels/pixel_convert.h"

namespace pictor {
namespace {

bool SamePalette(const BitmapImage& a, const BitmapImage& b) {
  if (!IsIndexed(a.format)) return true;
  if (a.palette.data() == b.palette.data()) return true;
  if (!a.palette.data() || !b.palette.data()) return false;
  return a.palette.data()->entries == b.palette.data()->entries;
}

// What a stretch copies where, worked out before any row is drawn.
struct BlitPlan {
  TRect visible;          // the target pixels that may change
  std::vector<int> cols;  // the source column of each visible column, -1 for none
  std::vector<int> rows;  // the source row of each visible row, -1 for none
  int minCol = 0;         // the source columns in use
  int maxCol = -1;
  // Columns map one to one onto source columns, not mirrored, all inside the source.
  bool identityCols = false;
  // ... and the target has the source's format and palette: rows copy as bytes.
  bool rawCopy = false;
  // Bytes of a target pixel; 0 below 8 bits.
  std::size_t bytesPerPixel = 0;

  bool Empty() const { return maxCol < 0; }
  int Width() const { return visible.Width(); }
};

BlitPlan PlanBlit(const BitmapImage& target, const TRect& destRect, const BitmapImage& source,
                  const TRect& sourceRect, const BlitOptions& options) {
  BlitPlan plan;
  if (target.empty() || source.empty()) return plan;
  const TRect d = NormalizedRect(destRect);
  const TRect s = NormalizedRect(sourceRect);
  if (d.IsEmpty() || s.IsEmpty()) return plan;
  const bool mirrorX = (destRect.Right < destRect.Left) != (sourceRect.Right < sourceRect.Left);
  const bool mirrorY = (destRect.Bottom < destRect.Top) != (sourceRect.Bottom < sourceRect.Top);

  plan.visible = IntersectRect(d, TRect{0, 0, target.width, target.height});
  if (options.clip) plan.visible = IntersectRect(plan.visible, options.clip->Bounds());
  if (plan.visible.IsEmpty()) return plan;
  const TRect& v = plan.visible;
  plan.cols = AxisMap(v.Left, v.Right, d.Left, d.Width(), mirrorX, s.Left, s.Width(), source.width);
  plan.rows = AxisMap(v.Top, v.Bottom, d.Top, d.Height(), mirrorY, s.Top, s.Height(), source.height);
  plan.minCol = source.width;
  for (int c : plan.cols)
    if (c >= 0) {
      plan.minCol = std::min(plan.minCol, c);
      plan.maxCol = std::max(plan.maxCol, c);
    }
  plan.bytesPerPixel = static_cast<std::size_t>(LayoutOf(target.format).BytesPerPixel());
  plan.identityCols = !mirrorX && d.Width() == s.Width() && plan.cols.front() >= 0 &&
                      plan.cols.back() >= 0;
  plan.rawCopy = plan.identityCols && !options.transparent && target.format == source.format &&
                 plan.bytesPerPixel > 0 && SamePalette(target, source);
  return plan;
}

// Draws the rows of a plan, each by the cheapest way that gives its pixels.
class RowBlitter {
 public:
  RowBlitter(BitmapImage& target, const BitmapImage& source, const BlitPlan& plan,
             const BlitOptions& options)
      : target_(target),
        source_(source),
        plan_(plan),
        options_(options),
        encoder_(target),
        keyXrgb_(ColorToXrgb(options.key)),
        decoded_(static_cast<std::size_t>(plan.maxCol - plan.minCol + 1)) {}

  void Run() {
    // A repeated row can be copied from the target row drawn before it when
    // every pixel of that row was written and the pixels are whole bytes.
    const bool mayRepeat = !options_.clip && !options_.transparent && plan_.bytesPerPixel > 0;
    for (int y = plan_.visible.Top; y < plan_.visible.Bottom; ++y) {
      const auto index = static_cast<std::size_t>(y - plan_.visible.Top);
      const int sy = plan_.rows[index];
      if (sy < 0) continue;
      // A few rows ahead: one row's work does not cover a wait for memory.
      constexpr std::size_t kAhead = 3;
      if (index + kAhead < plan_.rows.size() && plan_.rows[index + kAhead] != sy)
        Prefetch(plan_.rows[index + kAhead]);
      if (plan_.rawCopy) {
        CopyBytes(y, sy);
        continue;
      }
      if (mayRepeat && sy == previousRow_) {
        RepeatRow(y);
        continue;
      }
      Decode(sy);
      const bool whole = plan_.identityCols && !options_.transparent ? EncodeDecoded(y) : MapRow(y);
      previousRow_ = whole ? sy : -1;
      previousY_ = y;
    }
  }

 private:
  // Calls fn(x0, x1) for the pieces of row y's visible span inside the clip.
  template <typename Fn>
  void Pieces(int y, Fn&& fn) {
    if (options_.clip)
      ForEachClippedPiece(*options_.clip, y, plan_.visible.Left, plan_.visible.Right, fn);
    else
      fn(plan_.visible.Left, plan_.visible.Right);
  }

  // Asks for the source bytes of the row drawn next while this one is drawn:
  // the rows of a view into a wide image lie far apart, and each would
  // otherwise start with a wait for memory.
  void Prefetch(int sy) {
    if (sy < 0) return;
    const std::size_t bits = static_cast<std::size_t>(source_.bpp());
    const std::uint8_t* row = source_.Row(sy);
    const std::size_t first = static_cast<std::size_t>(plan_.minCol) * bits / 8;
    const std::size_t last = (static_cast<std::size_t>(plan_.maxCol) + 1) * bits / 8;
    for (std::size_t at = first & ~std::size_t{63}; at < last; at += 64)
      __builtin_prefetch(row + at);
  }

  std::uint8_t* TargetBytes(int y, int x) {
    return target_.Row(y) + static_cast<std::size_t>(x) * plan_.bytesPerPixel;
  }

  // Same format and palette, one to one: the source row's bytes.
  void CopyBytes(int y, int sy) {
    const std::uint8_t* from = source_.Row(sy) + static_cast<std::size_t>(plan_.cols.front()) *
                                                     plan_.bytesPerPixel;
    Pieces(y, [&](int a, int b) {
      std::memcpy(TargetBytes(y, a),
                  from + static_cast<std::size_t>(a - plan_.visible.Left) * plan_.bytesPerPixel,
                  static_cast<std::size_t>(b - a) * plan_.bytesPerPixel);
    });
  }

  // The same source row as the target row before (an enlargement): that row's bytes.
  void RepeatRow(int y) {
    std::memcpy(TargetBytes(y, plan_.visible.Left), TargetBytes(previousY_, plan_.visible.Left),
                static_cast<std::size_t>(plan_.Width()) * plan_.bytesPerPixel);
  }

  void Decode(int sy) {
    if (sy == decodedRow_) return;
    DecodeRow(source_, sy, plan_.minCol, plan_.maxCol - plan_.minCol + 1, decoded_.data());
    decodedRow_ = sy;
  }

  // One to one and nothing skipped: the decoded row is the line. Writes every
  // visible pixel of the row.
  bool EncodeDecoded(int y) {
    const std::uint32_t* from = decoded_.data() + (plan_.cols.front() - plan_.minCol);
    Pieces(y, [&](int a, int b) { encoder_.Encode(y, a, b - a, from + (a - plan_.visible.Left)); });
    return true;
  }

  // Scaled, mirrored, partly outside the source or transparent: the line is
  // gathered pixel by pixel. Returns whether every visible pixel was written.
  bool MapRow(int y) {
    const std::size_t n = static_cast<std::size_t>(plan_.Width());
    line_.resize(n);
    skip_.resize(n);
    bool anySkipped = false;
    for (std::size_t i = 0; i < n; ++i) {
      const int c = plan_.cols[i];
      const bool off = c < 0;
      const std::uint32_t v = off ? 0 : decoded_[static_cast<std::size_t>(c - plan_.minCol)];
      line_[i] = v;
      skip_[i] = off || (options_.transparent && v == keyXrgb_);
      anySkipped |= skip_[i] != 0;
    }
    Pieces(y, [&](int a, int b) {
      if (!anySkipped) {
        encoder_.Encode(y, a, b - a, line_.data() + (a - plan_.visible.Left));
        return;
      }
      for (int x = a; x < b; ++x) {
        const auto i = static_cast<std::size_t>(x - plan_.visible.Left);
        if (!skip_[i]) WriteNative(target_, x, y, encoder_.Native(line_[i]));
      }
    });
    return !anySkipped;
  }

  BitmapImage& target_;
  const BitmapImage& source_;
  const BlitPlan& plan_;
  const BlitOptions& options_;
  RowEncoder encoder_;
  const std::uint32_t keyXrgb_;
  std::vector<std::uint32_t> decoded_;
  std::vector<std::uint32_t> line_;
  std::vector<std::uint8_t> skip_;
  int decodedRow_ = -1;
  int previousRow_ = -1;  // the source row of the last row drawn whole
  int previousY_ = -1;
};

}  // namespace

std::vector<int> AxisMap(int first, int last, int destStart, int destLength, bool mirror,
                         int sourceStart, int sourceLength, int sourceLimit) {
  std::vector<int> map(static_cast<std::size_t>(std::max(0, last - first)));
  for (int d = first; d < last; ++d) {
    long long u = static_cast<long long>(d) - destStart;
    if (mirror) u = destLength - 1 - u;
    long long s = sourceStart + (2 * u + 1) * static_cast<long long>(sourceLength) /
                                    (2 * static_cast<long long>(destLength));
    map[static_cast<std::size_t>(d - first)] =
        (s >= 0 && s < sourceLimit) ? static_cast<int>(s) : -1;
  }
  return map;
}

void StretchBlit(BitmapImage& target, const TRect& destRect, const BitmapImage& source,
                 const TRect& sourceRect, const BlitOptions& options) {
  const BlitPlan plan = PlanBlit(target, destRect, source, sourceRect, options);
  if (plan.Empty()) return;
  RowBlitter(target, source, plan, options).Run();
}

}  // namespace pictor
