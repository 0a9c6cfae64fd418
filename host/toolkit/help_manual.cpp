#include "host/toolkit/help_manual.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace pictor {

namespace {

bool IsFile(const std::string& path) { return QFileInfo(QString::fromStdString(path)).isFile(); }

}  // namespace

std::optional<THelpTopic> FindHelpTopic(const std::string& helpFile, int context) {
  const QFileInfo info(QString::fromStdString(helpFile));
  if (info.suffix().compare("hlp", Qt::CaseInsensitive) == 0) {
    const std::string manual =
        info.dir().filePath(info.completeBaseName() + ".html").toStdString();
    if (IsFile(manual)) return THelpTopic{manual, "context-" + std::to_string(context)};
  }
  if (IsFile(helpFile)) return THelpTopic{helpFile, ""};
  return std::nullopt;
}

bool OpenHelpTopic(const THelpTopic& topic) {
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(topic.File));
  if (!topic.Section.empty()) url.setFragment(QString::fromStdString(topic.Section));
  return QDesktopServices::openUrl(url);
}

}  // namespace pictor
