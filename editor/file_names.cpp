#include "editor/file_names.h"

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

std::string LowerFileExt(const std::string& fileName) {
  std::string ext = ExtractFileExt(fileName);
  for (char& c : ext)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return ext;
}

std::string ChangeFileExt(const std::string& fileName, const std::string& ext) {
  return fileName.substr(0, ExtensionStart(fileName)) + ext;
}

std::string ExtractFileDir(const std::string& fileName) {
  const auto slash = fileName.find_last_of('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? "/" : fileName.substr(0, slash);
}

}  // namespace pictor
