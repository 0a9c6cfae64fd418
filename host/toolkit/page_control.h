// TPageControl and TTabSheet: pages of which one is shown. Making another
// page active (by code or by its tab) runs OnHide of the page left, after the
// new page is shown. A page with TabVisible false has no tab but can still be
// made active by code; with no visible tab the tab row is hidden.
#pragma once

#include <string>
#include <vector>

#include <QTabWidget>

#include "host/toolkit/control.h"

namespace pictor {

class TPageControl;

class TTabSheet : public QWidget, public TControl {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE setTag)
  Q_PROPERTY(bool TabVisible READ TabVisible WRITE setTabVisible)

 public:
  explicit TTabSheet(QWidget* parent = nullptr);
  ~TTabSheet() override;
  const char* ClassName() const override { return "TTabSheet"; }

  TPageControl* PageControl() const;
  int PageIndex() const;
  std::string Caption() const;
  void SetCaption(const std::string& caption);

  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  void setTabVisible(bool value) { SetTabVisible(value); }

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  friend class TPageControl;
  bool tabVisible_ = true;
};

class TPageControl : public QTabWidget, public TControl {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE setTag)
  Q_PROPERTY(int Align READ Align WRITE setAlign)

 public:
  explicit TPageControl(QWidget* parent = nullptr);
  ~TPageControl() override;
  const char* ClassName() const override { return "TPageControl"; }

  int PageCount() const;
  TTabSheet* Pages(int index) const;
  TTabSheet* ActivePage() const { return active_; }
  // Shows the page and runs OnHide of the page left (nothing when it is already active).
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);

  TNotifyEvent OnChange;

  // Called by the pages when their tab is shown or hidden.
  void UpdateTabs();

 protected:
  void tabInserted(int index) override;
  void tabRemoved(int index) override;

 private:
  void CurrentChanged(int index);
  TTabSheet* active_ = nullptr;
  bool switching_ = false;
};

}  // namespace pictor
