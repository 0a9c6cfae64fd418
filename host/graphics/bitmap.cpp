#include "host/graphics/bitmap.h"

#include <utility>

#include <algorithm>
#include <atomic>
#include <cstring>

#include "host/graphics/bmp/bmp_codec.h"
#include "host/graphics/canvas.h"
#include "host/graphics/pixels/default_palettes.h"
#include "host/graphics/errors.h"
#include "host/graphics/pixels/pixel_access.h"
#include "host/graphics/pixels/pixel_convert.h"
#include "host/graphics/pixels/span_fill.h"

namespace pictor {
namespace {

OwnedPalette DefaultPalette(TPixelFormat format) {
  std::vector<PALETTEENTRY> entries = DefaultPaletteEntries(format);
  return OwnedPalette::FromEntries(entries);
}

// A palette-format image always carries a palette.
void EnsurePalette(BitmapImage& image) {
  if (IsIndexed(image.format) && image.palette.empty())
    image.palette = DefaultPalette(image.format);
}

}  // namespace

TBitmap::TBitmap() = default;
TBitmap::~TBitmap() { LetGoOfPixels(); }

void TBitmap::SetWidth(int width) { Resize(width, image_.height); }
void TBitmap::SetHeight(int height) { Resize(image_.width, height); }
void TBitmap::SetSize(int width, int height) { Resize(width, height); }

void TBitmap::Resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == image_.width && height == image_.height) return;
  EnsurePalette(image_);
  BitmapImage resized = AllocateImage(width, height, image_.format);
  resized.palette = std::move(image_.palette);
  if (!resized.empty()) {
    FillImage(resized, ColorToNative(resized, clWhite));
    const int w = std::min(width, image_.width);
    const int h = std::min(height, image_.height);
    const std::size_t wholeBytes = static_cast<std::size_t>(w) * resized.bpp() / 8;
    const int copiedPixels = static_cast<int>(wholeBytes * 8 / resized.bpp());
    for (int y = 0; y < h; ++y) {
      std::memcpy(resized.Row(y), image_.Row(y), wholeBytes);
      for (int x = copiedPixels; x < w; ++x) WriteNative(resized, x, y, ReadNative(image_, x, y));
    }
  }
  const bool blank = image_.width == 0 || image_.height == 0;
  LetGoOfPixels();
  NoteChanged(kEverywhere);
  image_ = std::move(resized);
  // A new image with nothing kept is white throughout.
  if (blank) NoteUniform(kEverywhere);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == image_.format) return;
  MarkChanged(kEverywhere);
  OwnedPalette palette;
  if (IsIndexed(format)) {
    const bool fits = !image_.palette.empty() &&
                      image_.palette.size() <= static_cast<std::size_t>(MaxPaletteEntries(format));
    palette = fits ? std::move(image_.palette) : DefaultPalette(format);
  } else {
    palette = std::move(image_.palette);
  }
  if (image_.empty()) {
    image_.format = format;
    image_.palette = std::move(palette);
    image_.stride = 0;
    return;
  }
  // The old palette may be the new one: convert from a copy that shares its entries.
  BitmapImage source = std::move(image_);
  if (source.palette.empty() && palette.data()) source.palette = palette.Copy();
  image_ = ConvertImage(source, format, std::move(palette));
}

void TBitmap::SetPalette(HPALETTE handle) {
  if (handle != HPALETTE{} && handle == image_.palette.handle()) return;
  MarkChanged(kEverywhere);
  OwnedPalette palette(handle);
  if (!IsIndexed(image_.format)) {
    image_.palette = std::move(palette);
    return;
  }
  if (palette.empty()) palette = DefaultPalette(image_.format);
  RemapToPalette(image_, std::move(palette));
}

void TBitmap::Assign(const TGraphic* source) {
  if (source == this) return;
  if (!source) {
    ReplaceImage(BitmapImage());
    return;
  }
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    const BitmapImage& from = bitmap->image_;
    if (!from.empty() && from.width == image_.width && from.height == image_.height &&
        from.format == image_.format && from.pixels.size() == image_.pixels.size()) {
      // A drag step copies the picture this way: no allocation, no page faults.
      MarkChanged(kEverywhere);
      std::memcpy(image_.pixels.data(), from.pixels.data(), from.pixels.size());
      image_.palette = from.palette.Copy();
      EnsurePalette(image_);
    } else {
      BitmapImage copy = AllocateImage(from.width, from.height, from.format);
      if (!from.empty()) std::memcpy(copy.pixels.data(), from.pixels.data(), from.pixels.size());
      copy.palette = from.palette.Copy();
      ReplaceImage(std::move(copy));
    }
    SetTransparent(bitmap->Transparent());
    transparentMode_ = bitmap->transparentMode_;
    transparentColor_ = bitmap->transparentColor_;
    ignorePalette_ = bitmap->ignorePalette_;
    return;
  }
  if (!source->AssignTo(*this))
    throw EInvalidGraphicOperation(std::string("Cannot assign a ") + source->ClassName() +
                                   " to a TBitmap");
}

