#include "host/toolkit/page_control.h"

#include <QTabBar>

#include "host/toolkit/application.h"

namespace pictor {

TTabSheet::TTabSheet(QWidget* parent) : QWidget(parent), TControl(this) { TrackMouse(); }

TTabSheet::~TTabSheet() = default;

TPageControl* TTabSheet::PageControl() const {
  for (QWidget* w = parentWidget(); w; w = w->parentWidget())
    if (auto* pc = qobject_cast<TPageControl*>(w)) return pc;
  return nullptr;
}

int TTabSheet::PageIndex() const {
  TPageControl* pc = PageControl();
  return pc ? pc->indexOf(const_cast<TTabSheet*>(this)) : -1;
}

std::string TTabSheet::Caption() const {
  TPageControl* pc = PageControl();
  const int i = PageIndex();
  return pc && i >= 0 ? FromQString(pc->tabText(i)) : std::string();
}

void TTabSheet::SetCaption(const std::string& caption) {
  if (TPageControl* pc = PageControl(); pc && PageIndex() >= 0)
    pc->setTabText(PageIndex(), ToQString(caption));
}

void TTabSheet::SetTabVisible(bool value) {
  tabVisible_ = value;
  if (TPageControl* pc = PageControl()) pc->UpdateTabs();
}

void TTabSheet::mousePressEvent(QMouseEvent* event) { HandleMousePress(event); }
void TTabSheet::mouseMoveEvent(QMouseEvent* event) { HandleMouseMove(event); }
void TTabSheet::mouseReleaseEvent(QMouseEvent* event) { HandleMouseRelease(event, true); }

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent), TControl(this) {
  connect(this, &QTabWidget::currentChanged, this, [this](int index) { CurrentChanged(index); });
}

TPageControl::~TPageControl() = default;

int TPageControl::PageCount() const { return count(); }

TTabSheet* TPageControl::Pages(int index) const { return qobject_cast<TTabSheet*>(widget(index)); }

int TPageControl::ActivePageIndex() const { return active_ ? indexOf(active_) : -1; }

void TPageControl::SetActivePageIndex(int index) { SetActivePage(Pages(index)); }

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page == active_ || (page && indexOf(page) < 0)) return;
  TTabSheet* left = active_;
  switching_ = true;
  if (page) setCurrentWidget(page);
  switching_ = false;
  active_ = page;
  // Runs in the caller's handler, so an exception reaches the caller.
  if (left && left->OnHide) left->OnHide(left);
  if (page && page->OnShow) page->OnShow(page);
  if (OnChange) OnChange(this);
}

void TPageControl::CurrentChanged(int index) {
  if (switching_) return;
  TTabSheet* left = active_;
  active_ = Pages(index);
  if (left == active_) return;
  RunGuarded([&] {
    if (left && left->OnHide) left->OnHide(left);
    if (active_ && active_->OnShow) active_->OnShow(active_);
    if (OnChange) OnChange(this);
  });
}

void TPageControl::UpdateTabs() {
  bool any = false;
  for (int i = 0; i < count(); ++i) {
    TTabSheet* page = Pages(i);
    const bool visible = !page || page->tabVisible_;
    // Hiding a tab must not change the page shown.
    switching_ = true;
    tabBar()->setTabVisible(i, visible);
    switching_ = false;
    any |= visible;
  }
  tabBar()->setVisible(any);
  if (active_ && currentWidget() != active_) {
    switching_ = true;
    setCurrentWidget(active_);
    switching_ = false;
  }
}

void TPageControl::tabInserted(int index) {
  QTabWidget::tabInserted(index);
  if (!active_) active_ = qobject_cast<TTabSheet*>(currentWidget());
  UpdateTabs();
}

void TPageControl::tabRemoved(int index) {
  QTabWidget::tabRemoved(index);
  if (active_ && indexOf(active_) < 0) active_ = qobject_cast<TTabSheet*>(currentWidget());
  UpdateTabs();
}

}  // namespace pictor
