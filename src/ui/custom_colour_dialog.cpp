#include "ui/custom_colour_dialog.h"

#include <QColorDialog>
#include <array>
#include <cstdint>

#include "app/colour_scheme_choice.h"

namespace pravelo {

std::optional<Rgb> chooseColourWithCustomColours(QWidget* parent,
                                                 const std::filesystem::path& settingsFolder,
                                                 Rgb current) {
  const std::array<Rgb, kCustomColours> custom = readCustomColours(settingsFolder);
  for (int i = 0; i < kCustomColours; ++i) {
    const Rgb c = custom[static_cast<std::size_t>(i)];
    QColorDialog::setCustomColor(i, QColor(c.r, c.g, c.b));
  }
  const QColor chosen = QColorDialog::getColor(QColor(current.r, current.g, current.b), parent);
  std::array<Rgb, kCustomColours> kept;
  for (int i = 0; i < kCustomColours; ++i) {
    const QColor c = QColorDialog::customColor(i);
    kept[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(c.red()),
                                         static_cast<std::uint8_t>(c.green()),
                                         static_cast<std::uint8_t>(c.blue())};
  }
  writeCustomColours(settingsFolder, kept);
  if (!chosen.isValid()) return std::nullopt;
  return Rgb{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
             static_cast<std::uint8_t>(chosen.blue())};
}

}  // namespace pravelo
