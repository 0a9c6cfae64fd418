#include "host/graphics/pixels/pixel_convert.h"

#include <algorithm>
#include <cstring>

#include "host/graphics/pixels/pixel_access.h"

namespace pictor {
namespace {

std::uint32_t ToXrgb(const PALETTEENTRY& e) { return ColorToXrgb(EntryColor(e)); }

// Writes lut[index] into target for every pixel of the indexed source (the
// two may be one image).
void MapIndices(const BitmapImage& source, BitmapImage& target,
                const std::vector<std::uint32_t>& lut) {
  WithLayout(source.format, [&](auto from) {
    if constexpr (decltype(from)::value.indexed) {
      WithLayout(target.format, [&](auto to) {
        for (int y = 0; y < source.height; ++y) {
          const std::uint8_t* in = source.Row(y);
          std::uint8_t* out = target.Row(y);
          for (int x = 0; x < source.width; ++x)
            WritePixel(to, out, x, lut[ReadPixel(from, in, x)]);
        }
      });
    }
  });
}

}  // namespace

void DecodeRow(const BitmapImage& image, int y, int x0, int n, std::uint32_t* out) {
  const std::uint8_t* row = image.Row(y);
  WithLayout(image.format, [&](auto layout) {
    constexpr const PixelLayout& L = decltype(layout)::value;
    if constexpr (L.indexed) {
      std::uint32_t lut[1 << L.bitsPerPixel];
      const std::size_t count = image.palette.size();
      for (std::size_t i = 0; i < std::size(lut); ++i)
        lut[i] = i < count ? ToXrgb(image.palette[i]) : 0;
      for (int i = 0; i < n; ++i) out[i] = lut[ReadPixel(layout, row, x0 + i)];
    } else if constexpr (L.bitsPerPixel == 24 && L.IsXrgb()) {
      // One 4-byte load a pixel; the last pixel may end the buffer and is
      // read by bytes.
      const std::uint8_t* p = row + 3 * static_cast<std::size_t>(x0);
      int i = 0;
      for (; i + 1 < n; ++i, p += 3) {
        std::uint32_t v;
        std::memcpy(&v, p, 4);
        out[i] = v & 0xFFFFFFu;
      }
      if (i < n) out[i] = ReadPixel(layout, row, x0 + i);
    } else {
      for (int i = 0; i < n; ++i) out[i] = L.Unpack(ReadPixel(layout, row, x0 + i));
    }
  });
}

RowEncoder::RowEncoder(BitmapImage& image) : image_(image), layout_(LayoutOf(image.format)) {
  if (layout_.indexed && !image.palette.empty())
    nearest_ = &NearestIndexFor(*image.palette.data(), layout_.PaletteEntries());
}

std::uint32_t RowEncoder::Native(std::uint32_t c) {
  if (!layout_.indexed) return layout_.Pack(c);
  if (c != lastColor_) {
    lastColor_ = c;
    lastNative_ = nearest_ ? static_cast<std::uint32_t>(nearest_->Find(
                                 std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)))
                           : 0;
  }
  return lastNative_;
}

void RowEncoder::Encode(int y, int x0, int n, const std::uint32_t* in) {
  std::uint8_t* row = image_.Row(y);
  WithLayout(image_.format, [&](auto layout) {
    constexpr const PixelLayout& L = decltype(layout)::value;
    if constexpr (!L.indexed) {
      for (int i = 0; i < n; ++i) WritePixel(layout, row, x0 + i, L.Pack(in[i]));
    } else if constexpr (L.bitsPerPixel == 8) {
      if (!nearest_) {
        std::memset(row + x0, 0, static_cast<std::size_t>(n));
        return;
      }
      // The hot path of palette conversions: a row at a time, repeats skipped.
      nearest_->FindRow(in, n, row + x0, &lastColor_, &lastNative_);
    } else {
      for (int i = 0; i < n; ++i) WritePixel(layout, row, x0 + i, Native(in[i]));
    }
  });
}

std::vector<std::uint32_t> PaletteToNative(const BitmapImage& source, BitmapImage& target) {
  RowEncoder encoder(target);
  std::vector<std::uint32_t> lut(256, encoder.Native(0));
  for (std::size_t i = 0; i < std::min<std::size_t>(256, source.palette.size()); ++i)
    lut[i] = encoder.Native(ToXrgb(source.palette[i]));
  return lut;
}

BitmapImage ConvertImage(const BitmapImage& source, TPixelFormat format, OwnedPalette palette) {
  BitmapImage out = AllocateImage(source.width, source.height, format);
  out.palette = std::move(palette);
  if (source.empty()) return out;
  if (IsIndexed(source.format)) {
    // One lookup per palette entry instead of one per pixel.
    MapIndices(source, out, PaletteToNative(source, out));
    return out;
  }
  RowEncoder encoder(out);
  std::vector<std::uint32_t> row(static_cast<std::size_t>(source.width));
  for (int y = 0; y < source.height; ++y) {
    DecodeRow(source, y, 0, source.width, row.data());
    encoder.Encode(y, 0, source.width, row.data());
  }
  return out;
}

void RemapToPalette(BitmapImage& image, OwnedPalette palette) {
  BitmapImage target;
  target.format = image.format;
  target.palette = std::move(palette);
  std::vector<std::uint32_t> lut = PaletteToNative(image, target);
  // A palette that keeps the colour of every entry the old one has changes
  // no pixel (an equal palette given again costs no pass over the image).
  bool identity = true;
  const auto addressable = static_cast<std::size_t>(MaxPaletteEntries(image.format));
  const std::size_t entries =
      image.palette.empty() ? addressable : std::min(addressable, image.palette.size());
  for (std::size_t i = 0; i < entries && identity; ++i) identity = lut[i] == i;
  if (!identity) MapIndices(image, image, lut);
  image.palette = std::move(target.palette);
}

}  // namespace pictor
