#include "host/graphics/picture.h"

#include "host/graphics/bitmap.h"

namespace pictor {

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Assign(const TGraphic* graphic) {
  if (graphic == graphic_.get()) return;
  if (!graphic) {
    graphic_.reset();
    return;
  }
  std::unique_ptr<TGraphic> copy = graphic->NewInstance();
  copy->Assign(graphic);
  graphic_ = std::move(copy);
}

void TPicture::Assign(const TPicture* picture) {
  if (picture == this) return;
  Assign(picture ? picture->Graphic() : static_cast<const TGraphic*>(nullptr));
}

TBitmap* TPicture::Bitmap() {
  if (auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get())) return bitmap;
  auto bitmap = std::make_unique<TBitmap>();
  TBitmap* result = bitmap.get();
  graphic_ = std::move(bitmap);
  return result;
}

}  // namespace pictor
