// ReplaceFileContents on POSIX: fsync, rename, fsync of the folder.
#include "platform/replace_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace lunda {
namespace {

namespace fs = std::filesystem;

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  [[nodiscard]] int Get() const { return fd_; }

 private:
  int fd_;
};

std::error_code LastError() { return {errno, std::generic_category()}; }

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

// The temporary, locked for this writer. A writer that waited for the lock finds the file
// renamed away by the one before it, and starts again on a fresh one; the lock dies with its
// process, so a killed writer blocks nobody.
int OpenTemporary(const fs::path& temporary) {
  for (;;) {
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) return -1;
    struct stat opened {};
    struct stat named {};
    if (flock(fd, LOCK_EX) != 0 || fstat(fd, &opened) != 0) {
      const int error = errno;
      close(fd);
      errno = error;
      return -1;
    }
    if (lstat(temporary.c_str(), &named) == 0 && named.st_dev == opened.st_dev &&
        named.st_ino == opened.st_ino) {
      return fd;
    }
    close(fd);
  }
}

}  // namespace

bool ReplaceFileContents(const fs::path& target, std::span<const std::uint8_t> bytes,
                         std::error_code& error) {
  fs::path temporary = target;
  temporary += kReplacementSuffix;
  const Descriptor file(OpenTemporary(temporary));
  if (file.Get() < 0) {
    error = LastError();
    return false;
  }
  // Without the fsync a crash after the rename can leave the new name on empty or partial data.
  if (ftruncate(file.Get(), 0) != 0 || !WriteAll(file.Get(), bytes) || fsync(file.Get()) != 0 ||
      rename(temporary.c_str(), target.c_str()) != 0) {
    error = LastError();
    unlink(temporary.c_str());
    return false;
  }
  // The rename is an entry in the folder, which reaches the disk only with the folder. Some file
  // systems cannot flush a folder; the file is in place all the same.
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const Descriptor directory(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.Get() >= 0) fsync(directory.Get());
  error.clear();
  return true;
}

}  // namespace lunda
