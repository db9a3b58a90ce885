#include "astro/moon.h"

namespace ventorel {

void MoonPhases::beginPass() {}
void MoonPhases::moonPosition() {}
void MoonPhases::placeNewMoon(int) {}

}  // namespace ventorel
