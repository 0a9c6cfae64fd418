// Loading a picture file by its extension: each known extension in any case
// gives its graphic class; others load nothing; a failed load changes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editor/load_picture_file.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/graphics/jpeg_image.h"
#include "tests/support/corpus.h"

namespace pictor {
namespace {

namespace fs = std::filesystem;
using testing::Corpus;

class LoadPictureFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("pictor_load_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(7, 5);
    b.Canvas()->SetPixels(2, 3, clRed);
    b.SaveToFile(Path("picture.bmp"));
    b.SaveToFile(Path("PICTURE.BMP"));
    b.SaveToFile(Path("picture.jpeg"));
    b.SaveToFile(Path("picture.txt"));
    TJPEGImage jpeg;
    jpeg.Assign(&b);
    jpeg.SaveToFile(Path("photo.JpG"));
    std::ofstream(Path("damaged.bmp")) << "BM not really";
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

TEST_F(LoadPictureFileTest, EachExtensionGivesItsClassInAnyCase) {
  struct Case {
    std::string file;
    const char* className;
  };
  const Case cases[] = {
      {Path("picture.bmp"), "TBitmap"},         {Path("PICTURE.BMP"), "TBitmap"},
      {Path("photo.JpG"), "TJPEGImage"},        {Corpus("icon/dib_8bit.ico"), "TIcon"},
      {Corpus("wmf/figures.wmf"), "TMetafile"}, {Corpus("emf/figures.emf"), "TMetafile"}};
  for (const Case& c : cases) {
    TPicture picture;
    LoadPictureFile(&picture, c.file);
    ASSERT_NE(picture.Graphic(), nullptr) << c.file;
    EXPECT_STREQ(picture.Graphic()->ClassName(), c.className) << c.file;
    EXPECT_GT(picture.Width(), 0) << c.file;
  }
  TPicture picture;
  LoadPictureFile(&picture, Path("picture.bmp"));
  EXPECT_EQ(picture.Bitmap()->Canvas()->Pixels(2, 3), clRed);
  LoadPictureFile(&picture, Path("photo.JpG"));
  EXPECT_EQ(static_cast<TJPEGImage*>(picture.Graphic())->CompressionQuality(), 100);
}

TEST_F(LoadPictureFileTest, OtherExtensionsAndAnEmptyNameLoadNothing) {
  TPicture picture;
  LoadPictureFile(&picture, Path("picture.bmp"));
  const TGraphic* before = picture.Graphic();
  for (const std::string& name :
       {Path("picture.jpeg"), Path("picture.txt"), std::string(), Path("no_such_file.png")}) {
    EXPECT_NO_THROW(LoadPictureFile(&picture, name)) << name;
    EXPECT_EQ(picture.Graphic(), before) << name;
  }
}

TEST_F(LoadPictureFileTest, AFailedLoadLeavesThePictureAsItWas) {
  TPicture picture;
  LoadPictureFile(&picture, Path("picture.bmp"));
  const TGraphic* before = picture.Graphic();
  EXPECT_THROW(LoadPictureFile(&picture, Path("damaged.bmp")), EInvalidGraphic);
  EXPECT_THROW(LoadPictureFile(&picture, Path("missing.ico")), EFOpenError);
  EXPECT_EQ(picture.Graphic(), before);
  EXPECT_EQ(picture.Width(), 7);
}

}  // namespace
}  // namespace pictor
