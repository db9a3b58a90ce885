// The font family the window writes Japanese with.
#pragma once

#include <QString>

namespace ventorel {

// IPAPGothic (the proportional Gothic closest to the window's original control
// font) when the machine has it, otherwise the first family that can write
// Japanese, preferring a Gothic (sans-serif) one; the application's default
// family when none can.
QString japaneseFontFamily();

}  // namespace ventorel
