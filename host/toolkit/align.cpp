#include "host/toolkit/align.h"

#include <algorithm>
#include <vector>

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "host/toolkit/control.h"

namespace pictor {
namespace {

// Lays out again when the parent changes size.
class AlignFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize)
      if (auto* w = qobject_cast<QWidget*>(watched)) AlignChildren(w);
    return false;
  }
};

void Layout(QWidget* parent) {
  QRect r = parent->contentsRect();
  if (auto* area = qobject_cast<QAbstractScrollArea*>(parent)) r = area->viewport()->rect();
  int left = r.left(), top = r.top(), right = r.left() + r.width(), bottom = r.top() + r.height();
  std::vector<std::pair<QWidget*, int>> aligned;
  for (QObject* child : parent->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (!w || w->isHidden() || w->isWindow()) continue;
    if (TControl* c = ControlOf(w); c && c->Align() != alNone) aligned.emplace_back(w, c->Align());
  }
  auto pass = [&](int align, auto less, auto place) {
    std::vector<QWidget*> ws;
    for (auto& [w, a] : aligned)
      if (a == align) ws.push_back(w);
    std::stable_sort(ws.begin(), ws.end(), less);
    for (QWidget* w : ws) place(w);
  };
  pass(
      alTop, [](QWidget* a, QWidget* b) { return a->y() < b->y(); },
      [&](QWidget* w) {
        const int h = w->height();
        w->setGeometry(left, top, std::max(0, right - left), h);
        top += h;
      });
  pass(
      alBottom, [](QWidget* a, QWidget* b) { return a->y() > b->y(); },
      [&](QWidget* w) {
        const int h = w->height();
        w->setGeometry(left, bottom - h, std::max(0, right - left), h);
        bottom -= h;
      });
  pass(
      alLeft, [](QWidget* a, QWidget* b) { return a->x() < b->x(); },
      [&](QWidget* w) {
        const int wd = w->width();
        w->setGeometry(left, top, wd, std::max(0, bottom - top));
        left += wd;
      });
  pass(
      alRight, [](QWidget* a, QWidget* b) { return a->x() > b->x(); },
      [&](QWidget* w) {
        const int wd = w->width();
        w->setGeometry(right - wd, top, wd, std::max(0, bottom - top));
        right -= wd;
      });
  pass(
      alClient, [](QWidget*, QWidget*) { return false; },
      [&](QWidget* w) {
        w->setGeometry(left, top, std::max(0, right - left), std::max(0, bottom - top));
      });
}

}  // namespace

void AlignChildren(QWidget* parent) {
  if (!parent) return;
  if (!parent->property("pictorAligned").toBool()) {
    parent->setProperty("pictorAligned", true);
    parent->installEventFilter(new AlignFilter(parent));
  }
  // A layout in progress is not started again by the resizes it makes.
  if (parent->property("pictorAligning").toBool()) return;
  parent->setProperty("pictorAligning", true);
  Layout(parent);
  parent->setProperty("pictorAligning", false);
}

}  // namespace pictor
