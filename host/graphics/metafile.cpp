#include "host/graphics/metafile.h"

#include <string>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/graphics/metafile/metafile_player.h"
#include "host/graphics/streams.h"

namespace pictor {

void TMetafile::Assign(const TGraphic* source) {
  if (source == this) return;
  if (!source) {
    Clear();
    return;
  }
  const auto* other = dynamic_cast<const TMetafile*>(source);
  if (!other)
    throw EInvalidGraphicOperation(std::string("Cannot assign a ") + source->ClassName() +
                                   " to a TMetafile");
  data_ = other->data_;
  info_ = other->info_;
  SetTransparent(other->Transparent());
}

bool TMetafile::AssignTo(TGraphic& dest) const {
  auto* bitmap = dynamic_cast<TBitmap*>(&dest);
  if (!bitmap) return false;
  TBitmap picture;
  picture.SetSize(Width(), Height());
  if (!picture.Empty()) DrawInto(*picture.Canvas(), TRect{0, 0, Width(), Height()});
  bitmap->Assign(&picture);
  return true;
}

void TMetafile::Clear() {
  data_.clear();
  info_ = metafile::MetafileInfo{};
}

void TMetafile::LoadFromStream(TStream& stream) {
  const std::int64_t remaining = stream.Remaining();
  if (remaining < 0 || static_cast<std::uint64_t>(remaining) > metafile::kMaxMetafileBytes)
    throw EInvalidGraphic("Metafile of " + std::to_string(remaining) + " bytes is too large");
  std::vector<std::uint8_t> data(static_cast<std::size_t>(remaining));
  if (!data.empty()) stream.ReadBuffer(data.data(), data.size());
  metafile::MetafileInfo info = metafile::ParseMetafile(data);
  data_ = std::move(data);
  info_ = info;
}

void TMetafile::SaveToStream(TStream& stream) const {
  if (!data_.empty()) stream.WriteBuffer(data_.data(), data_.size());
}

void TMetafile::DrawInto(TCanvas& canvas, const TRect& rect) const {
  if (data_.empty() || !canvas.Bitmap() || canvas.Bitmap()->Empty()) return;
  // A metafile without a size draws in its own units as pixels from the
  // rectangle's corner, so it is clipped by the canvas only.
  const bool sizeless = !info_.enhanced && info_.width == 0 && info_.height == 0;
  const TRect clip = sizeless ? TRect{0, 0, canvas.Bitmap()->Width(), canvas.Bitmap()->Height()}
                              : rect;
  metafile::Device device(canvas, clip, metafile::MappingFor(info_, rect));
  metafile::InitialState(info_, device.Dc());
  if (info_.enhanced) {
    metafile::PlayEmf(data_, info_, device);
  } else {
    metafile::PlayWmf(data_, info_, device);
  }
}

}  // namespace pictor
