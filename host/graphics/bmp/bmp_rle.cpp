#include "host/graphics/bmp/bmp_rle.h"

#include "host/graphics/errors.h"
#include "host/graphics/pixels/pixel_access.h"

namespace pictor::bmp {
namespace {

constexpr std::uint8_t kEscape = 0;
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;
constexpr std::uint8_t kDelta = 2;

[[noreturn]] void PastImage() { throw EInvalidGraphic("Bitmap RLE data runs past the image"); }
[[noreturn]] void CutOff() { throw EInvalidGraphic("Bitmap RLE data is cut off inside a code"); }

class RleWriter {
 public:
  RleWriter(BitmapImage& image, bool rle4) : image_(image), rle4_(rle4) {}

  // Makes room for count pixels at the current position.
  std::uint8_t* Reserve(int count) {
    if (y_ >= image_.height || count > image_.width - x_) PastImage();
    return image_.Row(image_.height - 1 - y_);
  }
  void Put(std::uint8_t* row, std::uint8_t value) {
    if (rle4_)
      WritePixel(LayoutConstant<kLayout4>{}, row, x_, value);
    else
      WritePixel(LayoutConstant<kLayout8>{}, row, x_, value);
    ++x_;
  }
  void EndOfLine() {
    if (y_ >= image_.height) PastImage();
    x_ = 0;
    ++y_;
  }
  void Move(int dx, int dy) {
    if (dx > image_.width - x_ || dy > image_.height - y_) PastImage();
    x_ += dx;
    y_ += dy;
  }

 private:
  BitmapImage& image_;
  bool rle4_;
  int x_ = 0;
  int y_ = 0;  // counted from the bottom row
};

}  // namespace

std::size_t DecodeRle(const std::uint8_t* data, std::size_t size, bool rle4, BitmapImage& image) {
  RleWriter out(image, rle4);
  std::size_t pos = 0;
  while (pos < size) {
    if (size - pos < 2) CutOff();
    const std::uint8_t count = data[pos];
    const std::uint8_t value = data[pos + 1];
    pos += 2;
    if (count != kEscape) {
      // An encoded run: one byte repeated (RLE4: two alternating nibbles).
      std::uint8_t* row = out.Reserve(count);
      for (int i = 0; i < count; ++i)
        out.Put(row, !rle4 ? value : (i & 1) ? value & 0x0F : value >> 4);
      continue;
    }
    switch (value) {
      case kEndOfLine:
        out.EndOfLine();
        break;
      case kEndOfBitmap:
        return pos;
      case kDelta:
        if (size - pos < 2) CutOff();
        out.Move(data[pos], data[pos + 1]);
        pos += 2;
        break;
      default: {
        // An absolute run of `value` pixels, padded to an even number of bytes.
        const std::size_t bytes = rle4 ? (value + 1u) / 2 : value;
        if (size - pos < bytes) CutOff();
        std::uint8_t* row = out.Reserve(value);
        for (int i = 0; i < value; ++i) {
          const std::uint8_t b = data[pos + (rle4 ? i / 2 : i)];
          out.Put(row, !rle4 ? b : (i & 1) ? b & 0x0F : b >> 4);
        }
        pos += bytes + (bytes & 1);
        if (pos > size) pos = size;  // a missing pad byte at the very end is harmless
        break;
      }
    }
  }
  return pos;
}

}  // namespace pictor::bmp
