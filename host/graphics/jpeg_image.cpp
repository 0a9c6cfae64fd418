#include "host/graphics/jpeg_image.h"

#include <algorithm>
#include <string>

#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/graphics/jpeg/jpeg_codec.h"
#include "host/graphics/streams.h"

namespace pictor {

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::SetCompressionQuality(int quality) { quality_ = std::clamp(quality, 1, 100); }

void TJPEGImage::SetGrayscale(bool value) {
  if (value == grayscale_) return;
  grayscale_ = value;
  decoded_.reset();
}

void TJPEGImage::Assign(const TGraphic* source) {
  if (source == this) return;
  if (!source) {
    data_.reset();
    width_ = height_ = 0;
    decoded_.reset();
    return;
  }
  if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
    data_ = jpeg->data_;
    width_ = jpeg->width_;
    height_ = jpeg->height_;
    quality_ = jpeg->quality_;
    grayscale_ = jpeg->grayscale_;
    decoded_.reset();
    SetTransparent(jpeg->Transparent());
    return;
  }
  // Any other graphic goes through a bitmap (which throws when it cannot take it).
  TBitmap converted;
  const auto* bitmap = dynamic_cast<const TBitmap*>(source);
  if (!bitmap) {
    converted.Assign(source);
    bitmap = &converted;
  }
  std::shared_ptr<const JpegBytes> data;
  if (!bitmap->Empty())
    data = std::make_shared<const JpegBytes>(
        EncodeJpeg(bitmap->Image(), JpegEncodeOptions{quality_, grayscale_}));
  data_ = std::move(data);
  width_ = data_ ? bitmap->Width() : 0;
  height_ = data_ ? bitmap->Height() : 0;
  decoded_.reset();
  SetTransparent(source->Transparent());
}

BitmapImage TJPEGImage::DecodedImage() const {
  if (decoded_) {
    BitmapImage image = std::move(decoded_->Image());
    decoded_.reset();
    return image;
  }
  if (!data_) return BitmapImage();
  return DecodeJpeg(data_->data(), data_->size(), grayscale_);
}

bool TJPEGImage::AssignTo(TGraphic& dest) const {
  auto* bitmap = dynamic_cast<TBitmap*>(&dest);
  if (!bitmap) return TGraphic::AssignTo(dest);
  // Hands the cached picture over rather than copying it: it is usually the
  // last use of this image.
  bitmap->ReplaceImage(DecodedImage());
  bitmap->SetTransparent(Transparent());
  return true;
}

void TJPEGImage::LoadFromStream(TStream& stream) {
  const std::int64_t remaining = stream.Remaining();
  if (remaining <= 0) throw EInvalidGraphic("JPEG image is not valid: the data is empty");
  if (static_cast<std::uint64_t>(remaining) > kDefaultImageLimits.maxBytes)
    throw EInvalidGraphicOperation("JPEG file of " + std::to_string(remaining >> 20) +
                                   " MiB is larger than the " +
                                   std::to_string(kDefaultImageLimits.maxBytes >> 20) +
                                   " MiB allowed");
  JpegBytes bytes = JpegBytes::Allocate(static_cast<std::size_t>(remaining));
  stream.ReadBuffer(bytes.data(), bytes.size());
  auto decoded = std::make_unique<TBitmap>();
  decoded->ReplaceImage(DecodeJpeg(bytes.data(), bytes.size(), grayscale_));
  auto data = std::make_shared<const JpegBytes>(std::move(bytes));
  // Nothing below throws.
  data_ = std::move(data);
  width_ = decoded->Width();
  height_ = decoded->Height();
  decoded_ = std::move(decoded);
}

void TJPEGImage::SaveToStream(TStream& stream) const {
  if (!data_) throw EInvalidGraphicOperation("An empty JPEG image cannot be saved");
  stream.WriteBuffer(data_->data(), data_->size());
}

void TJPEGImage::DrawInto(TCanvas& canvas, const TRect& rect) const {
  if (!data_) return;
  if (!decoded_) {
    auto decoded = std::make_unique<TBitmap>();
    decoded->ReplaceImage(DecodeJpeg(data_->data(), data_->size(), grayscale_));
    decoded_ = std::move(decoded);
  }
  decoded_->SetTransparent(Transparent());
  canvas.StretchDrawBitmap(rect, *decoded_);
}

}  // namespace pictor
