// The 24 solar terms (二十四節気). Term k begins when the Sun's apparent longitude
// reaches 15 k degrees, k = 0 being 春分; the even terms are the 中気 of a month,
// the odd ones its 節気. Each term's longitude, month and kind are made here and
// nowhere else.
#pragma once

namespace ventorel {

enum class SolarTerm : int {
  Shunbun,    // 春分
  Seimei,     // 清明
  Kokuu,      // 穀雨
  Rikka,      // 立夏
  Shoman,     // 小満
  Boshu,      // 芒種
  Geshi,      // 夏至
  Shousho,    // 小暑
  Taisho,     // 大暑
  Risshu,     // 立秋
  Shosho,     // 処暑
  Hakuro,     // 白露
  Shubun,     // 秋分
  Kanro,      // 寒露
  Soko,       // 霜降
  Ritto,      // 立冬
  Shosetsu,   // 小雪
  Taisetsu,   // 大雪
  Toji,       // 冬至
  Shokan,     // 小寒
  Daikan,     // 大寒
  Risshun,    // 立春
  Usui,       // 雨水
  Keichitsu,  // 啓蟄
};

inline constexpr int SolarTermCount = 24;
inline constexpr int DegreesPerTerm = 15;

enum class TermKind { Sectional, Principal };  // 節気, 中気

// The term's number k, 0..23: the index of the sky's term tables.
constexpr int termIndex(SolarTerm term) { return static_cast<int>(term); }

// The term of number k; k in 0..23.
constexpr SolarTerm solarTermOf(int k) { return static_cast<SolarTerm>(k); }

// The Sun's apparent longitude at the term's beginning, in degrees: 0..345.
constexpr int longitudeOf(SolarTerm term) { return DegreesPerTerm * termIndex(term); }

constexpr TermKind kindOf(SolarTerm term) {
  return termIndex(term) % 2 == 0 ? TermKind::Principal : TermKind::Sectional;
}

// The month 1..12 whose 節気 or 中気 the term is: 春分 is the 中気 of the second
// month, 立春 the 節気 of the first.
constexpr int monthOf(SolarTerm term) { return ((termIndex(term) + 1) / 2 + 1) % 12 + 1; }

// The same for a term number k, 0..23, as the sky's tables hold them.
constexpr TermKind termKindOf(int k) { return kindOf(solarTermOf(k)); }
constexpr int termMonthOf(int k) { return monthOf(solarTermOf(k)); }
constexpr bool isPrincipalTerm(int k) { return termKindOf(k) == TermKind::Principal; }
constexpr bool isSectionalTerm(int k) { return termKindOf(k) == TermKind::Sectional; }

// The term after `term`, 啓蟄 followed by 春分.
constexpr SolarTerm nextTerm(SolarTerm term) { return solarTermOf((termIndex(term) + 1) % SolarTermCount); }

static_assert(monthOf(SolarTerm::Shunbun) == 2 && monthOf(SolarTerm::Risshun) == 1 && monthOf(SolarTerm::Toji) == 11 &&
              monthOf(SolarTerm::Shokan) == 12 && monthOf(SolarTerm::Usui) == 1);
static_assert(kindOf(SolarTerm::Toji) == TermKind::Principal && kindOf(SolarTerm::Risshun) == TermKind::Sectional);
static_assert(longitudeOf(SolarTerm::Risshun) == 315);

}  // namespace ventorel
