#include "output/page_style.h"

namespace ventorel {

namespace {

// Class names the page renderer sets:
//   tr.day (.sun .sat .holiday), tr.month-heading, td.date .weekday .holiday
//   .note .lunar .rekichu (span.month-sign .kou .marks) .sunrise; .instant for a JST time; nav.years;
//   header.year-header; section.eclipses.
constexpr std::string_view Style = R"css(
:root {
  color-scheme: light dark;
  --fg: #1b1b1b; --bg: #ffffff; --muted: #5f6368; --rule: #d0d4d9;
  --head-bg: #eef1f5; --month-bg: #f7f3e8; --link: #1a4fa0;
  --red: #c4001a; --blue: #0047b3; --red-bg: #fff1f2; --blue-bg: #f1f5ff;
}
@media (prefers-color-scheme: dark) {
  :root {
    --fg: #e6e6e6; --bg: #15171a; --muted: #a0a6ad; --rule: #3a3f45;
    --head-bg: #23272c; --month-bg: #2a2720; --link: #8ab4f8;
    --red: #ff7a85; --blue: #7fb0ff; --red-bg: #2d1a1d; --blue-bg: #1a2130;
  }
}
html {
  font-family: "Noto Sans CJK JP", "Noto Sans JP", "IPAexGothic", "IPAGothic", "IPAPGothic",
    "Hiragino Sans", "Yu Gothic", "Meiryo", sans-serif;
  font-size: 15px; line-height: 1.5; color: var(--fg); background: var(--bg);
}
body { margin: 0 auto; padding: 0 1rem 2rem; max-width: 72rem; }
a { color: var(--link); text-decoration-thickness: 1px; text-underline-offset: 2px; }
nav.years { display: flex; justify-content: space-between; padding: .5rem 0; font-size: .9rem; }
nav.years a { text-decoration: none; }
header.year-header h1 { font-size: 1.5rem; font-weight: 600; margin: .25rem 0; }
header.year-header p { margin: .2rem 0; }
header.year-header .basis { color: var(--muted); font-size: .85rem; }
table.calendar { border-collapse: separate; border-spacing: 0; width: 100%; margin-top: 1rem; }
table.calendar th, table.calendar td {
  padding: .2rem .5rem; border-bottom: 1px solid var(--rule); text-align: left; vertical-align: top;
}
table.calendar thead th {
  position: sticky; top: 0; z-index: 1; background: var(--head-bg); font-weight: 600;
  border-bottom: 2px solid var(--muted); white-space: nowrap;
}
table.calendar thead a { color: inherit; }
tr.month-heading td { background: var(--month-bg); padding: .9rem .5rem .3rem; border-bottom: 2px solid var(--muted); }
tr.month-heading h2 { font-size: 1.2rem; margin: 0; }
tbody.month:first-of-type tr.month-heading td { padding-top: .4rem; }
td.year { color: var(--muted); }
td.year, td.date, td.weekday, td.wareki, td.holiday, td.rokuyo, td.lunar, td.kanshi { white-space: nowrap; }
td.wareki { font-size: .9rem; font-variant-numeric: tabular-nums; }
td.date, td.lunar { font-variant-numeric: tabular-nums; }
tr.day td.date a, tr.day td.weekday a, tr.day td.holiday a { color: inherit; }
tr.sat td.date, tr.sat td.weekday { color: var(--blue); }
tr.sat td.date, tr.sat td.weekday { background: var(--blue-bg); }
tr.sun td.date, tr.sun td.weekday, tr.holiday td.date, tr.holiday td.weekday, tr.holiday td.holiday {
  color: var(--red); background: var(--red-bg);
}
.instant { color: var(--muted); font-variant-numeric: tabular-nums; white-space: nowrap; }
td.senjitsu a { white-space: nowrap; }
td.sunrise { color: var(--muted); font-variant-numeric: tabular-nums; white-space: nowrap; }
section.eclipses h2 { font-size: 1em; margin: 0.5em 0 0.2em; }
section.eclipses ul { margin: 0 0 0.8em; }
td.rekichu { font-size: .8rem; color: var(--muted); white-space: nowrap; }
td.rekichu span { margin-left: .5em; }
@page { size: A4 portrait; margin: 10mm 9mm 12mm; }
@media print {
  :root {
    --fg: #000; --bg: #fff; --muted: #555; --rule: #bbb; --head-bg: #e8e8e8; --month-bg: #f3f3f3;
    --link: #000; --red: #c00; --blue: #0645ad; --red-bg: transparent; --blue-bg: transparent;
  }
  html { font-size: 9.5pt; line-height: 1.3; -webkit-print-color-adjust: exact; print-color-adjust: exact; }
  body { max-width: none; padding: 0; }
  nav.years, nav.months { display: none; }
  a { text-decoration: none; }
  table.calendar { margin-top: 2mm; }
  table.calendar thead { display: table-header-group; }
  table.calendar thead th { position: static; }
  table.calendar th, table.calendar td { padding: .7mm 1.5mm; }
  tr.month-heading td { padding: 1.5mm 1.5mm .8mm; }
  tr.month-heading h2 { font-size: 11pt; }
  .instant { display: block; }
  section.eclipses { font-size: 8pt; line-height: 1.2; }
  section.eclipses h2 { display: inline; font-size: 8pt; margin: 0; }
  section.eclipses ul { display: inline; margin: 0; padding: 0; }
  section.eclipses li { display: inline; margin-left: 2mm; }
  section.eclipses .instant { display: inline; }
  /* A sheet a month leaves no room for the 暦注: the screen and the data files have them. */
  td.rekichu, th.rekichu { display: none; }
  tbody.month + tbody.month { break-before: page; }
  tr { break-inside: avoid; }
}
)css";

}  // namespace

std::string_view pageStyle() { return Style; }

}  // namespace ventorel
