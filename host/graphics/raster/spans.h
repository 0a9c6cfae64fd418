// A set of pixels stored as horizontal spans: the shape behind regions, wide
// pens and clipping. Spans are half-open: [X0, X1) on row Y.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "host/graphics/geometry.h"

namespace pictor {

struct Span {
  int Y;
  int X0;
  int X1;
  friend bool operator==(const Span&, const Span&) = default;
};

class SpanSet {
 public:
  // Adds pixels; the set is made canonical again by the next read.
  void Add(int y, int x0, int x1);
  void AddRect(const TRect& r);
  void Clear();

  // Sorted by row then column, no two spans touching or overlapping.
  const std::vector<Span>& Spans() const;
  // The spans of one row (a view into Spans()).
  std::span<const Span> Row(int y) const;
  bool Contains(int x, int y) const;
  bool IsEmpty() const { return Spans().empty(); }
  TRect Bounds() const;
  std::size_t PixelCount() const;

  void Offset(int dx, int dy);
  SpanSet Intersected(const TRect& r) const;
  SpanSet Intersected(const SpanSet& other) const;

  friend bool operator==(const SpanSet& a, const SpanSet& b) { return a.Spans() == b.Spans(); }

 private:
  // Spans added beyond twice the merged count before they are merged.
  static constexpr std::size_t kMergeSlack = 4096;
  void Normalize() const;
  mutable std::vector<Span> spans_;
  mutable bool normalized_ = true;
  mutable std::size_t normalizedSize_ = 0;  // spans left by the last merge
};

// The pixels of a that are not in b.
SpanSet SubtractSpans(const SpanSet& a, const SpanSet& b);

// Calls out(x0, x1) for each piece of [x0, x1) on row y that lies in clip.
template <typename Out>
void ForEachClippedPiece(const SpanSet& clip, int y, int x0, int x1, Out&& out) {
  for (const Span& s : clip.Row(y)) {
    if (s.X1 <= x0) continue;
    if (s.X0 >= x1) break;
    out(s.X0 > x0 ? s.X0 : x0, s.X1 < x1 ? s.X1 : x1);
  }
}

}  // namespace pictor
