#include "app/write_check.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include "app/picture_file.h"
#include "editor/file_names.h"
#include "editor/safe_write.h"
#include "host/graphics/errors.h"

namespace pictor {
namespace {

void Require(const std::string& path, int mode, const std::string& what) {
  if (access(path.c_str(), mode) != 0)
    throw EWriteError("Cannot write " + what + ": " + std::strerror(errno));
}

std::string FolderOf(const std::string& fileName) {
  const std::string folder = ExtractFileDir(fileName);
  return folder.empty() ? "." : folder;
}

// The folders a recovery file may go to, the preferred one first.
std::vector<std::filesystem::path> RecoveryFolders() {
  std::vector<std::filesystem::path> folders;
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
    folders.push_back(std::filesystem::path(data) / "pictor");
  else if (const char* home = std::getenv("HOME"); home && *home)
    folders.push_back(std::filesystem::path(home) / ".local/share/pictor");
  std::error_code error;
  const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
  folders.push_back(error ? std::filesystem::path("/tmp") : temporary);
  return folders;
}

}  // namespace

void CheckWritable(const std::string& sourceFile) {
  if (sourceFile.empty()) {
    Require(".", W_OK | X_OK, "the changed sample into the current folder");
    return;
  }
  const std::optional<TPictureFormat> format = FormatOfFile(sourceFile);
  if (!format) return;
  if (WriteBackFormat(*format) != *format) {
    const std::string folder = FolderOf(sourceFile);
    Require(folder, W_OK | X_OK, "the edited picture as a bitmap into " + folder);
    return;
  }
  std::string target = sourceFile;
  if (char* real = realpath(sourceFile.c_str(), nullptr)) {
    target = real;
    std::free(real);
  }
  Require(target, W_OK, sourceFile);
  // The new content goes to a temporary file in the folder first.
  Require(FolderOf(target), W_OK | X_OK, sourceFile + " (its folder)");
}

std::string WriteRecoveryFile(const TPicture& picture, const std::string& sourceFile) {
  const TPictureFormat format = WriteBackFormat(
      sourceFile.empty() ? TPictureFormat::Bitmap
                         : FormatOfFile(sourceFile).value_or(TPictureFormat::Bitmap));
  const std::vector<std::uint8_t> bytes = EncodePicture(picture, format);
  const std::string base =
      sourceFile.empty() ? std::string("sample")
                         : std::filesystem::path(ChangeFileExt(sourceFile, "")).filename().string();
  const std::string name = base + "-recovered" + std::string(PictureFileTypeOf(format).extension);
  std::string failure;
  for (const std::filesystem::path& folder : RecoveryFolders()) {
    try {
      std::filesystem::create_directories(folder);
      return WriteNewFileSafely((folder / name).string(), bytes);
    } catch (const std::exception& e) {
      failure = e.what();
    }
  }
  throw EWriteError(failure);
}

}  // namespace pictor
