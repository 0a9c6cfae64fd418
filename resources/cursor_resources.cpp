#include "resources/cursor_resources.h"

namespace pictor {

std::string CursorResourcePath(std::string_view name) {
  return ":/cursors/" + std::string(name) + ".cur";
}

}  // namespace pictor
