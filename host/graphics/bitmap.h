// TBitmap: a raster image in any pixel format, with a palette, a canvas and
// the bitmap file format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <span>

#include "host/graphics/color.h"
#include "host/graphics/graphic.h"
#include "host/graphics/handle_table.h"
#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/pixels/pixel_format.h"

namespace pictor {

class TCanvas;

// Told before a bitmap's pixels are written, or before its pixel memory is
// freed or handed to another bitmap, so that whoever reads that memory in
// place (the undo history keeps its first image this way) can copy what it
// still needs first.
class TPixelWatch {
 public:
  virtual ~TPixelWatch() = default;
  // The pixels inside rect are about to change (TBitmap::kEverywhere: all of
  // them, or the memory is about to go). Returns false once the watch needs
  // no more notices.
  virtual bool BeforeWrite(const TRect& rect) = 0;
  // The bitmap lets go of its pixel memory (a new image replaces it, or the
  // bitmap goes): the watch is handed the memory, which stays valid while it
  // holds it, and gets no more notices.
  virtual void KeepPixels(std::shared_ptr<const void> memory) = 0;
};

enum class TTransparentMode { tmAuto, tmFixed };
inline constexpr TTransparentMode tmAuto = TTransparentMode::tmAuto;
inline constexpr TTransparentMode tmFixed = TTransparentMode::tmFixed;

class TBitmap : public TGraphic {
 public:
  TBitmap();
  ~TBitmap() override;

  const char* ClassName() const override { return "TBitmap"; }
  std::unique_ptr<TGraphic> NewInstance() const override { return std::make_unique<TBitmap>(); }
  int Width() const override { return image_.width; }
  int Height() const override { return image_.height; }
  bool Empty() const override { return image_.empty(); }

  // A resize keeps the pixels at the top-left; new area is white.
  void SetWidth(int width);
  void SetHeight(int height);
  void SetSize(int width, int height);

  TPixelFormat PixelFormat() const { return image_.format; }
  // Converts the pixels. Into a palette format each pixel becomes the nearest
  // colour of the bitmap's palette when it has one that the depth can address
  // (at most 2, 16 or 256 entries), otherwise of the default palette of that
  // depth, which the bitmap then carries.
  void SetPixelFormat(TPixelFormat format);

  // The palette handle the bitmap owns (zero when it has none).
  HPALETTE Palette() const { return image_.palette.handle(); }
  // Takes over the handle and deletes the old one. A palette-format bitmap maps
  // each pixel to the nearest colour of the new palette, so the picture keeps its
  // look; a true-colour bitmap keeps its pixels. A zero handle gives a
  // palette-format bitmap its default palette and a true-colour one none.
  void SetPalette(HPALETTE palette);

  // Makes this bitmap an independent copy of source (pixels, palette and the
  // transparency settings); nullptr empties it. A bitmap of the source's size
  // and pixel format keeps its pixel memory and copies into it.
  void Assign(const TGraphic* source) override;

  // The bitmap file format (bmp_codec.h). Loading is all or nothing.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) const override;

  void SetTransparent(bool value) override { TGraphic::SetTransparent(value); }
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode) { transparentMode_ = mode; }
  // tmFixed: the colour set; tmAuto: the colour of the bottom-left pixel.
  TColor TransparentColor() const;
  // Also switches the mode to tmFixed.
  void SetTransparentColor(TColor color);
  bool IgnorePalette() const { return ignorePalette_; }
  void SetIgnorePalette(bool value) { ignorePalette_ = value; }

  TCanvas* Canvas();

  // The colour of a pixel; clInvalid outside the bitmap.
  TColor PixelColor(int x, int y) const;

  // The pixels as they lie in memory, for code that keeps, compares or moves
  // whole rows (history snapshots, the window toolkit): rows top-down,
  // RowBytes() apart (a multiple of four), each in the bit layout of the pixel
  // format: palette indices (the leftmost pixel in the high bits of a byte),
  // the 5-5-5 or 5-6-5 word, or blue, green, red (and a fourth byte at 32
  // bits). Writes through these bypass the canvas; the writable views mark
  // the whole image (or the row) changed.
  std::size_t RowBytes() const { return image_.stride; }
  std::span<const std::uint8_t> PixelBytes() const;
  std::span<std::uint8_t> PixelBytes();
  // The writable pixels for code that calls MarkChanged with each rectangle
  // before it writes there.
  std::span<std::uint8_t> PixelBytesForMarkedWrites() {
    return {image_.pixels.data(), image_.pixels.size()};
  }
  // Rows y (and the pixels named below) must lie in the bitmap.
  const std::uint8_t* ScanLine(int y) const { return image_.Row(y); }
  std::uint8_t* ScanLine(int y) {
    MarkChanged(TRect{0, y, image_.width, y + 1});
    return image_.Row(y);
  }
  // n pixels of row y from column x as red << 16 | green << 8 | blue.
  void ReadRgbRow(int y, int x, int n, std::uint32_t* out) const;
  // Sets the first pixels of row y of a palette-format bitmap to these indices.
  void WriteIndexRow(int y, std::span<const std::uint8_t> indices);

