// The places the almanac computes sunrise, sunset and the Moon's rise and set
// for: the old Tokyo Astronomical Observatory site, which the national almanac
// takes as 東京, and the seats of the other prefectural offices (data/README.md
// gives the source). A place is also accepted as "LAT,LON" in degrees.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ventorel {

struct Place {
  std::string name;      // 東京, 札幌, ...; for "LAT,LON" the text as normalised
  double latitude = 0;   // degrees, north positive, -90..90
  double longitude = 0;  // degrees, east positive, -180..180
  bool operator==(const Place&) const = default;
};

// A built-in place: its name as the list shows it, the prefecture, a Latin
// spelling for the command line, and the position.
struct NamedPlace {
  const char* name;        // the city: 札幌, 青森, ... (東京: the observatory site)
  const char* prefecture;  // 北海道, 青森県, ...
  const char* latin;       // sapporo, aomori, ...
  double latitude;
  double longitude;
};

// The 47 built-in places, in the order of the prefecture codes (北海道 first).
std::span<const NamedPlace> builtinPlaces();

// 東京 as the almanac takes it: 139°44′28.8869″E, 35°39′29.1572″N.
Place defaultPlace();

// The place a text names: a built-in city with or without 市 (札幌, 札幌市), its
// prefecture (北海道), its Latin name in any case (Sapporo), or "LAT,LON" in
// degrees (north and east positive; latitude within ±90, longitude within ±180).
// Nothing for any other text.
std::optional<Place> placeNamed(std::string_view text);

}  // namespace ventorel
