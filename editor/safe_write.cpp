#include "editor/safe_write.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "editor/file_names.h"
#include "host/graphics/errors.h"

namespace pictor {

namespace {

[[noreturn]] void Fail(const std::string& fileName, int error) {
  throw EWriteError("Cannot write " + fileName + ": " + std::strerror(error));
}

std::string FolderOf(const std::string& fileName) {
  const std::string folder = ExtractFileDir(fileName);
  return folder.empty() ? "." : folder;
}

// The mode a new file gets: read and write for everyone the umask allows.
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// A temporary file in the folder of target holding bytes, flushed to disk,
// with the given mode. Returns its name; removes it and throws on failure.
std::string WriteTemporary(const std::string& target, std::span<const std::uint8_t> bytes,
                           mode_t mode) {
  std::string name = FolderOf(target) + "/.pictor-XXXXXX";
  const int fd = mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) Fail(target, errno);
  int error = 0;
  for (std::size_t done = 0; done < bytes.size() && !error;) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n > 0)
      done += static_cast<std::size_t>(n);
    else if (n < 0 && errno != EINTR)
      error = errno;
  }
  if (!error && fchmod(fd, mode) != 0) error = errno;
  if (!error && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && !error) error = errno;
  if (error) {
    unlink(name.c_str());
    Fail(target, error);
  }
  return name;
}

// Makes the rename of an entry of the folder durable.
void SyncFolder(const std::string& fileName) {
  const int fd = open(FolderOf(fileName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// Gives temporary the name target unless a file of that name exists.
// Returns false when one exists; throws for any other failure.
bool RenameNoReplace(const std::string& temporary, const std::string& target) {
  if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
    return true;
  int error = errno;
  if (error == EINVAL || error == ENOSYS) {
    // A file system without that rename: a hard link fails the same way on an existing name.
    if (link(temporary.c_str(), target.c_str()) == 0) {
      unlink(temporary.c_str());
      return true;
    }
    error = errno;
  }
  if (error == EEXIST) return false;
  unlink(temporary.c_str());
  Fail(target, error);
}

}  // namespace

void ReplaceFileSafely(const std::string& fileName, std::span<const std::uint8_t> bytes) {
  std::string target = fileName;
  if (char* real = realpath(fileName.c_str(), nullptr)) {
    target = real;
    std::free(real);
  }
  struct stat old {};
  const bool exists = stat(target.c_str(), &old) == 0;
  // A rename would replace a file the user may not write; refuse as a write would.
  if (exists && access(target.c_str(), W_OK) != 0) Fail(fileName, errno);
  const mode_t mode = exists ? (old.st_mode & 07777) : NewFileMode();
  const std::string temporary = WriteTemporary(target, bytes, mode);
  if (rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    unlink(temporary.c_str());
    Fail(fileName, error);
  }
  SyncFolder(target);
}

std::string WriteNewFileSafely(const std::string& fileName, std::span<const std::uint8_t> bytes) {
  const std::string temporary = WriteTemporary(fileName, bytes, NewFileMode());
  const std::string stem = ChangeFileExt(fileName, "");
  const std::string ext = ExtractFileExt(fileName);
  for (int i = 0; i < 10000; ++i) {
    const std::string name = i == 0 ? fileName : stem + "-" + std::to_string(i) + ext;
    if (RenameNoReplace(temporary, name)) {
      SyncFolder(name);
      return name;
    }
  }
  unlink(temporary.c_str());
  Fail(fileName, EEXIST);
}

}  // namespace pictor
