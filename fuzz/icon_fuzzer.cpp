// Feeds arbitrary bytes to the icon reader under small limits; an icon it
// accepts is drawn onto a small canvas and saved back unchanged.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/graphics/icon.h"
#include "host/graphics/streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pictor::TMemoryStream in;
  in.WriteBuffer(data, size);
  in.SetPosition(0);
  pictor::TIcon icon;
  icon.SetLimits(pictor::ImageLimits{1024, std::size_t{16} << 20});
  try {
    icon.LoadFromStream(in);
  } catch (const pictor::EInvalidGraphic&) {
    return 0;
  } catch (const pictor::EInvalidGraphicOperation&) {
    return 0;
  }
  pictor::TBitmap target;
  target.SetSize(48, 48);
  target.Canvas()->Draw(-3, 5, &icon);
  pictor::TMemoryStream out;
  icon.SaveToStream(out);
  if (out.Size() != static_cast<std::int64_t>(size) ||
      (size && std::memcmp(out.Memory(), data, size) != 0))
    std::abort();
  return 0;
}
