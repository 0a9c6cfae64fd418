// EditImageAttributes through its dialog: the presets, what OK applies
// (size anchored top-left, depth with its standard palette, sizes always
// 1 to 10000) and Cancel, in both forms.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include <QRadioButton>
#include <QTest>

#include "attributes/edit_image_attributes.h"
#include "attributes/image_attributes_dialog.h"
#include "attributes/standard_palettes.h"
#include "host/graphics/canvas.h"
#include "host/toolkit/application.h"
#include "host/toolkit/test_hooks.h"
#include "tests/attributes/palette_entries.h"

namespace pictor {
namespace {

struct Presets {
  int Width = 0;
  int Height = 0;
  int Item = -2;
  friend bool operator==(const Presets&, const Presets&) = default;
};

// Runs EditImageAttributes; `act` plays the user once the dialog shows.
bool RunDialog(std::unique_ptr<TBitmap>& bitmap, bool New,
         const std::function<void(TdlgImageAttributes&)>& act, Presets* seen = nullptr) {
  test_hooks::ScriptModal([&](TForm& form) {
    auto& dialog = dynamic_cast<TdlgImageAttributes&>(form);
    if (seen)
      *seen = {dialog.seWidth->Value(), dialog.seHeight->Value(), dialog.gbColors->ItemIndex()};
    act(dialog);
  });
  return EditImageAttributes(bitmap, New);
}

void PressOK(TdlgImageAttributes& d) { d.btOK->Click(); }

std::unique_ptr<TBitmap> Picture(int w, int h, TPixelFormat format) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(w, h);
  ApplyStandardPalette(*bitmap);
  return bitmap;
}

int CountColour(TBitmap& b, TRect r, TColor c) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += b.Canvas()->Pixels(x, y) == c;
  return n;
}

TEST(ImageAttributes, NewImageWithThePresetsIsBlank100x100In16Colours) {
  for (bool New : {true, false}) {
    // "New" on a picture, or attributes of an empty one: the same presets.
    auto bitmap = New ? Picture(30, 20, pf24bit) : std::make_unique<TBitmap>();
    Presets seen;
    ASSERT_TRUE(RunDialog(bitmap, New, PressOK, &seen));
    EXPECT_EQ(seen, (Presets{100, 100, 1}));
    ASSERT_EQ(bitmap->Width(), 100);
    ASSERT_EQ(bitmap->Height(), 100);
    EXPECT_EQ(bitmap->PixelFormat(), pf4bit);
    HPALETTE p16 = Palette16();
    EXPECT_EQ(Entries(bitmap->Palette()), Entries(p16));
    DeleteObject(p16);
    EXPECT_EQ(CountColour(*bitmap, {0, 0, 100, 100}, clWhite), 100 * 100);
  }
}

TEST(ImageAttributes, PresetsFollowThePictureAndCancelChangesNothing) {
  const std::vector<std::pair<TPixelFormat, int>> cases = {
      {pf1bit, 0}, {pfDevice, 1}, {pf4bit, 1}, {pf8bit, 2},
      {pf16bit, 3}, {pf24bit, 3}, {pf32bit, 3}};
  for (const auto& [format, item] : cases) {
    for (bool New : {false, true}) {
      auto bitmap = Picture(37, 23, format);
      bitmap->Canvas()->SetPixels(3, 4, clBlack);
      const TBitmap* object = bitmap.get();
      const HPALETTE palette = bitmap->Palette();
      Presets seen;
      EXPECT_FALSE(RunDialog(bitmap, New, [item = item](TdlgImageAttributes& d) {
        d.seWidth->SetValue(5);
        d.gbColors->SetItemIndex(item == 3 ? 0 : 3);
        d.btCancel->Click();
      }, &seen));
      const Presets expected = New ? Presets{100, 100, 1} : Presets{37, 23, item};
      EXPECT_EQ(seen, expected) << item;
      ASSERT_EQ(bitmap.get(), object);
      EXPECT_EQ(bitmap->Width(), 37);
      EXPECT_EQ(bitmap->Height(), 23);
      EXPECT_EQ(bitmap->PixelFormat(), format);
      EXPECT_EQ(bitmap->Palette(), palette);
      EXPECT_EQ(bitmap->Canvas()->Pixels(3, 4), clBlack);
    }
  }
}

