#pragma once

#include <string>
#include <string_view>

namespace trimel {

// The text as valid UTF-8: every byte that is not part of a valid
// sequence becomes U+FFFD.
std::string toValidUtf8(std::string_view bytes);

// The text as a message box can show it: valid UTF-8 in which every byte that
// is not part of a valid sequence, and every control character (C0, DEL,
// C1: a NUL, a CR, a tab, a Ctrl-Z), becomes U+FFFD. File contents and
// names go through this before they are put into a message, so a message
// is never cut short or broken across lines by what a file holds.
std::string visibleText(std::string_view bytes);

}  // namespace trimel