  // The entries of the palette the bitmap carries (none when it has none).
  std::span<const PALETTEENTRY> PaletteEntries() const;
  // Gives the bitmap a palette of these entries without touching the pixels,
  // unlike SetPalette; a palette format given none gets its default palette.
  void SetPaletteEntries(std::span<const PALETTEENTRY> entries);
  // Replaces the image by width x height pixels of the format, every pixel
  // byte 0, carrying a palette of these entries (as SetPaletteEntries).
  void NewImage(int width, int height, TPixelFormat format,
                std::span<const PALETTEENTRY> palette = {});

  void DrawInto(TCanvas& canvas, const TRect& rect) const override;

  // The pixels, for the library's own code (codecs, canvas, conversions);
  // code outside it uses the views above. The writable one marks the whole
  // image changed.
  const BitmapImage& Image() const { return image_; }
  BitmapImage& Image() {
    MarkChanged(kEverywhere);
    return image_;
  }
  // The writable pixels for code that marks what it writes itself (the canvas).
  BitmapImage& ImageForDrawing() { return image_; }
  // Replaces the image (size, format, pixels, palette) at once.
  void ReplaceImage(BitmapImage image);
  // Exchanges the pixels with another bitmap of the same size, pixel format
  // and row length, and marks `changed` on both: for two copies that differ
  // only there, what copying that rectangle each way would do, at no cost.
  // Returns false, changing nothing, when the two do not match or either
  // has a watch.
  bool SwapPixels(TBitmap& other, const TRect& changed);

  // The rectangle that holds every pixel written since ClearChanged() (or
  // since the bitmap was made), within the bitmap. The canvas adds the box of
  // each drawing; everything else that may change the pixels or the palette
  // (the writable views, Assign, loading, a new size, format or palette) adds
  // the whole image. Lets a copy of the bitmap be brought up to date by
  // copying only that rectangle.
  TRect ChangedRect() const;
  // Called before the pixels in rect are written: tells the watch, then
  // adds rect to the changed rectangle.
  void MarkChanged(const TRect& rect);
  // Only tells the watch, for writers that learn what they write as they go
  // and mark the whole at the end (the flood fill).
  void BeforeWrite(const TRect& rect) {
    if (watch_) TellWatch(rect);
  }
  // The watch told before each write from now on; a watch set before is told
  // that everything changes and is dropped. Pixels are not exchanged with
  // another bitmap (SwapPixels) while a watch is set.
  void SetWatch(std::shared_ptr<TPixelWatch> watch);
  void ClearChanged() { changed_ = TRect{}; }
  // A rectangle known to hold one pixel value throughout (empty when none):
  // a solid fill notes the rectangle it has just written, and any later
  // change that touches it forgets it. Lets the history keep a filled area
  // without reading it back.
  TRect UniformRect() const { return uniform_; }
  void NoteUniform(const TRect& rect);
  // Grows with every mark: equal counts mean pixels and palette are as they
  // were. Counts are drawn from one sequence for all bitmaps, so two bitmaps
  // that were ever marked never share one.
  std::uint64_t ChangeCount() const { return changeCount_; }
  // A rectangle that holds every image.
  static constexpr TRect kEverywhere{0, 0, std::numeric_limits<int>::max(),
                                     std::numeric_limits<int>::max()};

 private:
  void Resize(int width, int height);
  void TellWatch(const TRect& rect);
  // Hands the pixel memory to the watch, if one is set, before a new image
  // replaces it; then the watch is dropped.
  void LetGoOfPixels();
  // The changed rectangle and count grow without a pixel written.
  void NoteChanged(const TRect& rect);

  BitmapImage image_;
  std::unique_ptr<TCanvas> canvas_;
  TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
  TColor transparentColor_ = clWhite;
  bool ignorePalette_ = false;
  TRect changed_ = kEverywhere;
  TRect uniform_;
  std::uint64_t changeCount_ = 0;
  std::shared_ptr<TPixelWatch> watch_;
};

// Gives the memory of images already freed back to the system: the block kept
// for the next image of its size and the free pages of the heap (the history's
// pixel blocks, copies). For when a window with big pictures closes.
void ReleaseFreedImageMemory();

}  // namespace pictor
