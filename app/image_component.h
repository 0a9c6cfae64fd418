// TImage: the component pictor puts the picture into, an image control with
// a Picture property, as a form designer would show it in its inspector.
#pragma once

#include <memory>

#include "host/designtime/component.h"
#include "host/graphics/picture.h"

namespace pictor {

class TImage : public TComponent {
 public:
  TImage() { DefineProperty("Picture", &TImage::Picture, &TImage::SetPicture); }
  const char* ClassName() const override { return "TImage"; }

  TPicture* Picture() const { return picture_.get(); }
  // Takes a copy of value's graphic; nil clears the picture.
  void SetPicture(TPicture* value) { picture_->Assign(value); }

 private:
  std::unique_ptr<TPicture> picture_ = std::make_unique<TPicture>();
};

}  // namespace pictor
