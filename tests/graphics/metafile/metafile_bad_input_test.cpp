// Damaged and hostile metafiles: refused at load with a clear error, the
// metafile keeping what it had; huge or endless drawing stops within a budget.
#include <gtest/gtest.h>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/graphics/metafile.h"
#include "tests/graphics/metafile/metafile_builder.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

using testing::Bytes;
using testing::Count;
using testing::EmfBuilder;
using testing::LoadBytes;
using testing::WhiteBitmap;
using testing::WmfBuilder;

Bytes GoodWmf() { return WmfBuilder().Rectangle(1, 1, 5, 5).Build(96, 0, 0, 10, 10); }

void Set32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}

// Loading the bytes fails with a message holding the words, and the
// metafile keeps the picture it had.
void ExpectRefused(const Bytes& bytes, const std::string& words) {
  TMetafile m;
  const Bytes good = GoodWmf();
  LoadBytes(m, good);
  try {
    LoadBytes(m, bytes);
    ADD_FAILURE() << "loaded a file that should fail (" << words << ")";
  } catch (const EInvalidGraphic& e) {
    EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
  }
  ASSERT_EQ(m.Data().size(), good.size());
  EXPECT_TRUE(std::equal(good.begin(), good.end(), m.Data().begin()));
  EXPECT_EQ(m.Width(), 10);
}

TEST(MetafileBadInput, DamagedWmfMetafiles) {
  Bytes wmf = GoodWmf();
  ExpectRefused(Bytes(wmf.begin(), wmf.begin() + 30), "truncated");
  ExpectRefused(Bytes{1, 2}, "truncated");
  Bytes type = wmf;
  type[22] = 7;
  ExpectRefused(type, "Not a metafile");
  // The first record (right after the 22 + 18 bytes of headers) claims too much or too little.
  Bytes past = wmf;
  Set32(past, 40, 0x7FFFFFFF);
  ExpectRefused(past, "past the end");
  Bytes zero = wmf;
  Set32(zero, 40, 0);
  ExpectRefused(zero, "invalid size");
  Bytes inch = wmf;
  inch[14] = inch[15] = 0;
  ExpectRefused(inch, "units per inch");
}

TEST(MetafileBadInput, GiganticSizesAreRefused) {
  // 32767 units at 1 unit per inch would be 3 million pixels wide.
  ExpectRefused(WmfBuilder().Build(1, 0, 0, 32767, 10), "too large");
  // An enhanced frame of 20 metres.
  ExpectRefused(EmfBuilder().Build(0, 0, 2000000, 100), "too large");
}

TEST(MetafileBadInput, DamagedEnhancedMetafiles) {
  const Bytes emf = EmfBuilder().Rectangle(0, 0, 5, 5).Build(0, 0, 999, 999);
  Bytes header = emf;
  Set32(header, 4, 30);
  ExpectRefused(header, "invalid size");
  Bytes odd = emf;
  Set32(odd, 88 + 4, 22);
  ExpectRefused(odd, "invalid size");
  Bytes past = emf;
  Set32(past, 88 + 4, 0x10000);
  ExpectRefused(past, "past the end");
  ExpectRefused(Bytes(emf.begin(), emf.begin() + 92), "truncated");
}

TEST(MetafileBadInput, DrawingWorkIsBounded) {
  // A hundred thousand full-picture rectangles far larger than the target,
  // and objects selected that were never made: playing ends, the picture is drawn.
  WmfBuilder w;
  w.CreateBrush(0, clRed).SelectObject(0).SelectObject(7).DeleteObject(200);
  for (int i = 0; i < 100000; ++i) w.Rectangle(-32000, -32000, 32000, 32000);
  TMetafile m;
  LoadBytes(m, w.Build(96, 0, 0, 100, 100));
  auto b = WhiteBitmap(pf24bit, 100, 100);
  m.DrawInto(*b->Canvas(), TRect{0, 0, 100, 100});
  EXPECT_EQ(Count(*b, clRed), 100 * 100);
}

TEST(MetafileBadInput, EndlessSaveAndBrokenRestoreAreHarmless) {
  WmfBuilder w;
  w.CreateBrush(0, clRed).SelectObject(0);
  for (int i = 0; i < 5000; ++i) w.SaveDc();
  for (int i = 0; i < 10; ++i) w.RestoreDc(-30000);
  w.RestoreDc(30000).Rectangle(0, 0, 10, 10);
  TMetafile m;
  LoadBytes(m, w.Build(96, 0, 0, 10, 10));
  auto b = WhiteBitmap(pf8bit, 10, 10);
  m.DrawInto(*b->Canvas(), TRect{0, 0, 10, 10});
  EXPECT_EQ(Count(*b, clRed), 64);
}

}  // namespace
}  // namespace pictor
