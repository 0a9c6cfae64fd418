#include "host/toolkit/screen.h"

#include <QCursor>
#include <QFile>
#include <QImage>
#include <QPixmap>

#include <cstdint>
#include <span>

#include "host/graphics/errors.h"
#include "host/graphics/icon.h"
#include "host/toolkit/control.h"

namespace pictor {

class TCursorImage {
 public:
  TCursorImage(QCursor cursor, TCursorInfo info) : cursor(std::move(cursor)), info(info) {}
  QCursor cursor;
  TCursorInfo info;
};

namespace {

bool BuiltInShape(int id, Qt::CursorShape& shape) {
  switch (id) {
    case crNone:
      shape = Qt::BlankCursor;
      return true;
    case crArrow:
      shape = Qt::ArrowCursor;
      return true;
    case crCross:
      shape = Qt::CrossCursor;
      return true;
    case crIBeam:
      shape = Qt::IBeamCursor;
      return true;
    case crSizeNESW:
      shape = Qt::SizeBDiagCursor;
      return true;
    case crSizeNS:
      shape = Qt::SizeVerCursor;
      return true;
    case crSizeNWSE:
      shape = Qt::SizeFDiagCursor;
      return true;
    case crSizeWE:
      shape = Qt::SizeHorCursor;
      return true;
    case crUpArrow:
      shape = Qt::UpArrowCursor;
      return true;
    case crHourGlass:
      shape = Qt::WaitCursor;
      return true;
    case crNo:
      shape = Qt::ForbiddenCursor;
      return true;
    case crHandPoint:
      shape = Qt::PointingHandCursor;
      return true;
    case crSizeAll:
      shape = Qt::SizeAllCursor;
      return true;
    default:
      return false;
  }
}

TScreen screen;

}  // namespace

TScreen* const Screen = &screen;

TScreen::TScreen() = default;
TScreen::~TScreen() = default;

void TScreen::SetCursor(int id, HCURSOR cursor) {
  if (cursor)
    cursors_[id] = std::move(cursor);
  else
    cursors_.erase(id);
}

HCURSOR TScreen::Cursors(int id) const {
  if (auto it = cursors_.find(id); it != cursors_.end()) return it->second;
  Qt::CursorShape shape;
  if (BuiltInShape(id, shape)) return std::make_shared<TCursorImage>(QCursor(shape), TCursorInfo{});
  return nullptr;
}

QCursor TScreen::QtCursor(int id) const {
  if (auto it = cursors_.find(id); it != cursors_.end()) return it->second->cursor;
  Qt::CursorShape shape;
  if (BuiltInShape(id, shape)) return QCursor(shape);
  return QCursor(Qt::ArrowCursor);
}

HCURSOR LoadCursorFromImage(const std::string& path, int hotX, int hotY) {
  QImage image(ToQString(path));
  if (image.isNull()) return nullptr;
  TCursorInfo info{image.width(), image.height(), hotX, hotY};
  return std::make_shared<TCursorImage>(QCursor(QPixmap::fromImage(image), hotX, hotY), info);
}

HCURSOR LoadCursor(const std::string& name) {
  QFile file(":/cursors/" + ToQString(name) + ".cur");
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  const QByteArray bytes = file.readAll();
  CursorPicture picture;
  try {
    picture = ReadCursorFile(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                       static_cast<std::size_t>(bytes.size())));
  } catch (const EInvalidGraphic&) {
    return nullptr;
  }
  // Rows of blue, green, red, alpha bytes are what a 32-bit ARGB image holds.
  const QImage image = QImage(picture.pixels.data(), picture.width, picture.height,
                              4 * picture.width, QImage::Format_ARGB32)
                           .copy();
  const TCursorInfo info{picture.width, picture.height, picture.hotSpot.X, picture.hotSpot.Y};
  return std::make_shared<TCursorImage>(
      QCursor(QPixmap::fromImage(image), picture.hotSpot.X, picture.hotSpot.Y), info);
}

TCursorInfo CursorInfo(const HCURSOR& cursor) { return cursor ? cursor->info : TCursorInfo{}; }

}  // namespace pictor
