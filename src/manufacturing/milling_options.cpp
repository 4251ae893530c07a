#include "manufacturing/milling_options.h"

#include <algorithm>

namespace pravelo {
namespace {

// The dialog's limits; a hand-edited settings file must not make a cutter wider than the
// field allows or name a hole method that does not exist.
constexpr std::int32_t kMillCutterLimit = 50000;
constexpr std::int32_t kMillReferenceDistanceLimit = 300000;

}  // namespace

MillingOptions millingOptions(const MillingSettings& s, bool camOrigin) {
  MillingOptions o;
  o.width = std::clamp(s.Breite, 0, kMillCutterLimit);
  o.circleWidth = std::clamp(s.CI_Breite, 0, kMillCutterLimit);
  o.holes = static_cast<HoleMethod>(std::clamp(s.BohrenArt, 0, 2));
  o.referenceHoles = {s.Passbohrung1, s.Passbohrung2, s.Passbohrung3, s.Passbohrung4,
                      s.Passbohrung5, s.Passbohrung6, s.Passbohrung7, s.Passbohrung8};
  o.referenceDistance = std::clamp(s.PassbohrungenAbstand, 0, kMillReferenceDistanceLimit);
  o.minimumFeed = s.Vorschub;
  o.unit = s.Skalierung == 0 ? HpglUnit::Mil : HpglUnit::Fortieth;
  o.jobList = s.Jobliste;
  o.separateFiles = s.GetrennteDateien;
  o.camOrigin = camOrigin;
  return o;
}

void storeMillingOptions(const MillingOptions& o, MillingSettings& s) {
  s.Breite = o.width;
  s.CI_Breite = o.circleWidth;
  s.BohrenArt = static_cast<int>(o.holes);
  s.Passbohrung1 = o.referenceHoles[0];
  s.Passbohrung2 = o.referenceHoles[1];
  s.Passbohrung3 = o.referenceHoles[2];
  s.Passbohrung4 = o.referenceHoles[3];
  s.Passbohrung5 = o.referenceHoles[4];
  s.Passbohrung6 = o.referenceHoles[5];
  s.Passbohrung7 = o.referenceHoles[6];
  s.Passbohrung8 = o.referenceHoles[7];
  s.PassbohrungenAbstand = o.referenceDistance;
  s.Vorschub = o.minimumFeed;
  s.Skalierung = static_cast<int>(o.unit);
  s.Jobliste = o.jobList;
  s.GetrennteDateien = o.separateFiles;
}

MillMirror sideMirror(const MillingOptions& options, MillSide side) {
  return side == MillSide::Bottom ? options.mirrorC2 : options.mirrorC1;
}

}  // namespace pravelo
