// TGraphic: what every picture class (bitmap, JPEG image, icon, metafile) offers.
#pragma once

#include <memory>
#include <string>

#include "host/graphics/geometry.h"
#include "host/graphics/object.h"

namespace pictor {

class TCanvas;
class TStream;

class TGraphic : public TObject {
 public:
  // The class name the property inspector shows ("TBitmap", ...).
  const char* ClassName() const override = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const = 0;

  // A new, empty graphic of the same class (TPicture copies graphics with it).
  virtual std::unique_ptr<TGraphic> NewInstance() const = 0;

  // Makes this graphic a copy of source; nullptr empties it. Throws
  // EInvalidGraphicOperation when source is of a class this one cannot take.
  virtual void Assign(const TGraphic* source) = 0;

  // Loading is all or nothing: on an error the graphic is left as it was.
  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) const = 0;
  void LoadFromFile(const std::string& fileName);
  // Encodes into memory first, so an encoding error never leaves a broken file.
  void SaveToFile(const std::string& fileName) const;

  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value) { transparent_ = value; }

  // Draws the graphic onto the canvas, scaled into rect.
  virtual void DrawInto(TCanvas& canvas, const TRect& rect) const = 0;

  // Lets a graphic of another class fill dest with its picture (dest.Assign calls
  // it for sources it does not know). Returns false when it cannot.
  virtual bool AssignTo(TGraphic& dest) const;

 protected:
  TGraphic() = default;

 private:
  bool transparent_ = false;
};

}  // namespace pictor
