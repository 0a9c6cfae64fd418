#include "bench/bench_images.h"

#include <algorithm>
#include <cmath>

#include "attributes/standard_palettes.h"
#include "host/graphics/canvas.h"

namespace pictor::bench {
namespace {

// A small fixed-seed hash: the noise must be the same on every run.
std::uint32_t Hash(std::uint32_t x, std::uint32_t y) {
  std::uint32_t h = x * 0x9E3779B1u ^ (y + 0x7F4A7C15u) * 0x85EBCA77u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  return h;
}

// Calls check(x, y) on a grid of `step` plus the last row and column.
template <class Check>
bool AllOnGrid(int width, int height, int step, Check check) {
  auto coords = [step](int n) {
    std::vector<int> v;
    for (int i = 0; i < n; i += step) v.push_back(i);
    if (n > 0 && v.back() != n - 1) v.push_back(n - 1);
    return v;
  };
  const std::vector<int> xs = coords(width), ys = coords(height);
  for (int y : ys)
    for (int x : xs)
      if (!check(x, y)) return false;
  return true;
}

}  // namespace

std::unique_ptr<TBitmap> SolidBitmap(TPixelFormat format, int size, TColor color) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(size, size);
  TCanvas& canvas = *bitmap->Canvas();
  canvas.Brush.Color = color;
  canvas.Brush.Style = bsSolid;
  canvas.FillRect(TRect{0, 0, size, size});
  return bitmap;
}

TColor PhotoColor(int x, int y, int size) {
  const double u = static_cast<double>(x) / size, v = static_cast<double>(y) / size;
  const double r = 128 + 100 * std::sin(3.1 * u + 1.3 * v);
  const double g = 128 + 100 * std::cos(2.2 * v - 1.7 * u);
  const double b = 40 + 180 * u * v;
  const std::uint32_t h = Hash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y));
  auto channel = [](double base, std::uint32_t bits) {
    const int noise = static_cast<int>(bits & 31) - 16;  // -16 .. 15
    return std::clamp(static_cast<int>(base) + noise, 0, 255);
  };
  return RGB(channel(r, h), channel(g, h >> 8), channel(b, h >> 16));
}

std::unique_ptr<TBitmap> PhotoBitmap(int size) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(size, size);
  for (int y = 0; y < size; ++y) {
    std::uint8_t* p = bitmap->ScanLine(y);
    for (int x = 0; x < size; ++x, p += 3) {
      const TColor c = PhotoColor(x, y, size);
      // 24-bit rows hold blue, green, red.
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  }
  return bitmap;
}

TBitmap& SharedPhoto() {
  static const std::unique_ptr<TBitmap> photo = PhotoBitmap(kSize);
  return *photo;
}

std::unique_ptr<TBitmap> WebPaletteBitmap(int size) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf8bit);
  bitmap->SetPalette(WebPalette());
  bitmap->SetSize(size, size);
  return bitmap;
}

TColor NearestWebColor(TColor c) {
  auto level = [](int v) { return (v + 25) / 51 * 51; };
  return RGB(level(GetRValue(c)), level(GetGValue(c)), level(GetBValue(c)));
}

bool SampledPixelsAre(TBitmap& bitmap, TColor color, int step) {
  TCanvas& canvas = *bitmap.Canvas();
  return AllOnGrid(bitmap.Width(), bitmap.Height(), step,
                   [&](int x, int y) { return canvas.Pixels(x, y) == color; });
}

bool SampledWebCopyMatches(TBitmap& photo, TBitmap& copy, int step) {
  if (photo.Width() != copy.Width() || photo.Height() != copy.Height()) return false;
  TCanvas& from = *photo.Canvas();
  TCanvas& to = *copy.Canvas();
  return AllOnGrid(photo.Width(), photo.Height(), step, [&](int x, int y) {
    return to.Pixels(x, y) == NearestWebColor(from.Pixels(x, y));
  });
}

bool SampledPixelsEqual(TBitmap& a, TBitmap& b, int step) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.PixelFormat() != b.PixelFormat())
    return false;
  TCanvas& ca = *a.Canvas();
  TCanvas& cb = *b.Canvas();
  return AllOnGrid(a.Width(), a.Height(), step,
                   [&](int x, int y) { return ca.Pixels(x, y) == cb.Pixels(x, y); });
}

std::vector<std::uint8_t> TouchedBuffer(std::size_t size) {
  return std::vector<std::uint8_t>(size, 0x5A);
}

}  // namespace pictor::bench
