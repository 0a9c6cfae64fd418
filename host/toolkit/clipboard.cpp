#include "host/toolkit/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "host/graphics/errors.h"
#include "host/graphics/streams.h"
#include "host/toolkit/bitmap_bridge.h"

namespace pictor {
namespace {

const char* const kBmpFormat = "image/bmp";

const QMimeData* Contents() {
  if (!QGuiApplication::instance()) return nullptr;
  return QGuiApplication::clipboard()->mimeData();
}

bool HasImage(const QMimeData* data) {
  return data && (data->hasImage() || data->hasFormat(kBmpFormat));
}

bool HasMetafile(const QMimeData* data) {
  if (!data) return false;
  for (const char* f : {"image/x-emf", "image/emf", "image/x-wmf", "image/wmf"})
    if (data->hasFormat(f)) return true;
  return false;
}

}  // namespace

bool TClipboard::HasFormat(int format) const {
  const QMimeData* data = Contents();
  switch (format) {
    case CF_BITMAP:
      return HasImage(data);
    case CF_METAFILEPICT:
    case CF_ENHMETAFILE:
      return HasMetafile(data);
    case CF_PICTURE:
      return HasImage(data) || HasMetafile(data);
    default:
      return false;
  }
}

void TClipboard::Assign(const TBitmap& bitmap) {
  if (bitmap.Empty()) {
    Clear();
    return;
  }
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  auto* data = new QMimeData;
  data->setImageData(ToQImage(bitmap));
  data->setData(kBmpFormat, QByteArray(reinterpret_cast<const char*>(stream.Memory()),
                                       static_cast<qsizetype>(stream.Size())));
  QGuiApplication::clipboard()->setMimeData(data);
}

void TClipboard::AssignTo(TBitmap& bitmap) const {
  const QMimeData* data = Contents();
  TBitmap picture;
  if (data && data->hasFormat(kBmpFormat)) {
    const QByteArray bytes = data->data(kBmpFormat);
    TMemoryStream stream;
    stream.WriteBuffer(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    stream.SetPosition(0);
    picture.LoadFromStream(stream);
    bitmap.Assign(&picture);
    return;
  }
  if (data && data->hasImage()) {
    const QImage image = qvariant_cast<QImage>(data->imageData());
    if (!image.isNull()) {
      FromQImage(image, picture);
      bitmap.Assign(&picture);
      return;
    }
  }
  if (HasMetafile(data)) throw EInvalidGraphic("The picture on the clipboard is not a bitmap.");
  throw EInvalidGraphic("The clipboard holds no picture.");
}

void TClipboard::Clear() {
  if (QGuiApplication::instance()) QGuiApplication::clipboard()->clear();
}

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}

}  // namespace pictor
