#pragma once

#include <QString>
#include <cstdint>

#include "domain/State.h"

namespace trimel::ui {

// The text a wheel list shows for wheel `index`: its index padded to three
// digits, a blank, then "<numbers>н-<tickets>к", e.g. "007 12н-22к".
QString wheelItemText(std::int32_t index, const Wheel& wheel);

// The item data role of a wheel list item that holds its wheel's index.
inline constexpr int kWheelIndexRole = Qt::UserRole;

}  // namespace trimel::ui
