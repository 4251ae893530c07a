#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings_store.h"

namespace pravelo {

// One key of a settings record: its name in the file and the member that holds it. A table of
// these lists a record's keys once, in the order they are written, for both reading and writing.
template <class Record>
struct SettingsKey {
  const char* name;
  std::variant<bool Record::*, int Record::*, std::string Record::*> member;
};

// The key named like the member, so that the two cannot drift apart.
#define PRAVELO_SETTINGS_KEY(Record, member) \
  ::pravelo::SettingsKey<Record> { #member, &Record::member }

inline bool readValue(const SettingsStore& store, std::string_view section, const char* key,
                      bool value) {
  return store.readBool(section, key, value);
}
inline int readValue(const SettingsStore& store, std::string_view section, const char* key,
                     int value) {
  return store.readInteger(section, key, value);
}
inline std::string readValue(const SettingsStore& store, std::string_view section, const char* key,
                             const std::string& value) {
  return store.readString(section, key, value);
}

inline void writeValue(SettingsStore& store, std::string_view section, const char* key,
                       bool value) {
  store.writeBool(section, key, value);
}
inline void writeValue(SettingsStore& store, std::string_view section, const char* key, int value) {
  store.writeInteger(section, key, value);
}
inline void writeValue(SettingsStore& store, std::string_view section, const char* key,
                       const std::string& value) {
  store.writeString(section, key, value);
}

// Reads each key of the table; a missing key keeps the member's current value.
template <class Record, std::size_t N>
void readKeys(const SettingsStore& store, std::string_view section,
              const SettingsKey<Record> (&keys)[N], Record& record) {
  for (const SettingsKey<Record>& key : keys) {
    std::visit(
        [&](auto member) { record.*member = readValue(store, section, key.name, record.*member); },
        key.member);
  }
}

template <class Record, std::size_t N>
void writeKeys(SettingsStore& store, std::string_view section, const SettingsKey<Record> (&keys)[N],
               const Record& record) {
  for (const SettingsKey<Record>& key : keys) {
    std::visit([&](auto member) { writeValue(store, section, key.name, record.*member); },
               key.member);
  }
}

}  // namespace pravelo
