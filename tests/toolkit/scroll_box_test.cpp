// Scroll box scroll bars, aligned panels and the status bar's text.
#include <gtest/gtest.h>

#include <QTest>

#include "host/toolkit/form.h"
#include "host/toolkit/panel.h"
#include "host/toolkit/scroll_box.h"
#include "host/toolkit/status_bar.h"
#include "tests/support/qt_application.h"

namespace pictor {
namespace {

TEST(ScrollBoxTest, ScrollBarsShowOnlyWhileTheContentExceedsTheBox) {
  TForm form;
  form.resize(300, 200);
  auto* box = new TScrollBox(&form);
  box->setGeometry(0, 0, 300, 200);
  auto* image = new TPanel(box->Content());
  image->SetBounds(0, 0, 100, 100);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  testing::Pump();
  EXPECT_FALSE(box->HorzScrollBarVisible());
  EXPECT_FALSE(box->VertScrollBarVisible());

  image->SetWidth(500);
  testing::Pump();
  EXPECT_TRUE(box->HorzScrollBarVisible());
  EXPECT_FALSE(box->VertScrollBarVisible());

  image->SetHeight(500);
  testing::Pump();
  EXPECT_TRUE(box->VertScrollBarVisible());
  box->SetVertScrollPosition(120);
  EXPECT_EQ(box->VertScrollPosition(), 120);

  image->SetBounds(0, 0, 50, 50);
  testing::Pump();
  EXPECT_FALSE(box->HorzScrollBarVisible());
  EXPECT_FALSE(box->VertScrollBarVisible());
}

TEST(ScrollBoxTest, AContentWidgetSetLaterIsFollowedToo) {
  TScrollBox box;
  box.resize(200, 150);
  auto* contents = new QWidget();
  auto* image = new TPanel(contents);
  image->SetBounds(0, 0, 60, 60);
  box.setWidget(contents);  // as uic does after building the children
  box.show();
  testing::Pump();
  EXPECT_FALSE(box.VertScrollBarVisible());
  image->SetClientHeight(400);
  testing::Pump();
  EXPECT_TRUE(box.VertScrollBarVisible());
  EXPECT_GE(contents->height(), 400);
}

TEST(AlignTest, AlignedControlsFillTheirParentInOrder) {
  TForm form;
  auto* status = new TStatusBar(&form);
  status->SetHeight(19);
  status->setAlign(alBottom);
  auto* tools = new TPanel(&form);
  tools->SetWidth(57);
  tools->setAlign(alLeft);
  auto* buttons = new TPanel(&form);
  buttons->SetWidth(86);
  buttons->setAlign(alRight);
  auto* view = new TPanel(&form);
  view->setAlign(alClient);
  form.resize(451, 380);
  form.show();
  testing::Pump();
  EXPECT_EQ(status->geometry(), QRect(0, 361, 451, 19));
  EXPECT_EQ(tools->geometry(), QRect(0, 0, 57, 361));
  EXPECT_EQ(buttons->geometry(), QRect(365, 0, 86, 361));
  EXPECT_EQ(view->geometry(), QRect(57, 0, 308, 361));
  form.resize(500, 400);
  testing::Pump();
  EXPECT_EQ(view->geometry(), QRect(57, 0, 357, 381));
}

TEST(StatusBarTest, ShowsOneText) {
  TStatusBar bar;
  bar.SetSimpleText("12, 34");
  EXPECT_EQ(bar.SimpleText(), "12, 34");
  bar.setSimpleText("");
  EXPECT_EQ(bar.SimpleText(), "");
}

}  // namespace
}  // namespace pictor
