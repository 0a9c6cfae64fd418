// TGroupBox: a captioned frame around controls. TRadioGroup: a group box of
// radio buttons built from Items, of which ItemIndex is checked (-1: none).
#pragma once

#include <string>
#include <vector>

#include <QGroupBox>
#include <QStringList>

#include "host/toolkit/control.h"

class QRadioButton;

namespace pictor {

class TGroupBox : public QGroupBox, public TControl {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE setTag)
  Q_PROPERTY(int Align READ Align WRITE setAlign)

 public:
  explicit TGroupBox(QWidget* parent = nullptr);
  ~TGroupBox() override;
  const char* ClassName() const override { return "TGroupBox"; }

  std::string Caption() const;
  void SetCaption(const std::string& caption);
};

class TRadioGroup : public TGroupBox {
  Q_OBJECT
  Q_PROPERTY(QStringList Items READ QItems WRITE setItems)
  Q_PROPERTY(int ItemIndex READ ItemIndex WRITE setItemIndex)
  Q_PROPERTY(int Columns READ Columns WRITE setColumns)

 public:
  explicit TRadioGroup(QWidget* parent = nullptr);
  ~TRadioGroup() override;
  const char* ClassName() const override { return "TRadioGroup"; }

  std::vector<std::string> Items() const { return items_; }
  void SetItems(const std::vector<std::string>& items);
  QStringList QItems() const;
  void setItems(const QStringList& items);

  int ItemIndex() const { return itemIndex_; }
  // Checks the item; runs OnClick when it changes.
  void SetItemIndex(int index);
  void setItemIndex(int index) { SetItemIndex(index); }

  int Columns() const { return columns_; }
  void SetColumns(int value);
  void setColumns(int value) { SetColumns(value); }

  // The radio button of an item (for tests and keyboard focus).
  QRadioButton* Button(int index) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Rebuild();
  void ArrangeButtons();
  std::vector<std::string> items_;
  std::vector<QRadioButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
};

}  // namespace pictor
