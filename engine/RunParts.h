#pragma once

#include <algorithm>
#include <cstdint>

#include "domain/Limits.h"
#include "domain/State.h"

namespace trimel {

// The wheel that serves a part in a run. A part without a wheel has no
// numbers and no tickets. The ticket count is cut to the tickets actually
// stored (at most 10000), so a header that promises more, or a negative
// one, reads none of the missing ones.
struct PartWheel {
    const Wheel* wheel = nullptr;
    std::int32_t numberCount = 0;
    std::int32_t ticketCount = 0;

    static PartWheel of(const Wheel* w) {
        PartWheel pw;
        if (w == nullptr) return pw;
        pw.wheel = w;
        pw.numberCount = w->numberCount;
        pw.ticketCount = std::clamp(w->ticketCount, 0, std::min(w->storedTickets(), kMaxTickets));
        return pw;
    }

    // Position p of ticket t; 0 for a part without a wheel.
    std::int32_t position(int t, int p) const { return wheel ? wheel->position(t, p) : 0; }
};

// What stays fixed through one run once its part sizes have been read.
struct RunParts {
    std::int32_t N = 0;
    std::int32_t P1 = 0;
    std::int32_t P2 = 0;
    int D = 0;                // draws of the history, within the draw table
    int drawnCount = 0;       // numbers per draw read from a record (K, at most 20)
    int ticketPositions = 0;  // positions a ticket uses (K, at most 6)
    PartWheel wheels[2];

    static RunParts of(const AppState& s) {
        RunParts r;
        r.N = s.N;
        r.P1 = s.size1;
        r.P2 = s.size2;
        r.D = std::clamp(s.D, 0, static_cast<int>(s.draws.size()) - 1);
        r.drawnCount = std::clamp(s.K, 0, kMaxDrawNumbers);
        r.ticketPositions = std::clamp(s.K, 0, kTicketPositions);
        r.wheels[0] = PartWheel::of(s.wheel(s.wheel1));
        // With the first part covering 1..N, or a second size of 0 or less,
        // the second part has no numbers; its wheel would otherwise be
        // expanded over list entries this run never filled.
        if (r.P1 != r.N && r.P2 > 0) r.wheels[1] = PartWheel::of(s.wheel(s.wheel2));
        return r;
    }
};

}  // namespace trimel
