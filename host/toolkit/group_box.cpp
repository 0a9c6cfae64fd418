#include "host/toolkit/group_box.h"

#include <QRadioButton>

#include "host/toolkit/application.h"

namespace pictor {

TGroupBox::TGroupBox(QWidget* parent) : QGroupBox(parent), TControl(this) {}
TGroupBox::~TGroupBox() = default;

std::string TGroupBox::Caption() const { return FromQString(title()); }
void TGroupBox::SetCaption(const std::string& caption) { setTitle(ToQString(caption)); }

TRadioGroup::TRadioGroup(QWidget* parent) : TGroupBox(parent) {}
TRadioGroup::~TRadioGroup() = default;

void TRadioGroup::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  Rebuild();
}

QStringList TRadioGroup::QItems() const {
  QStringList list;
  for (const std::string& s : items_) list << ToQString(s);
  return list;
}

void TRadioGroup::setItems(const QStringList& items) {
  std::vector<std::string> v;
  for (const QString& s : items) v.push_back(FromQString(s));
  SetItems(v);
}

void TRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i)
    buttons_[static_cast<std::size_t>(i)]->setChecked(i == itemIndex_);
  RunGuarded([this] { Click(); });
}

void TRadioGroup::SetColumns(int value) {
  columns_ = value < 1 ? 1 : value;
  ArrangeButtons();
}

QRadioButton* TRadioGroup::Button(int index) const {
  if (index < 0 || index >= static_cast<int>(buttons_.size())) return nullptr;
  return buttons_[static_cast<std::size_t>(index)];
}

void TRadioGroup::Rebuild() {
  for (QRadioButton* b : buttons_) delete b;
  buttons_.clear();
  for (std::size_t i = 0; i < items_.size(); ++i) {
    auto* b = new QRadioButton(ToQString(items_[i]), this);
    b->setAutoExclusive(true);
    b->setChecked(static_cast<int>(i) == itemIndex_);
    const int index = static_cast<int>(i);
    connect(b, &QRadioButton::clicked, this, [this, index] { SetItemIndex(index); });
    b->show();
    buttons_.push_back(b);
  }
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const QRect area = contentsRect().adjusted(8, 0, -4, -4);
  const int n = static_cast<int>(buttons_.size());
  const int rows = (n + columns_ - 1) / columns_;
  const int colWidth = area.width() / columns_;
  const int rowHeight = rows > 0 ? area.height() / rows : area.height();
  for (int i = 0; i < n; ++i) {
    const int col = i / rows, row = i % rows;
    buttons_[static_cast<std::size_t>(i)]->setGeometry(
        area.left() + col * colWidth, area.top() + row * rowHeight, colWidth, rowHeight);
  }
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
  TGroupBox::resizeEvent(event);
  ArrangeButtons();
}

}  // namespace pictor
