// Damaged, hostile and unsupported icon files are refused with a clear error
// and leave the icon that tried to load them as it was.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "host/graphics/errors.h"
#include "host/graphics/icon.h"
#include "tests/graphics/icon/icon_builder.h"

namespace pictor::icontest {
namespace {

// A valid 4 x 2 8-bit image to damage.
IconBitmap GoodBitmap() {
  IconBitmap d;
  d.width = 4;
  d.height = 2;
  d.bitCount = 8;
  d.colors = {0x000000, 0xFF0000};
  d.pixels.assign(8, 1);
  return d;
}

Bytes WithBitmap(const std::function<void(IconBitmap&)>& change) {
  IconBitmap d = GoodBitmap();
  change(d);
  Entry e = EntryFor(GoodBitmap());
  e.data = d.Build();
  return IconFile({e});
}

Bytes WithEntry(const std::function<void(Entry&)>& change) {
  Entry e = EntryFor(GoodBitmap());
  change(e);
  return IconFile({e});
}

Bytes Patched(Bytes b, std::size_t at, std::uint32_t value) {
  Set32(b, at, value);
  return b;
}

Entry PngEntry(Bytes data, int size) {
  Entry e;
  e.data = std::move(data);
  e.width = e.height = size;
  return e;
}

Bytes GoodPng() { return Png(4, 4, std::vector<std::uint32_t>(16, 0xFF00FF00)); }

struct BadCase {
  const char* what;
  std::function<Bytes()> file;
  const char* message;  // a part of the error message
};

const BadCase kBadCases[] = {
    {"empty stream", [] { return Bytes{}; }, "too short"},
    {"half a directory header", [] { return Bytes{0, 0, 1}; }, "too short"},
    {"reserved field set",
     [] {
       Bytes b = IconFile({EntryFor(GoodBitmap())});
       b[0] = 1;
       return b;
     },
     "Not an icon"},
    {"type 0", [] { return IconFile({EntryFor(GoodBitmap())}, 0); }, "Not an icon"},
    {"type 3", [] { return IconFile({EntryFor(GoodBitmap())}, 3); }, "Not an icon"},
    {"a bitmap file", [] { return Bytes{'B', 'M', 0, 0, 0, 0, 0, 0}; }, "Not an icon"},
    {"no images", [] { return IconFile({}); }, "no images"},
    {"directory cut short",
     [] {
       Bytes b = IconFile({EntryFor(GoodBitmap())});
       b[4] = 2;
       b.resize(6 + 16 + 8);
       return b;
     },
     "directory"},
    {"65535 entries in a short file",
     [] {
       Bytes b = IconFile({EntryFor(GoodBitmap())});
       b[4] = b[5] = 0xFF;
       return b;
     },
     "65535"},
    {"image of size 0", [] { return WithEntry([](Entry& e) { e.size = 0; }); }, "empty"},
    {"image inside the directory", [] { return WithEntry([](Entry& e) { e.offset = 10; }); },
     "does not lie"},
    {"image past the end",
     [] { return WithEntry([](Entry& e) { e.size = static_cast<std::int64_t>(e.data.size()) + 1; }); },
     "does not lie"},
    {"offset past the end", [] { return WithEntry([](Entry& e) { e.offset = 100000; }); },
     "does not lie"},
    {"offset and size wrap around",
     [] {
       return WithEntry([](Entry& e) {
         e.offset = 0xFFFFFFF0;
         e.size = 0x20;
       });
     },
     "does not lie"},
    {"size 0xFFFFFFFF", [] { return WithEntry([](Entry& e) { e.size = 0xFFFFFFFF; }); },
     "does not lie"},
    {"core header", [] { return WithBitmap([](IconBitmap& d) { d.headerSize = 12; }); }, "header of 12"},
    {"header larger than the image",
     [] { return WithBitmap([](IconBitmap& d) { d.headerSize = 0xFFFFFFF0; }); }, "truncated"},
    {"image too short for a header",
     [] { return WithEntry([](Entry& e) { e.data.resize(20); }); }, "truncated"},
    {"width 0", [] { return Patched(IconFile({EntryFor(GoodBitmap())}), 22 + 4, 0); }, "size"},
    {"negative height",
     [] { return WithBitmap([](IconBitmap& d) { d.headerHeight = -4; }); }, "size"},
    {"odd height", [] { return WithBitmap([](IconBitmap& d) { d.headerHeight = 3; }); }, "twice"},
    {"0 bits", [] { return WithBitmap([](IconBitmap& d) { d.bitCount = 0; }); }, "0 bits"},
    {"2 bits", [] { return WithBitmap([](IconBitmap& d) { d.bitCount = 2; }); }, "2 bits"},
    {"16 bits",
     [] {
       return WithBitmap([](IconBitmap& d) {
         d.bitCount = 16;
         d.colors.clear();
       });
     },
     "16 bits"},
    {"RLE8", [] { return WithBitmap([](IconBitmap& d) { d.compression = 1; }); }, "Compressed"},
    {"bit fields", [] { return WithBitmap([](IconBitmap& d) { d.compression = 3; }); }, "Compressed"},
    {"more colours than 8 bits address",
     [] { return WithBitmap([](IconBitmap& d) { d.colorsUsed = 257; }); }, "257 colours"},
    {"huge colour table at 24 bits",
     [] {
       return WithBitmap([](IconBitmap& d) {
         d.bitCount = 24;
         d.colors.clear();
         d.pixels.assign(8, 0x123456);
         d.colorsUsed = 0xFFFFFFFF;
       });
     },
     "truncated"},
    {"mask cut short", [] { return WithBitmap([](IconBitmap& d) { d.cutBytes = 1; }); }, "truncated"},
    {"no mask", [] { return WithBitmap([](IconBitmap& d) { d.cutBytes = 8; }); }, "truncated"},
    {"pixels cut short", [] { return WithBitmap([](IconBitmap& d) { d.cutBytes = 12; }); }, "truncated"},
    {"gigantic bitmap",
     [] {
       Bytes b = WithEntry([](Entry& e) { e.width = e.height = 0; });
       Set32(b, 22 + 4, 0x7FFFFFFF);
       Set32(b, 22 + 8, 0x7FFFFFFE);
       return b;
     },
     "truncated"},
    {"gigantic PNG",
     [] {
       Bytes png = GoodPng();
       png.resize(33);
       Set32(png, 16, 0x00EA0000);  // 59904 x 59904 (big-endian)
       Set32(png, 20, 0x00EA0000);
       return IconFile({PngEntry(png, 0)});
     },
     "MiB"},
    {"PNG cut in its data",
     [] {
       Bytes png = GoodPng();
       png.resize(png.size() - 20);
       return IconFile({PngEntry(png, 4)});
     },
     "PNG"},
    {"PNG cut in its header",
     [] {
       Bytes png = GoodPng();
       png.resize(20);
       return IconFile({PngEntry(png, 4)});
     },
     "PNG"},
    {"PNG with a damaged checksum",
     [] {
       Bytes png = GoodPng();
       png[30] ^= 0x40;
       return IconFile({PngEntry(png, 4)});
     },
     "PNG"},
    {"a bad image that is not shown",
     [] {
       IconBitmap small = GoodBitmap();
       small.bitCount = 5;
       Entry bad = EntryFor(GoodBitmap());
       bad.data = small.Build();
       IconBitmap big = GoodBitmap();
       big.width = 8;
       big.pixels.assign(16, 1);
       return IconFile({EntryFor(big), bad});
     },
     "Icon image 2"},
    {"the last of 65535 entries bad",
     [] {
       const Bytes image = GoodBitmap().Build();
       Bytes b;
       Add16(b, 0);
       Add16(b, 1);
       Add16(b, 65535);
       for (int i = 0; i < 65535; ++i) {
         for (int v : {4, 2, 0, 0, 1, 0, 8, 0}) b.push_back(static_cast<std::uint8_t>(v));
         Add32(b, static_cast<std::uint32_t>(image.size()) + (i == 65534 ? 1 : 0));
         Add32(b, 6 + 16 * 65535);
       }
       b.insert(b.end(), image.begin(), image.end());
       return b;
     },
     "Icon image 65535"},
};

class IconBadInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(IconBadInput, RefusedAndIconKept) {
  const Bytes good = IconFile({PngEntry(GoodPng(), 4)});
  TIcon icon;
  Load(icon, good);
  try {
    Load(icon, GetParam().file());
    FAIL() << "no error";
  } catch (const EInvalidGraphic& e) {
    EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
  }
  EXPECT_EQ(Saved(icon), good);
  EXPECT_EQ(icon.Width(), 4);
  EXPECT_EQ(icon.ImageCount(), 1);
  const std::uint8_t* p = icon.Picture().Row(3) + 12;
  EXPECT_EQ(p[0] | (p[1] << 8) | (p[2] << 16) | (p[3] << 24), 0xFF00FF00);
}

std::string CaseName(const ::testing::TestParamInfo<BadCase>& info) {
  std::string name;
  for (const char* c = info.param.what; *c; ++c)
    name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, IconBadInput, ::testing::ValuesIn(kBadCases), CaseName);

TEST(IconBadInputEmpty, FailedLoadKeepsAnEmptyIcon) {
  TIcon icon;
  EXPECT_THROW(Load(icon, Bytes{0, 0, 1, 0, 0, 0}), EInvalidGraphic);
  EXPECT_TRUE(icon.Empty());
}

TEST(IconLimits, ImagesBeyondTheLimitsAreRefused) {
  TIcon icon;
  icon.SetLimits(ImageLimits{3, 1 << 20});
  try {
    Load(icon, IconFile({EntryFor(GoodBitmap())}));
    FAIL() << "no error";
  } catch (const EInvalidGraphic& e) {
    EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos) << e.what();
  }
  icon.SetLimits(ImageLimits{4, 31});
  EXPECT_THROW(Load(icon, IconFile({EntryFor(GoodBitmap())})), EInvalidGraphic);
  icon.SetLimits(ImageLimits{4, 32});
  Load(icon, IconFile({EntryFor(GoodBitmap())}));
  EXPECT_EQ(icon.Width(), 4);
}

}  // namespace
}  // namespace pictor::icontest
