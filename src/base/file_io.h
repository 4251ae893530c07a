#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pravelo {

// A regular file opened for reading. Folders, devices and pipes are refused before anything is
// read, since a device can deliver bytes without end and a pipe can keep a reader waiting; and
// reads stop at the size the file had when it was opened, so a file that grows meanwhile cannot
// make a reader allocate without bound.
class InputFile {
 public:
  enum class Status { Open, NotRegular, Unreadable };

  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  Status status() const { return status_; }
  // What is left of the size at opening.
  std::uint64_t remaining() const { return remaining_; }
  // Up to `count` more bytes, fewer when the file ends first; nothing when reading fails.
  std::optional<std::string> read(std::uint64_t count);

 private:
  int fd_ = -1;
  Status status_ = Status::Unreadable;
  std::uint64_t remaining_ = 0;
};

// The whole regular file, or nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

}  // namespace pravelo
