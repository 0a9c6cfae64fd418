#include "host/toolkit/locale.h"

#include <QLocale>

namespace pictor {

char DecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  if (point.size() != 1 || point.at(0).unicode() > 255) return '.';
  return static_cast<char>(static_cast<unsigned char>(point.at(0).unicode()));
}

}  // namespace pictor
