// The two sky sources of the classic calendar: the Kepler model walked day by day
// (terms and new moons), and the same model with the new moons of the shipped
// table instead of the computed ones.
#pragma once

#include "astro/year_sky.h"
#include "data/reference_data.h"

namespace ventorel {

// The Kepler model: the Sun and the Moon sampled at the end of every day.
class KeplerSky : public SkySource {
 public:
  explicit KeplerSky(const OrbitElements& orbit) : orbit_(orbit) {}
  YearSky year(double astronomicalYear) const override;

 private:
  const OrbitElements& orbit_;
};

// The Kepler model's terms with the new moons of the table: a day is a new-moon
// day when it carries the date of the table row expected next, starting at the
// first row of the year. A year without rows has no new moons.
class TableNewMoonSky : public SkySource {
 public:
  TableNewMoonSky(const OrbitElements& orbit, const NewMoonTable& table) : orbit_(orbit), table_(table) {}
  YearSky year(double astronomicalYear) const override;

 private:
  const OrbitElements& orbit_;
  const NewMoonTable& table_;
};

}  // namespace ventorel
