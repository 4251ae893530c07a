#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "settings/ini_text.h"

namespace pravelo {

// The settings file: typed reads with defaults, and writes that go to the file at once. The
// file is UTF-8 text, because its folders and recent files are file-system paths, which are
// UTF-8 on Linux and often not representable in Windows-1252.
class SettingsStore {
 public:
  // A missing or damaged file gives an empty store, so that every read returns its default.
  // A file that exists but cannot be read is never overwritten: writes then fail.
  explicit SettingsStore(std::filesystem::path file);

  const std::filesystem::path& file() const { return file_; }

  std::string readString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // Decimal, blanks around the number allowed; anything else, or a number outside the int
  // range, gives the default.
  int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
  // Any integer other than 0 is true.
  bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;
  // C locale, whatever the user's locale.
  double readFloat(std::string_view section, std::string_view key, double defaultValue) const;
  bool hasSection(std::string_view section) const;
  bool hasKey(std::string_view section, std::string_view key) const;

  // Each write rewrites the file (temporary file and rename) unless writes are deferred;
  // false when the file could not be written.
  bool writeString(std::string_view section, std::string_view key, std::string_view value);
  bool writeInteger(std::string_view section, std::string_view key, int value);
  // "1" or "0".
  bool writeBool(std::string_view section, std::string_view key, bool value);
  // The shortest text that reads back as the same number.
  bool writeFloat(std::string_view section, std::string_view key, double value);
  bool eraseSection(std::string_view section);

 private:
  friend class DeferredWrites;
  bool changed();

  std::filesystem::path file_;
  IniText ini_;
  bool writable_ = true;
  int deferDepth_ = 0;
  bool pending_ = false;
};

// Collects the writes made while it lives into one rewrite of the file at its end: the
// shut-down writes several hundred keys.
class DeferredWrites {
 public:
  explicit DeferredWrites(SettingsStore& store);
  ~DeferredWrites();
  DeferredWrites(const DeferredWrites&) = delete;
  DeferredWrites& operator=(const DeferredWrites&) = delete;

 private:
  SettingsStore& store_;
};

}  // namespace pravelo
