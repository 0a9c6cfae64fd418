// TIcon: an icon or cursor file (ico_reader.h) shown by its largest image;
// and the reader of pointers from cursor files.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "host/graphics/geometry.h"
#include "host/graphics/graphic.h"
#include "host/graphics/icon/ico_reader.h"
#include "host/graphics/limits.h"
#include "host/graphics/pixels/bitmap_image.h"

namespace pictor {

class TIcon : public TGraphic {
 public:
  TIcon();
  ~TIcon() override;

  const char* ClassName() const override { return "TIcon"; }
  std::unique_ptr<TGraphic> NewInstance() const override { return std::make_unique<TIcon>(); }
  // The size of the image shown.
  int Width() const override;
  int Height() const override;
  bool Empty() const override { return !content_; }

  // Copies another icon (both then share the unchanging file data); nullptr
  // empties. Other classes must be able to AssignTo an icon, else
  // EInvalidGraphicOperation is thrown.
  void Assign(const TGraphic* source) override;

  // Reads every remaining byte of the stream as an icon or cursor file and
  // decodes the image to show. All or nothing: throws EInvalidGraphic and keeps
  // the icon as it was when the file is damaged, unsupported or beyond Limits().
  void LoadFromStream(TStream& stream) override;
  // Writes the loaded file's bytes unchanged. An empty icon has no file to
  // write: EInvalidGraphicOperation.
  void SaveToStream(TStream& stream) const override;

  // Composites the image shown over the canvas, scaled into rect (alpha_blit.h),
  // inside the canvas's clip region.
  void DrawInto(TCanvas& canvas, const TRect& rect) const override;
  // Into a TBitmap: the picture over white, pf32bit, at the icon's size.
  bool AssignTo(TGraphic& dest) const override;

  // How many images the file holds, and which one (from 0) is shown.
  int ImageCount() const;
  int ShownImage() const;
  // The decoded image shown: pf32bit, bytes B, G, R, A, straight alpha.
  const BitmapImage& Picture() const;

  const ImageLimits& Limits() const { return limits_; }
  void SetLimits(const ImageLimits& limits) { limits_ = limits; }

 private:
  // One loaded file: never changed once made, so copies share it.
  struct Content {
    std::vector<std::uint8_t> bytes;
    IconDirectory directory;
    BitmapImage picture;
  };

  std::shared_ptr<const Content> content_;
  ImageLimits limits_ = kDefaultImageLimits;
};

// A pointer read from a cursor (.cur) file.
struct CursorPicture {
  int width = 0;
  int height = 0;
  TPoint hotSpot;
  // Rows top-down, 4 * width bytes each: blue, green, red and alpha (0 where
  // the pointer is transparent, 255 where it shows).
  std::vector<std::uint8_t> pixels;

  const std::uint8_t* Pixel(int x, int y) const {
    return pixels.data() + 4 * (static_cast<std::size_t>(y) * width + x);
  }
};

// Decodes a cursor file: the image the file shows (chosen as TIcon chooses)
// and the hot spot of its directory entry. Pointers are at most 256 pixels a
// side. Throws EInvalidGraphic for anything but a valid cursor file.
CursorPicture ReadCursorFile(std::span<const std::uint8_t> file);

}  // namespace pictor
