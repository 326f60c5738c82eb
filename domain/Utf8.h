#pragma once

#include <string>
#include <string_view>

namespace trimel {

// The text as valid UTF-8: every byte that is not part of a valid
// sequence becomes U+FFFD. File contents go through this before they are
// put into a message.
std::string toValidUtf8(std::string_view bytes);

}  // namespace trimel
