// Feeds arbitrary bytes to the JPEG decoder under small limits. A file it
// accepts must come out at the size its header gives.
#include <cstdint>
#include <cstdlib>

#include "host/graphics/errors.h"
#include "host/graphics/jpeg/jpeg_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pictor::ImageLimits limits{4096, std::size_t{64} << 20};
  try {
    const pictor::BitmapImage image = pictor::DecodeJpeg(data, size, size % 2 == 1, limits);
    if (image.format != pictor::pf24bit || image.width <= 0 || image.height <= 0) std::abort();
  } catch (const pictor::EInvalidGraphic&) {
  } catch (const pictor::EInvalidGraphicOperation&) {
  }
  return 0;
}
