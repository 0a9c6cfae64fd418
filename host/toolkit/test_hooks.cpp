#include "host/toolkit/test_hooks.h"

#include <deque>

namespace pictor::test_hooks {
namespace {

struct Scripts {
  std::deque<std::function<void(TForm&)>> modal;
  std::deque<std::optional<std::string>> files;
  std::deque<std::function<bool(TFont&)>> fonts;
  std::vector<FileDialogCall> fileCalls;
  bool captureMessages = false;
  int answer = 1;
  std::vector<Message> messages;
  bool captureHelp = false;
  std::vector<std::string> helpFiles;
  bool captureOpened = false;
  std::vector<std::string> opened;
};

Scripts& S() {
  static Scripts scripts;
  return scripts;
}

}  // namespace

void ScriptModal(std::function<void(TForm&)> script) { S().modal.push_back(std::move(script)); }

void ScriptFileDialog(std::optional<std::string> fileName) {
  S().files.push_back(std::move(fileName));
}

std::vector<FileDialogCall> TakeFileDialogCalls() { return std::exchange(S().fileCalls, {}); }

void ScriptFontDialog(std::function<bool(TFont&)> script) {
  S().fonts.push_back(std::move(script));
}

void CaptureMessages(bool on, int answer) {
  S().captureMessages = on;
  S().answer = answer;
}

std::vector<Message> TakeMessages() { return std::exchange(S().messages, {}); }

void CaptureHelp(bool on) { S().captureHelp = on; }

std::vector<std::string> TakeHelpFiles() { return std::exchange(S().helpFiles, {}); }

void CaptureOpened(bool on) { S().captureOpened = on; }

std::vector<std::string> TakeOpened() { return std::exchange(S().opened, {}); }

int PendingScripts() {
  return static_cast<int>(S().modal.size() + S().files.size() + S().fonts.size());
}

void ClearScripts() {
  S().modal.clear();
  S().files.clear();
  S().fonts.clear();
  S().fileCalls.clear();
}

std::optional<std::function<void(TForm&)>> TakeModalScript() {
  if (S().modal.empty()) return std::nullopt;
  auto script = std::move(S().modal.front());
  S().modal.pop_front();
  return script;
}

std::optional<std::optional<std::string>> TakeFileScript(const FileDialogCall& call) {
  if (S().files.empty()) return std::nullopt;
  S().fileCalls.push_back(call);
  auto answer = std::move(S().files.front());
  S().files.pop_front();
  return answer;
}

std::optional<std::function<bool(TFont&)>> TakeFontScript() {
  if (S().fonts.empty()) return std::nullopt;
  auto script = std::move(S().fonts.front());
  S().fonts.pop_front();
  return script;
}

std::optional<int> RecordMessage(const std::string& text, TMsgDlgType type) {
  if (!S().captureMessages) return std::nullopt;
  S().messages.push_back(Message{text, type});
  return S().answer;
}

bool RecordHelp(const std::string& file) {
  if (!S().captureHelp) return false;
  S().helpFiles.push_back(file);
  return true;
}

bool RecordOpened(const std::string& path) {
  if (!S().captureOpened) return false;
  S().opened.push_back(path);
  return true;
}

}  // namespace pictor::test_hooks
