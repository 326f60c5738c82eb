#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "State.h"

namespace trimel {

// Shown while loading goes on (a cut wheel, a full library).
using Notify = std::function<void(const std::string& message)>;

// Whether a file name fits ASys???.* as the wheel search matches it.
bool isWheelFileName(std::string_view name);

// The matching entries of a folder in load order (names compared without
// regard to case). A missing or unreadable folder gives none.
std::vector<std::string> wheelFileNames(const std::string& folder);

// Fills the wheel library from the folder. The first error ends the load
// and is thrown after the wheels read so far are stored; notices go to
// `notify` in the order they arise.
void loadWheelLibrary(AppState& state, const std::string& folder, const Notify& notify);

// Reads one wheel file into `wheel` as the library load reads each of its
// files; `name` is how notices call it. Errors are thrown as there, with
// what was read so far left in `wheel`; a field that does not convert is
// thrown with its place in the file.
void loadWheelFile(Wheel& wheel, const std::string& path, const std::string& name,
                   const Notify& notify);

}  // namespace trimel
