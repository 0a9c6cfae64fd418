// Taking a property's object into the working bitmap and writing the edited
// image back, for each class of object and graphic.
#include "editor/picture_conversion.h"

#include <gtest/gtest.h>

#include "attributes/standard_palettes.h"
#include "host/graphics/canvas.h"
#include "host/graphics/icon.h"
#include "host/graphics/jpeg_image.h"
#include "host/graphics/metafile.h"
#include "host/graphics/picture.h"
#include "tests/support/corpus.h"
#include "tests/support/pattern_bitmap.h"

namespace pictor {
namespace {

using testing::Corpus;
using testing::PaletteSize;

// The working bitmap as the editor window creates it.
std::unique_ptr<TBitmap> StartingImage() {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetWidth(100);
  bitmap->SetHeight(100);
  bitmap->SetPalette(Palette16());
  return bitmap;
}

std::unique_ptr<TBitmap> MakeBitmap(TPixelFormat format, int width, int height) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(width, height);
  bitmap->Canvas()->SetPixels(1, 2, clBlack);
  return bitmap;
}

TEST(TakeInPicture, APictureBitmapIsCopiedWithItsFormatThenGetsItsStandardPalette) {
  struct Case {
    TPixelFormat format;
    unsigned palette;
  } cases[] = {{pf1bit, 2}, {pf4bit, 16}, {pf8bit, 216}, {pf24bit, 216}, {pf32bit, 216}};
  for (const Case& c : cases) {
    TPicture picture;
    auto source = MakeBitmap(c.format, 13, 7);
    picture.Assign(source.get());
    auto working = StartingImage();
    TakeInPicture(&picture, *working);
    ApplyStandardPalette(*working);
    EXPECT_EQ(working->PixelFormat(), c.format);
    EXPECT_EQ(working->Width(), 13);
    EXPECT_EQ(working->Height(), 7);
    EXPECT_EQ(PaletteSize(*working), c.palette) << PixelFormatName(c.format);
    EXPECT_EQ(working->Canvas()->Pixels(1, 2), clBlack);
    EXPECT_EQ(working->Canvas()->Pixels(0, 0), clWhite);
  }
}

TEST(TakeInPicture, ATransparentBitmapIsEditedOpaqueAndKeepsItsTransparencyOnWriteBack) {
  TPicture picture;
  auto source = MakeBitmap(pf24bit, 4, 3);
  source->Canvas()->SetPixels(0, 0, clRed);
  source->SetTransparentColor(clRed);
  source->SetTransparent(true);
  picture.Assign(source.get());
  auto working = StartingImage();
  TakeInPicture(&picture, *working);

  // Every pixel shows, the transparent colour's too, also where it is painted.
  working->Canvas()->SetPixels(3, 2, clRed);
  TBitmap shown;
  shown.SetPixelFormat(pf24bit);
  shown.SetSize(4, 3);
  shown.Canvas()->Brush.Color = clBlue;
  shown.Canvas()->FillRect(Rect(0, 0, 4, 3));
  shown.Canvas()->Draw(0, 0, working.get());
  EXPECT_EQ(shown.Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(shown.Canvas()->Pixels(3, 2), clRed);

  WriteBackPicture(&picture, *working);
  TBitmap* written = picture.Bitmap();
  EXPECT_TRUE(written->Transparent());
  EXPECT_EQ(written->TransparentMode(), tmFixed);
  EXPECT_EQ(written->TransparentColor(), clRed);
  EXPECT_EQ(written->Canvas()->Pixels(3, 2), clRed);
}

TEST(TakeInPicture, ABitmapObjectIsCopiedAndAnEmptyOneBecomesFourBit) {
  auto source = MakeBitmap(pf1bit, 5, 4);
  auto working = StartingImage();
  TakeInPicture(source.get(), *working);
  ApplyStandardPalette(*working);
  EXPECT_EQ(working->PixelFormat(), pf1bit);
  EXPECT_EQ(PaletteSize(*working), 2u);
  EXPECT_EQ(working->Canvas()->Pixels(1, 2), clBlack);

  TBitmap empty;
  TakeInPicture(&empty, *working);
  ApplyStandardPalette(*working);
  EXPECT_TRUE(working->Empty());
  EXPECT_EQ(working->PixelFormat(), pf4bit);
  EXPECT_EQ(PaletteSize(*working), 16u);
}

TEST(TakeInPicture, JpegIconAndMetafileAreDrawnAtTheirSizeInTheDisplayFormat) {
  auto photo = MakeBitmap(pf24bit, 9, 6);
  photo->Canvas()->Brush.Color = clRed;
  photo->Canvas()->FillRect(Rect(0, 0, 9, 3));
  TJPEGImage jpeg;
  jpeg.Assign(photo.get());
  TIcon icon;
  icon.LoadFromFile(Corpus("icon/dib_24bit.ico"));
  TMetafile wmf;
  wmf.LoadFromFile(Corpus("wmf/figures.wmf"));
  TMetafile emf;
  emf.LoadFromFile(Corpus("emf/figures.emf"));

  for (const TGraphic* graphic : std::initializer_list<const TGraphic*>{&jpeg, &icon, &wmf, &emf}) {
    SCOPED_TRACE(graphic->ClassName());
    TPicture picture;
    picture.Assign(graphic);
    auto working = StartingImage();
    TakeInPicture(&picture, *working);
    EXPECT_EQ(working->PixelFormat(), pfDevice);
    EXPECT_EQ(working->Width(), graphic->Width());
    EXPECT_EQ(working->Height(), graphic->Height());
    EXPECT_EQ(PaletteSize(*working), 216u);

    // The graphic drawn at (0, 0) over the white of the starting image.
    TBitmap expected;
    expected.SetSize(graphic->Width(), graphic->Height());
    expected.Canvas()->Draw(0, 0, graphic);
    int differing = 0;
    for (int y = 0; y < expected.Height(); ++y)
      for (int x = 0; x < expected.Width(); ++x)
        differing += working->Canvas()->Pixels(x, y) != expected.Canvas()->Pixels(x, y);
    EXPECT_EQ(differing, 0);
  }
}

TEST(TakeInPicture, OtherObjectsLeaveTheStartingImage) {
  TPicture empty;
  TObject other;
  for (TObject* object : {static_cast<TObject*>(&empty), &other}) {
    auto working = StartingImage();
    TakeInPicture(object, *working);
    EXPECT_EQ(working->Width(), 100);
    EXPECT_EQ(working->PixelFormat(), pfDevice);
    EXPECT_EQ(PaletteSize(*working), 16u);
    // The palette rule then gives it the web palette.
    ApplyStandardPalette(*working);
    EXPECT_EQ(PaletteSize(*working), 216u);
  }
}

TEST(WriteBackPicture, ABitmapPictureKeepsItsBitmapObject) {
  TPicture picture;
  auto source = MakeBitmap(pf8bit, 4, 4);
  picture.Assign(source.get());
  TBitmap* held = picture.Bitmap();
  auto edited = MakeBitmap(pf4bit, 20, 10);
  edited->Canvas()->SetPixels(19, 9, clRed);
  WriteBackPicture(&picture, *edited);
  EXPECT_EQ(picture.Graphic(), held);
  EXPECT_EQ(held->Width(), 20);
  EXPECT_EQ(held->PixelFormat(), pf4bit);
  EXPECT_EQ(held->Canvas()->Pixels(19, 9), clRed);
}

TEST(WriteBackPicture, AJpegPictureStaysJpegAndIsCompressedAnew) {
  TJPEGImage jpeg;
  auto small = MakeBitmap(pf24bit, 3, 3);
  jpeg.Assign(small.get());
  TPicture picture;
  picture.Assign(&jpeg);
  TGraphic* held = picture.Graphic();
  auto edited = MakeBitmap(pf24bit, 32, 16);
  WriteBackPicture(&picture, *edited);
  EXPECT_EQ(picture.Graphic(), held);
  EXPECT_STREQ(picture.Graphic()->ClassName(), "TJPEGImage");
  EXPECT_EQ(picture.Width(), 32);
  EXPECT_EQ(picture.Height(), 16);
}

TEST(WriteBackPicture, IconAndMetafilePicturesBecomeBitmapPictures) {
  for (const char* file : {"icon/dib_8bit.ico", "wmf/figures.wmf"}) {
    TPicture picture;
    if (std::string(file).ends_with(".ico")) {
      TIcon icon;
      icon.LoadFromFile(Corpus(file));
      picture.Assign(&icon);
    } else {
      TMetafile metafile;
      metafile.LoadFromFile(Corpus(file));
      picture.Assign(&metafile);
    }
    auto edited = MakeBitmap(pfDevice, picture.Width(), picture.Height());
    WriteBackPicture(&picture, *edited);
    ASSERT_STREQ(picture.Graphic()->ClassName(), "TBitmap") << file;
    EXPECT_EQ(picture.Width(), edited->Width());
    EXPECT_EQ(picture.Bitmap()->Canvas()->Pixels(1, 2), clBlack);
  }
}

TEST(WriteBackPicture, AnEmptyPictureGetsABitmapAndABitmapObjectACopy) {
  auto edited = MakeBitmap(pf1bit, 6, 6);
  TPicture picture;
  WriteBackPicture(&picture, *edited);
  ASSERT_NE(picture.Graphic(), nullptr);
  EXPECT_STREQ(picture.Graphic()->ClassName(), "TBitmap");
  EXPECT_EQ(picture.Bitmap()->PixelFormat(), pf1bit);

  auto object = MakeBitmap(pf24bit, 2, 2);
  WriteBackPicture(object.get(), *edited);
  EXPECT_EQ(object->PixelFormat(), pf1bit);
  EXPECT_EQ(object->Width(), 6);
  edited->Canvas()->SetPixels(0, 0, clBlack);
  EXPECT_EQ(object->Canvas()->Pixels(0, 0), clWhite);  // an independent copy
}

TEST(ClearPicture, EmptiesPicturesAndBitmapsOnly) {
  TPicture picture;
  auto source = MakeBitmap(pf8bit, 4, 4);
  picture.Assign(source.get());
  ClearPicture(&picture);
  EXPECT_EQ(picture.Graphic(), nullptr);
  ClearPicture(source.get());
  EXPECT_TRUE(source->Empty());
  TObject other;
  ClearPicture(&other);  // nothing to do, nothing breaks
}

}  // namespace
}  // namespace pictor
