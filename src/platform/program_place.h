// Where the running program lies, and the user's own folders.
#pragma once

#include <string>

namespace ventorel {

// The folder of the running executable (from /proc/self/exe), without a trailing
// separator; "" when it cannot be told.
std::string executableFolder();

// The folder for the user's settings: $XDG_CONFIG_HOME/ventorel, else
// $HOME/.config/ventorel; "" when neither variable is set. Not created.
std::string userSettingsFolder();

// Whether the file can be written by this process (it exists and is writable).
bool fileWritable(const std::string& path);

}  // namespace ventorel
