// Feeds arbitrary bytes to the bitmap reader. A file it accepts must save and
// load back to the same image.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "host/graphics/bmp/bmp_codec.h"
#include "host/graphics/errors.h"

namespace {

using pictor::BitmapImage;

bool SamePalette(const BitmapImage& a, const BitmapImage& b) {
  // An indexed file always carries a table, so an indexed image without a
  // palette comes back with one of black entries.
  if (a.palette.empty() && pictor::IsIndexed(a.format)) {
    for (std::size_t i = 0; i < b.palette.size(); ++i)
      if (!(b.palette[i] == pictor::PALETTEENTRY{})) return false;
    return true;
  }
  if (a.palette.size() != b.palette.size()) return false;
  for (std::size_t i = 0; i < a.palette.size(); ++i)
    if (!(a.palette[i] == b.palette[i])) return false;
  return true;
}

bool SameImage(const BitmapImage& a, const BitmapImage& b) {
  if (a.width != b.width || a.height != b.height || a.format != b.format || a.stride != b.stride)
    return false;
  if (!SamePalette(a, b)) return false;
  for (int y = 0; y < a.height; ++y)
    if (std::memcmp(a.Row(y), b.Row(y), a.stride) != 0) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A run-length file of a few hundred bytes may rightly describe a picture of
  // tens of megabytes; decoding it costs what the picture holds, but the round
  // trip below copies it three times, under the sanitizers many seconds per
  // input. 16 MiB keeps every reader path reachable and each input quick.
  const pictor::ImageLimits limits{16384, std::size_t{16} << 20};
  pictor::TMemoryStream in;
  in.WriteBuffer(data, size);
  in.SetPosition(0);
  BitmapImage image;
  try {
    image = pictor::ReadBmp(in, limits);
  } catch (const pictor::EInvalidGraphic&) {
    return 0;
  } catch (const pictor::EInvalidGraphicOperation&) {
    return 0;
  }
  if (in.Position() > in.Size()) std::abort();

  pictor::TMemoryStream out;
  pictor::WriteBmp(image, out);
  out.SetPosition(0);
  const BitmapImage again = pictor::ReadBmp(out, limits);
  if (!SameImage(image, again) || out.Position() != out.Size()) std::abort();
  return 0;
}
