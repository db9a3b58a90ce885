// The stylesheet the calendar page embeds: one block, no external resources.
#pragma once

#include <string_view>

namespace ventorel {

// The CSS of the page: Sundays and holidays red, Saturdays blue, a heading row at
// each month, a column header that sticks on screen and repeats on every printed
// page, A4 portrait print with each month on a new page, and a dark scheme.
std::string_view pageStyle();

}  // namespace ventorel
