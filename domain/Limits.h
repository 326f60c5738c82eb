#pragma once

// Capacities of the domain tables. Every reader and the engine check
// against these, so no table is ever read or written out of bounds.
namespace trimel {

inline constexpr int kMaxDraws = 10000;     // draw records in the history
inline constexpr int kMaxDrawNumbers = 20;  // numbers one draw record holds (K)
inline constexpr int kMaxWheels = 100;      // wheels in the library
inline constexpr int kMaxTickets = 10000;   // ticket lines one wheel keeps
inline constexpr int kTicketPositions = 6;  // positions of one wheel ticket
inline constexpr int kFavourites = 100;     // favourite numbers (a part's list length)
inline constexpr int kPartListSize = 100;   // positions of a part's number list

}  // namespace trimel
