#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pravelo {
namespace {

bool fail(std::string* error, const std::string& what) {
  if (error) *error = what + ": " + std::strerror(errno);
  return false;
}

}  // namespace

bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::string* error) {
  std::string temp = target.string() + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return fail(error, temp);
  bool ok = true;
  std::size_t written = 0;
  while (ok && written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = fail(error, temp);
    } else {
      written += static_cast<std::size_t>(n);
    }
  }
  if (ok && ::fsync(fd) != 0) ok = fail(error, temp);
  // mkstemp creates the file readable only by its owner; keep the permissions of the file it
  // replaces, or give a new file the usual ones.
  if (ok) {
    struct stat previous;
    if (::stat(target.c_str(), &previous) == 0) {
      ::fchmod(fd, previous.st_mode & 07777);
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      ::fchmod(fd, 0666 & ~mask);
    }
  }
  if (::close(fd) != 0 && ok) ok = fail(error, temp);
  if (ok && std::rename(temp.c_str(), target.c_str()) != 0) ok = fail(error, target.string());
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // Make the rename itself durable.
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace pravelo
