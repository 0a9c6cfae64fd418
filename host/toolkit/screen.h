// The screen's cursor registry: integer ids to pointer pictures. An id
// without a pointer shows the default arrow. Negative ids below -100 are the
// program's own pointers, registered from its resources with LoadCursor.
#pragma once

#include <map>
#include <memory>
#include <string>

class QCursor;

namespace pictor {

inline constexpr int crDefault = 0;
inline constexpr int crNone = -1;
inline constexpr int crArrow = -2;
inline constexpr int crCross = -3;
inline constexpr int crIBeam = -4;
inline constexpr int crSizeNESW = -6;
inline constexpr int crSizeNS = -7;
inline constexpr int crSizeNWSE = -8;
inline constexpr int crSizeWE = -9;
inline constexpr int crUpArrow = -10;
inline constexpr int crHourGlass = -11;
inline constexpr int crNo = -18;
inline constexpr int crHandPoint = -21;
inline constexpr int crSizeAll = -22;

// A loaded pointer picture; null when none.
class TCursorImage;
using HCURSOR = std::shared_ptr<const TCursorImage>;

class TScreen {
 public:
  TScreen();
  ~TScreen();

  // Registers (or with a null handle removes) the pointer of an id.
  void SetCursor(int id, HCURSOR cursor);
  // The registered pointer; null for ids without one (the built-in ids
  // crArrow ... crSizeAll answer the desktop's own pointers).
  HCURSOR Cursors(int id) const;
  // The pointer Qt shows for an id: the registered one, else the default arrow.
  QCursor QtCursor(int id) const;
  // Forgets every registered pointer (the application does so before it ends).
  void Clear() { cursors_.clear(); }

 private:
  std::map<int, HCURSOR> cursors_;
};

// The screen (exists from program start).
extern TScreen* const Screen;

// Loads the program's pointer of that name from its resources: the cursor
// file ":/cursors/NAME.cur", read by the graphics library (picture and hot
// spot). Null when there is none or it is not a valid cursor file.
HCURSOR LoadCursor(const std::string& name);
// A pointer from an image file (such as PNG or BMP) and a hot spot.
HCURSOR LoadCursorFromImage(const std::string& path, int hotX, int hotY);

// The picture and hot spot of a pointer (for tests).
struct TCursorInfo {
  int Width = 0;
  int Height = 0;
  int HotX = 0;
  int HotY = 0;
};
TCursorInfo CursorInfo(const HCURSOR& cursor);

}  // namespace pictor
