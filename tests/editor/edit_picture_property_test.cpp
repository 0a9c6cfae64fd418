// One edit of a picture property: each class of object and graphic taken in,
// each button that ends the window, and the "&File..." button.
#include "editor/edit_picture_property.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "editor/dlg_pictor.h"
#include "host/graphics/icon.h"
#include "host/graphics/jpeg_image.h"
#include "host/graphics/metafile.h"
#include "host/graphics/picture.h"
#include "host/toolkit/application.h"
#include "host/toolkit/test_hooks.h"
#include "tests/editor/dlg_pictor_access.h"
#include "tests/support/corpus.h"
#include "tests/support/pattern_bitmap.h"

namespace pictor {
namespace {

namespace fs = std::filesystem;
using testing::PaletteSize;
using testing::PatternBitmap;

const char* const kOpenFilter =
    "All (*.bmp;*.jpg;*.ico;*.emf;*.wmf)|*.bmp;*.jpg;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|"
    "JPEG (*.jpg)|*.jpg|Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|"
    "Metafiles (*.wmf)|*.wmf";

using testing::Corpus;

class EditPicturePropertyTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(test_hooks::PendingScripts(), 0);
    test_hooks::ClearScripts();
    test_hooks::TakeFileDialogCalls();
  }
  // Runs the edit; `script` sees the window while it is shown modally.
  bool Edit(TObject* object, const std::function<void(TdlgPictor&, TdlgPictorAccess&)>& script) {
    test_hooks::ScriptModal([&](TForm& form) {
      auto& dialog = dynamic_cast<TdlgPictor&>(form);
      TdlgPictorAccess access(dialog);
      script(dialog, access);
    });
    return EditPictureProperty(object);
  }
  static void Paint(TdlgPictorAccess& a) {
    a.Bitmap().Canvas()->SetPixels(0, 0, clRed);
    a.Modified() = true;
  }
};

TEST_F(EditPicturePropertyTest, ANullObjectSaysNilAndReturnsFalse) {
  test_hooks::CaptureMessages(true);
  EXPECT_FALSE(EditPictureProperty(nullptr));
  const auto messages = test_hooks::TakeMessages();
  test_hooks::CaptureMessages(false);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text, "NIL!");
  EXPECT_EQ(messages[0].Type, mtError);
}

TEST_F(EditPicturePropertyTest, TheWindowOpensOnTheImageWithItsStandardPaletteAndItsHistory) {
  struct Case {
    TPixelFormat format;
    unsigned palette;
  } cases[] = {{pf1bit, 2}, {pf4bit, 16}, {pf8bit, 216}, {pf24bit, 216}};
  for (const Case& c : cases) {
    TPicture picture;
    auto bitmap = PatternBitmap(c.format, 12, 8);
    picture.Assign(bitmap.get());
    EXPECT_FALSE(Edit(&picture, [&](TdlgPictor& dialog, TdlgPictorAccess& a) {
      EXPECT_EQ(a.EditedObject(), &picture);
      EXPECT_EQ(a.Bitmap().PixelFormat(), c.format);
      EXPECT_EQ(PaletteSize(a.Bitmap()), c.palette);
      EXPECT_EQ(a.Bitmap().Width(), 12);
      EXPECT_EQ(a.History().Count(), 1);
      EXPECT_TRUE(dialog.sbPen->Down());
      EXPECT_EQ(dialog.PaintBox->Width(), 12);
      EXPECT_EQ(dialog.OpenDialog->Filter, kOpenFilter);
      EXPECT_EQ(dialog.SaveDialog->Filter, "Bitmaps (*.bmp)|*.bmp");
      EXPECT_EQ(dialog.SaveDialog->DefaultExt, ".bmp");
      dialog.btCancel->Click();
    }));
  }
}

