// TJPEGImage: a picture kept as JPEG data. It holds the compressed bytes as
// loaded (saved back unchanged) or as made from a bitmap, and decodes them for
// drawing and for conversion to a bitmap.
#pragma once

#include <memory>

#include "host/graphics/bitmap.h"
#include "host/graphics/graphic.h"

namespace pictor {

class JpegBytes;

class TJPEGImage : public TGraphic {
 public:
  static constexpr int kDefaultQuality = 90;

  TJPEGImage();
  ~TJPEGImage() override;

  const char* ClassName() const override { return "TJPEGImage"; }
  std::unique_ptr<TGraphic> NewInstance() const override { return std::make_unique<TJPEGImage>(); }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  bool Empty() const override { return !data_; }

  // The quality (1..100, clamped) a bitmap is compressed at by Assign.
  int CompressionQuality() const { return quality_; }
  void SetCompressionQuality(int quality);
  // When set, the picture decodes as grey and bitmaps are compressed as one grey channel.
  bool Grayscale() const { return grayscale_; }
  void SetGrayscale(bool value);

  // From a TJPEGImage: its bytes and settings. From a TBitmap (or any graphic a
  // bitmap can take): the pixels compressed anew at this image's quality.
  // nullptr empties. All or nothing.
  void Assign(const TGraphic* source) override;
  // Into a TBitmap: the decoded picture as a 24-bit bitmap.
  bool AssignTo(TGraphic& dest) const override;

  // Reads all the rest of the stream as one JPEG file and decodes it, so a
  // damaged file fails here (EInvalidGraphic) and leaves this image as it was.
  void LoadFromStream(TStream& stream) override;
  // Writes the compressed bytes unchanged. An empty image cannot be saved.
  void SaveToStream(TStream& stream) const override;

  void DrawInto(TCanvas& canvas, const TRect& rect) const override;

 private:
  // The decoded picture: the cache when there is one, else decoded anew.
  BitmapImage DecodedImage() const;

  std::shared_ptr<const JpegBytes> data_;  // immutable, so copies share it
  int width_ = 0;
  int height_ = 0;
  int quality_ = kDefaultQuality;
  bool grayscale_ = false;
  // The decoded picture, kept for drawing; dropped when the bytes or the
  // grayscale setting change, and handed over by AssignTo.
  mutable std::unique_ptr<TBitmap> decoded_;
};

}  // namespace pictor
