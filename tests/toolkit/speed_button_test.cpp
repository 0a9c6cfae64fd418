// Speed buttons: exclusive groups per parent, Down, clicks by pointer and by
// code, glyphs.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/toolkit/panel.h"
#include "host/toolkit/speed_button.h"
#include "tests/support/qt_application.h"

namespace pictor {
namespace {

struct Tools {
  TPanel panel;
  TSpeedButton* a = new TSpeedButton(&panel);
  TSpeedButton* b = new TSpeedButton(&panel);
  TSpeedButton* c = new TSpeedButton(&panel);
  TSpeedButton* loose = new TSpeedButton(&panel);
  Tools() {
    panel.resize(200, 40);
    int x = 0;
    for (TSpeedButton* s : {a, b, c, loose}) {
      s->setGeometry(x, 0, 23, 22);
      x += 24;
    }
    for (TSpeedButton* s : {a, b, c}) s->setGroupIndex(1);
    a->setDown(true);
    panel.show();
  }
};

TEST(SpeedButtonTest, OneButtonOfAGroupIsDown) {
  Tools t;
  EXPECT_TRUE(t.a->Down());
  t.b->SetDown(true);
  EXPECT_FALSE(t.a->Down());
  EXPECT_TRUE(t.b->Down());
  EXPECT_FALSE(t.c->Down());
  // The down button cannot be raised by itself without AllowAllUp.
  t.b->SetDown(false);
  EXPECT_TRUE(t.b->Down());
  t.b->SetAllowAllUp(true);
  t.b->SetDown(false);
  EXPECT_FALSE(t.b->Down());
}

TEST(SpeedButtonTest, AButtonWithoutGroupIsNeverDown) {
  Tools t;
  t.loose->SetDown(true);
  EXPECT_FALSE(t.loose->Down());
  EXPECT_TRUE(t.a->Down());
}

TEST(SpeedButtonTest, GroupsAreKeptPerParentAndPerIndex) {
  Tools t;
  TPanel other;
  auto* x = new TSpeedButton(&other);
  x->SetGroupIndex(1);
  x->SetDown(true);
  auto* y = new TSpeedButton(&t.panel);
  y->SetGroupIndex(2);
  y->SetDown(true);
  EXPECT_TRUE(t.a->Down());
  EXPECT_TRUE(x->Down());
  EXPECT_TRUE(y->Down());
}

TEST(SpeedButtonTest, DownGivenBeforeTheGroupTakesEffectWithIt) {
  TPanel panel;
  auto* first = new TSpeedButton(&panel);
  first->SetGroupIndex(7);
  first->SetDown(true);
  auto* second = new TSpeedButton(&panel);
  second->setDown(true);  // as a form description may order it
  EXPECT_TRUE(first->Down());
  second->setGroupIndex(7);
  EXPECT_TRUE(second->Down());
  EXPECT_FALSE(first->Down());
}

TEST(SpeedButtonTest, APointerClickPutsTheButtonDownBeforeOnClick) {
  Tools t;
  std::vector<std::pair<TObject*, bool>> clicks;
  auto handler = [&](TObject* sender) {
    clicks.emplace_back(sender, static_cast<TSpeedButton*>(sender)->Down());
  };
  t.b->OnClick = handler;
  t.a->OnClick = handler;
  QTest::mouseClick(t.b, Qt::LeftButton);
  // Clicking the button that is down keeps it down and still runs OnClick.
  QTest::mouseClick(t.b, Qt::LeftButton);
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[0], std::make_pair(static_cast<TObject*>(t.b), true));
  EXPECT_EQ(clicks[1], std::make_pair(static_cast<TObject*>(t.b), true));
  EXPECT_FALSE(t.a->Down());
}

TEST(SpeedButtonTest, ClickRunsOnClickWithoutChangingDown) {
  Tools t;
  int clicks = 0;
  t.c->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, t.c);
    ++clicks;
  };
  t.c->Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(t.a->Down());
  EXPECT_FALSE(t.c->Down());
}

TEST(SpeedButtonTest, ADisabledButtonIgnoresThePointer) {
  Tools t;
  int clicks = 0;
  t.c->OnClick = [&](TObject*) { ++clicks; };
  t.c->SetEnabled(false);
  QTest::mouseClick(t.c, Qt::LeftButton);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(t.c->Down());
}

TEST(SpeedButtonTest, FormDescriptionPropertiesReachTheWidget) {
  Tools t;
  t.b->setTag(12);
  t.b->SetHint("Marquee");
  t.b->setFlat(true);
  EXPECT_EQ(t.b->Tag(), 12);
  EXPECT_EQ(t.b->toolTip(), "Marquee");
  EXPECT_TRUE(t.b->autoRaise());
  EXPECT_EQ(t.b->property("Tag").toInt(), 12);
  EXPECT_TRUE(t.b->setProperty("GroupIndex", 3));
  EXPECT_EQ(t.b->GroupIndex(), 3);
}

TEST(SpeedButtonTest, GlyphKeepsTheBitmapOfItsFile) {
  QTemporaryDir dir;
  TBitmap picture;
  picture.SetPixelFormat(pf4bit);
  picture.SetSize(32, 16);
  picture.Canvas()->Brush.Color = clWhite;
  picture.Canvas()->FillRect(TRect{0, 0, 32, 16});
  picture.Canvas()->SetPixels(3, 4, clRed);
  const std::string path = dir.filePath("glyph.bmp").toStdString();
  picture.SaveToFile(path);

  TSpeedButton button;
  button.setGlyph(QString::fromStdString(path));
  button.setNumGlyphs(2);
  EXPECT_EQ(button.Glyph().Width(), 32);
  EXPECT_EQ(button.Glyph().PixelFormat(), pf4bit);
  EXPECT_EQ(const_cast<TBitmap&>(button.Glyph()).Canvas()->Pixels(3, 4), clRed);
  EXPECT_EQ(button.iconSize(), QSize(16, 16));

  // A glyph that cannot be read leaves none (from a form description) or
  // raises (from code).
  button.setGlyph(dir.filePath("missing.bmp"));
  EXPECT_TRUE(button.Glyph().Empty());
  EXPECT_THROW(button.LoadGlyph(dir.filePath("missing.bmp").toStdString()), EFOpenError);
}

}  // namespace
}  // namespace pictor
