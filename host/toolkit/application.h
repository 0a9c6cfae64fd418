// TApplication: the program's QApplication. It runs the handlers of every
// control; an exception a handler throws is caught here and shown in an error
// message box, the way a host's message loop shows it, and goes no further.
#pragma once

#include <exception>
#include <functional>
#include <string>

#include <QApplication>

#include "host/graphics/errors.h"
#include "host/graphics/object.h"

namespace pictor {

// Help that cannot be shown: no help file, or nothing to open it with.
class EHelpError : public Exception {
  using Exception::Exception;
};

class TApplication : public QApplication, public TObject {
  Q_OBJECT

 public:
  // argc and argv must outlive the application, as with QApplication.
  TApplication(int& argc, char** argv);
  ~TApplication() override;
  const char* ClassName() const override { return "TApplication"; }

  // The folder of the running program's executable, with a trailing '/'.
  static std::string ExeDir();
  // Whether there is a window system to open: a platform named by
  // QT_QPA_PLATFORM other than xcb or wayland, else DISPLAY or WAYLAND_DISPLAY
  // set. Without one, constructing the application ends the process.
  static bool DisplayAvailable();
  std::string ExeName() const;

  // The help file used when the active form names none.
  std::string HelpFile;
  // Opens the help file of the active form (its HelpFile, else the
  // application's) at the topic context: a ".hlp" file through the HTML
  // manual beside it at the context's section (help_manual.h), any other
  // file whole, with the desktop's handler for it. Throws EHelpError naming
  // the path when the file does not exist or nothing can open it.
  bool HelpContext(int context);

  // Runs instead of the message box when set.
  std::function<void(TObject* Sender, const std::exception& E)> OnException;
  // Shows the exception's message in an error box (or runs OnException).
  void ShowException(const std::exception& e);
  // Shows the exception in flight; call from a catch block.
  void HandleException();

  void ProcessMessages();

  bool notify(QObject* receiver, QEvent* event) override;
};

// The application object (nullptr before one is made).
extern TApplication* Application;

// Runs fn; an exception it throws is shown by the application instead of
// leaving. Every place where Qt calls into handlers goes through it.
template <typename Fn>
void RunGuarded(Fn&& fn) {
  try {
    fn();
  } catch (...) {
    if (Application) Application->HandleException();
  }
}

}  // namespace pictor
