#include "host/graphics/font.h"

#include <cstdlib>

namespace pictor {

int TFont::Size() const {
  const int pixels = std::abs(Height);
  return (pixels * 72 + kScreenDpi / 2) / kScreenDpi;
}

void TFont::SetSize(int points) { Height = -((points * kScreenDpi + 36) / 72); }

}  // namespace pictor
