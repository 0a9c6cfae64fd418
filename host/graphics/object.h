// TObject: the root of the classes a property may hold (pictures, bitmaps,
// components), so a value can be passed as one pointer and its class asked.
#pragma once

namespace pictor {

class TObject {
 public:
  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  // The class name a property inspector shows.
  virtual const char* ClassName() const { return "TObject"; }
};

}  // namespace pictor