TEST_F(EditPicturePropertyTest, OkWritesBackOnlyAModifiedImage) {
  TPicture picture;
  EXPECT_TRUE(Edit(&picture, [](TdlgPictor& dialog, TdlgPictorAccess& a) {
    EXPECT_EQ(a.Bitmap().Width(), 100);  // the starting image, with the web palette
    EXPECT_EQ(PaletteSize(a.Bitmap()), 216u);
    dialog.btOK->Click();
  }));
  EXPECT_EQ(picture.Graphic(), nullptr);

  EXPECT_TRUE(Edit(&picture, [](TdlgPictor& dialog, TdlgPictorAccess& a) {
    Paint(a);
    dialog.btOK->Click();
  }));
  ASSERT_NE(picture.Graphic(), nullptr);
  EXPECT_STREQ(picture.Graphic()->ClassName(), "TBitmap");
  EXPECT_EQ(picture.Width(), 100);
  EXPECT_EQ(picture.Bitmap()->Canvas()->Pixels(0, 0), clRed);

  // A bitmap object receives the image in place.
  auto object = PatternBitmap(pf24bit, 5, 5);
  EXPECT_TRUE(Edit(object.get(), [](TdlgPictor& dialog, TdlgPictorAccess& a) {
    Paint(a);
    dialog.btOK->Click();
  }));
  EXPECT_EQ(object->Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(object->Canvas()->Pixels(1, 0), clBlack);
}

TEST_F(EditPicturePropertyTest, AJpegStaysJpegAndAnIconBecomesABitmapOfItsSize) {
  TPicture jpegPicture;
  {
    auto photo = PatternBitmap(pf24bit, 16, 8);
    TJPEGImage jpeg;
    jpeg.Assign(photo.get());
    jpegPicture.Assign(&jpeg);
  }
  EXPECT_TRUE(Edit(&jpegPicture, [](TdlgPictor& dialog, TdlgPictorAccess& a) {
    EXPECT_EQ(a.Bitmap().PixelFormat(), pfDevice);
    EXPECT_EQ(a.Bitmap().Width(), 16);
    Paint(a);
    dialog.btOK->Click();
  }));
  EXPECT_STREQ(jpegPicture.Graphic()->ClassName(), "TJPEGImage");
  EXPECT_EQ(jpegPicture.Width(), 16);

  TPicture iconPicture;
  TIcon icon;
  icon.LoadFromFile(Corpus("icon/dib_8bit.ico"));
  iconPicture.Assign(&icon);
  EXPECT_TRUE(Edit(&iconPicture, [](TdlgPictor& dialog, TdlgPictorAccess& a) {
    Paint(a);
    dialog.btOK->Click();
  }));
  EXPECT_STREQ(iconPicture.Graphic()->ClassName(), "TBitmap");
  EXPECT_EQ(iconPicture.Width(), icon.Width());
  EXPECT_EQ(iconPicture.Height(), icon.Height());

  // A metafile not painted on stays a metafile, even after OK.
  TPicture metafilePicture;
  TMetafile metafile;
  metafile.LoadFromFile(Corpus("emf/figures.emf"));
  metafilePicture.Assign(&metafile);
  EXPECT_TRUE(Edit(&metafilePicture, [&](TdlgPictor& dialog, TdlgPictorAccess& a) {
    EXPECT_EQ(a.Bitmap().Width(), metafile.Width());
    dialog.btOK->Click();
  }));
  EXPECT_STREQ(metafilePicture.Graphic()->ClassName(), "TMetafile");
}

TEST_F(EditPicturePropertyTest, CancelLeavesAndClearEmptiesTheObject) {
  TPicture picture;
  auto bitmap = PatternBitmap(pf8bit, 6, 6);
  picture.Assign(bitmap.get());
  TGraphic* held = picture.Graphic();
  EXPECT_FALSE(Edit(&picture, [](TdlgPictor& dialog, TdlgPictorAccess& a) {
    Paint(a);
    dialog.btCancel->Click();
  }));
  EXPECT_EQ(picture.Graphic(), held);
  EXPECT_EQ(picture.Bitmap()->Canvas()->Pixels(0, 0), clWhite);

  // The close box is Cancel too.
  EXPECT_FALSE(Edit(&picture, [](TdlgPictor& dialog, TdlgPictorAccess& a) {
    Paint(a);
    dialog.Close();
  }));
  EXPECT_EQ(picture.Graphic(), held);

  EXPECT_FALSE(
      Edit(&picture, [](TdlgPictor& dialog, TdlgPictorAccess&) { dialog.btClear->Click(); }));
  EXPECT_EQ(picture.Graphic(), nullptr);

  EXPECT_FALSE(
      Edit(bitmap.get(), [](TdlgPictor& dialog, TdlgPictorAccess&) { dialog.btClear->Click(); }));
  EXPECT_TRUE(bitmap->Empty());
}

class LoadFileButtonTest : public EditPicturePropertyTest {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("pictor_edit_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    EditPicturePropertyTest::TearDown();
    fs::remove_all(dir_);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  // Runs an edit whose window is ended by "&File..." with this file chosen.
  bool EditWithFile(TObject* object, std::optional<std::string> file) {
    test_hooks::ScriptFileDialog(std::move(file));
    return Edit(object, [](TdlgPictor& dialog, TdlgPictorAccess& a) {
      Paint(a);  // discarded: the window ends with "&File..."
      // As the pointer's click: an error is shown, the window still ends.
      RunGuarded([&] { dialog.btLoadFile->Click(); });
    });
  }
  fs::path dir_;
};

TEST_F(LoadFileButtonTest, APictureLoadsAJpgInAnyCaseButNotAJpeg) {
  auto photo = PatternBitmap(pf24bit, 10, 7);
  TJPEGImage jpeg;
  jpeg.Assign(photo.get());
  jpeg.SaveToFile(Path("photo.JPG"));
  jpeg.SaveToFile(Path("photo.jpeg"));

  TPicture picture;
  EXPECT_TRUE(EditWithFile(&picture, Path("photo.jpeg")));
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_TRUE(EditWithFile(&picture, Path("photo.JPG")));
  ASSERT_NE(picture.Graphic(), nullptr);
  EXPECT_STREQ(picture.Graphic()->ClassName(), "TJPEGImage");
  EXPECT_EQ(picture.Width(), 10);

  const auto calls = test_hooks::TakeFileDialogCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].Title, "Load picture");
  EXPECT_EQ(calls[0].Filter, kOpenFilter);
  EXPECT_FALSE(calls[0].Save);
}

