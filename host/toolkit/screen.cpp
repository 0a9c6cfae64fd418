#include "host/toolkit/screen.h"

#include <QCursor>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QTextStream>

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

// "NAME X Y" lines of the hot spot text; false when the name is not there.
bool HotSpotFromText(const std::string& name, int& x, int& y) {
  QFile file(":/cursors/hotspots.txt");
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  QTextStream in(&file);
  static const QRegularExpression separators("[\\s,;]+");
  while (!in.atEnd()) {
    const QStringList parts = in.readLine().trimmed().split(separators, Qt::SkipEmptyParts);
    if (parts.size() >= 3 && parts[0].compare(ToQString(name), Qt::CaseInsensitive) == 0) {
      bool okX = false, okY = false;
      x = parts[1].toInt(&okX);
      y = parts[2].toInt(&okY);
      return okX && okY;
    }
  }
  return false;
}

// The hot spot of the first image of a cursor file.
bool HotSpotFromCursorFile(const QByteArray& bytes, int& x, int& y) {
  if (bytes.size() < 22) return false;
  auto u16 = [&](int at) {
    return static_cast<int>(static_cast<unsigned char>(bytes[at]) |
                            (static_cast<unsigned char>(bytes[at + 1]) << 8));
  };
  if (u16(0) != 0 || u16(2) != 2 || u16(4) < 1) return false;
  x = u16(10);
  y = u16(12);
  return true;
}

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
  int x = 0, y = 0;
  const bool fromText = HotSpotFromText(name, x, y);
  const QString base = ":/cursors/" + ToQString(name);
  QFile cur(base + ".cur");
  if (cur.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = cur.readAll();
    int fx = 0, fy = 0;
    if (!fromText && HotSpotFromCursorFile(bytes, fx, fy)) {
      x = fx;
      y = fy;
    }
    QImage image;
    if (image.loadFromData(bytes)) {
      TCursorInfo info{image.width(), image.height(), x, y};
      return std::make_shared<TCursorImage>(QCursor(QPixmap::fromImage(image), x, y), info);
    }
  }
  for (const char* ext : {".png", ".bmp"}) {
    if (HCURSOR c = LoadCursorFromImage(FromQString(base + ext), x, y)) return c;
  }
  return nullptr;
}

TCursorInfo CursorInfo(const HCURSOR& cursor) { return cursor ? cursor->info : TCursorInfo{}; }

}  // namespace pictor
