// PNG decoding through libpng. libpng reports errors by long-jumping, so the
// calls that may fail run in small functions holding no C++ objects with
// destructors; the error text is kept in a plain buffer and thrown afterwards.
#include "host/graphics/icon/png_decode.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "host/graphics/errors.h"

namespace pictor {
namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

[[noreturn]] void Fail(const std::string& message) { throw EInvalidGraphic(message); }

std::uint32_t Get32BE(const std::uint8_t* p) {
  return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
         p[3];
}

// Everything the libpng callbacks touch: plain data only.
struct DecodeState {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t position;
  char error[160];
};

void OnError(png_structp png, png_const_charp message) {
  auto* state = static_cast<DecodeState*>(png_get_error_ptr(png));
  std::snprintf(state->error, sizeof state->error, "%s", message ? message : "unknown error");
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void OnRead(png_structp png, png_bytep out, png_size_t count) {
  auto* state = static_cast<DecodeState*>(png_get_io_ptr(png));
  if (count > state->size - state->position) png_error(png, "the data ends early");
  std::memcpy(out, state->data + state->position, count);
  state->position += count;
}

struct Layout {
  png_uint_32 width;
  png_uint_32 height;
  std::size_t rowBytes;
};

// Reads the header chunks and asks for B, G, R, A output with 8-bit channels.
bool ReadInfo(png_structp png, png_infop info, Layout* layout) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  const int colorType = png_get_color_type(png, info);
  const int depth = png_get_bit_depth(png, info);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (depth == 16) png_set_strip_16(png);
  if (!(colorType & PNG_COLOR_MASK_ALPHA)) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  if (!(colorType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  layout->width = png_get_image_width(png, info);
  layout->height = png_get_image_height(png, info);
  layout->rowBytes = png_get_rowbytes(png, info);
  return true;
}

bool ReadRows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  return true;
}

// Owns the libpng structures for the length of one decode.
struct Reader {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~Reader() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

void CheckLimits(png_uint_32 width, png_uint_32 height, const ImageLimits& limits) {
  const std::string size = std::to_string(width) + " x " + std::to_string(height);
  if (width > static_cast<png_uint_32>(limits.maxDimension) ||
      height > static_cast<png_uint_32>(limits.maxDimension))
    Fail("PNG image of " + size + " pixels is too large (at most " +
         std::to_string(limits.maxDimension) + " pixels a side)");
  std::size_t bytes = 0;
  if (__builtin_mul_overflow(RowStride(static_cast<int>(width), 32), std::size_t{height}, &bytes) ||
      bytes > limits.maxBytes)
    Fail("PNG image of " + size + " pixels needs more than the " +
         std::to_string(limits.maxBytes >> 20) + " MiB allowed");
}

}  // namespace

bool IsPng(std::span<const std::uint8_t> data) {
  return data.size() >= sizeof kSignature && std::memcmp(data.data(), kSignature, 8) == 0;
}

PngHeader ReadPngHeader(std::span<const std::uint8_t> data) {
  if (!IsPng(data)) Fail("PNG data does not start with the PNG signature");
  if (data.size() < 8 + 8 + 13) Fail("PNG data is truncated: the header chunk is incomplete");
  const std::uint8_t* chunk = data.data() + 8;
  if (Get32BE(chunk) != 13 || std::memcmp(chunk + 4, "IHDR", 4) != 0)
    Fail("PNG data does not begin with a valid header chunk");
  const std::uint32_t width = Get32BE(chunk + 8);
  const std::uint32_t height = Get32BE(chunk + 12);
  const int depth = chunk[16];
  const int colorType = chunk[17];
  if (width == 0 || height == 0 || width > 0x7FFFFFFFu || height > 0x7FFFFFFFu)
    Fail("PNG image has an invalid size of " + std::to_string(width) + " x " +
         std::to_string(height) + " pixels");
  int channels = 0;
  bool depthOk = false;
  switch (colorType) {
    case 0:
      channels = 1;
      depthOk = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
      break;
    case 3:
      channels = 1;
      depthOk = depth == 1 || depth == 2 || depth == 4 || depth == 8;
      break;
    case 2:
      channels = 3;
      depthOk = depth == 8 || depth == 16;
      break;
    case 4:
      channels = 2;
      depthOk = depth == 8 || depth == 16;
      break;
    case 6:
      channels = 4;
      depthOk = depth == 8 || depth == 16;
      break;
    default:
      break;
  }
  if (channels == 0 || !depthOk)
    Fail("PNG image has an invalid colour type " + std::to_string(colorType) + " with " +
         std::to_string(depth) + "-bit samples");
  return PngHeader{static_cast<int>(width), static_cast<int>(height), channels * depth};
}

BitmapImage DecodePng(std::span<const std::uint8_t> data, const ImageLimits& limits) {
  const PngHeader header = ReadPngHeader(data);
  CheckLimits(static_cast<png_uint_32>(header.width), static_cast<png_uint_32>(header.height),
              limits);

  DecodeState state{data.data(), data.size(), 0, {}};
  Reader reader;
  reader.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
  if (!reader.png) Fail("PNG decoder could not be started");
  reader.info = png_create_info_struct(reader.png);
  if (!reader.info) Fail("PNG decoder could not be started");
  png_set_read_fn(reader.png, &state, OnRead);
  const auto maxSide = static_cast<png_uint_32>(limits.maxDimension);
  png_set_user_limits(reader.png, maxSide, maxSide);

  Layout layout{};
  if (!ReadInfo(reader.png, reader.info, &layout))
    Fail(std::string("PNG data is damaged: ") + state.error);
  CheckLimits(layout.width, layout.height, limits);
  if (layout.rowBytes != static_cast<std::size_t>(layout.width) * 4)
    Fail("PNG image could not be converted to 32 bits per pixel");

  BitmapImage image = AllocateImage(static_cast<int>(layout.width), static_cast<int>(layout.height),
                                    pf32bit, limits);
  std::vector<png_bytep> rows(layout.height);
  for (png_uint_32 y = 0; y < layout.height; ++y) rows[y] = image.Row(static_cast<int>(y));
  if (!ReadRows(reader.png, rows.data())) Fail(std::string("PNG data is damaged: ") + state.error);
  return image;
}

}  // namespace pictor
