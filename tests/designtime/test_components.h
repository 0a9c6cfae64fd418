// Components and editors the design-time tests register and look up.
#pragma once

#include <memory>

#include "host/designtime/component.h"
#include "host/designtime/property_editor.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/picture.h"

namespace pictor::testing {

// An image control: its Picture setter copies the value in, nil clears it.
class TTestImage : public TComponent {
 public:
  TTestImage() { DefineProperty("Picture", &TTestImage::Picture, &TTestImage::SetPicture); }
  const char* ClassName() const override { return "TTestImage"; }
  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(TPicture* value) {
    ++setCount;
    picture_->Assign(value);
  }
  int setCount = 0;

 private:
  std::unique_ptr<TPicture> picture_ = std::make_unique<TPicture>();
};

// A button with a glyph bitmap.
class TTestButton : public TComponent {
 public:
  TTestButton() { DefineProperty("Glyph", &TTestButton::Glyph, &TTestButton::SetGlyph); }
  const char* ClassName() const override { return "TTestButton"; }
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* value) { glyph_->Assign(value); }

 private:
  std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
};

class TFancyButton : public TTestButton {
 public:
  const char* ClassName() const override { return "TFancyButton"; }
};

class TEditorA : public TPropertyEditor {
  using TPropertyEditor::TPropertyEditor;
};
class TEditorB : public TPropertyEditor {
  using TPropertyEditor::TPropertyEditor;
};
class TEditorC : public TPropertyEditor {
  using TPropertyEditor::TPropertyEditor;
};

}  // namespace pictor::testing
