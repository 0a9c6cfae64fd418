// TMetafile: a vector picture in the WMF metafile format (.wmf, with or
// without the placeable header) or the enhanced metafile format (.emf).
//
// Loading checks the headers and the size of every record, so a damaged file
// fails at load (EInvalidGraphic) and leaves the metafile as it was. The
// bytes are kept and saved unchanged.
//
// Size in pixels at 96 dots per inch:
// - WMF metafile with a placeable header: its box times 96 / units per inch.
// - WMF metafile without one: the first window extent record, taken as
//   pixels; 0 x 0 when there is none (it then draws in its own units as pixels).
// - Enhanced metafile: the header's frame (0.01 mm, right and bottom inclusive)
//   times 96 / 2540.
// Each rounded to the nearest pixel; sides beyond 65535 pixels are refused.
//
// Drawing maps the picture box onto the rectangle and plays the records,
// clipped to the rectangle. See metafile_device.h for the bounds on playing.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/graphics/graphic.h"
#include "host/graphics/metafile/metafile_format.h"

namespace pictor {

class TMetafile : public TGraphic {
 public:
  TMetafile() = default;

  const char* ClassName() const override { return "TMetafile"; }
  int Width() const override { return info_.width; }
  int Height() const override { return info_.height; }
  bool Empty() const override { return data_.empty(); }
  std::unique_ptr<TGraphic> NewInstance() const override { return std::make_unique<TMetafile>(); }

  // Copies another metafile; nullptr empties this one.
  void Assign(const TGraphic* source) override;
  // A bitmap gets the picture at the metafile's size on white.
  bool AssignTo(TGraphic& dest) const override;

  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) const override;
  void DrawInto(TCanvas& canvas, const TRect& rect) const override;

  // True for an enhanced metafile.
  bool Enhanced() const { return info_.enhanced; }
  void Clear();
  std::span<const std::uint8_t> Data() const { return data_; }

 private:
  std::vector<std::uint8_t> data_;
  metafile::MetafileInfo info_;
};

}  // namespace pictor
