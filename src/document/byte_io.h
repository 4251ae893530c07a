#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "document/document_texts.h"
#include "document/file_format_error.h"

namespace pravelo {

// Fixed records (object image, board header) place little-endian numbers at known offsets.
template <typename T>
void storeAt(std::uint8_t* bytes, std::size_t offset, T value) {
  std::memcpy(bytes + offset, &value, sizeof(T));
}

template <typename T>
void loadAt(const std::uint8_t* bytes, std::size_t offset, T& value) {
  std::memcpy(&value, bytes + offset, sizeof(T));
}

// Appends little-endian numbers and raw bytes to a byte string.
class ByteWriter {
 public:
  explicit ByteWriter(std::string& out) : out_(out) {}

  template <typename T>
  void put(T value) {
    static_assert(std::is_arithmetic_v<T>);
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));  // the program only runs on little-endian machines
    out_.append(bytes, sizeof(T));
  }
  void putBytes(const void* data, std::size_t size) {
    out_.append(static_cast<const char*>(data), size);
  }
  void putZeros(std::size_t count) { out_.append(count, '\0'); }

 private:
  std::string& out_;
};

// Reads little-endian numbers and raw bytes from a byte string, checking every read against
// what remains; a short read is a format error that names the offset.
class ByteReader {
 public:
  explicit ByteReader(std::string_view data) : data_(data) {}

  std::size_t offset() const { return pos_; }
  std::size_t remaining() const { return data_.size() - pos_; }

  template <typename T>
  T get(const Text& what) {
    static_assert(std::is_arithmetic_v<T>);
    require(sizeof(T), what);
    T value;
    std::memcpy(&value, data_.data() + pos_, sizeof(T));
    pos_ += sizeof(T);
    return value;
  }
  std::string_view getBytes(std::size_t size, const Text& what) {
    require(size, what);
    std::string_view bytes = data_.substr(pos_, size);
    pos_ += size;
    return bytes;
  }
  // Throws unless `size` more bytes are left.
  void require(std::size_t size, const Text& what) const {
    if (size > remaining()) throw FileFormatError(texts::problemUnexpectedEnd, what, pos_);
  }

 private:
  std::string_view data_;
  std::size_t pos_ = 0;
};

}  // namespace pravelo
