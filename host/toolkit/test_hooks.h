// Scripted answers for tests: modal forms, file and font dialogs, message
// boxes and help run without anyone at the screen. Scripts are queued and
// each answers the next window of its kind; with no script queued the real
// window runs. The program itself never queues any.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/graphics/font.h"
#include "host/toolkit/dialogs.h"

namespace pictor {

class TForm;

namespace test_hooks {

// Runs inside the modal loop of the next ShowModal, once the form shows; it
// may click buttons, send keys or set ModalResult. When it returns with the
// modal result still 0 the form ends with mrCancel, so a test cannot hang.
void ScriptModal(std::function<void(TForm& form)> script);

// The next file dialog returns this name (nullopt: the user cancels). The
// dialog's own rules apply: its default extension is added to a name
// without one.
struct FileDialogCall {
  std::string Title;
  std::string Filter;
  std::string DefaultExt;
  bool Save = false;
};
void ScriptFileDialog(std::optional<std::string> fileName);
// What the file dialogs of the test were asked (title, filter, ...).
std::vector<FileDialogCall> TakeFileDialogCalls();

// The next font dialog runs this on its font; true confirms.
void ScriptFontDialog(std::function<bool(TFont& font)> script);

// While on, message boxes (and the application's error boxes) are recorded
// instead of shown and answer `answer`.
struct Message {
  std::string Text;
  TMsgDlgType Type = mtInformation;
};
void CaptureMessages(bool on, int answer = 1);
std::vector<Message> TakeMessages();

// While on, help files are recorded instead of opened (after the checks).
void CaptureHelp(bool on);
std::vector<std::string> TakeHelpFiles();

// While on, files and folders opened with the desktop's handler are recorded
// instead of opened (after the checks).
void CaptureOpened(bool on);
std::vector<std::string> TakeOpened();

// Queued scripts not used yet (a test checks that all were used).
int PendingScripts();
void ClearScripts();

// Used by the toolkit.
std::optional<std::function<void(TForm&)>> TakeModalScript();
std::optional<std::optional<std::string>> TakeFileScript(const FileDialogCall& call);
std::optional<std::function<bool(TFont&)>> TakeFontScript();
std::optional<int> RecordMessage(const std::string& text, TMsgDlgType type);
bool RecordHelp(const std::string& file);
bool RecordOpened(const std::string& path);

}  // namespace test_hooks
}  // namespace pictor