void TBitmap::LoadFromStream(TStream& stream) { ReplaceImage(ReadBmp(stream)); }

void TBitmap::SaveToStream(TStream& stream) const { WriteBmp(image_, stream); }

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == TTransparentMode::tmFixed || image_.empty()) return transparentColor_;
  return NativeToColor(image_, ReadNative(image_, 0, image_.height - 1));
}

void TBitmap::SetTransparentColor(TColor color) {
  transparentColor_ = color;
  transparentMode_ = TTransparentMode::tmFixed;
}

TColor TBitmap::PixelColor(int x, int y) const {
  if (!image_.Contains(x, y)) return clInvalid;
  return NativeToColor(image_, ReadNative(image_, x, y));
}

std::span<const std::uint8_t> TBitmap::PixelBytes() const {
  return {image_.pixels.data(), image_.pixels.size()};
}

std::span<std::uint8_t> TBitmap::PixelBytes() {
  MarkChanged(kEverywhere);
  return {image_.pixels.data(), image_.pixels.size()};
}

void TBitmap::ReadRgbRow(int y, int x, int n, std::uint32_t* out) const {
  DecodeRow(image_, y, x, n, out);
}

void TBitmap::WriteIndexRow(int y, std::span<const std::uint8_t> indices) {
  if (!IsIndexed(image_.format)) return;
  const int n = std::min(image_.width, static_cast<int>(indices.size()));
  MarkChanged(TRect{0, y, n, y + 1});
  WithLayout(image_.format, [&](auto layout) {
    for (int x = 0; x < n; ++x) WritePixel(layout, image_.Row(y), x, indices[x]);
  });
}

std::span<const PALETTEENTRY> TBitmap::PaletteEntries() const {
  if (image_.palette.empty()) return {};
  return image_.palette.data()->entries;
}

void TBitmap::SetPaletteEntries(std::span<const PALETTEENTRY> entries) {
  image_.palette = OwnedPalette::FromEntries(entries);
  EnsurePalette(image_);
  NoteChanged(kEverywhere);  // the pixels stay
}

void TBitmap::NewImage(int width, int height, TPixelFormat format,
                       std::span<const PALETTEENTRY> palette) {
  BitmapImage image = AllocateImage(width, height, format);
  if (!image.empty()) std::memset(image.pixels.data(), 0, image.pixels.size());
  image.palette = OwnedPalette::FromEntries(palette);
  ReplaceImage(std::move(image));
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>(this);
  return canvas_.get();
}

void TBitmap::DrawInto(TCanvas& canvas, const TRect& rect) const {
  canvas.StretchDrawBitmap(rect, *this);
}

void TBitmap::ReplaceImage(BitmapImage image) {
  EnsurePalette(image);
  LetGoOfPixels();
  NoteChanged(kEverywhere);
  image_ = std::move(image);
}

bool TBitmap::SwapPixels(TBitmap& other, const TRect& changed) {
  const BitmapImage& a = image_;
  const BitmapImage& b = other.image_;
  if (a.width != b.width || a.height != b.height || a.format != b.format || a.stride != b.stride ||
      a.pixels.size() != b.pixels.size() || watch_ || other.watch_)
    return false;
  std::swap(image_.pixels, other.image_.pixels);
  MarkChanged(changed);
  other.MarkChanged(changed);
  return true;
}

TRect TBitmap::ChangedRect() const {
  return IntersectRect(changed_, TRect{0, 0, image_.width, image_.height});
}

void TBitmap::MarkChanged(const TRect& rect) {
  BeforeWrite(rect);
  NoteChanged(rect);
}

void TBitmap::NoteChanged(const TRect& rect) {
  // Only the part on the bitmap (or on any bitmap) counts.
  const TRect on = IntersectRect(NormalizedRect(rect), kEverywhere);
  if (on.IsEmpty()) return;
  static std::atomic<std::uint64_t> marks{0};
  changeCount_ = ++marks;
  changed_ = UnionRect(changed_, on);
  if (!IntersectRect(uniform_, on).IsEmpty()) uniform_ = TRect{};
}

void TBitmap::NoteUniform(const TRect& rect) {
  uniform_ = IntersectRect(NormalizedRect(rect), TRect{0, 0, image_.width, image_.height});
}

void TBitmap::TellWatch(const TRect& rect) {
  if (!watch_->BeforeWrite(NormalizedRect(rect))) watch_.reset();
}

void TBitmap::LetGoOfPixels() {
  if (!watch_) return;
  const std::shared_ptr<TPixelWatch> watch = std::move(watch_);
  watch->KeepPixels(std::make_shared<const PixelBuffer>(std::move(image_.pixels)));
}

void TBitmap::SetWatch(std::shared_ptr<TPixelWatch> watch) {
  BeforeWrite(kEverywhere);
  watch_ = std::move(watch);
}

}  // namespace pictor
