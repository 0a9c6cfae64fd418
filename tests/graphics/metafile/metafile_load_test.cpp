// TMetafile: loading, saving, sizes and copying.
#include <gtest/gtest.h>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/graphics/metafile.h"
#include "tests/graphics/metafile/metafile_builder.h"

namespace pictor {
namespace {

using testing::Bytes;
using testing::EmfBuilder;
using testing::LoadBytes;
using testing::WmfBuilder;

Bytes Saved(const TMetafile& m) {
  TMemoryStream s;
  m.SaveToStream(s);
  return Bytes(s.Memory(), s.Memory() + s.Size());
}

// Hundredths of a millimetre covering px pixels at 96 dots per inch.
int Frame(int px) { return px * 2540 / 96; }

TEST(MetafileLoad, NewMetafileIsEmpty) {
  TMetafile m;
  EXPECT_TRUE(m.Empty());
  EXPECT_EQ(m.Width(), 0);
  EXPECT_EQ(m.Height(), 0);
  EXPECT_STREQ(m.ClassName(), "TMetafile");
  EXPECT_STREQ(m.NewInstance()->ClassName(), "TMetafile");
}

TEST(MetafileLoad, PlaceableSizeComesFromBoxAndUnitsPerInch) {
  TMetafile m;
  LoadBytes(m, WmfBuilder().Rectangle(0, 0, 10, 10).Build(1440, 0, 0, 1440, 720));
  EXPECT_FALSE(m.Enhanced());
  EXPECT_FALSE(m.Empty());
  EXPECT_EQ(m.Width(), 96);
  EXPECT_EQ(m.Height(), 48);
  // Rounded to the nearest pixel, the box's origin does not matter.
  LoadBytes(m, WmfBuilder().Build(1000, 100, 200, 1110, 1205));
  EXPECT_EQ(m.Width(), 97);   // 1010 * 96 / 1000 = 96.96
  EXPECT_EQ(m.Height(), 96);  // 1005 * 96 / 1000 = 96.48
}

TEST(MetafileLoad, PlainWmfMetafileTakesItsWindowExtentAsPixels) {
  TMetafile m;
  LoadBytes(m, WmfBuilder().SetWindowOrg(5, 5).SetWindowExt(120, 80).Rectangle(0, 0, 5, 5).Build());
  EXPECT_EQ(m.Width(), 120);
  EXPECT_EQ(m.Height(), 80);
  LoadBytes(m, WmfBuilder().Rectangle(0, 0, 5, 5).Build());
  EXPECT_EQ(m.Width(), 0);
  EXPECT_EQ(m.Height(), 0);
  EXPECT_FALSE(m.Empty());
}

TEST(MetafileLoad, EnhancedSizeComesFromTheInclusiveFrame) {
  TMetafile m;
  LoadBytes(m, EmfBuilder().Build(0, 0, 2539, 1269));
  EXPECT_TRUE(m.Enhanced());
  EXPECT_EQ(m.Width(), 96);
  EXPECT_EQ(m.Height(), 48);
  LoadBytes(m, EmfBuilder().Build(100, 100, 100 + Frame(40), 100 + Frame(30)));
  EXPECT_EQ(m.Width(), 40);
  EXPECT_EQ(m.Height(), 30);
}

TEST(MetafileLoad, BytesAreSavedUnchanged) {
  Bytes wmf = WmfBuilder().Rectangle(1, 2, 3, 4).Record(0x0999, {7, 8}).Build(96, 0, 0, 10, 10);
  wmf.push_back(0x55);  // bytes after the end record stay too
  wmf.push_back(0xAA);
  TMetafile m;
  LoadBytes(m, wmf);
  EXPECT_EQ(Saved(m), wmf);
  const Bytes emf = EmfBuilder().Rectangle(1, 2, 3, 4).Record(250, {1, 2, 3}).Build(0, 0, 99, 99);
  LoadBytes(m, emf);
  EXPECT_EQ(Saved(m), emf);
}

TEST(MetafileLoad, LoadsFromTheStreamPosition) {
  const Bytes wmf = WmfBuilder().Rectangle(1, 2, 3, 4).Build(96, 0, 0, 10, 20);
  TMemoryStream s;
  s.WriteBuffer("junk", 4);
  s.WriteBuffer(wmf.data(), wmf.size());
  s.SetPosition(4);
  TMetafile m;
  m.LoadFromStream(s);
  EXPECT_EQ(Saved(m), wmf);
  EXPECT_EQ(s.Position(), s.Size());
}

TEST(MetafileLoad, AssignCopiesAndNullEmpties) {
  TMetafile a, b;
  LoadBytes(a, EmfBuilder().Rectangle(1, 2, 3, 4).Build(0, 0, 2539, 2539));
  b.Assign(&a);
  EXPECT_EQ(Saved(b), Saved(a));
  EXPECT_TRUE(b.Enhanced());
  EXPECT_EQ(b.Width(), 96);
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Width(), 0);
  TBitmap bitmap;
  EXPECT_THROW(b.Assign(&bitmap), EInvalidGraphicOperation);
}

TEST(MetafileLoad, BitmapTakesThePictureAtItsOwnSize) {
  TMetafile m;
  LoadBytes(m, WmfBuilder()
                   .CreatePen(5, 0, clBlack)
                   .SelectObject(0)
                   .CreateBrush(0, clRed)
                   .SelectObject(1)
                   .Rectangle(2, 2, 6, 6)
                   .Build(96, 0, 0, 10, 8));
  TBitmap bitmap;
  bitmap.Assign(&m);
  ASSERT_EQ(bitmap.Width(), 10);
  ASSERT_EQ(bitmap.Height(), 8);
  EXPECT_EQ(bitmap.Canvas()->Pixels(2, 2), clRed);
  EXPECT_EQ(bitmap.Canvas()->Pixels(5, 5), clRed);
  EXPECT_EQ(bitmap.Canvas()->Pixels(6, 6), clWhite);
  EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clWhite);
}

}  // namespace
}  // namespace pictor
