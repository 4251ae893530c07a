#include "app/colour_scheme_choice.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "app/options_texts.h"
#include "base/atomic_file.h"
#include "base/file_io.h"
#include "document/document_texts.h"

namespace pravelo {

namespace {

constexpr char kCustomColourFile[] = "COLORS.DAT";

}  // namespace

ColourSchemeChoice::ColourSchemeChoice(std::filesystem::path settingsFolder, int number)
    : folder_(std::move(settingsFolder)),
      number_(std::clamp(number, 0, kUserSchemes)),
      shown_(loadScheme(folder_, number_)) {}

bool ColourSchemeChoice::setColour(int slot, Rgb colour) {
  if (!editable() || slot < 0 || slot >= kSchemeSlots) return false;
  if (shown_.colours[static_cast<std::size_t>(slot)] == colour) return true;
  shown_.colours[static_cast<std::size_t>(slot)] = colour;
  changed_ = true;
  return true;
}

bool ColourSchemeChoice::resetToStandard() {
  if (!editable()) return false;
  const ColourScheme standard = standardScheme();
  changed_ = changed_ || standard.colours != shown_.colours;
  shown_ = standard;
  return true;
}

void ColourSchemeChoice::choose(int number, Host& host) {
  number = std::clamp(number, 0, kUserSchemes);
  if (number == number_) return;
  if (changed_ && host.ask(tr(texts::coloursChanged), tr(texts::productName), Buttons::YesNo,
                           MessageIcon::Question) == Answer::Yes) {
    save(host);
  }
  number_ = number;
  shown_ = loadScheme(folder_, number_);
  changed_ = false;
}

bool ColourSchemeChoice::finish(Host& host) { return !changed_ || save(host); }

bool ColourSchemeChoice::save(Host& host) {
  const std::filesystem::path file = userSchemeFile(folder_, number_);
  if (!writeSchemeFile(file, shown_)) {
    host.showMessage(fillIn(texts::schemeNotWritten, {file.string()}), tr(texts::productName),
                     MessageIcon::Error);
    return false;
  }
  changed_ = false;
  return true;
}

std::array<Rgb, kCustomColours> readCustomColours(const std::filesystem::path& settingsFolder) {
  const std::optional<std::string> bytes =
      readWholeFile((settingsFolder / kCustomColourFile).string());
  return customColoursFromBytes(bytes ? std::string_view(*bytes) : std::string_view());
}

std::array<Rgb, kCustomColours> customColoursFromBytes(std::string_view bytes) {
  std::array<Rgb, kCustomColours> colours;
  colours.fill({255, 255, 255});
  if (bytes.size() != 4 * kCustomColours) return colours;
  for (int i = 0; i < kCustomColours; ++i) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + 4 * i;
    colours[static_cast<std::size_t>(i)] = {p[0], p[1], p[2]};
  }
  return colours;
}

bool writeCustomColours(const std::filesystem::path& settingsFolder,
                        const std::array<Rgb, kCustomColours>& colours) {
  std::string bytes;
  for (const Rgb c : colours) {
    bytes += static_cast<char>(c.r);
    bytes += static_cast<char>(c.g);
    bytes += static_cast<char>(c.b);
    bytes += '\0';
  }
  return writeFileAtomically(settingsFolder / kCustomColourFile, bytes);
}

}  // namespace pravelo
