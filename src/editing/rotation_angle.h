#pragma once

#include <array>
#include <optional>
#include <string>

namespace pravelo {

// The angle drop-down of the rotate button: four fixed angles, then the user's own angle.
inline constexpr std::array<double, 4> kPresetRotationAngles{90, 45, 15, 5};

// "90°", "22.5°": the angle to a thousandth of a degree, without trailing zeros.
std::string rotationAngleCaption(double degrees);
// The user entry shows its angle followed by " ...", since choosing it asks for a new one.
std::string userRotationAngleCaption(double degrees);

// An angle typed at the prompt: a number from -360 to 360, with a point or a comma, kept to a
// thousandth of a degree; nothing for anything else.
std::optional<double> parseUserRotationAngle(const std::string& typed);

}  // namespace pravelo
