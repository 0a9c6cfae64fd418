#include "host/toolkit/application.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

#include "host/toolkit/dialogs.h"
#include "host/toolkit/form.h"
#include "host/toolkit/help_manual.h"
#include "host/toolkit/screen.h"
#include "host/toolkit/test_hooks.h"

namespace pictor {

TApplication* Application = nullptr;

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  Application = this;
}

TApplication::~TApplication() {
  // Pointer pictures cannot outlive the application.
  Screen->Clear();
  if (Application == this) Application = nullptr;
}

std::string TApplication::ExeDir() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "./";
  return exe.parent_path().string() + "/";
}

bool TApplication::DisplayAvailable() {
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
  };
  if (set("QT_QPA_PLATFORM")) {
    const std::string platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform.starts_with("xcb") && !platform.starts_with("wayland")) return true;
  }
  return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

std::string TApplication::ExeName() const {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.string();
}

bool TApplication::HelpContext(int context) {
  std::string file = HelpFile;
  QWidget* active = activeModalWidget() ? activeModalWidget() : activeWindow();
  if (auto* form = dynamic_cast<TForm*>(active); form && !form->HelpFile.empty())
    file = form->HelpFile;
  if (file.empty()) throw EHelpError("No help file is set.");
  const std::optional<THelpTopic> topic = FindHelpTopic(file, context);
  if (!topic) throw EHelpError("The help file \"" + file + "\" does not exist.");
  if (test_hooks::RecordHelp(topic->Address())) return true;
  if (!OpenHelpTopic(*topic))
    throw EHelpError("No program could open the help file \"" + topic->File + "\".");
  return true;
}

void TApplication::ShowException(const std::exception& e) {
  if (OnException) {
    OnException(this, e);
    return;
  }
  MessageDlg(e.what(), mtError, TMsgDlgButtons{mbOK}, 0);
}

void TApplication::HandleException() {
  // Showing the error must not throw again out of a handler guard.
  try {
    try {
      throw;
    } catch (const std::exception& e) {
      ShowException(e);
    } catch (...) {
      ShowException(Exception("An unknown error occurred."));
    }
  } catch (...) {
  }
}

void TApplication::ProcessMessages() { processEvents(QEventLoop::AllEvents); }

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    if (!receiver->isWidgetType()) return QApplication::notify(receiver, event);
    auto* widget = static_cast<QWidget*>(receiver);
    switch (event->type()) {
      case QEvent::KeyPress:
        if (TForm::RouteKey(widget, static_cast<QKeyEvent*>(event))) return true;
        break;
      case QEvent::InputMethod:
        TForm::RouteInputMethod(widget, static_cast<QInputMethodEvent*>(event));
        break;
      case QEvent::InputMethodQuery: {
        const bool handled = QApplication::notify(receiver, event);
        TForm::AnswerInputMethodQuery(widget, static_cast<QInputMethodQueryEvent*>(event));
        return handled;
      }
      default:
        break;
    }
    return QApplication::notify(receiver, event);
  } catch (...) {
    HandleException();
    return true;
  }
}

}  // namespace pictor
