#include "document/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "document/document_texts.h"

namespace pravelo {
namespace {

// Closes the descriptor and removes the temporary file unless it was handed over.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) {
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
      name_ = target + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
      fd_ = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ < 0 && errno != EEXIST) break;
    }
  }
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!handedOver_) ::unlink(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  const std::string& name() const { return name_; }
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }
  void handOver() { handedOver_ = true; }

 private:
  std::string name_;
  int fd_ = -1;
  bool handedOver_ = false;
};

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Makes the rename itself durable.
void syncFolder(const std::string& path) {
  std::string folder = std::filesystem::path(path).parent_path().string();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  struct stat info;
  if (::fstat(fd, &info) == 0 && info.st_size > 0) {
    bytes.reserve(static_cast<std::size_t>(info.st_size));
  }
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

std::optional<Text> writeFileAtomically(const std::string& path, std::string_view bytes) {
  TemporaryFile temp(path);
  if (!temp.isOpen()) return texts::saveProblemCreate;
  // Keep the permissions of the file being replaced.
  struct stat previous;
  if (::stat(path.c_str(), &previous) == 0) ::fchmod(temp.fd(), previous.st_mode & 07777);
  if (!writeAll(temp.fd(), bytes) || ::fsync(temp.fd()) != 0 || !temp.close()) {
    return texts::saveProblemWrite;
  }
  if (::rename(temp.name().c_str(), path.c_str()) != 0) return texts::saveProblemReplace;
  temp.handOver();
  syncFolder(path);
  return std::nullopt;
}

}  // namespace pravelo
