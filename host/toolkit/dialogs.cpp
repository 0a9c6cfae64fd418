#include "host/toolkit/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QRegularExpression>

#include "host/toolkit/control.h"
#include "host/toolkit/focus.h"
#include "host/toolkit/form.h"
#include "host/toolkit/test_hooks.h"

namespace pictor {
namespace {

QWidget* DialogParent() {
  if (QWidget* w = QApplication::activeModalWidget()) return w;
  return QApplication::activeWindow();
}

std::string Trim(const std::string& s) {
  const auto a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return std::string();
  const auto b = s.find_last_not_of(" \t");
  return s.substr(a, b - a + 1);
}

std::vector<std::string> Split(const std::string& s, char separator) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  while (true) {
    const auto at = s.find(separator, start);
    parts.push_back(s.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) break;
    start = at + 1;
  }
  return parts;
}

}  // namespace

QStringList ConvertFilter(const std::string& filter) {
  QStringList result;
  if (filter.empty()) return result;
  const std::vector<std::string> parts = Split(filter, '|');
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    std::string text = Trim(parts[i]);
    // A text that already ends in its pattern list gets the converted list instead.
    if (!text.empty() && text.back() == ')') {
      const auto open = text.rfind('(');
      if (open != std::string::npos) text = Trim(text.substr(0, open));
    }
    QStringList patterns;
    if (i + 1 < parts.size()) {
      for (const std::string& p : Split(parts[i + 1], ';')) {
        const std::string pattern = Trim(p);
        if (pattern.empty()) continue;
        patterns << (pattern == "*.*" ? QString("*") : ToQString(pattern));
      }
    }
    if (patterns.isEmpty()) patterns << "*";
    if (text.empty()) text = FromQString(patterns.join(' '));
    result << ToQString(text) + " (" + patterns.join(' ') + ")";
  }
  return result;
}

TOpenDialog::TOpenDialog() : TOpenDialog(false) {}
TOpenDialog::TOpenDialog(bool save) : save_(save) {}
TOpenDialog::~TOpenDialog() = default;

std::string TOpenDialog::WithDefaultExt(const std::string& name) const {
  std::string ext = DefaultExt;
  if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
  if (ext.empty() || name.empty()) return name;
  if (!QFileInfo(ToQString(name)).suffix().isEmpty()) return name;
  return name + "." + ext;
}

bool TOpenDialog::Execute() {
  const test_hooks::FileDialogCall call{Title, Filter, DefaultExt, save_};
  if (auto scripted = test_hooks::TakeFileScript(call)) {
    if (!*scripted) return false;
    FileName = WithDefaultExt(**scripted);
    return true;
  }
  QString dir = ToQString(InitialDir);
  if (dir.isEmpty() && !FileName.empty()) dir = QFileInfo(ToQString(FileName)).absolutePath();
  const TKeyboardReturn keyboard(DialogParent());
  QFileDialog dialog(DialogParent(), ToQString(Title), dir);
  dialog.setAcceptMode(save_ ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save_ ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = ConvertFilter(Filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    if (FilterIndex >= 1 && FilterIndex <= filters.size())
      dialog.selectNameFilter(filters[FilterIndex - 1]);
  }
  std::string ext = DefaultExt;
  if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
  if (!ext.empty()) dialog.setDefaultSuffix(ToQString(ext));
  if (save_ && !Options.Contains(ofOverwritePrompt))
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (!FileName.empty()) dialog.selectFile(QFileInfo(ToQString(FileName)).fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  FileName = FromQString(dialog.selectedFiles().first());
  if (!filters.isEmpty())
    FilterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  return true;
}

TSaveDialog::TSaveDialog() : TOpenDialog(true) {}

namespace {

QFont ToQFont(const TFont& font) {
  QFont q(ToQString(font.Name));
  q.setPixelSize(font.Height < 0 ? -font.Height : (font.Height > 0 ? font.Height : 11));
  q.setBold(font.Style.Contains(fsBold));
  q.setItalic(font.Style.Contains(fsItalic));
  q.setUnderline(font.Style.Contains(fsUnderline));
  q.setStrikeOut(font.Style.Contains(fsStrikeOut));
  return q;
}

void FromQFont(const QFont& q, TFont& font) {
  font.Name = FromQString(q.family());
  if (q.pixelSize() > 0)
    font.Height = -q.pixelSize();
  else if (q.pointSizeF() > 0)
    font.SetSize(static_cast<int>(q.pointSizeF() + 0.5));
  TFontStyles style;
  if (q.bold()) style.Include(fsBold);
  if (q.italic()) style.Include(fsItalic);
  if (q.underline()) style.Include(fsUnderline);
  if (q.strikeOut()) style.Include(fsStrikeOut);
  font.Style = style;
}

}  // namespace

bool TFontDialog::Execute() {
  if (auto script = test_hooks::TakeFontScript()) {
    TFont copy = Font;
    if (!(*script)(copy)) return false;
    Font = copy;
    return true;
  }
  bool ok = false;
  const TKeyboardReturn keyboard(DialogParent());
  const QFont chosen = QFontDialog::getFont(&ok, ToQFont(Font), DialogParent());
  if (!ok) return false;
  FromQFont(chosen, Font);
  return true;
}

int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int) {
  if (auto answer = test_hooks::RecordMessage(Msg, DlgType)) return *answer;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString title = QApplication::applicationDisplayName();
  switch (DlgType) {
    case mtWarning:
      icon = QMessageBox::Warning;
      title = "Warning";
      break;
    case mtError:
      icon = QMessageBox::Critical;
      title = "Error";
      break;
    case mtInformation:
      icon = QMessageBox::Information;
      title = "Information";
      break;
    case mtConfirmation:
      icon = QMessageBox::Question;
      title = "Confirm";
      break;
    case mtCustom:
      break;
  }
  struct Pair {
    TMsgDlgBtn button;
    QMessageBox::StandardButton qt;
    int result;
  };
  static const Pair pairs[] = {{mbYes, QMessageBox::Yes, mrYes},
                               {mbNo, QMessageBox::No, mrNo},
                               {mbOK, QMessageBox::Ok, mrOk},
                               {mbCancel, QMessageBox::Cancel, mrCancel},
                               {mbAbort, QMessageBox::Abort, mrAbort},
                               {mbRetry, QMessageBox::Retry, mrRetry},
                               {mbIgnore, QMessageBox::Ignore, mrIgnore}};
  QMessageBox::StandardButtons buttons;
  for (const Pair& p : pairs)
    if (Buttons.Contains(p.button)) buttons |= p.qt;
  if (!buttons) buttons = QMessageBox::Ok;
  const TKeyboardReturn keyboard(DialogParent());
  QMessageBox box(icon, title, ToQString(Msg), buttons, DialogParent());
  const int pressed = box.exec();
  for (const Pair& p : pairs)
    if (pressed == p.qt) return p.result;
  return mrCancel;
}

}  // namespace pictor
