#include "data/places.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace ventorel {

namespace {

// The old Tokyo Astronomical Observatory (麻布), the almanac's 東京.
constexpr double TokyoLatitude = 35 + 39 / 60.0 + 29.1572 / 3600.0;
constexpr double TokyoLongitude = 139 + 44 / 60.0 + 28.8869 / 3600.0;

// The seats of the prefectural offices, to the arcsecond (data/README.md).
constexpr std::array<NamedPlace, 47> Places = {{
    {"札幌", "北海道", "sapporo", 43.06417, 141.34694},
    {"青森", "青森県", "aomori", 40.82444, 140.74},
    {"盛岡", "岩手県", "morioka", 39.70361, 141.1525},
    {"仙台", "宮城県", "sendai", 38.26889, 140.87194},
    {"秋田", "秋田県", "akita", 39.71861, 140.1025},
    {"山形", "山形県", "yamagata", 38.24056, 140.36333},
    {"福島", "福島県", "fukushima", 37.75, 140.46778},
    {"水戸", "茨城県", "mito", 36.34139, 140.44667},
    {"宇都宮", "栃木県", "utsunomiya", 36.56583, 139.88361},
    {"前橋", "群馬県", "maebashi", 36.39111, 139.06083},
    {"さいたま", "埼玉県", "saitama", 35.85694, 139.64889},
    {"千葉", "千葉県", "chiba", 35.60472, 140.12333},
    {"東京", "東京都", "tokyo", TokyoLatitude, TokyoLongitude},
    {"横浜", "神奈川県", "yokohama", 35.44778, 139.6425},
    {"新潟", "新潟県", "niigata", 37.90222, 139.02361},
    {"富山", "富山県", "toyama", 36.69528, 137.21139},
    {"金沢", "石川県", "kanazawa", 36.59444, 136.62556},
    {"福井", "福井県", "fukui", 36.06528, 136.22194},
    {"甲府", "山梨県", "kofu", 35.66389, 138.56833},
    {"長野", "長野県", "nagano", 36.65139, 138.18111},
    {"岐阜", "岐阜県", "gifu", 35.39111, 136.72222},
    {"静岡", "静岡県", "shizuoka", 34.97694, 138.38306},
    {"名古屋", "愛知県", "nagoya", 35.18028, 136.90667},
    {"津", "三重県", "tsu", 34.73028, 136.50861},
    {"大津", "滋賀県", "otsu", 35.00444, 135.86833},
    {"京都", "京都府", "kyoto", 35.02139, 135.75556},
    {"大阪", "大阪府", "osaka", 34.68639, 135.52},
    {"神戸", "兵庫県", "kobe", 34.69139, 135.18306},
    {"奈良", "奈良県", "nara", 34.68528, 135.83278},
    {"和歌山", "和歌山県", "wakayama", 34.22611, 135.1675},
    {"鳥取", "鳥取県", "tottori", 35.50361, 134.23833},
    {"松江", "島根県", "matsue", 35.47222, 133.05056},
    {"岡山", "岡山県", "okayama", 34.66167, 133.935},
    {"広島", "広島県", "hiroshima", 34.39639, 132.45944},
    {"山口", "山口県", "yamaguchi", 34.18583, 131.47139},
    {"徳島", "徳島県", "tokushima", 34.06583, 134.55944},
    {"高松", "香川県", "takamatsu", 34.34028, 134.04333},
    {"松山", "愛媛県", "matsuyama", 33.84167, 132.76611},
    {"高知", "高知県", "kochi", 33.55972, 133.53111},
    {"福岡", "福岡県", "fukuoka", 33.60639, 130.41806},
    {"佐賀", "佐賀県", "saga", 33.24944, 130.29889},
    {"長崎", "長崎県", "nagasaki", 32.74472, 129.87361},
    {"熊本", "熊本県", "kumamoto", 32.78972, 130.74167},
    {"大分", "大分県", "oita", 33.23806, 131.6125},
    {"宮崎", "宮崎県", "miyazaki", 31.91111, 131.42389},
    {"鹿児島", "鹿児島県", "kagoshima", 31.56028, 130.55806},
    {"那覇", "沖縄県", "naha", 26.2125, 127.68111},
}};

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

// A whole text as a finite decimal number.
std::optional<double> numberOf(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

}  // namespace

std::span<const NamedPlace> builtinPlaces() { return Places; }

Place defaultPlace() { return {"東京", TokyoLatitude, TokyoLongitude}; }

std::optional<Place> placeNamed(std::string_view text) {
  text = trimmed(text);
  const std::string latin = lowered(text);
  for (const NamedPlace& place : Places) {
    const std::string city = place.name;
    if (text == city || text == city + "市" || text == place.prefecture || latin == place.latin)
      return Place{place.name, place.latitude, place.longitude};
  }
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const std::optional<double> latitude = numberOf(text.substr(0, comma)), longitude = numberOf(text.substr(comma + 1));
  if (!latitude || !longitude || std::fabs(*latitude) > 90 || std::fabs(*longitude) > 180) return std::nullopt;
  return Place{std::string(trimmed(text.substr(0, comma))) + "," + std::string(trimmed(text.substr(comma + 1))),
               *latitude, *longitude};
}

}  // namespace ventorel
