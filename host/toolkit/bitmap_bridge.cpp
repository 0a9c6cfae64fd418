#include "host/toolkit/bitmap_bridge.h"

#include <cstring>
#include <vector>

#include <QPainter>

namespace pictor {

QImage ToQImage(const TBitmap& bitmap, const TRect& part, bool transparent) {
  const TRect r = IntersectRect(NormalizedRect(part), TRect{0, 0, bitmap.Width(), bitmap.Height()});
  if (r.IsEmpty()) return QImage();
  QImage image(r.Width(), r.Height(), transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  if (image.isNull()) return image;
  const TColor key = ColorToRGB(bitmap.TransparentColor());
  const std::uint32_t keyXrgb =
      (std::uint32_t(GetRValue(key)) << 16) | (std::uint32_t(GetGValue(key)) << 8) | GetBValue(key);
  for (int y = r.Top; y < r.Bottom; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y - r.Top));
    bitmap.ReadRgbRow(y, r.Left, r.Width(), row);
    if (transparent) {
      for (int x = 0; x < r.Width(); ++x)
        row[x] = (row[x] & 0xFFFFFFu) == keyXrgb ? 0u : (row[x] | 0xFF000000u);
    } else {
      for (int x = 0; x < r.Width(); ++x) row[x] |= 0xFF000000u;
    }
  }
  return image;
}

QImage ToQImage(const TBitmap& bitmap) {
  return ToQImage(bitmap, TRect{0, 0, bitmap.Width(), bitmap.Height()});
}

QImage OpaqueView(TBitmap& bitmap) {
  if (bitmap.Empty() || BitsPerPixel(bitmap.PixelFormat()) != 32) return QImage();
  const int width = bitmap.Width(), height = bitmap.Height();
  const std::span<std::uint8_t> bytes = bitmap.PixelBytes();
  const std::size_t stride = bitmap.RowBytes();
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = bytes.data() + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < width; ++x) {
      std::uint32_t v;
      std::memcpy(&v, row + 4 * x, 4);
      v |= 0xFF000000u;
      std::memcpy(row + 4 * x, &v, 4);
    }
  }
  return QImage(bytes.data(), width, height, static_cast<qsizetype>(stride), QImage::Format_RGB32);
}

namespace {

void FromIndexed(const QImage& source, TBitmap& bitmap) {
  const QList<QRgb> table = source.colorTable();
  const int n = static_cast<int>(table.size());
  const TPixelFormat format = n <= 2 ? pf1bit : n <= 16 ? pf4bit : pf8bit;
  const QImage image = source.convertToFormat(QImage::Format_Indexed8, table);
  std::vector<PALETTEENTRY> entries;
  for (QRgb c : table)
    entries.push_back(PALETTEENTRY{static_cast<std::uint8_t>(qRed(c)),
                                   static_cast<std::uint8_t>(qGreen(c)),
                                   static_cast<std::uint8_t>(qBlue(c)), 0});
  bitmap.NewImage(image.width(), image.height(), format, entries);
  for (int y = 0; y < image.height(); ++y)
    bitmap.WriteIndexRow(y, std::span<const std::uint8_t>(image.constScanLine(y),
                                                          static_cast<std::size_t>(image.width())));
}

}  // namespace

void FromQImage(const QImage& source, TBitmap& bitmap) {
  if (source.isNull()) {
    bitmap.Assign(nullptr);
    return;
  }
  const QImage::Format f = source.format();
  if ((f == QImage::Format_Indexed8 || f == QImage::Format_Mono || f == QImage::Format_MonoLSB) &&
      !source.colorTable().isEmpty() && !source.hasAlphaChannel()) {
    FromIndexed(source, bitmap);
    return;
  }
  QImage image(source.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.drawImage(0, 0, source);
  }
  bitmap.NewImage(image.width(), image.height(), pf24bit);
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    std::uint8_t* out = bitmap.ScanLine(y);
    for (int x = 0; x < image.width(); ++x) {
      out[3 * x] = static_cast<std::uint8_t>(qBlue(row[x]));
      out[3 * x + 1] = static_cast<std::uint8_t>(qGreen(row[x]));
      out[3 * x + 2] = static_cast<std::uint8_t>(qRed(row[x]));
    }
  }
}

}  // namespace pictor
