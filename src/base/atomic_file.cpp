#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace pravelo {
namespace {

namespace fs = std::filesystem;

// As many links as the system follows in one path.
constexpr int kMaxLinks = 40;

bool fail(std::error_code* error) {
  if (error) *error = std::error_code(errno, std::generic_category());
  return false;
}

// The file that a write to `file` replaces: a symbolic link is followed, also a dangling one,
// whose target the write then creates.
bool followLinks(fs::path& file, std::error_code* error) {
  // When the status cannot be read, creating the temporary file tells why.
  std::error_code ignored;
  for (int links = 0; fs::is_symlink(file, ignored); ++links) {
    if (links == kMaxLinks) {
      if (error) *error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
      return false;
    }
    std::error_code readError;
    const fs::path link = fs::read_symlink(file, readError);
    if (readError) {
      if (error) *error = readError;
      return false;
    }
    file = link.is_absolute() ? link : file.parent_path() / link;
  }
  return true;
}

}  // namespace

bool writeFileAtomically(const fs::path& path, std::string_view bytes, std::error_code* error) {
  fs::path target = path;
  if (!followLinks(target, error)) return false;
  std::string temp = target.string() + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return fail(error);
  bool ok = true;
  std::size_t written = 0;
  while (ok && written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;  // no progress and no reason given
      ok = fail(error);
    } else {
      written += static_cast<std::size_t>(n);
    }
  }
  if (ok && ::fsync(fd) != 0) ok = fail(error);
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
  if (::close(fd) != 0 && ok) ok = fail(error);
  if (ok && std::rename(temp.c_str(), target.c_str()) != 0) ok = fail(error);
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // Make the rename itself durable.
  const fs::path folder = target.has_parent_path() ? target.parent_path() : ".";
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace pravelo
