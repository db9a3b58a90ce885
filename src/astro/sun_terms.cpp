#include "astro/sun_terms.h"

namespace ventorel {

void SunTerms::beginPass() {}
void SunTerms::sunPosition() {}
void SunTerms::placeTerm(int) {}

}  // namespace ventorel
