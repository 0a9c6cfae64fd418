// The keyboard: the form sees every key before the focused control. Typed
// characters go into the text of the text tool; Ctrl+A, Ctrl+C, Ctrl+V,
// Ctrl+Z and Ctrl+Shift+Z act with every tool and go no further.
#include <string>

#include "editor/dlg_pictor.h"
#include "editor/tool_table.h"

namespace pictor {
namespace {

// Control characters: C0 (Enter, Tab, Escape, ...), DEL and C1.
bool IsControlCharacter(const std::string& Key) {
  const auto first = static_cast<unsigned char>(Key[0]);
  const bool c1 = first == 0xC2 && Key.size() == 2 && static_cast<unsigned char>(Key[1]) < 0xA0;
  return first < 32 || first == 127 || c1;
}

// Removes the last whole character of UTF-8 text: its continuation bytes,
// then the byte that starts it.
void DropLastCharacter(std::string& text) {
  while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
    text.pop_back();
  if (!text.empty()) text.pop_back();
}

}  // namespace

void TdlgPictor::FormKeyPress(TObject*, std::string& Key) {
  if (CurrentTool().family != TToolFamily::Text || Key.empty()) return;
  if (Key == "\b")
    DropLastCharacter(FText);
  else if (IsControlCharacter(Key))
    return;
  else
    FText += Key;
  // Without a text position the characters are kept but nothing is drawn.
  RedrawText();
}

void TdlgPictor::FormKeyDown(TObject*, Word& Key, TShiftState Shift) {
  if (!Shift.Contains(ssCtrl)) return;
  // The letter keys by their code, whatever Caps Lock or Shift make them type.
  const Word key = Key;
  if (key != 'A' && key != 'C' && key != 'V' && key != 'Z') return;
  Key = 0;  // the focused control does not see it
  switch (key) {
    case 'A':
      SelectAllByKey();
      break;
    case 'C':
      btCopyClick(sbCopy);
      break;
    case 'V':
      btPasteClick(sbPaste);
      break;
    default:
      if (Shift.Contains(ssShift))
        Redo();
      else
        Undo();
      break;
  }
}

}  // namespace pictor
