// The form designer a property editor reports to: Modified tells it that the
// form changed (so the host marks it for saving).
#pragma once

namespace pictor {

class TDesigner {
 public:
  virtual ~TDesigner() = default;
  virtual void Modified() { ++modifiedCount_; }
  // How often Modified was called.
  int ModifiedCount() const { return modifiedCount_; }
  bool IsModified() const { return modifiedCount_ > 0; }

 private:
  int modifiedCount_ = 0;
};

}  // namespace pictor
