#include "host/toolkit/glyph.h"

#include <QAbstractButton>
#include <QFile>
#include <QPixmap>

#include "host/graphics/errors.h"
#include "host/graphics/streams.h"
#include "host/toolkit/bitmap_bridge.h"
#include "host/toolkit/control.h"

namespace pictor {

void LoadGlyphBitmap(const std::string& path, TBitmap& glyph) {
  QFile file(ToQString(path));
  if (!file.open(QIODevice::ReadOnly)) throw EFOpenError("Cannot open the glyph \"" + path + "\".");
  const QByteArray bytes = file.readAll();
  if (bytes.startsWith("BM")) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    stream.SetPosition(0);
    glyph.LoadFromStream(stream);
    return;
  }
  QImage image;
  if (!image.loadFromData(bytes))
    throw EInvalidGraphic("The glyph \"" + path + "\" is not an image.");
  FromQImage(image, glyph);
}

int GlyphWidth(const TBitmap& glyph, int count) {
  if (count < 1) count = 1;
  return glyph.Width() / count > 0 ? glyph.Width() / count : glyph.Width();
}

QIcon GlyphIcon(const TBitmap& glyph, int count) {
  QIcon icon;
  if (glyph.Empty()) return icon;
  if (count < 1) count = 1;
  const int w = GlyphWidth(glyph, count);
  const int h = glyph.Height();
  // Transparent where the bottom-left pixel's colour is.
  TBitmap copy;
  copy.Assign(&glyph);
  copy.SetTransparent(true);
  copy.SetTransparentMode(tmAuto);
  auto picture = [&](int i) {
    return QPixmap::fromImage(ToQImage(copy, TRect{i * w, 0, (i + 1) * w, h}, true));
  };
  icon.addPixmap(picture(0), QIcon::Normal, QIcon::Off);
  icon.addPixmap(picture(0), QIcon::Normal, QIcon::On);
  if (count >= 2) {
    icon.addPixmap(picture(1), QIcon::Disabled, QIcon::Off);
    icon.addPixmap(picture(1), QIcon::Disabled, QIcon::On);
  }
  if (count >= 4) icon.addPixmap(picture(3), QIcon::Normal, QIcon::On);
  return icon;
}

GlyphHolder::GlyphHolder(QAbstractButton* button) : button_(button) {}

void GlyphHolder::Set(const TBitmap& glyph) {
  glyph_.Assign(&glyph);
  Show();
}

void GlyphHolder::Load(const std::string& path) {
  if (path.empty())
    glyph_.Assign(nullptr);
  else
    LoadGlyphBitmap(path, glyph_);
  path_ = ToQString(path);
  Show();
}

void GlyphHolder::LoadQuietly(const QString& path) {
  try {
    Load(FromQString(path));
  } catch (const Exception&) {
    glyph_.Assign(nullptr);
    Show();
  }
  path_ = path;
}

void GlyphHolder::SetCount(int count) {
  count_ = count < 1 ? 1 : count;
  Show();
}

void GlyphHolder::Show() {
  button_->setIcon(GlyphIcon(glyph_, count_));
  if (!glyph_.Empty()) button_->setIconSize(QSize(GlyphWidth(glyph_, count_), glyph_.Height()));
}

}  // namespace pictor
