#pragma once

#include <string>
#include <vector>

#include "CoverSearch.h"
#include "domain/State.h"

namespace trimel::wheels {

// A wheel file as the tool sees it, read by the program's own reader.
struct WheelFile {
    Wheel wheel;
    std::vector<std::string> notices;  // the reader's (a cut file)
    std::vector<std::string> faults;   // what is wrong with its header and tickets
    // The tickets the program plays (the first ticket-count of them) as
    // masks over positions 1..v (bit p - 1); positions outside 1..v are left out.
    Tickets tickets;
    bool usable() const { return notices.empty() && faults.empty(); }
};

// Reads and examines the file; read errors are thrown (AppError) with the
// reader's own message.
WheelFile readWheelFile(const std::string& path);

}  // namespace trimel::wheels
