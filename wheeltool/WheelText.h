#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "CoverSearch.h"

namespace trimel::wheels {

// "1 билет", "2 билета", "5 билетов": the count with the word's Russian
// form for it.
std::string counted(std::int64_t n, std::string_view one, std::string_view few,
                    std::string_view many);

// "Система на 22 числа: гарантия 3 при 6, 15 билетов"; in lower case to
// stand inside a sentence.
std::string wheelTitle(int v, int t, int tickets, bool lowerCase = false);

// The wheel file: the title, the header (numbers, tickets, guarantee, 0)
// and the tickets in ascending order as six two-digit positions.
std::string wheelFileText(int v, int t, const Tickets& tickets);

// The numbers of a mask over 0..v-1 as 1-based positions: "1 2 3 4 5 6".
std::string positionsText(std::uint64_t mask);

}  // namespace trimel::wheels
