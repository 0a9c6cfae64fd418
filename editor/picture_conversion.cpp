#include "editor/picture_conversion.h"

#include "attributes/standard_palettes.h"
#include "editor/copy_bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/icon.h"
#include "host/graphics/jpeg_image.h"
#include "host/graphics/metafile.h"
#include "host/graphics/picture.h"

namespace pictor {
namespace {

bool IsDrawnGraphic(const TGraphic* graphic) {
  return dynamic_cast<const TJPEGImage*>(graphic) || dynamic_cast<const TIcon*>(graphic) ||
         dynamic_cast<const TMetafile*>(graphic);
}

}  // namespace

void DrawGraphicInto(const TGraphic& graphic, TBitmap& working) {
  working.SetPalette(WebPalette());
  working.SetWidth(graphic.Width());
  working.SetHeight(graphic.Height());
  working.Canvas()->Draw(0, 0, &graphic);
}

void TakeInPicture(TObject* object, TBitmap& working) {
  if (auto* picture = dynamic_cast<TPicture*>(object)) {
    TGraphic* graphic = picture->Graphic();
    if (auto* bitmap = dynamic_cast<TBitmap*>(graphic)) {
      working.Assign(bitmap);
      // The editor shows and edits every pixel, the transparent colour's too;
      // the picture's own bitmap keeps its transparency for the write-back.
      working.SetTransparent(false);
    } else if (IsDrawnGraphic(graphic)) {
      DrawGraphicInto(*graphic, working);
    }
  } else if (auto* bitmap = dynamic_cast<TBitmap*>(object)) {
    CopyBitmap(bitmap, &working);
  }
}

void ClearPicture(TObject* object) {
  if (auto* picture = dynamic_cast<TPicture*>(object))
    picture->Assign(nullptr);
  else if (auto* bitmap = dynamic_cast<TBitmap*>(object))
    bitmap->Assign(nullptr);
}

void WriteBackPicture(TObject* object, const TBitmap& working) {
  if (auto* picture = dynamic_cast<TPicture*>(object)) {
    TGraphic* graphic = picture->Graphic();
    if (dynamic_cast<TBitmap*>(graphic)) {
      CopyBitmap(&working, picture->Bitmap());
    } else if (auto* jpeg = dynamic_cast<TJPEGImage*>(graphic)) {
      jpeg->Assign(&working);
    } else if (dynamic_cast<TIcon*>(graphic) || dynamic_cast<TMetafile*>(graphic)) {
      graphic->Assign(nullptr);
      CopyBitmap(&working, picture->Bitmap());
    } else {
      picture->Assign(&working);
    }
  } else if (auto* bitmap = dynamic_cast<TBitmap*>(object)) {
    CopyBitmap(&working, bitmap);
  }
}

}  // namespace pictor
