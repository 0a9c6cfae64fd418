// Page control: the active page, OnHide of the page left, hidden tabs.
#include <gtest/gtest.h>

#include <QTabBar>
#include <QTest>

#include "host/toolkit/page_control.h"
#include "tests/support/qt_application.h"

namespace pictor {
namespace {

struct Pages {
  TPageControl control;
  TTabSheet* first = new TTabSheet();
  TTabSheet* second = new TTabSheet();
  TTabSheet* third = new TTabSheet();
  std::vector<TObject*> hidden;
  Pages() {
    control.resize(200, 150);
    for (TTabSheet* p : {first, second, third}) {
      control.addTab(p, "page");
      p->OnHide = [this](TObject* sender) { hidden.push_back(sender); };
    }
    control.show();
  }
};

TEST(PageControlTest, MakingAnotherPageActiveRunsOnHideOfThePageLeft) {
  Pages p;
  EXPECT_EQ(p.control.ActivePage(), p.first);
  TTabSheet* activeDuringHide = nullptr;
  p.first->OnHide = [&](TObject* sender) {
    p.hidden.push_back(sender);
    activeDuringHide = p.control.ActivePage();
  };
  p.control.SetActivePage(p.third);
  EXPECT_EQ(p.control.ActivePage(), p.third);
  EXPECT_EQ(p.control.currentWidget(), p.third);
  EXPECT_EQ(p.hidden, std::vector<TObject*>{p.first});
  EXPECT_EQ(activeDuringHide, p.third);
  // The active page again: nothing runs.
  p.control.SetActivePage(p.third);
  EXPECT_EQ(p.hidden.size(), 1u);
}

TEST(PageControlTest, ChoosingATabRunsOnHideToo) {
  Pages p;
  p.control.tabBar()->setCurrentIndex(1);
  EXPECT_EQ(p.control.ActivePage(), p.second);
  EXPECT_EQ(p.hidden, std::vector<TObject*>{p.first});
}

TEST(PageControlTest, AnExceptionOfOnHideReachesTheCodeThatChangedThePage) {
  Pages p;
  p.first->OnHide = [](TObject*) { throw std::runtime_error("left"); };
  EXPECT_THROW(p.control.SetActivePage(p.second), std::runtime_error);
  EXPECT_EQ(p.control.ActivePage(), p.second);
}

TEST(PageControlTest, PagesWithoutTabsStillShowWhenActive) {
  Pages p;
  for (TTabSheet* page : {p.first, p.second, p.third}) page->setTabVisible(false);
  EXPECT_FALSE(p.control.tabBar()->isVisible());
  EXPECT_EQ(p.control.ActivePage(), p.first);
  EXPECT_TRUE(p.hidden.empty());
  p.control.SetActivePage(p.second);
  EXPECT_EQ(p.control.currentWidget(), p.second);
  EXPECT_TRUE(p.second->isVisible());
  EXPECT_FALSE(p.first->isVisible());
  EXPECT_EQ(p.hidden, std::vector<TObject*>{p.first});
  p.second->SetTabVisible(true);
  EXPECT_TRUE(p.control.tabBar()->isVisible());
  EXPECT_FALSE(p.control.tabBar()->isTabVisible(0));
  EXPECT_TRUE(p.control.tabBar()->isTabVisible(1));
}

TEST(PageControlTest, TabVisibilityGivenBeforeTheTabIsAddedHolds) {
  TPageControl control;
  auto* page = new TTabSheet();
  page->setTabVisible(false);
  control.addTab(page, "x");
  auto* shown = new TTabSheet();
  control.addTab(shown, "y");
  EXPECT_FALSE(control.tabBar()->isTabVisible(0));
  EXPECT_TRUE(control.tabBar()->isTabVisible(1));
  EXPECT_EQ(control.ActivePage(), page);
  EXPECT_EQ(page->PageControl(), &control);
  EXPECT_EQ(shown->PageIndex(), 1);
}

}  // namespace
}  // namespace pictor
