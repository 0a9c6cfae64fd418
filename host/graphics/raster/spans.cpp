#include "host/graphics/raster/spans.h"

#include <algorithm>

namespace pictor {

void SpanSet::Add(int y, int x0, int x1) {
  if (x1 <= x0) return;
  if (normalized_ && !spans_.empty()) {
    Span& last = spans_.back();
    // Pixels added in order, touching or overlapping the last span, extend it.
    if (y == last.Y && x0 >= last.X0 && x0 <= last.X1) {
      if (x1 > last.X1) last.X1 = x1;
      return;
    }
    if (y < last.Y || (y == last.Y && x0 <= last.X1)) normalized_ = false;
  }
  spans_.push_back(Span{y, x0, x1});
  // Overlapping spans are merged now and then, so that memory follows the
  // pixels covered rather than the number of spans added.
  if (!normalized_ && spans_.size() >= 2 * normalizedSize_ + kMergeSlack) Normalize();
}

void SpanSet::AddRect(const TRect& r) {
  for (int y = r.Top; y < r.Bottom; ++y) Add(y, r.Left, r.Right);
}

void SpanSet::Clear() {
  spans_.clear();
  normalized_ = true;
  normalizedSize_ = 0;
}

void SpanSet::Normalize() const {
  if (normalized_) return;
  std::sort(spans_.begin(), spans_.end(), [](const Span& a, const Span& b) {
    return a.Y != b.Y ? a.Y < b.Y : a.X0 < b.X0;
  });
  std::size_t out = 0;
  for (std::size_t i = 0; i < spans_.size(); ++i) {
    const Span& s = spans_[i];
    if (out > 0 && spans_[out - 1].Y == s.Y && s.X0 <= spans_[out - 1].X1) {
      spans_[out - 1].X1 = std::max(spans_[out - 1].X1, s.X1);
    } else {
      spans_[out++] = s;
    }
  }
  spans_.resize(out);
  normalized_ = true;
  normalizedSize_ = out;
}

const std::vector<Span>& SpanSet::Spans() const {
  Normalize();
  return spans_;
}

std::span<const Span> SpanSet::Row(int y) const {
  const std::vector<Span>& all = Spans();
  auto first = std::lower_bound(all.begin(), all.end(), y,
                                [](const Span& s, int row) { return s.Y < row; });
  auto last = first;
  while (last != all.end() && last->Y == y) ++last;
  return std::span<const Span>(all.data() + (first - all.begin()),
                               static_cast<std::size_t>(last - first));
}

bool SpanSet::Contains(int x, int y) const {
  for (const Span& s : Row(y)) {
    if (x < s.X0) return false;
    if (x < s.X1) return true;
  }
  return false;
}

TRect SpanSet::Bounds() const {
  const std::vector<Span>& all = Spans();
  if (all.empty()) return TRect{};
  TRect r{all.front().X0, all.front().Y, all.front().X1, all.back().Y + 1};
  for (const Span& s : all) {
    r.Left = std::min(r.Left, s.X0);
    r.Right = std::max(r.Right, s.X1);
  }
  return r;
}

std::size_t SpanSet::PixelCount() const {
  std::size_t n = 0;
  for (const Span& s : Spans()) n += static_cast<std::size_t>(s.X1 - s.X0);
  return n;
}

void SpanSet::Offset(int dx, int dy) {
  for (Span& s : spans_) {
    s.Y += dy;
    s.X0 += dx;
    s.X1 += dx;
  }
}

SpanSet SpanSet::Intersected(const TRect& r) const {
  SpanSet out;
  for (const Span& s : Spans()) {
    if (s.Y < r.Top || s.Y >= r.Bottom) continue;
    out.Add(s.Y, std::max(s.X0, r.Left), std::min(s.X1, r.Right));
  }
  return out;
}

SpanSet SpanSet::Intersected(const SpanSet& other) const {
  SpanSet out;
  for (const Span& s : Spans()) {
    ForEachClippedPiece(other, s.Y, s.X0, s.X1, [&](int a, int b) { out.Add(s.Y, a, b); });
  }
  return out;
}

SpanSet SubtractSpans(const SpanSet& a, const SpanSet& b) {
  SpanSet out;
  for (const Span& s : a.Spans()) {
    int x = s.X0;
    for (const Span& o : b.Row(s.Y)) {
      if (o.X1 <= x) continue;
      if (o.X0 >= s.X1) break;
      out.Add(s.Y, x, o.X0);
      x = o.X1;
    }
    out.Add(s.Y, x, s.X1);
  }
  return out;
}

}  // namespace pictor
