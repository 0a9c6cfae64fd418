#include "app/file_names.h"

namespace pictor {

namespace {

std::string::size_type ExtensionStart(const std::string& fileName) {
  const auto slash = fileName.find_last_of('/');
  const auto dot = fileName.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    return fileName.size();
  return dot;
}

}  // namespace

std::string ExtractFileExt(const std::string& fileName) {
  return fileName.substr(ExtensionStart(fileName));
}

std::string ChangeFileExt(const std::string& fileName, const std::string& ext) {
  return fileName.substr(0, ExtensionStart(fileName)) + ext;
}

}  // namespace pictor
