#include "tests/graphics/icon/icon_builder.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <stdexcept>

#include "host/graphics/streams.h"

namespace pictor::icontest {

void Add16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Add32(Bytes& b, std::uint32_t v) {
  Add16(b, v);
  Add16(b, v >> 16);
}

void Set32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}

namespace {

std::size_t Stride(int width, int bits) { return ((std::size_t(width) * bits + 31) / 32) * 4; }

void PutBits(std::uint8_t* row, int x, int bits, std::uint32_t v) {
  const int perByte = 8 / bits;
  const int shift = 8 - bits * (x % perByte + 1);
  row[x / perByte] =
      static_cast<std::uint8_t>(row[x / perByte] | ((v & ((1u << bits) - 1)) << shift));
}

}  // namespace

Bytes IconBitmap::Build() const {
  Bytes b;
  Add32(b, headerSize);
  Add32(b, static_cast<std::uint32_t>(width));
  Add32(b, static_cast<std::uint32_t>(headerHeight ? headerHeight : 2 * height));
  Add16(b, 1);
  Add16(b, static_cast<std::uint32_t>(bitCount));
  Add32(b, compression);
  Add32(b, 0);
  Add32(b, 0);
  Add32(b, 0);
  const bool fullTable = bitCount <= 8 && colors.size() == (std::size_t{1} << bitCount);
  Add32(b, colorsUsed ? colorsUsed : (fullTable ? 0 : static_cast<std::uint32_t>(colors.size())));
  Add32(b, 0);
  // Pads a larger header with zeros; a hostile size under test stays a claim only.
  if (headerSize <= 4096) b.resize(std::max<std::size_t>(b.size(), headerSize), 0);
  for (std::uint32_t c : colors) Add32(b, c & 0xFFFFFF);

  const std::size_t stride = Stride(width, bitCount);
  for (int y = height - 1; y >= 0; --y) {
    Bytes row(stride, 0);
    // A zero depth (a damaged header under test) has no pixel bits to write.
    for (int x = 0; x < width && bitCount > 0; ++x) {
      const std::uint32_t v = pixels.at(static_cast<std::size_t>(y) * width + x);
      if (bitCount <= 8) {
        PutBits(row.data(), x, bitCount, v);
      } else {
        const int n = bitCount / 8;
        for (int i = 0; i < n; ++i) row[n * x + i] = static_cast<std::uint8_t>(v >> (8 * i));
      }
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  const std::size_t maskStride = Stride(width, 1);
  for (int y = height - 1; y >= 0; --y) {
    Bytes row(maskStride, 0);
    if (!mask.empty())
      for (int x = 0; x < width; ++x) PutBits(row.data(), x, 1, mask.at(y).at(x) == '1');
    b.insert(b.end(), row.begin(), row.end());
  }
  b.resize(b.size() - cutBytes);
  return b;
}

Entry EntryFor(const IconBitmap& bitmap) {
  Entry e;
  e.data = bitmap.Build();
  e.width = bitmap.width & 0xFF;
  e.height = bitmap.height & 0xFF;
  e.bitCount = bitmap.bitCount;
  return e;
}

Bytes IconFile(const std::vector<Entry>& entries, int type) {
  Bytes b;
  Add16(b, 0);
  Add16(b, static_cast<std::uint32_t>(type));
  Add16(b, static_cast<std::uint32_t>(entries.size()));
  std::size_t offset = 6 + 16 * entries.size();
  for (const Entry& e : entries) {
    b.push_back(static_cast<std::uint8_t>(e.width));
    b.push_back(static_cast<std::uint8_t>(e.height));
    b.push_back(static_cast<std::uint8_t>(e.colorCount));
    b.push_back(0);
    Add16(b, static_cast<std::uint32_t>(e.planes));
    Add16(b, static_cast<std::uint32_t>(e.bitCount));
    Add32(b, static_cast<std::uint32_t>(e.size >= 0 ? e.size : std::int64_t(e.data.size())));
    Add32(b, static_cast<std::uint32_t>(e.offset >= 0 ? e.offset : std::int64_t(offset)));
    offset += e.data.size();
  }
  for (const Entry& e : entries) b.insert(b.end(), e.data.begin(), e.data.end());
  return b;
}

namespace {

void OnPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void OnPngWrite(png_structp png, png_bytep data, png_size_t size) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}

void OnPngFlush(png_structp) {}

// The libpng calls, in a frame without C++ objects: libpng long-jumps on errors.
bool WritePng(png_structp png, png_infop info, Bytes* out, png_uint_32 width, png_uint_32 height,
              int colorType, int bitDepth, bool interlaced, png_colorp palette, int paletteSize,
              png_bytep alphas, int alphaCount, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, out, OnPngWrite, OnPngFlush);
  png_set_IHDR(png, info, width, height, bitDepth, colorType,
               interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (paletteSize > 0) png_set_PLTE(png, info, palette, paletteSize);
  if (alphaCount > 0) png_set_tRNS(png, info, alphas, alphaCount, nullptr);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

Bytes Png(int width, int height, const std::vector<std::uint32_t>& argb, int colorType,
          int bitDepth, bool interlaced) {
  std::vector<std::uint32_t> distinct;
  if (colorType == 3)
    for (std::uint32_t c : argb)
      if (std::find(distinct.begin(), distinct.end(), c) == distinct.end()) distinct.push_back(c);
  std::vector<png_color> palette;
  std::vector<png_byte> alphas;
  for (std::uint32_t c : distinct) {
    palette.push_back(png_color{static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8),
                                static_cast<png_byte>(c)});
    alphas.push_back(static_cast<png_byte>(c >> 24));
  }
  const int channels = colorType == 6 ? 4 : colorType == 2 ? 3 : 1;
  const int bytesPerSample = bitDepth == 16 ? 2 : 1;
  std::vector<Bytes> rowData(static_cast<std::size_t>(height));
  std::vector<png_bytep> rows;
  for (int y = 0; y < height; ++y) {
    Bytes& row = rowData[static_cast<std::size_t>(y)];
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = argb.at(static_cast<std::size_t>(y) * width + x);
      std::vector<std::uint8_t> samples;
      if (colorType == 3) {
        samples = {static_cast<std::uint8_t>(std::find(distinct.begin(), distinct.end(), c) -
                                             distinct.begin())};
      } else if (colorType == 0) {
        samples = {static_cast<std::uint8_t>(c >> 8)};
      } else {
        samples = {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                   static_cast<std::uint8_t>(c)};
        if (channels == 4) samples.push_back(static_cast<std::uint8_t>(c >> 24));
      }
      for (std::uint8_t s : samples)
        for (int i = 0; i < bytesPerSample; ++i) row.push_back(s);
    }
    rows.push_back(row.data());
  }
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, nullptr);
  png_infop info = png_create_info_struct(png);
  const bool ok =
      WritePng(png, info, &out, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
               colorType, bitDepth, interlaced, palette.data(), static_cast<int>(palette.size()),
               alphas.data(), static_cast<int>(alphas.size()), rows.data());
  png_destroy_write_struct(&png, &info);
  if (!ok) throw std::runtime_error("libpng could not write the test picture");
  return out;
}

void Load(TIcon& icon, const Bytes& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), bytes.size());
  stream.SetPosition(0);
  icon.LoadFromStream(stream);
}

Bytes Saved(const TIcon& icon) {
  TMemoryStream stream;
  icon.SaveToStream(stream);
  return Bytes(stream.Memory(), stream.Memory() + stream.Size());
}

}  // namespace pictor::icontest
