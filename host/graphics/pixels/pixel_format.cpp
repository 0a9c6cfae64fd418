#include "host/graphics/pixels/pixel_format.h"

namespace pictor {

const char* PixelFormatName(TPixelFormat f) {
  static constexpr const char* kNames[] = {"pfDevice", "pf1bit",  "pf4bit",  "pf8bit",
                                           "pf15bit",  "pf16bit", "pf24bit", "pf32bit"};
  return kNames[static_cast<int>(f)];
}

}  // namespace pictor
