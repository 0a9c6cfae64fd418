// TFont: the face, size, style and colour text is drawn in.
#pragma once

#include <string>

#include "host/graphics/color.h"
#include "host/graphics/set.h"

namespace pictor {

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
inline constexpr TFontStyle fsBold = TFontStyle::fsBold;
inline constexpr TFontStyle fsItalic = TFontStyle::fsItalic;
inline constexpr TFontStyle fsUnderline = TFontStyle::fsUnderline;
inline constexpr TFontStyle fsStrikeOut = TFontStyle::fsStrikeOut;
using TFontStyles = TSet<TFontStyle>;

// Screen resolution that point sizes refer to.
inline constexpr int kScreenDpi = 96;

class TFont {
 public:
  std::string Name = "MS Sans Serif";
  // Negative: the character height in pixels (without internal leading);
  // positive: the cell height in pixels.
  int Height = -11;
  TFontStyles Style;
  TColor Color = clBlack;
  // Angle of the text line in tenths of a degree, counter-clockwise.
  int Orientation = 0;

  // Points at 96 dots per inch, rounded: derived from (and setting) Height.
  int Size() const;
  void SetSize(int points);
  void Assign(const TFont& source) { *this = source; }
  friend bool operator==(const TFont&, const TFont&) = default;
};

}  // namespace pictor
