// The settings reader takes any bytes; what it writes back reads back to the same text, and a
// value set in it can be found again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/ini_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  pravelo::IniText ini = pravelo::parseIni(bytes);
  const std::string once = pravelo::formatIni(ini);
  if (pravelo::formatIni(pravelo::parseIni(once)) != once) std::abort();

  pravelo::setIniValue(ini, "Window", "WindowMax", "1");
  const std::string* value = pravelo::findIniValue(ini, "WINDOW", "windowmax");
  if (!value || *value != "1") std::abort();
  pravelo::eraseIniSection(ini, "Window");
  if (pravelo::hasIniSection(ini, "Window")) std::abort();
  return 0;
}
