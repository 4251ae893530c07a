#include "settings/settings_store.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <system_error>

#include "base/atomic_file.h"

namespace pravelo {
namespace {

// A real settings file holds a few kilobytes; anything far larger is not one.
constexpr std::uintmax_t kMaxFileSize = 1 << 20;

enum class ReadResult { Read, Missing, Unreadable };

ReadResult readFile(const std::filesystem::path& file, std::string& bytes) {
  std::error_code ec;
  const bool exists = std::filesystem::exists(file, ec);
  if (ec) return ReadResult::Unreadable;
  if (!exists) return ReadResult::Missing;
  if (!std::filesystem::is_regular_file(file, ec)) return ReadResult::Unreadable;
  const std::uintmax_t size = std::filesystem::file_size(file, ec);
  if (ec) return ReadResult::Unreadable;
  if (size > kMaxFileSize) return ReadResult::Missing;  // damaged: start afresh
  std::ifstream in(file, std::ios::binary);
  if (!in) return ReadResult::Unreadable;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return ReadResult::Unreadable;
  return ReadResult::Read;
}

// Parses all of `text` as a T, or fails.
template <typename T>
bool parseAll(std::string_view text, T& value) {
  text = trimmed(text);
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

SettingsStore::SettingsStore(std::filesystem::path file) : file_(std::move(file)) {
  std::string bytes;
  switch (readFile(file_, bytes)) {
    case ReadResult::Read:
      ini_ = parseIni(bytes);
      break;
    case ReadResult::Missing:
      break;
    case ReadResult::Unreadable:
      writable_ = false;
      break;
  }
}

std::string SettingsStore::readString(std::string_view section, std::string_view key,
                                      std::string_view defaultValue) const {
  const std::string* value = findIniValue(ini_, section, key);
  return std::string(value ? std::string_view(*value) : defaultValue);
}

int SettingsStore::readInteger(std::string_view section, std::string_view key,
                               int defaultValue) const {
  const std::string* text = findIniValue(ini_, section, key);
  int value = 0;
  return text && parseAll(*text, value) ? value : defaultValue;
}

bool SettingsStore::readBool(std::string_view section, std::string_view key,
                             bool defaultValue) const {
  return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

double SettingsStore::readFloat(std::string_view section, std::string_view key,
                                double defaultValue) const {
  const std::string* text = findIniValue(ini_, section, key);
  double value = 0;
  return text && parseAll(*text, value) && std::isfinite(value) ? value : defaultValue;
}

bool SettingsStore::hasSection(std::string_view section) const {
  return hasIniSection(ini_, section);
}

bool SettingsStore::hasKey(std::string_view section, std::string_view key) const {
  return findIniValue(ini_, section, key) != nullptr;
}

bool SettingsStore::writeString(std::string_view section, std::string_view key,
                                std::string_view value) {
  setIniValue(ini_, section, key, value);
  return changed();
}

bool SettingsStore::writeInteger(std::string_view section, std::string_view key, int value) {
  return writeString(section, key, std::to_string(value));
}

bool SettingsStore::writeBool(std::string_view section, std::string_view key, bool value) {
  return writeString(section, key, value ? "1" : "0");
}

bool SettingsStore::writeFloat(std::string_view section, std::string_view key, double value) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return writeString(section, key, std::string_view(buffer, end - buffer));
}

bool SettingsStore::eraseSection(std::string_view section) {
  eraseIniSection(ini_, section);
  return changed();
}

bool SettingsStore::changed() {
  if (deferDepth_ > 0) {
    pending_ = true;
    return true;
  }
  pending_ = false;
  return writable_ && writeFileAtomically(file_, formatIni(ini_));
}

DeferredWrites::DeferredWrites(SettingsStore& store) : store_(store) { ++store_.deferDepth_; }

DeferredWrites::~DeferredWrites() {
  if (--store_.deferDepth_ == 0 && store_.pending_) store_.changed();
}

}  // namespace pravelo
