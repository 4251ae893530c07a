#include "editing/favourites.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <utility>

namespace pravelo {

namespace {

constexpr std::string_view kPairPrefix = "%%%";

std::optional<int> parseInt(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || text.empty()) return std::nullopt;
  return value;
}

int fieldMax(SizeField f) { return static_cast<int>(mmToUnits(sizeFieldLimits(f).maxMm)); }

bool withinField(SizeField f, int units) { return units >= 0 && units <= fieldMax(f); }

// Keeps the readable entries that lie within their fields, sorted.
std::vector<Favourite> readPairs(const std::vector<std::string>& texts, SizeField firstField,
                                 SizeField secondField) {
  std::vector<Favourite> list;
  for (const std::string& text : texts) {
    const std::optional<Favourite> pair = parseFavouritePair(text);
    if (pair && withinField(firstField, pair->first) && withinField(secondField, pair->second)) {
      list.push_back(*pair);
    }
  }
  std::ranges::sort(list);
  return list;
}

std::string blanks(int n) { return std::string(static_cast<std::size_t>(std::max(n, 0)), ' '); }

// Short mm texts get two blanks so that the columns of the menu roughly line up.
std::string mmCaption(FavouriteKind kind, Favourite entry) {
  const std::string first = formatFixed(unitsToMm(entry.first), 2);
  const std::string padded = (first.size() <= 4 ? "  " : "") + first;
  if (kind == FavouriteKind::Tracks) return padded + "   mm";
  const std::string second = formatFixed(unitsToMm(entry.second), 2);
  return padded + "  x  " + second + (second.size() <= 4 ? "  " : "") + " mm";
}

std::string milCaption(FavouriteKind kind, Favourite entry) {
  const std::string first = formatFixed(mmToFieldMilLimit(unitsToMm(entry.first)), 1);
  const std::string padded = blanks(12 - 2 * static_cast<int>(first.size())) + first;
  if (kind == FavouriteKind::Tracks) return padded + "   mil";
  const std::string second = formatFixed(mmToFieldMilLimit(unitsToMm(entry.second)), 1);
  return padded + "  x  " + second + blanks(12 - 2 * static_cast<int>(second.size())) + " mil";
}

// mm entries match to the hundredth of a millimetre the fields show; mil entries within 24
// units, a little less than the tenth of a mil the fields show.
bool sameValue(int a, int b, LengthUnit unit) {
  if (unit == LengthUnit::Mil) return std::abs(static_cast<long long>(a) - b) <= 24;
  return roundHalfEven(a / 100.0) == roundHalfEven(b / 100.0);
}

}  // namespace

std::vector<Favourite>& Favourites::operator[](FavouriteKind kind) {
  switch (kind) {
    case FavouriteKind::Pads:
      return pads;
    case FavouriteKind::SmdPads:
      return smdPads;
    case FavouriteKind::Tracks:
      break;
  }
  return tracks;
}

const std::vector<Favourite>& Favourites::operator[](FavouriteKind kind) const {
  return const_cast<Favourites&>(*this)[kind];
}

std::optional<Favourite> parseFavouritePair(std::string_view text) {
  if (!text.starts_with(kPairPrefix)) return Favourite{};
  text.remove_prefix(kPairPrefix.size());
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return Favourite{};
  const std::optional<int> first = parseInt(text.substr(0, x));
  const std::optional<int> second = parseInt(text.substr(x + 1));
  if (!first || !second) return std::nullopt;
  return Favourite{*first, *second};
}

std::string favouritePairText(Favourite pair) {
  return std::string(kPairPrefix) + std::to_string(pair.first) + "x" + std::to_string(pair.second);
}

Favourites readFavourites(const FavouriteLists& stored) {
  Favourites lists;
  for (int width : stored.trackWidths) {
    if (withinField(SizeField::Breite, width)) lists.tracks.push_back({width, 0});
  }
  std::ranges::sort(lists.tracks);
  lists.pads = readPairs(stored.padSizes, SizeField::Aussen, SizeField::Innen);
  lists.smdPads = readPairs(stored.smdPadSizes, SizeField::SMDPad_X, SizeField::SMDPad_Y);
  return lists;
}

void storeFavourites(const Favourites& lists, FavouriteLists& stored) {
  stored.trackWidths.clear();
  for (Favourite entry : lists.tracks) stored.trackWidths.push_back(entry.first);
  stored.padSizes.clear();
  for (Favourite entry : lists.pads) stored.padSizes.push_back(favouritePairText(entry));
  stored.smdPadSizes.clear();
  for (Favourite entry : lists.smdPads) stored.smdPadSizes.push_back(favouritePairText(entry));
}

std::vector<SizeField> favouriteFields(FavouriteKind kind) {
  switch (kind) {
    case FavouriteKind::Pads:
      return {SizeField::Aussen, SizeField::Innen};
    case FavouriteKind::SmdPads:
      return {SizeField::SMDPad_X, SizeField::SMDPad_Y};
    case FavouriteKind::Tracks:
      break;
  }
  return {SizeField::Breite};
}

Favourite currentFavourite(FavouriteKind kind, const SizeFields& fields) {
  const std::vector<SizeField> f = favouriteFields(kind);
  return {fields[f[0]], f.size() > 1 ? fields[f[1]] : 0};
}

bool chooseFavourite(FavouriteKind kind, Favourite entry, SizeFields& fields, ObjectList& objects) {
  const std::vector<SizeField> f = favouriteFields(kind);
  bool changed = changeSizeField(fields, f[0], entry.first, objects);
  if (f.size() > 1) changed |= changeSizeField(fields, f[1], entry.second, objects);
  return changed;
}

std::string favouriteCaption(FavouriteKind kind, Favourite entry, LengthUnit unit) {
  return unit == LengthUnit::Mil ? milCaption(kind, entry) : mmCaption(kind, entry);
}

FavouriteMenu favouriteMenu(FavouriteKind kind, const std::vector<Favourite>& list,
                            Favourite current, LengthUnit unit) {
  FavouriteMenu menu;
  for (Favourite entry : list) {
    FavouriteItem item;
    item.caption = favouriteCaption(kind, entry, unit);
    item.checked = sameValue(entry.first, current.first, unit) &&
                   sameValue(entry.second, current.second, unit);
    item.hidden = !menu.entries.empty() && menu.entries.back().caption == item.caption;
    if (item.checked) menu.addEnabled = false;
    menu.entries.push_back(std::move(item));
  }
  menu.addCaption = favouriteCaption(kind, current, unit);
  return menu;
}

void addFavourite(std::vector<Favourite>& list, Favourite entry) {
  list.insert(std::ranges::upper_bound(list, entry), entry);
}

void removeFavourite(std::vector<Favourite>& list, std::size_t index) {
  if (index < list.size()) list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace pravelo
