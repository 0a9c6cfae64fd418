#include "host/toolkit/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "host/toolkit/test_hooks.h"

namespace pictor {

bool OpenWithDesktop(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void ShellOpen(const std::string& path) {
  const QString file = QString::fromStdString(path);
  if (path.empty() || !QFileInfo::exists(file))
    throw EShellError("\"" + path + "\" does not exist.");
  if (test_hooks::RecordOpened(path)) return;
  if (!OpenWithDesktop(path))
    throw EShellError("No program could open \"" + path + "\".");
}

}  // namespace pictor
