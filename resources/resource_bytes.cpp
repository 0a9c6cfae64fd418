#include "resources/resource_bytes.h"

#include <algorithm>
#include <string>

#include "host/graphics/errors.h"
#include "host/graphics/streams.h"

namespace pictor {

std::span<const EmbeddedFile> ResourceFiles() { return {embedded::kFiles, embedded::kFileCount}; }

std::span<const std::uint8_t> ResourceBytes(std::string_view path) {
  auto files = ResourceFiles();
  auto it = std::lower_bound(files.begin(), files.end(), path,
                             [](const EmbeddedFile& f, std::string_view p) { return f.path < p; });
  if (it == files.end() || it->path != path) return {};
  return it->bytes;
}

void LoadResourceBitmap(std::string_view path, TBitmap& bitmap) {
  auto bytes = ResourceBytes(path);
  if (bytes.empty()) throw EInvalidGraphic("There is no resource " + std::string(path) + ".");
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), bytes.size());
  stream.SetPosition(0);
  bitmap.LoadFromStream(stream);
}

}  // namespace pictor
