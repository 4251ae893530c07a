#pragma once

#include <compare>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/size_fields.h"
#include "geometry/length_text.h"
#include "settings/settings.h"

namespace pravelo {

// The three favourites lists of the size column.
enum class FavouriteKind { Tracks, Pads, SmdPads };

// One entry in units: a track width (`second` unused, 0), a pad diameter and drill, or an SMD
// pad's size in x and y. Entries sort by the first value, then the second.
struct Favourite {
  int first = 0;
  int second = 0;
  friend auto operator<=>(const Favourite&, const Favourite&) = default;
};

struct Favourites {
  std::vector<Favourite> tracks;
  std::vector<Favourite> pads;
  std::vector<Favourite> smdPads;

  std::vector<Favourite>& operator[](FavouriteKind kind);
  const std::vector<Favourite>& operator[](FavouriteKind kind) const;
  friend bool operator==(const Favourites&, const Favourites&) = default;
};

// The stored text of a pair, "%%%" + first + "x" + second. A text that does not begin with
// "%%%" or has no "x" reads as 0 x 0; numbers that cannot be read give nothing.
std::optional<Favourite> parseFavouritePair(std::string_view text);
std::string favouritePairText(Favourite pair);

// The lists from the settings record, sorted. Entries that cannot be read, are negative or lie
// above their field's limit are dropped: a damaged file must not offer absurd sizes.
Favourites readFavourites(const FavouriteLists& stored);
// Puts the lists into the settings record, which writes each section anew.
void storeFavourites(const Favourites& lists, FavouriteLists& stored);

// The fields a list fills, and their current values.
std::vector<SizeField> favouriteFields(FavouriteKind kind);
Favourite currentFavourite(FavouriteKind kind, const SizeFields& fields);
// Puts a chosen entry into its fields and applies it to the selection; true when an object
// changed. An undo step is due first when `selectionHasKind` holds for the first field.
bool chooseFavourite(FavouriteKind kind, Favourite entry, SizeFields& fields, ObjectList& objects);

// The caption of an entry (also of the current values on the "Add" item).
std::string favouriteCaption(FavouriteKind kind, Favourite entry, LengthUnit unit);

// One entry as its menu shows it.
struct FavouriteItem {
  std::string caption;
  bool checked = false;  // equals the current values
  bool hidden = false;   // same caption as the entry before
};

// What a list's menu shows when it opens: the entries, then "Add" with the current values,
// enabled only when no entry is checked, and a "Remove" submenu with one item per entry.
struct FavouriteMenu {
  std::vector<FavouriteItem> entries;
  std::string addCaption;
  bool addEnabled = true;
};
FavouriteMenu favouriteMenu(FavouriteKind kind, const std::vector<Favourite>& list,
                            Favourite current, LengthUnit unit);

// Inserts at the sorted place.
void addFavourite(std::vector<Favourite>& list, Favourite entry);
void removeFavourite(std::vector<Favourite>& list, std::size_t index);

}  // namespace pravelo
