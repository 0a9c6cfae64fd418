#include "host/graphics/pixels/pixel_convert.h"

#include <algorithm>
#include <cstring>

#include "host/graphics/pixels/pixel_access.h"

namespace pictor {
namespace {

std::uint32_t ToXrgb(const PALETTEENTRY& e) {
  return (std::uint32_t(e.peRed) << 16) | (std::uint32_t(e.peGreen) << 8) | e.peBlue;
}

}  // namespace

void DecodeRow(const BitmapImage& image, int y, int x0, int n, std::uint32_t* out) {
  const std::uint8_t* row = image.Row(y);
  switch (image.bpp()) {
    case 1:
    case 4:
    case 8: {
      std::uint32_t lut[256];
      const std::size_t count = image.palette.size();
      for (std::size_t i = 0; i < 256; ++i) lut[i] = i < count ? ToXrgb(image.palette[i]) : 0;
      if (image.bpp() == 8) {
        for (int i = 0; i < n; ++i) out[i] = lut[row[x0 + i]];
      } else {
        for (int i = 0; i < n; ++i) out[i] = lut[ReadNative(image, x0 + i, y)];
      }
      break;
    }
    case 16:
      for (int i = 0; i < n; ++i) {
        unsigned v = row[2 * (x0 + i)] | (unsigned(row[2 * (x0 + i) + 1]) << 8);
        unsigned r, g, b;
        if (image.format == TPixelFormat::pf15bit) {
          r = Expand5((v >> 10) & 31);
          g = Expand5((v >> 5) & 31);
        } else {
          r = Expand5((v >> 11) & 31);
          g = Expand6((v >> 5) & 63);
        }
        b = Expand5(v & 31);
        out[i] = (r << 16) | (g << 8) | b;
      }
      break;
    case 24: {
      const std::uint8_t* p = row + 3 * x0;
      for (int i = 0; i < n; ++i, p += 3)
        out[i] = p[0] | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
      break;
    }
    default: {
      const std::uint8_t* p = row + 4 * x0;
      for (int i = 0; i < n; ++i, p += 4)
        out[i] = p[0] | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
      break;
    }
  }
}

RowEncoder::RowEncoder(BitmapImage& image) : image_(image) {
  if (IsIndexed(image.format) && !image.palette.empty())
    nearest_ = &NearestIndexFor(*image.palette.data(), MaxPaletteEntries(image.format));
}

std::uint32_t RowEncoder::Native(std::uint32_t c) {
  switch (image_.format) {
    case TPixelFormat::pf1bit:
    case TPixelFormat::pf4bit:
    case TPixelFormat::pf8bit:
      if (c != lastColor_) {
        lastColor_ = c;
        lastNative_ = nearest_ ? static_cast<std::uint32_t>(nearest_->Find(
                                     std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)))
                               : 0;
      }
      return lastNative_;
    case TPixelFormat::pf15bit:
      return (((c >> 19) & 31) << 10) | (((c >> 11) & 31) << 5) | ((c >> 3) & 31);
    case TPixelFormat::pf16bit:
      return (((c >> 19) & 31) << 11) | (((c >> 10) & 63) << 5) | ((c >> 3) & 31);
    default: return c & 0xFFFFFF;
  }
}

void RowEncoder::Encode(int y, int x0, int n, const std::uint32_t* in) {
  std::uint8_t* row = image_.Row(y);
  switch (image_.bpp()) {
    case 8:
      if (nearest_) {
        // The hot path of palette conversions: the lookup inlined, repeats skipped.
        std::uint32_t last = lastColor_, index = lastNative_;
        for (int i = 0; i < n; ++i) {
          const std::uint32_t c = in[i];
          if (c != last) {
            last = c;
            index = static_cast<std::uint32_t>(
                nearest_->Find(std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)));
          }
          row[x0 + i] = static_cast<std::uint8_t>(index);
        }
        lastColor_ = last;
        lastNative_ = index;
        break;
      }
      for (int i = 0; i < n; ++i) row[x0 + i] = static_cast<std::uint8_t>(Native(in[i]));
      break;
    case 24: {
      std::uint8_t* p = row + 3 * x0;
      for (int i = 0; i < n; ++i, p += 3) {
        p[0] = static_cast<std::uint8_t>(in[i]);
        p[1] = static_cast<std::uint8_t>(in[i] >> 8);
        p[2] = static_cast<std::uint8_t>(in[i] >> 16);
      }
      break;
    }
    case 32: {
      std::uint8_t* p = row + 4 * x0;
      for (int i = 0; i < n; ++i, p += 4) {
        std::uint32_t v = in[i] & 0xFFFFFF;
        std::memcpy(p, &v, 4);
      }
      break;
    }
    default:
      for (int i = 0; i < n; ++i) WriteNative(image_, x0 + i, y, Native(in[i]));
      break;
  }
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
    std::vector<std::uint32_t> lut = PaletteToNative(source, out);
    for (int y = 0; y < source.height; ++y)
      for (int x = 0; x < source.width; ++x) WriteNative(out, x, y, lut[ReadNative(source, x, y)]);
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
  if (!identity) {
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x) WriteNative(image, x, y, lut[ReadNative(image, x, y)]);
  }
  image.palette = std::move(target.palette);
}

}  // namespace pictor
