#pragma once

// Small builders for engine tests: the state is set up in memory, no files.

#include <initializer_list>
#include <vector>

#include "domain/State.h"

namespace trimel::testing {

inline Wheel makeWheel(int numberCount, std::initializer_list<Ticket> tickets,
                       int ticketCount = -1) {
    Wheel w;
    w.numberCount = numberCount;
    w.guarantee = 3;
    for (const Ticket& t : tickets) w.tickets.push_back(t);
    w.ticketCount = ticketCount >= 0 ? ticketCount : static_cast<int>(w.tickets.size());
    return w;
}

// A ticket from its six positions.
inline Ticket ticket(int a, int b, int c, int d, int e, int f) {
    return Ticket{0, a, b, c, d, e, f};
}

inline int addWheel(AppState& s, Wheel w) {
    s.wheels[static_cast<std::size_t>(++s.wheelCount)] = std::move(w);
    return s.wheelCount;
}

inline void addDraw(AppState& s, std::initializer_list<int> numbers) {
    tyr& d = s.draws[static_cast<std::size_t>(++s.D)];
    d.drawNumber = s.D;
    int p = 0;
    for (int x : numbers) d.numbers[static_cast<std::size_t>(++p)] = x;
}

inline void setFavourites(AppState& s, std::initializer_list<int> numbers) {
    s.favourites = {};
    int j = 0;
    for (int x : numbers) s.favourites[static_cast<std::size_t>(++j)] = x;
}

}  // namespace trimel::testing
