// TPicture: holds at most one graphic of any class (bitmap, JPEG image, ...).
#pragma once

#include <cstddef>
#include <memory>

#include "host/graphics/graphic.h"
#include "host/graphics/object.h"

namespace pictor {

class TBitmap;

class TPicture : public TObject {
 public:
  TPicture();
  ~TPicture() override;
  const char* ClassName() const override { return "TPicture"; }

  // The graphic held, or nullptr.
  TGraphic* Graphic() const { return graphic_.get(); }
  // Holds an independent copy of graphic (a new instance of its class that
  // takes it by Assign); nullptr empties the picture. When the copy fails the
  // picture keeps what it had.
  void SetGraphic(const TGraphic* graphic) { Assign(graphic); }
  void Assign(const TGraphic* graphic);
  // A copy of the other picture's graphic, or empty when it has none.
  void Assign(const TPicture* picture);
  void Assign(std::nullptr_t) { graphic_.reset(); }
  // Holds graphic itself, without a copy.
  void TakeGraphic(std::unique_ptr<TGraphic> graphic) { graphic_ = std::move(graphic); }

  // The graphic as a bitmap. When the picture holds another class of graphic,
  // or none, that is replaced by a new empty bitmap, which is returned.
  TBitmap* Bitmap();

  // The size of the graphic; 0 without one.
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

 private:
  std::unique_ptr<TGraphic> graphic_;
};

}  // namespace pictor
