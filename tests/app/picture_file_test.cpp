#include "app/picture_file.h"

#include <gtest/gtest.h>

#include "editor/file_names.h"
#include "app_test_support.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/graphics/icon.h"
#include "host/graphics/jpeg_image.h"
#include "host/graphics/streams.h"
#include "resources/resource_bytes.h"

namespace pictor {
namespace {

using testing::TempFolder;

TEST(PictureFile, TheFormatComesFromTheExtensionInAnyCase) {
  EXPECT_EQ(FormatOfFile("a.bmp"), TPictureFormat::Bitmap);
  EXPECT_EQ(FormatOfFile("dir/A.JPG"), TPictureFormat::Jpeg);
  EXPECT_EQ(FormatOfFile("x.Ico"), TPictureFormat::Icon);
  EXPECT_EQ(FormatOfFile("x.wmf"), TPictureFormat::Metafile);
  EXPECT_EQ(FormatOfFile("x.EMF"), TPictureFormat::Metafile);
  EXPECT_EQ(FormatOfFile("x.jpeg"), std::nullopt);
  EXPECT_EQ(FormatOfFile("x.bmp.png"), std::nullopt);
  EXPECT_EQ(FormatOfFile("bmp"), std::nullopt);
  EXPECT_EQ(FormatOfFile("pics.bmp/file"), std::nullopt);
}

TEST(PictureFile, FileNameParts) {
  EXPECT_EQ(ExtractFileExt("a/b.c/d.Ico"), ".Ico");
  EXPECT_EQ(ExtractFileExt("a/b.c/d"), "");
  EXPECT_EQ(ChangeFileExt("a/b.c/d.ico", ".bmp"), "a/b.c/d.bmp");
  EXPECT_EQ(ChangeFileExt("a/b.c/d", ".bmp"), "a/b.c/d.bmp");
}

TEST(PictureFile, IconsAndMetafilesComeBackAsBitmaps) {
  EXPECT_EQ(WriteBackFormat(TPictureFormat::Bitmap), TPictureFormat::Bitmap);
  EXPECT_EQ(WriteBackFormat(TPictureFormat::Jpeg), TPictureFormat::Jpeg);
  EXPECT_EQ(WriteBackFormat(TPictureFormat::Icon), TPictureFormat::Bitmap);
  EXPECT_EQ(WriteBackFormat(TPictureFormat::Metafile), TPictureFormat::Bitmap);
}

TEST(PictureFile, LoadingGivesTheGraphicOfTheFormatAndAFailureKeepsThePicture) {
  TempFolder folder;
  testing::WriteIconFile(folder / "i.ico", 3, 2, 0x0000FF);
  TPicture picture;
  LoadPictureAs(picture, folder / "i.ico", TPictureFormat::Icon);
  ASSERT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 3);

  testing::WriteBytes(folder / "bad.bmp", {'B', 'M', 1, 2, 3});
  EXPECT_THROW(LoadPictureAs(picture, folder / "bad.bmp", TPictureFormat::Bitmap), EInvalidGraphic);
  EXPECT_THROW(LoadPictureAs(picture, folder / "none.bmp", TPictureFormat::Bitmap), EStreamError);
  EXPECT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);
}

// Decodes bytes as a graphic of class G.
template <class G>
std::unique_ptr<G> Decode(const std::vector<std::uint8_t>& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), bytes.size());
  stream.SetPosition(0);
  auto graphic = std::make_unique<G>();
  graphic->LoadFromStream(stream);
  return graphic;
}

TEST(PictureFile, EncodingConvertsToTheFormatAsked) {
  TempFolder folder;
  testing::WriteIconFile(folder / "i.ico", 4, 3, 0x00FF00);
  TPicture picture;
  LoadPictureAs(picture, folder / "i.ico", TPictureFormat::Icon);

  auto bitmap = Decode<TBitmap>(EncodePicture(picture, TPictureFormat::Bitmap));
  EXPECT_EQ(bitmap->Width(), 4);
  EXPECT_EQ(bitmap->Height(), 3);
  EXPECT_EQ(bitmap->Canvas()->Pixels(3, 2), 0x00FF00);

  auto jpeg = Decode<TJPEGImage>(EncodePicture(picture, TPictureFormat::Jpeg));
  EXPECT_EQ(jpeg->Width(), 4);

  // A bitmap picture encodes as itself.
  picture.Assign(bitmap.get());
  const std::vector<std::uint8_t> again = EncodePicture(picture, TPictureFormat::Bitmap);
  EXPECT_EQ(Decode<TBitmap>(again)->Canvas()->Pixels(0, 0), 0x00FF00);
}

TEST(PictureFile, TheBundledSampleLoadsAsA4BitBitmap) {
  TPicture picture;
  LoadBitmapBytes(picture, ResourceBytes(kSamplePicturePath));
  auto* bitmap = dynamic_cast<TBitmap*>(picture.Graphic());
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->PixelFormat(), pf4bit);
  EXPECT_FALSE(bitmap->Empty());
}

TEST(PictureFile, AnEmptyPictureCannotBeEncoded) {
  TPicture picture;
  EXPECT_THROW(EncodePicture(picture, TPictureFormat::Bitmap), EInvalidGraphicOperation);
  picture.Bitmap();
  EXPECT_THROW(EncodePicture(picture, TPictureFormat::Jpeg), EInvalidGraphicOperation);
}

TEST(PictureFile, TheSnapshotTellsClassAndContentApart) {
  TPicture picture;
  EXPECT_TRUE(PictureSnapshot(picture).empty());
  picture.Bitmap()->SetSize(2, 2);
  const auto before = PictureSnapshot(picture);
  EXPECT_EQ(PictureSnapshot(picture), before);
  picture.Bitmap()->Canvas()->SetPixels(1, 1, 0x123456);
  EXPECT_NE(PictureSnapshot(picture), before);

  TPicture empty;
  empty.Bitmap();
  TPicture emptyJpeg;
  emptyJpeg.TakeGraphic(std::make_unique<TJPEGImage>());
  EXPECT_NE(PictureSnapshot(empty), PictureSnapshot(emptyJpeg));
}

}  // namespace
}  // namespace pictor
