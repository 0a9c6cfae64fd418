// pictor end to end in this process, headless: the plug-in loaded, the editor
// window run with scripted buttons, and what is written back afterwards.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>
#include <filesystem>
#include <sstream>

#include "app/exit_codes.h"
#include "app/run.h"
#include "app_test_support.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/jpeg_image.h"
#include "host/toolkit/application.h"
#include "host/toolkit/button.h"
#include "host/toolkit/form.h"
#include "host/toolkit/speed_button.h"
#include "host/toolkit/test_hooks.h"

namespace pictor {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using Names = std::vector<std::string>;

// The editor window's button of that name (the form description names them).
TButton& Button(TForm& form, const char* name) {
  TButton* button = form.findChild<TButton*>(name);
  if (!button) throw std::runtime_error(std::string("no button ") + name);
  return *button;
}

// A click of the left button at a point of the editor's paint box, sent to
// the window as the platform sends it (the pen is the tool the editor starts with).
void ClickPaintBox(TForm& form, int x, int y) {
  QWidget* box = form.findChild<QWidget*>("PaintBox");
  ASSERT_NE(box, nullptr);
  const QPoint local = box->mapTo(box->window(), QPoint(x, y));
  const QPoint global = box->mapToGlobal(QPoint(x, y));
  for (const auto& [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                      std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
    QMouseEvent event(type, QPointF(local), QPointF(global), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(form.windowHandle(), &event);
    QApplication::processEvents();
  }
}

void ClickOnShow(const char* name) {
  test_hooks::ScriptModal([name](TForm& form) { Button(form, name).Click(); });
}

class EditEndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("PICTOR_PLUGIN", PICTOR_PLUGIN_PATH, 1);
  }
  void TearDown() override {
    EXPECT_EQ(test_hooks::PendingScripts(), 0);
    test_hooks::ClearScripts();
  }

  // Runs pictor with FILE (none when empty) in the folder cwd.
  int Run(const std::string& file, const std::string& cwd = ".") {
    char* previous = getcwd(nullptr, 0);
    EXPECT_EQ(chdir(cwd.c_str()), 0);
    std::vector<std::string> args{"pictor"};
    if (!file.empty()) args.push_back(file);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::ostringstream o, e;
    const int code = RunPictor(static_cast<int>(args.size()), argv.data(), o, e);
    out = o.str();
    err = e.str();
    EXPECT_EQ(chdir(previous), 0);
    free(previous);
    return code;
  }

  // Loads a file of the format as a picture's graphic.
  template <class G>
  static std::unique_ptr<G> LoadAs(const std::string& fileName) {
    auto graphic = std::make_unique<G>();
    graphic->LoadFromFile(fileName);
    return graphic;
  }

  TempFolder folder;
  std::string out, err;
};

TEST_F(EditEndToEnd, AScriptedOkWithoutAChangeWritesNothing) {
  testing::WriteBitmapFile(folder / "a.bmp", 3, 3, 0xFFFFFF);
  const auto before = ReadBytes(folder / "a.bmp");
  test_hooks::ScriptModal([](TForm& form) { form.DefaultButton()->Click(); });
  EXPECT_EQ(Run(folder / "a.bmp"), kExitOk) << err;
  EXPECT_NE(out.find("no changes"), std::string::npos) << out;
  EXPECT_EQ(ReadBytes(folder / "a.bmp"), before);
  EXPECT_EQ(folder.Names(), Names{"a.bmp"});
}

TEST_F(EditEndToEnd, AScriptedOkAfterPaintingReplacesTheFile) {
  testing::WriteBitmapFile(folder / "a.bmp", 8, 8, 0xFFFFFF);
  test_hooks::ScriptModal([](TForm& form) {
    ClickPaintBox(form, 2, 3);
    form.DefaultButton()->Click();
  });
  EXPECT_EQ(Run(folder / "a.bmp"), kExitOk) << err;
  EXPECT_EQ(out, "pictor: wrote " + (folder / "a.bmp") + "\n");
  auto bitmap = LoadAs<TBitmap>(folder / "a.bmp");
  EXPECT_EQ(bitmap->Width(), 8);
  EXPECT_EQ(bitmap->Canvas()->Pixels(2, 3), clBlack);
  EXPECT_EQ(bitmap->Canvas()->Pixels(3, 3), clWhite);
  EXPECT_EQ(folder.Names(), Names{"a.bmp"});
}

TEST_F(EditEndToEnd, CancelAfterPaintingWritesNothing) {
  testing::WriteBitmapFile(folder / "a.bmp", 3, 3, 0xFFFFFF);
  const auto before = ReadBytes(folder / "a.bmp");
  test_hooks::ScriptModal([](TForm& form) {
    ClickPaintBox(form, 2, 2);
    form.CancelButton()->Click();
  });
  EXPECT_EQ(Run(folder / "a.bmp"), kExitOk) << err;
  EXPECT_EQ(out, "");
  EXPECT_EQ(ReadBytes(folder / "a.bmp"), before);
}

TEST_F(EditEndToEnd, ClearWritesNothingAndSaysSo) {
  testing::WriteBitmapFile(folder / "a.bmp", 3, 3, 0xFFFFFF);
  const auto before = ReadBytes(folder / "a.bmp");
  ClickOnShow("btClear");
  EXPECT_EQ(Run(folder / "a.bmp"), kExitOk) << err;
  EXPECT_NE(out.find("cleared; nothing written"), std::string::npos) << out;
  EXPECT_EQ(ReadBytes(folder / "a.bmp"), before);
  EXPECT_EQ(folder.Names(), Names{"a.bmp"});
}

TEST_F(EditEndToEnd, APictureLoadedWithFileIsWrittenBackInTheFilesOwnFormat) {
  testing::WriteBitmapFile(folder / "a.bmp", 3, 3, 0xFFFFFF);
  testing::WriteBitmapFile(folder / "other.bmp", 5, 4, 0x0000FF);
  {
    TBitmap small;
    small.SetSize(1, 1);
    TJPEGImage jpeg;
    jpeg.Assign(&small);
    jpeg.SaveToFile(folder / "a.jpg");
  }

  test_hooks::ScriptFileDialog(folder / "other.bmp");
  ClickOnShow("btLoadFile");
  EXPECT_EQ(Run(folder / "a.bmp"), kExitOk) << err;
  EXPECT_NE(out.find("wrote " + (folder / "a.bmp")), std::string::npos) << out;
  auto bitmap = LoadAs<TBitmap>(folder / "a.bmp");
  EXPECT_EQ(bitmap->Width(), 5);
  EXPECT_EQ(bitmap->Canvas()->Pixels(4, 3), 0x0000FF);

  // A JPEG file takes the bitmap as JPEG data.
  test_hooks::ScriptFileDialog(folder / "other.bmp");
  ClickOnShow("btLoadFile");
  EXPECT_EQ(Run(folder / "a.jpg"), kExitOk) << err;
  EXPECT_EQ(LoadAs<TJPEGImage>(folder / "a.jpg")->Width(), 5);
  EXPECT_EQ(folder.Names(), (Names{"a.bmp", "a.jpg", "other.bmp"}));
}

TEST_F(EditEndToEnd, AnEditedIconIsWrittenBesideItAsABitmap) {
  testing::WriteIconFile(folder / "i.ico", 4, 4, 0x00FF00);
  testing::WriteBitmapFile(folder / "other.bmp", 2, 2, 0xFF0000);
  const auto icon = ReadBytes(folder / "i.ico");
  test_hooks::ScriptFileDialog(folder / "other.bmp");
  ClickOnShow("btLoadFile");
  EXPECT_EQ(Run(folder / "i.ico"), kExitOk) << err;
  EXPECT_NE(out.find(folder / "i.bmp"), std::string::npos) << out;
  EXPECT_EQ(ReadBytes(folder / "i.ico"), icon);
  EXPECT_EQ(LoadAs<TBitmap>(folder / "i.bmp")->Canvas()->Pixels(1, 1), 0xFF0000);
}

TEST_F(EditEndToEnd, TheSampleIsEditedAsACopyAndSavedInTheCurrentFolder) {
  test_hooks::ScriptModal([](TForm& form) { form.CancelButton()->Click(); });
  EXPECT_EQ(Run("", folder.Path()), kExitOk) << err;
  EXPECT_EQ(folder.Names(), Names{});

  TempFolder pictures;
  testing::WriteBitmapFile(pictures / "other.bmp", 2, 2, 0xFF0000);
  test_hooks::ScriptFileDialog(pictures / "other.bmp");
  ClickOnShow("btLoadFile");
  EXPECT_EQ(Run("", folder.Path()), kExitOk) << err;
  EXPECT_NE(out.find("sample.bmp"), std::string::npos) << out;
  EXPECT_EQ(folder.Names(), Names{"sample.bmp"});
}

TEST_F(EditEndToEnd, AFailedWriteAfterOkLeavesTheEditInARecoveryFile) {
  TempFolder data;
  setenv("XDG_DATA_HOME", data.Path().c_str(), 1);
  std::filesystem::create_directory(folder / "sub");
  testing::WriteBitmapFile(folder / "sub/a.bmp", 3, 3, 0xFFFFFF);
  testing::WriteBitmapFile(folder / "other.bmp", 5, 4, 0x0000FF);
  test_hooks::ScriptFileDialog(folder / "other.bmp");
  test_hooks::ScriptModal([&](TForm& form) {
    std::filesystem::remove_all(folder / "sub");  // the target goes while the editor is open
    Button(form, "btLoadFile").Click();
  });
  EXPECT_EQ(Run(folder / "sub/a.bmp"), kExitError);
  const std::string recovered = data / "pictor/a-recovered.bmp";
  EXPECT_NE(err.find("saved in " + recovered), std::string::npos) << err;
  EXPECT_EQ(LoadAs<TBitmap>(recovered)->Width(), 5);
  unsetenv("XDG_DATA_HOME");

  // "File..." whose file dialog is cancelled says so.
  testing::WriteBitmapFile(folder / "b.bmp", 3, 3, 0xFFFFFF);
  test_hooks::ScriptFileDialog(std::nullopt);
  test_hooks::ScriptModal([](TForm& form) {
    ClickPaintBox(form, 1, 1);
    Button(form, "btLoadFile").Click();
  });
  EXPECT_EQ(Run(folder / "b.bmp"), kExitOk) << err;
  EXPECT_NE(out.find("file dialog cancelled"), std::string::npos) << out;
}

TEST_F(EditEndToEnd, AWriteThatFailsIsAnErrorAndLeavesTheFileAsItWas) {
  testing::WriteBitmapFile(folder / "a.bmp", 3, 3, 0xFFFFFF);
  testing::WriteBitmapFile(folder / "big.bmp", 64, 64, 0x00FF00);
  const auto before = ReadBytes(folder / "a.bmp");
  test_hooks::ScriptFileDialog(folder / "big.bmp");
  ClickOnShow("btLoadFile");
  int code;
  {
    testing::FileSizeLimit limit(4096);
    code = Run(folder / "a.bmp");
  }
  EXPECT_EQ(code, kExitError);
  EXPECT_NE(err.find("is unchanged"), std::string::npos) << err;
  EXPECT_EQ(ReadBytes(folder / "a.bmp"), before);
  EXPECT_EQ(folder.Names(), (Names{"a.bmp", "big.bmp"}));
}

TEST_F(EditEndToEnd, NewSaveAndLoadInsideTheEditorAndTheLoadedPictureWrittenBack) {
  testing::WriteBitmapFile(folder / "a.bmp", 8, 8, 0xFFFFFF);
  testing::WriteBitmapFile(folder / "b.bmp", 5, 4, 0x0000FF);
  test_hooks::ScriptModal([this](TForm& editor) {
    const auto click = [&](const char* name) {
      TSpeedButton* button = editor.findChild<TSpeedButton*>(name);
      ASSERT_NE(button, nullptr) << name;
      RunGuarded([&] { button->Click(); });
    };
    // New: a 20 x 10 image in 16 colours; a dot; saved as new.bmp.
    test_hooks::ScriptModal([](TForm& attributes) {
      attributes.findChild<QLineEdit*>("seWidth")->setText("20");
      attributes.findChild<QLineEdit*>("seHeight")->setText("10");
      attributes.DefaultButton()->Click();
    });
    click("sbNew");
    ClickPaintBox(editor, 2, 3);
    test_hooks::ScriptFileDialog(folder / "new");
    click("sbSave");
    // Load: b.bmp becomes the document, which OK writes back into a.bmp.
    test_hooks::ScriptFileDialog(folder / "b.bmp");
    click("sbLoad");
    editor.DefaultButton()->Click();
  });
  EXPECT_EQ(Run(folder / "a.bmp"), kExitOk) << err;
  EXPECT_EQ(out, "pictor: wrote " + (folder / "a.bmp") + "\n");

  auto made = LoadAs<TBitmap>(folder / "new.bmp");
  EXPECT_EQ(made->Width(), 20);
  EXPECT_EQ(made->Height(), 10);
  EXPECT_EQ(made->PixelFormat(), pf4bit);
  EXPECT_EQ(made->Canvas()->Pixels(2, 3), clBlack);
  EXPECT_EQ(made->Canvas()->Pixels(3, 3), clWhite);
  auto written = LoadAs<TBitmap>(folder / "a.bmp");
  EXPECT_EQ(written->Width(), 5);
  EXPECT_EQ(written->Canvas()->Pixels(4, 3), 0x0000FF);
  EXPECT_EQ(folder.Names(), (Names{"a.bmp", "b.bmp", "new.bmp"}));
}

}  // namespace
}  // namespace pictor
