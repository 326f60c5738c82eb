#pragma once

#include <string>

namespace trimel::ui {

// The application's title, on every message box the program shows, from
// the executable's path: the file name
// without its folder, cut at its first full stop, every character after
// the first in lower case.
std::string applicationTitle(const std::string& executablePath);

}  // namespace trimel::ui
