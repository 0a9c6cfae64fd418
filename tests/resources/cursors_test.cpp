// The eight pointers: 32 x 32, two colours with a mask, their hot spots.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "host/graphics/errors.h"
#include "host/graphics/icon.h"
#include "resources/cursor_resources.h"
#include "resources/resource_bytes.h"

namespace pictor {
namespace {

const std::map<std::string, TPoint> kHotSpots = {
    {"CRNO", {0, 0}},   {"CRMARQUEE", {2, 2}}, {"CRLASSO", {2, 3}},  {"CRZOOM", {18, 15}},
    {"CRPEN", {2, 26}}, {"CRSPRAY", {8, 7}},   {"CRFILL", {10, 21}}, {"CRGETPIXELCOLOR", {2, 26}},
};

CursorPicture Load(std::string_view name) {
  auto bytes = ResourceBytes(CursorResourcePath(name));
  if (bytes.empty()) throw EInvalidGraphic("missing " + std::string(name));
  return ReadCursorFile(bytes);
}

const std::uint8_t* Pixel(const CursorPicture& p, int x, int y) { return p.Pixel(x, y); }

TEST(Cursors, RegisteredUnderTheirNumbersInOrder) {
  std::vector<std::string> names;
  std::vector<int> ids;
  for (const CursorResource& c : kCursorResources) {
    names.emplace_back(c.name);
    ids.push_back(c.id);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"CRNO", "CRMARQUEE", "CRLASSO", "CRZOOM", "CRPEN",
                                             "CRFILL", "CRSPRAY", "CRGETPIXELCOLOR"}));
  EXPECT_EQ(ids, (std::vector<int>{-100, -101, -102, -103, -105, -109, -107, -110}));
}

TEST(Cursors, Are32By32WithTheirHotSpots) {
  for (const CursorResource& c : kCursorResources) {
    SCOPED_TRACE(std::string(c.name));
    CursorPicture picture = Load(c.name);
    EXPECT_EQ(picture.width, 32);
    EXPECT_EQ(picture.height, 32);
    EXPECT_EQ(picture.hotSpot, kHotSpots.at(std::string(c.name)));
  }
}

TEST(Cursors, AreBlackAndWhiteWithAMaskAndShowAtTheirHotSpot) {
  for (const CursorResource& c : kCursorResources) {
    SCOPED_TRACE(std::string(c.name));
    CursorPicture picture = Load(c.name);
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const std::uint8_t* p = Pixel(picture, x, y);
        if (p[3] == 0) continue;
        ++opaque;
        ASSERT_EQ(p[3], 255);
        ASSERT_TRUE((p[0] == 0 && p[1] == 0 && p[2] == 0) ||
                    (p[0] == 255 && p[1] == 255 && p[2] == 255))
            << x << "," << y;
      }
    if (c.name == "CRNO") {
      EXPECT_EQ(opaque, 0);  // no visible pointer at all
    } else {
      EXPECT_GT(opaque, 20);
      EXPECT_EQ(Pixel(picture, picture.hotSpot.X, picture.hotSpot.Y)[3], 255)
          << "the hot spot is a visible pixel";
    }
  }
}

TEST(Cursors, ReadCursorFileRefusesIconsAndDamagedFiles) {
  auto bytes = ResourceBytes(CursorResourcePath("CRPEN"));
  ASSERT_FALSE(bytes.empty());
  std::vector<std::uint8_t> icon(bytes.begin(), bytes.end());
  icon[2] = 1;  // the directory's type: an icon
  EXPECT_THROW(ReadCursorFile(icon), EInvalidGraphic);
  std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + 40);
  EXPECT_THROW(ReadCursorFile(cut), EInvalidGraphic);
  EXPECT_THROW(ReadCursorFile({}), EInvalidGraphic);
}

}  // namespace
}  // namespace pictor
