// TPicture: holding, copying and replacing graphics.
#include <gtest/gtest.h>

#include "host/graphics/errors.h"
#include "host/graphics/jpeg_image.h"
#include "host/graphics/picture.h"
#include "tests/graphics/jpeg/jpeg_test_support.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

std::unique_ptr<TJPEGImage> SmallJpeg(int width, int height) {
  auto jpeg = std::make_unique<TJPEGImage>();
  jpeg->Assign(jpegtest::PhotoBitmap(width, height).get());
  return jpeg;
}

// A graphic that refuses to be copied into.
class TRefusing : public TGraphic {
 public:
  const char* ClassName() const override { return "TRefusing"; }
  std::unique_ptr<TGraphic> NewInstance() const override { return std::make_unique<TRefusing>(); }
  int Width() const override { return 3; }
  int Height() const override { return 3; }
  bool Empty() const override { return false; }
  void Assign(const TGraphic*) override { throw EInvalidGraphicOperation("refused"); }
  void LoadFromStream(TStream&) override {}
  void SaveToStream(TStream&) const override {}
  void DrawInto(TCanvas&, const TRect&) const override {}
};

TEST(Picture, StartsEmpty) {
  TPicture picture;
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_EQ(picture.Width(), 0);
  EXPECT_EQ(picture.Height(), 0);
}

TEST(Picture, AssignHoldsAnIndependentCopyOfTheGraphic) {
  auto bitmap = testing::WhiteBitmap(pf8bit, 5, 4);
  TPicture picture;
  picture.Assign(bitmap.get());
  ASSERT_NE(picture.Graphic(), nullptr);
  EXPECT_NE(picture.Graphic(), bitmap.get());
  EXPECT_STREQ(picture.Graphic()->ClassName(), "TBitmap");
  EXPECT_EQ(picture.Width(), 5);
  EXPECT_EQ(picture.Height(), 4);
  bitmap->Canvas()->SetPixels(1, 1, clRed);
  bitmap->SetSize(9, 9);
  EXPECT_EQ(picture.Width(), 5);
  EXPECT_EQ(picture.Bitmap()->Canvas()->Pixels(1, 1), clWhite);
  EXPECT_EQ(picture.Bitmap()->PixelFormat(), pf8bit);
}

TEST(Picture, HoldsJpegImagesAsTheirOwnClass) {
  auto jpeg = SmallJpeg(12, 7);
  TPicture picture;
  picture.SetGraphic(jpeg.get());
  ASSERT_NE(picture.Graphic(), nullptr);
  EXPECT_STREQ(picture.Graphic()->ClassName(), "TJPEGImage");
  EXPECT_EQ(picture.Width(), 12);
  EXPECT_EQ(picture.Height(), 7);
  EXPECT_EQ(jpegtest::BytesOf(static_cast<TJPEGImage&>(*picture.Graphic())),
            jpegtest::BytesOf(*jpeg));
  jpeg->Assign(nullptr);
  EXPECT_EQ(picture.Width(), 12);
}

TEST(Picture, BitmapReplacesOtherGraphicsByAnEmptyBitmap) {
  TPicture picture;
  picture.Assign(SmallJpeg(12, 7).get());
  TBitmap* bitmap = picture.Bitmap();
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(picture.Graphic(), bitmap);
  EXPECT_TRUE(bitmap->Empty());
  EXPECT_EQ(picture.Width(), 0);
  EXPECT_EQ(picture.Bitmap(), bitmap);  // now it is a bitmap, it stays

  TPicture empty;
  TBitmap* made = empty.Bitmap();
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(empty.Graphic(), made);
  EXPECT_TRUE(made->Empty());
}

TEST(Picture, BitmapReturnsAHeldBitmapWithItsPixels) {
  auto source = testing::WhiteBitmap(pf24bit, 6, 6);
  source->Canvas()->SetPixels(2, 3, clBlue);
  TPicture picture;
  picture.Assign(source.get());
  TGraphic* held = picture.Graphic();
  TBitmap* bitmap = picture.Bitmap();
  EXPECT_EQ(bitmap, held);
  EXPECT_EQ(bitmap->Canvas()->Pixels(2, 3), clBlue);
  bitmap->SetSize(10, 2);
  EXPECT_EQ(picture.Width(), 10);
  EXPECT_EQ(picture.Height(), 2);
}

TEST(Picture, AssignFromAPictureCopiesItsGraphic) {
  TPicture first;
  first.Assign(testing::WhiteBitmap(pf4bit, 3, 2).get());
  TPicture second;
  second.Assign(&first);
  ASSERT_NE(second.Graphic(), nullptr);
  EXPECT_NE(second.Graphic(), first.Graphic());
  EXPECT_EQ(second.Width(), 3);
  second.Bitmap()->Canvas()->SetPixels(0, 0, clBlack);
  EXPECT_EQ(first.Bitmap()->Canvas()->Pixels(0, 0), clWhite);

  TPicture jpegPicture;
  jpegPicture.Assign(SmallJpeg(4, 4).get());
  second.Assign(&jpegPicture);
  EXPECT_STREQ(second.Graphic()->ClassName(), "TJPEGImage");

  TPicture none;
  second.Assign(&none);
  EXPECT_EQ(second.Graphic(), nullptr);
}

TEST(Picture, AssignNullEmpties) {
  TPicture picture;
  picture.Assign(testing::WhiteBitmap(pf24bit, 3, 2).get());
  picture.Assign(nullptr);
  EXPECT_EQ(picture.Graphic(), nullptr);
  picture.Assign(testing::WhiteBitmap(pf24bit, 3, 2).get());
  picture.Assign(static_cast<const TGraphic*>(nullptr));
  EXPECT_EQ(picture.Graphic(), nullptr);
  picture.Assign(testing::WhiteBitmap(pf24bit, 3, 2).get());
  picture.Assign(static_cast<const TPicture*>(nullptr));
  EXPECT_EQ(picture.Graphic(), nullptr);
  picture.Assign(testing::WhiteBitmap(pf24bit, 3, 2).get());
  picture.SetGraphic(nullptr);
  EXPECT_EQ(picture.Graphic(), nullptr);
}

TEST(Picture, AssignOfItselfOrItsGraphicKeepsIt) {
  TPicture picture;
  picture.Assign(testing::WhiteBitmap(pf24bit, 3, 2).get());
  TGraphic* held = picture.Graphic();
  picture.Assign(&picture);
  EXPECT_EQ(picture.Graphic(), held);
  picture.Assign(held);
  EXPECT_EQ(picture.Graphic(), held);
  EXPECT_EQ(picture.Width(), 3);
}

TEST(Picture, AFailedCopyKeepsTheGraphicHeld) {
  TPicture picture;
  picture.Assign(testing::WhiteBitmap(pf24bit, 3, 2).get());
  TGraphic* held = picture.Graphic();
  TRefusing refusing;
  EXPECT_THROW(picture.Assign(&refusing), EInvalidGraphicOperation);
  EXPECT_EQ(picture.Graphic(), held);
  EXPECT_EQ(picture.Width(), 3);
}

TEST(Picture, TakeGraphicHoldsTheObjectItself) {
  auto jpeg = SmallJpeg(5, 5);
  TJPEGImage* raw = jpeg.get();
  TPicture picture;
  picture.TakeGraphic(std::move(jpeg));
  EXPECT_EQ(picture.Graphic(), raw);
  EXPECT_EQ(picture.Width(), 5);
}

}  // namespace
}  // namespace pictor
