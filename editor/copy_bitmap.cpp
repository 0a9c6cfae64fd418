#include "editor/copy_bitmap.h"

#include "host/graphics/streams.h"

namespace pictor {

void CopyBitmap(const TBitmap* source, TBitmap* dest) {
  TMemoryStream stream;
  source->SaveToStream(stream);
  stream.SetPosition(0);
  dest->LoadFromStream(stream);
}

}  // namespace pictor
