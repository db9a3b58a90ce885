#include "classic/sun_terms.h"

#include <cmath>

#include "classic/orbit.h"
#include "data/numbers.h"
#include "data/solar_term.h"

namespace ventorel {

namespace {

// Just above the Sun's daily motion near the equinox in most centuries: the first
// longitude after the wrap through 0 lies below it.
constexpr double WrapThreshold = 0.992;

// 入梅 and 半夏生: the first day with the Sun strictly within the degree above these.
constexpr double NyubaiFrom = 80;
constexpr double HangeshoFrom = 100;

}  // namespace

SunTerms::SunTerms(double tYears)
    // The node at the pass start is the equinox of the whole pass, although the
    // node keeps moving during the year.
    : equinoxReference_(equinoxNode(tYears)) {}

double SunTerms::perihelionOffsetAt(double tYears) { return sunPerihelionOffset(sunEccentricity(tYears)); }

void SunTerms::sample(double eclipticLongitude) {
  previousTermLongitude_ = termLongitude_;
  termLongitude_ = termLongitudeOf(eclipticLongitude);
}

double SunTerms::termLongitudeOf(double eclipticLongitude) const {
  double longitude = eclipticLongitude - equinoxReference_;
  if (longitude < 0) longitude = longitude + 360;
  if (longitude > 360) longitude = longitude - 360;
  return longitude;
}

bool SunTerms::decidesNear(double termLongitude, double margin) {
  // Every term's 15 degrees (0 and 360 among them, where the corrections above
  // also turn), the wrap threshold and the summer days' bounds.
  if (offMultiple(termLongitude, DegreesPerTerm) < margin) return true;
  for (const double bound : {WrapThreshold, NyubaiFrom, NyubaiFrom + 1, HangeshoFrom, HangeshoFrom + 1})
    if (std::fabs(termLongitude - bound) < margin) return true;
  return false;
}

bool SunTerms::dayStepIsClear(double margin) const {
  return std::fabs(termLongitude_ - previousTermLongitude_) > 2 * margin;
}

void SunTerms::recogniseWrap(int b) {
  if (equinoxSeen_ != 0) return;
  // The first longitude after the wrap is normally below the threshold. Where the
  // Sun moves faster than that (from the middle of the 21st century on) and the
  // wrap falls just after midnight, the first value after it is above; the fall
  // against the day before still shows the wrap, so term 0 and every term after it
  // are placed in those years too.
  const bool belowThreshold = termLongitude_ < WrapThreshold;
  const bool fellSinceYesterday = b >= 1 && termLongitude_ < previousTermLongitude_;
  if (belowThreshold || fellSinceYesterday) {
    nextTerm_ = 0;
    equinoxSeen_ = 1;
  }
}

SunDay SunTerms::place(int b) {
  recogniseWrap(b);
  SunDay day;
  // Day 0 only sets the term to wait for: the one after the current longitude.
  if (b == 0) nextTerm_ = static_cast<int>(toIndex(floorInt(termLongitude_ / DegreesPerTerm) + 1));
  if (nextTerm_ > SolarTermCount) nextTerm_ = nextTerm_ - SolarTermCount;
  if (termLongitude_ > DegreesPerTerm * nextTerm_) {
    day.term = nextTerm_;
    nextTerm_ = nextTerm_ + 1;
  }
  // The first day strictly within the degree above 80 and 100 (a day 0 there does not count as found).
  if (nyubaiDay_ == 0 && termLongitude_ > NyubaiFrom && termLongitude_ < NyubaiFrom + 1) {
    nyubaiDay_ = b;
    day.nyubai = true;
  }
  if (hangeshoDay_ == 0 && termLongitude_ > HangeshoFrom && termLongitude_ < HangeshoFrom + 1) {
    hangeshoDay_ = b;
    day.hangesho = true;
  }
  return day;
}

}  // namespace ventorel
