#include "data/places.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ventorel {
namespace {

TEST(Places, NamesAndCoordinatesAreRead) {
  struct Case {
    const char* text;
    std::optional<Place> expected;
  };
  const Place tokyo = defaultPlace();
  const Case cases[] = {
      {"東京", tokyo},
      {"東京都", tokyo},
      {"tokyo", tokyo},
      {"札幌市", Place{"札幌", 43.06417, 141.34694}},
      {" SAPPORO ", Place{"札幌", 43.06417, 141.34694}},
      {"大阪府", Place{"大阪", 34.68639, 135.52}},
      {"那覇", Place{"那覇", 26.2125, 127.68111}},
      {"35.5,139.25", Place{"35.5,139.25", 35.5, 139.25}},
      {"-33.9, +18.4", Place{"-33.9,+18.4", -33.9, 18.4}},
      {"90,-180", Place{"90,-180", 90, -180}},
      {"90.1,0", std::nullopt},
      {"0,180.5", std::nullopt},
      {"35,", std::nullopt},
      {"35,139,1", std::nullopt},
      {"nan,0", std::nullopt},
      {"1e400,0", std::nullopt},
      {"大阪市中央区", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(placeNamed(c.text), c.expected) << c.text;
}

TEST(Places, TheTableHoldsEachPrefectureOnceWithinJapan) {
  std::set<std::string> names, prefectures;
  for (const NamedPlace& p : builtinPlaces()) {
    names.insert(p.name);
    prefectures.insert(p.prefecture);
    EXPECT_TRUE(p.latitude > 24 && p.latitude < 46 && p.longitude > 122 && p.longitude < 146) << p.name;
    EXPECT_EQ(placeNamed(p.latin)->name, p.name);
  }
  EXPECT_EQ(builtinPlaces().size(), 47u);
  EXPECT_EQ(names.size(), 47u);
  EXPECT_EQ(prefectures.size(), 47u);
  EXPECT_NEAR(defaultPlace().latitude, 35.658099, 1e-6);
  EXPECT_NEAR(defaultPlace().longitude, 139.741357, 1e-6);
}

}  // namespace
}  // namespace ventorel