TEST_F(LoadFileButtonTest, ABitmapIsOfferedBitmapFilesAndLoadsTheChosenOne) {
  auto file = PatternBitmap(pf4bit, 3, 2);
  file->SaveToFile(Path("small.bmp"));
  auto object = PatternBitmap(pf24bit, 8, 8);
  EXPECT_TRUE(EditWithFile(object.get(), std::nullopt));  // cancelled: nothing loaded
  EXPECT_EQ(object->Width(), 8);
  EXPECT_EQ(object->Canvas()->Pixels(0, 0), clWhite);
  EXPECT_TRUE(EditWithFile(object.get(), Path("small")));  // ".bmp" added by the dialog
  EXPECT_EQ(object->Width(), 3);
  EXPECT_EQ(object->PixelFormat(), pf4bit);

  const auto calls = test_hooks::TakeFileDialogCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].Title, "Load picture");
  EXPECT_EQ(calls[1].Filter, "Bitmaps (*.bmp)|*.bmp");
  EXPECT_EQ(calls[1].DefaultExt, ".bmp");
}

TEST_F(LoadFileButtonTest, AFileThatFailsToLoadIsReportedAndLeavesTheObject) {
  std::ofstream(Path("broken.bmp")) << "BM but nothing more";
  auto object = PatternBitmap(pf24bit, 8, 8);
  test_hooks::CaptureMessages(true);
  EXPECT_TRUE(EditWithFile(object.get(), Path("broken.bmp")));
  const auto messages = test_hooks::TakeMessages();
  test_hooks::CaptureMessages(false);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(object->Width(), 8);
  EXPECT_EQ(object->Canvas()->Pixels(1, 0), clBlack);
}

}  // namespace
}  // namespace pictor
