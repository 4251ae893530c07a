#include "base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace pravelo {

InputFile::InputFile(const std::string& path) {
  // Without O_NONBLOCK, opening a pipe waits for a writer.
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd_ < 0) return;
  struct stat info;
  if (::fstat(fd_, &info) != 0) return;
  if (!S_ISREG(info.st_mode)) {
    status_ = Status::NotRegular;
    return;
  }
  status_ = Status::Open;
  remaining_ = static_cast<std::uint64_t>(std::max<off_t>(info.st_size, 0));
}

InputFile::~InputFile() {
  if (fd_ >= 0) ::close(fd_);
}

std::optional<std::string> InputFile::read(std::uint64_t count) {
  if (status_ != Status::Open) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(std::min(count, remaining_)), '\0');
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t n = ::read(fd_, bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;  // the file was cut short meanwhile
    filled += static_cast<std::size_t>(n);
  }
  bytes.resize(filled);
  remaining_ -= filled;
  return bytes;
}

std::optional<std::string> readWholeFile(const std::string& path) {
  InputFile file(path);
  return file.read(file.remaining());
}

}  // namespace pravelo
