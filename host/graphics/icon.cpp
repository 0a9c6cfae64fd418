#include "host/graphics/icon.h"

#include <cstring>
#include <string>

#include "host/graphics/raster/alpha_blit.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/graphics/streams.h"

namespace pictor {
namespace {

const BitmapImage kNoPicture;

}  // namespace

TIcon::TIcon() = default;
TIcon::~TIcon() = default;

int TIcon::Width() const { return content_ ? content_->picture.width : 0; }
int TIcon::Height() const { return content_ ? content_->picture.height : 0; }

int TIcon::ImageCount() const {
  return content_ ? static_cast<int>(content_->directory.images.size()) : 0;
}

int TIcon::ShownImage() const {
  return content_ ? static_cast<int>(content_->directory.chosen) : -1;
}

const BitmapImage& TIcon::Picture() const { return content_ ? content_->picture : kNoPicture; }

void TIcon::Assign(const TGraphic* source) {
  if (source == this) return;
  if (!source) {
    content_.reset();
    return;
  }
  if (const auto* icon = dynamic_cast<const TIcon*>(source)) {
    content_ = icon->content_;
    SetTransparent(icon->Transparent());
    return;
  }
  if (!source->AssignTo(*this))
    throw EInvalidGraphicOperation(std::string("Cannot assign a ") + source->ClassName() +
                                   " to a TIcon");
}

void TIcon::LoadFromStream(TStream& stream) {
  const std::int64_t remaining = stream.Remaining();
  auto content = std::make_shared<Content>();
  content->bytes.resize(remaining > 0 ? static_cast<std::size_t>(remaining) : 0);
  stream.ReadBuffer(content->bytes.data(), content->bytes.size());
  content->directory = ReadIconDirectory(content->bytes, limits_);
  content->picture = DecodeIconImage(content->bytes,
                                     content->directory.images[content->directory.chosen], limits_);
  content_ = std::move(content);
}

void TIcon::SaveToStream(TStream& stream) const {
  if (!content_) throw EInvalidGraphicOperation("An empty icon has no file to save");
  stream.WriteBuffer(content_->bytes.data(), content_->bytes.size());
}

void TIcon::DrawInto(TCanvas& canvas, const TRect& rect) const {
  if (!content_ || !canvas.Bitmap()) return;
  AlphaBlit(canvas.Bitmap()->Image(), rect, content_->picture, canvas.ClipRegion());
}

bool TIcon::AssignTo(TGraphic& dest) const {
  auto* bitmap = dynamic_cast<TBitmap*>(&dest);
  if (!bitmap) return false;
  if (!content_) {
    bitmap->Assign(nullptr);
    return true;
  }
  BitmapImage image = AllocateImage(Width(), Height(), pf32bit);
  std::memset(image.pixels.data(), 0xFF, image.pixels.size());
  AlphaBlit(image, TRect{0, 0, Width(), Height()}, content_->picture, nullptr);
  bitmap->ReplaceImage(std::move(image));
  return true;
}

}  // namespace pictor
