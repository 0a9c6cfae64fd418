#include "host/graphics/pixels/pixel_format.h"

namespace pictor {

const char* PixelFormatName(TPixelFormat f) {
  switch (f) {
    case TPixelFormat::pfDevice: return "pfDevice";
    case TPixelFormat::pf1bit: return "pf1bit";
    case TPixelFormat::pf4bit: return "pf4bit";
    case TPixelFormat::pf8bit: return "pf8bit";
    case TPixelFormat::pf15bit: return "pf15bit";
    case TPixelFormat::pf16bit: return "pf16bit";
    case TPixelFormat::pf24bit: return "pf24bit";
    case TPixelFormat::pf32bit: return "pf32bit";
  }
  return "pfDevice";
}

}  // namespace pictor
