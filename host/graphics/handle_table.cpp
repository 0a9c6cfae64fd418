#include "host/graphics/handle_table.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <variant>

#include "host/graphics/raster/polygon_scan.h"

namespace pictor {
namespace {

using Object = std::variant<handles::PaletteRef, SpanSet>;

struct Table {
  std::mutex mutex;
  std::unordered_map<std::uint32_t, Object> objects;
  std::uint32_t next = 1;

  std::uint32_t Add(Object object) {
    std::lock_guard lock(mutex);
    while (next == 0 || objects.count(next)) ++next;
    std::uint32_t id = next++;
    objects.emplace(id, std::move(object));
    return id;
  }
  template <typename T>
  T* Find(std::uint32_t id) {
    auto it = objects.find(id);
    if (it == objects.end()) return nullptr;
    return std::get_if<T>(&it->second);
  }
  template <typename T>
  bool Remove(std::uint32_t id) {
    std::lock_guard lock(mutex);
    auto it = objects.find(id);
    if (it == objects.end() || !std::holds_alternative<T>(it->second)) return false;
    objects.erase(it);
    return true;
  }
};

Table& TheTable() {
  static Table table;
  return table;
}

std::uint32_t Id(HPALETTE h) { return static_cast<std::uint32_t>(h); }
std::uint32_t Id(HRGN h) { return static_cast<std::uint32_t>(h); }

}  // namespace

namespace handles {

PaletteRef LookupPalette(HPALETTE palette) {
  Table& t = TheTable();
  std::lock_guard lock(t.mutex);
  PaletteRef* p = t.Find<PaletteRef>(Id(palette));
  return p ? *p : nullptr;
}

HPALETTE AddPalette(PaletteRef data) {
  if (!data || data->entries.empty()) return HPALETTE{};
  return HPALETTE{TheTable().Add(std::move(data))};
}

HPALETTE AddPalette(std::span<const PALETTEENTRY> entries) {
  if (entries.empty() || entries.size() > 0xFFFF) return HPALETTE{};
  auto data = std::make_shared<PaletteData>();
  data->entries.assign(entries.begin(), entries.end());
  return AddPalette(PaletteRef(std::move(data)));
}

const SpanSet* LookupRegion(HRGN region) {
  Table& t = TheTable();
  std::lock_guard lock(t.mutex);
  return t.Find<SpanSet>(Id(region));
}

HRGN AddRegion(SpanSet pixels) { return HRGN{TheTable().Add(std::move(pixels))}; }

std::size_t LiveObjectCount() {
  Table& t = TheTable();
  std::lock_guard lock(t.mutex);
  return t.objects.size();
}

}  // namespace handles

HPALETTE CreatePalette(const LOGPALETTE& logPalette) {
  if (logPalette.palNumEntries == 0 || logPalette.palPalEntry.size() < logPalette.palNumEntries)
    return HPALETTE{};
  return handles::AddPalette(
      std::span<const PALETTEENTRY>(logPalette.palPalEntry.data(), logPalette.palNumEntries));
}

HPALETTE CopyPalette(HPALETTE palette) {
  handles::PaletteRef data = handles::LookupPalette(palette);
  return data ? handles::AddPalette(data) : HPALETTE{};
}

int GetObject(HPALETTE palette, int cbBuffer, std::uint16_t* entryCount) {
  handles::PaletteRef data = handles::LookupPalette(palette);
  if (!data) return 0;
  if (!entryCount) return static_cast<int>(sizeof(std::uint16_t));
  if (cbBuffer < static_cast<int>(sizeof(std::uint16_t))) return 0;
  *entryCount = static_cast<std::uint16_t>(data->entries.size());
  return static_cast<int>(sizeof(std::uint16_t));
}

unsigned GetPaletteEntries(HPALETTE palette, unsigned start, unsigned count, PALETTEENTRY* out) {
  handles::PaletteRef data = handles::LookupPalette(palette);
  if (!data) return 0;
  const auto total = static_cast<unsigned>(data->entries.size());
  if (!out) return total;
  if (start >= total) return 0;
  unsigned n = std::min(count, total - start);
  std::copy_n(data->entries.begin() + start, n, out);
  return n;
}

bool DeleteObject(HPALETTE palette) { return TheTable().Remove<handles::PaletteRef>(Id(palette)); }

HRGN CreatePolygonRgn(const TPoint* points, int count, int fillMode) {
  SpanSet pixels;
  if (points && count >= 3) {
    ScanPolygon(std::span<const TPoint>(points, static_cast<std::size_t>(count)),
                fillMode == WINDING ? FillRule::Winding : FillRule::EvenOdd, pixels);
  }
  return handles::AddRegion(std::move(pixels));
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  SpanSet pixels;
  pixels.AddRect(NormalizedRect(TRect{left, top, right, bottom}));
  return handles::AddRegion(std::move(pixels));
}

bool OffsetRgn(HRGN region, int dx, int dy) {
  Table& t = TheTable();
  std::lock_guard lock(t.mutex);
  SpanSet* pixels = t.Find<SpanSet>(Id(region));
  if (!pixels) return false;
  pixels->Offset(dx, dy);
  return true;
}

bool PtInRegion(HRGN region, int x, int y) {
  const SpanSet* pixels = handles::LookupRegion(region);
  return pixels && pixels->Contains(x, y);
}

bool DeleteObject(HRGN region) { return TheTable().Remove<SpanSet>(Id(region)); }

}  // namespace pictor
