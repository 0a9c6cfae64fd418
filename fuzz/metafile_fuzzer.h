// Loads arbitrary bytes as a metafile and plays one it accepts onto a small
// bitmap; shared by the WMF and the EMF targets.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/graphics/metafile.h"
#include "host/graphics/streams.h"

inline int FuzzMetafile(const std::uint8_t* data, std::size_t size) {
  pictor::TMemoryStream in;
  in.WriteBuffer(data, size);
  in.SetPosition(0);
  pictor::TMetafile metafile;
  try {
    metafile.LoadFromStream(in);
  } catch (const pictor::EInvalidGraphic&) {
    return 0;
  }
  if (metafile.Data().size() != size) std::abort();
  pictor::TBitmap target;
  target.SetSize(64, 48);
  metafile.DrawInto(*target.Canvas(), pictor::TRect{2, 3, 62, 45});
  return 0;
}