TEST(ImageAttributes, OKResizesAtTheTopLeftAndSetsTheDepthWithItsPalette) {
  auto bitmap = Picture(100, 100, pf24bit);
  TCanvas& c = *bitmap->Canvas();
  c.Brush.Color = clRed;
  c.FillRect({0, 0, 50, 100});
  c.Brush.Color = clBlue;
  c.FillRect({50, 0, 100, 100});
  ASSERT_TRUE(RunDialog(bitmap, false, [](TdlgImageAttributes& d) {
    d.seWidth->SetValue(50);
    d.seHeight->SetValue(200);
    d.gbColors->SetItemIndex(2);  // "&SuperVGA (256 colors)"
    d.btOK->Click();
  }));
  ASSERT_EQ(bitmap->Width(), 50);
  ASSERT_EQ(bitmap->Height(), 200);
  EXPECT_EQ(bitmap->PixelFormat(), pf8bit);
  HPALETTE web = WebPalette();
  EXPECT_EQ(Entries(bitmap->Palette()).size(), 216u);
  EXPECT_EQ(Entries(bitmap->Palette()), Entries(web));
  EXPECT_EQ(CountColour(*bitmap, {0, 0, 50, 100}, clRed), 50 * 100);
  EXPECT_EQ(CountColour(*bitmap, {0, 100, 50, 200}, clWhite), 50 * 100);

  ASSERT_TRUE(RunDialog(bitmap, false, [](TdlgImageAttributes& d) {
    d.gbColors->SetItemIndex(3);  // "24 &bits"
    d.btOK->Click();
  }));
  EXPECT_EQ(bitmap->PixelFormat(), pf24bit);
  EXPECT_EQ(Entries(bitmap->Palette()), Entries(web));
  EXPECT_EQ(CountColour(*bitmap, {0, 0, 50, 100}, clRed), 50 * 100);
  DeleteObject(web);
}

TEST(ImageAttributes, EnterAppliesSizesWithinTheLimitsWhateverTheFieldsHold) {
  struct Case {
    const char* width;
    const char* height;
    int expectedWidth;
    int expectedHeight;
  };
  for (const Case& k : {Case{"20000", "", 10000, 1}, Case{"0", "12a", 1, 1}}) {
    auto bitmap = Picture(10, 10, pf1bit);
    ASSERT_TRUE(RunDialog(bitmap, false, [&](TdlgImageAttributes& d) {
      d.seHeight->SetText(k.height);
      d.seWidth->SetText(k.width);
      // Enter elsewhere: OK, with neither field ever left (which would bring
      // its value into the limits).
      d.gbColors->Button(1)->setFocus();
      QTest::keyClick(d.gbColors->Button(1), Qt::Key_Return);
    }));
    EXPECT_EQ(bitmap->Width(), k.expectedWidth) << k.width;
    EXPECT_EQ(bitmap->Height(), k.expectedHeight) << k.height;
  }
}

TEST(ImageAttributes, HelpOpensPictorHlpBesideTheProgram) {
  const std::string helpFile = TApplication::ExeDir() + "Pictor.hlp";
  std::ofstream(helpFile) << "help";
  test_hooks::CaptureHelp(true);
  std::unique_ptr<TBitmap> bitmap;
  RunDialog(bitmap, true, [](TdlgImageAttributes& d) { d.btHelp->click(); });
  test_hooks::CaptureHelp(false);
  std::remove(helpFile.c_str());
  EXPECT_EQ(test_hooks::TakeHelpFiles(), std::vector<std::string>{helpFile});
}

}  // namespace
}  // namespace pictor
