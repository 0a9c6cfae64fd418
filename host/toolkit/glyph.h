// Button glyphs: loading them and showing them as Qt icons. Internal to the toolkit.
#pragma once

#include <string>

#include <QIcon>
#include <QString>

class QAbstractButton;

#include "host/graphics/bitmap.h"

namespace pictor {

// Loads a glyph from a file or Qt resource path: BMP files through the
// graphics library (keeping format and palette), other images through Qt.
// Throws EFOpenError naming the path when it cannot be read.
void LoadGlyphBitmap(const std::string& path, TBitmap& glyph);

// The icon of a glyph of `count` pictures side by side (up, disabled, ...);
// the colour of the bottom-left pixel shows transparent.
QIcon GlyphIcon(const TBitmap& glyph, int count);
// Width of one picture of the glyph.
int GlyphWidth(const TBitmap& glyph, int count);

// The glyph of a button: the bitmap, the path it came from and the number of
// pictures; every change shows on the button.
class GlyphHolder {
 public:
  explicit GlyphHolder(QAbstractButton* button);
  const TBitmap& Glyph() const { return glyph_; }
  void Set(const TBitmap& glyph);
  // Throws when the file cannot be read; an empty path removes the glyph.
  void Load(const std::string& path);
  // From a form description: a glyph that cannot be read leaves none.
  void LoadQuietly(const QString& path);
  QString Path() const { return path_; }
  int Count() const { return count_; }
  void SetCount(int count);

 private:
  void Show();
  QAbstractButton* button_;
  TBitmap glyph_;
  QString path_;
  int count_ = 1;
};

}  // namespace pictor
