#pragma once

#include <QString>
#include <cstdint>

#include "domain/State.h"

namespace trimel::ui {

// The text a wheel list shows for wheel `index`: its index padded to three
// digits, a blank, then "<numbers>н-<tickets>к", e.g. "007 12н-22к".
QString wheelItemText(std::int32_t index, const Wheel& wheel);

// The wheel index an item names (its first three characters); false when
// they are not an integer.
bool wheelIndexOfItem(const QString& itemText, std::int32_t& index);

}  // namespace trimel::ui
