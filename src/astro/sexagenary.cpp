#include "astro/sexagenary.h"

#include "data/numbers.h"

namespace ventorel {

namespace {
// Both remainders are taken twice so that negative counts land in 0..n-1.
int cyclePosition(double count, double length) { return static_cast<int>(modRoundHalfEven(modRoundHalfEven(count, length) + length, length)) + 1; }
}  // namespace

Sexagenary yearSexagenary(double year) { return {cyclePosition(year - 4, 10), cyclePosition(year - 4, 12)}; }

Sexagenary daySexagenary(double epochDays) { return {cyclePosition(epochDays, 10), cyclePosition(epochDays - 2, 12)}; }

}  // namespace ventorel
