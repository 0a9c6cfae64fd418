#include "app/write_back.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "app/picture_file.h"
#include "app_test_support.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/jpeg_image.h"

namespace pictor {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using Names = std::vector<std::string>;

// A picture of the file's format, loaded from it.
std::unique_ptr<TPicture> Load(const std::string& fileName) {
  auto picture = std::make_unique<TPicture>();
  LoadPictureAs(*picture, fileName, *FormatOfFile(fileName));
  return picture;
}

TEST(WriteBack, ABitmapFileIsReplacedByTheEditedBitmap) {
  TempFolder folder;
  testing::WriteBitmapFile(folder / "a.bmp", 3, 3, 0xFFFFFF);
  auto picture = Load(folder / "a.bmp");
  picture->Bitmap()->Canvas()->SetPixels(1, 1, 0x0000FF);
  EXPECT_EQ(SaveEditedPicture(*picture, folder / "a.bmp"), "wrote " + (folder / "a.bmp"));
  EXPECT_EQ(Load(folder / "a.bmp")->Bitmap()->Canvas()->Pixels(1, 1), 0x0000FF);
  EXPECT_EQ(folder.Names(), Names{"a.bmp"});
}

TEST(WriteBack, AJpegFileStaysAJpegFile) {
  TempFolder folder;
  testing::WriteBitmapFile(folder / "src.bmp", 8, 8, 0x808080);
  SaveEditedPicture(*Load(folder / "src.bmp"), folder / "a.jpg");  // a bitmap into a JPEG file
  auto jpeg = Load(folder / "a.jpg");
  ASSERT_NE(dynamic_cast<TJPEGImage*>(jpeg->Graphic()), nullptr);
  EXPECT_EQ(jpeg->Width(), 8);
}

TEST(WriteBack, AnIconIsLeftAloneAndTheBitmapWrittenBesideIt) {
  TempFolder folder;
  testing::WriteIconFile(folder / "i.ico", 4, 4, 0x00FF00);
  const auto icon = ReadBytes(folder / "i.ico");
  auto picture = Load(folder / "i.ico");
  TBitmap edited;  // the editor gives an icon back as a bitmap
  edited.Assign(picture->Graphic());
  edited.Canvas()->SetPixels(0, 0, 0xFF0000);
  picture->Assign(&edited);

  const std::string said = SaveEditedPicture(*picture, folder / "i.ico");
  EXPECT_NE(said.find(folder / "i.bmp"), std::string::npos) << said;
  EXPECT_EQ(ReadBytes(folder / "i.ico"), icon);
  EXPECT_EQ(Load(folder / "i.bmp")->Bitmap()->Canvas()->Pixels(0, 0), 0xFF0000);

  // A second edit does not overwrite the first one's bitmap.
  const auto first = ReadBytes(folder / "i.bmp");
  SaveEditedPicture(*picture, folder / "i.ico");
  EXPECT_EQ(ReadBytes(folder / "i.bmp"), first);
  EXPECT_EQ(folder.Names(), (Names{"i-1.bmp", "i.bmp", "i.ico"}));
}

TEST(WriteBack, AChangedSampleGoesToANewFileInTheCurrentFolder) {
  TempFolder folder;
  char* previous = getcwd(nullptr, 0);
  ASSERT_EQ(chdir(folder.Path().c_str()), 0);
  TPicture picture;
  picture.Bitmap()->SetSize(2, 2);
  const std::string first = SaveEditedPicture(picture, "");
  const std::string second = SaveEditedPicture(picture, "");
  ASSERT_EQ(chdir(previous), 0);
  free(previous);
  EXPECT_NE(first.find("sample.bmp"), std::string::npos) << first;
  EXPECT_NE(second.find("sample-1.bmp"), std::string::npos) << second;
  EXPECT_EQ(folder.Names(), (Names{"sample-1.bmp", "sample.bmp"}));
}

}  // namespace
}  // namespace pictor
