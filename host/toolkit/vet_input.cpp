#include "host/toolkit/vet_input.h"

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

#include "host/toolkit/application.h"
#include "host/toolkit/control.h"

namespace pictor {
namespace {

bool HasWideCharacter(const QString& text) {
  for (const QChar c : text)
    if (c.unicode() > 255) return true;
  return false;
}

class WideCharacterFilter : public QObject {
 public:
  WideCharacterFilter(TControl& control, QObject* parent) : QObject(parent), control_(control) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    if (!HasWideCharacter(static_cast<QKeyEvent*>(event)->text())) return false;
    char key = '?';
    RunGuarded([&] { control_.KeyPress(key); });
    return key == 0;
  }

 private:
  TControl& control_;
};

}  // namespace

void VetAllInput(TControl& control) {
  QWidget* widget = control.Widget();
  widget->setAcceptDrops(false);
  // Composed characters then arrive as key presses, which KeyPress vets.
  widget->setAttribute(Qt::WA_InputMethodEnabled, false);
  widget->installEventFilter(new WideCharacterFilter(control, widget));
}

}  // namespace pictor
