// TCustomEdit: a one-line edit field, the base of edit controls of other
// folders (the spin edit). Keys go through KeyDown and KeyPress first; a key
// set to 0 there never reaches the field. Pasting and cutting, by keyboard or
// menu, go through PasteFromClipboard and CutToClipboard.
#pragma once

#include <string>

#include <QLineEdit>

#include "host/toolkit/control.h"

namespace pictor {

class TCustomEdit : public QLineEdit, public TControl {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE setTag)
  Q_PROPERTY(int Align READ Align WRITE setAlign)

 public:
  explicit TCustomEdit(QWidget* parent = nullptr);
  ~TCustomEdit() override;
  const char* ClassName() const override { return "TCustomEdit"; }

  std::string Text() const;
  void SetText(const std::string& text);
  bool ReadOnly() const { return isReadOnly(); }
  void SetReadOnly(bool value) { setReadOnly(value); }
  int MaxLength() const { return maxLength_; }
  // 0: no limit.
  void SetMaxLength(int value);
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  int SelStart() const;
  int SelLength() const;
  void SetSelStart(int value);
  void SetSelLength(int value);
  void SelectAll() { selectAll(); }

  // The part of the field the text may use, in client pixels (the rest stays
  // free, as for buttons inside the field).
  void SetEditRect(const TRect& rect);

  virtual void PasteFromClipboard();
  virtual void CutToClipboard();
  // Runs after every resize.
  virtual void Resize() {}

  TNotifyEvent OnChange;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int maxLength_ = 0;
  bool autoSelect_ = true;
};

}  // namespace pictor
