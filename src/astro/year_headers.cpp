#include "astro/year_headers.h"

namespace ventorel {

void setPassHeaderStyle(const RunState&, Surface&) {}
void printYearHeaders(const RunState&, Surface&) {}

}  // namespace ventorel
