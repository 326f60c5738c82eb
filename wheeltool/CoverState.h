#pragma once

// The search state shared by the covering searches: tickets as bit masks
// and, for every p-subset of the numbers, how many tickets cover it.

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <vector>

#include "Binomial.h"
#include "CoverSearch.h"
#include "Random.h"

namespace trimel::wheels::detail {

// Moves weighed before one is chosen: a few make the search far stronger
// than a single random one.
constexpr int kTries = 4;

// Calls f(chosen) for every k-subset of from[0..n), in lexicographic order.
template <class F>
void forEachSubset(const std::uint8_t* from, int n, int k, F&& f) {
    if (k > n || k < 0) return;
    std::uint8_t idx[kTicketSize + 1], chosen[kTicketSize + 1];
    for (int i = 0; i < k; ++i) idx[i] = static_cast<std::uint8_t>(i);
    for (;;) {
        for (int i = 0; i < k; ++i) chosen[i] = from[idx[i]];
        f(static_cast<const std::uint8_t*>(chosen));
        int i = k - 1;
        while (i >= 0 && idx[i] == n - k + i) --i;
        if (i < 0) return;
        ++idx[i];
        for (int j = i + 1; j < k; ++j) idx[j] = static_cast<std::uint8_t>(idx[j - 1] + 1);
    }
}

// Colex rank of the union of two disjoint sorted sets.
inline std::uint32_t unionRank(const std::uint8_t* a, int na, const std::uint8_t* b, int nb) {
    std::uint64_t r = 0;
    int i = 0, j = 0, k = 1;
    while (i < na && j < nb) {
        const std::uint8_t e = a[i] < b[j] ? a[i++] : b[j++];
        r += kBinomials.c[e][static_cast<std::size_t>(k++)];
    }
    for (; i < na; ++i) r += kBinomials.c[a[i]][static_cast<std::size_t>(k++)];
    for (; j < nb; ++j) r += kBinomials.c[b[j]][static_cast<std::size_t>(k++)];
    return static_cast<std::uint32_t>(r);
}

inline int toElements(std::uint64_t mask, std::uint8_t* out) {
    int n = 0;
    for (; mask; mask &= mask - 1) out[n++] = static_cast<std::uint8_t>(std::countr_zero(mask));
    return n;
}

inline std::uint64_t allOf(int v) {
    return v >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << v) - 1;
}

// The search state: tickets and, for every p-subset, how many tickets
// cover it, with the uncovered ones kept in a list for picking at random.
class CoverState {
  public:
    CoverState(const CoverSpec& problem, std::uint64_t seed)
        : s_(problem),
          r_(problem.p - problem.t),
          rng_(seed),
          counts_(binomial(problem.v, problem.p)),
          where_(counts_.size()) {
        uncovered_.resize(counts_.size());
        for (std::uint32_t i = 0; i < uncovered_.size(); ++i) uncovered_[i] = where_[i] = i;
        // A move keeps t - 1 of the ticket's five other numbers and takes the
        // rest of a subset from the v - 7 numbers outside ticket and newcomer.
        const std::uint8_t five[] = {0, 1, 2, 3, 4};
        forEachSubset(five, 5, s_.t - 1, [&](const std::uint8_t* c) {
            keptIdx_.insert(keptIdx_.end(), c, c + s_.t - 1);
        });
        std::array<std::uint8_t, kMaxNumbers> ids{};
        for (int i = 0; i < kMaxNumbers; ++i)
            ids[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
        forEachSubset(ids.data(), std::max(s_.v - 7, 0), r_,
                      [&](const std::uint8_t* c) { restIdx_.insert(restIdx_.end(), c, c + r_); });
        keptCount_ = static_cast<int>(binomial(5, s_.t - 1));
        restCount_ = static_cast<int>(binomial(std::max(s_.v - 7, 0), r_));
        for (MoveBuffers* b : {&scratch_, &chosen_}) {
            b->lost.resize(static_cast<std::size_t>(keptCount_) *
                           static_cast<std::size_t>(restCount_));
            b->gained.resize(b->lost.size());
        }
    }

    std::int64_t cost() const { return static_cast<std::int64_t>(uncovered_.size()); }
    int size() const { return static_cast<int>(masks_.size()); }
    const Tickets& tickets() const { return masks_; }

    void add(std::uint64_t mask) {
        forFamily(mask, [&](std::uint32_t r) {
            if (counts_[r]++ == 0) cover(r);
        });
        masks_.push_back(mask);
    }

    void remove(int i) {
        forFamily(masks_[static_cast<std::size_t>(i)], [&](std::uint32_t r) {
            if (--counts_[r] == 0) uncover(r);
        });
        masks_[static_cast<std::size_t>(i)] = masks_.back();
        masks_.pop_back();
    }

    // Subsets the ticket would newly cover.
    int gainOf(std::uint64_t mask) const {
        int gain = 0;
        forFamily(mask, [&](std::uint32_t r) { gain += counts_[r] == 0; });
        return gain;
    }

    // The ticket whose removal uncovers the fewest subsets.
    int weakest() {
        int best = 0, bestLoss = -1;
        for (int i = 0; i < size(); ++i) {
            int loss = 0;
            forFamily(masks_[static_cast<std::size_t>(i)],
                      [&](std::uint32_t r) { loss += counts_[r] == 1; });
            if (bestLoss < 0 || loss < bestLoss || (loss == bestLoss && rng_.below(2))) {
                best = i;
                bestLoss = loss;
            }
        }
        return best;
    }

    // A random uncovered subset, as sorted numbers.
    void randomUncovered(std::uint8_t* out) {
        subsetOf(uncovered_[rng_.below(static_cast<std::uint32_t>(uncovered_.size()))], out);
    }

    Rng& rng() { return rng_; }

    // The best of a few moves toward a random uncovered subset U: in one of
    // the tickets closest to U, a number outside U gives way to one of U's
    // numbers the ticket lacks. Returns the change in cost; `commit` then
    // makes the move.
    std::int64_t propose() {
        std::uint8_t u[kTicketSize];
        randomUncovered(u);
        std::uint64_t uMask = 0;
        for (int i = 0; i < s_.p; ++i) uMask |= std::uint64_t{1} << u[i];
        std::int64_t best = 0;
        for (int k = 0; k < kTries; ++k) {
            const int ticket = closest(uMask);
            const std::uint64_t t = masks_[static_cast<std::size_t>(ticket)];
            const std::uint8_t x = nthBit(
                t & ~uMask, rng_.below(static_cast<std::uint32_t>(std::popcount(t & ~uMask))));
            const std::uint8_t y = nthBit(
                uMask & ~t, rng_.below(static_cast<std::uint32_t>(std::popcount(uMask & ~t))));
            const std::int64_t d = evaluate(ticket, x, y, scratch_);
            if (k == 0 || d < best) {
                best = d;
                std::swap(scratch_, chosen_);
                ticket_ = ticket, x_ = x, y_ = y;
            }
        }
        return best;
    }

    struct MoveBuffers {
        std::vector<std::uint32_t> lost, gained;
        std::size_t size = 0;
    };

    // Calls f(lost, gained) for every subset that swapping x for y in the
    // ticket takes from its cover (held in t numbers with x, none with y)
    // and every one it brings in (t with y, without x).
    template <class F>
    void forMove(int ticket, std::uint8_t x, std::uint8_t y, F&& f) const {
        const std::uint64_t t = masks_[static_cast<std::size_t>(ticket)];
        std::uint8_t kept[5], rest[kMaxNumbers];
        toElements(t & ~(std::uint64_t{1} << x), kept);
        toElements(allOf(s_.v) & ~t & ~(std::uint64_t{1} << y), rest);
        const std::uint8_t* k = keptIdx_.data();
        for (int a = 0; a < keptCount_; ++a, k += s_.t - 1) {
            std::uint8_t withX[kTicketSize], withY[kTicketSize];
            insertSorted(kept, k, x, withX);
            insertSorted(kept, k, y, withY);
            const std::uint8_t* ri = restIdx_.data();
            for (int b = 0; b < restCount_; ++b, ri += r_) {
                std::uint8_t part[kTicketSize];
                for (int j = 0; j < r_; ++j) part[j] = rest[ri[j]];
                f(unionRank(withX, s_.t, part, r_), unionRank(withY, s_.t, part, r_));
            }
        }
    }

    std::int64_t evaluate(int ticket, std::uint8_t x, std::uint8_t y, MoveBuffers& buf) {
        std::int64_t delta = 0;
        std::size_t n = 0;
        forMove(ticket, x, y, [&](std::uint32_t lost, std::uint32_t gained) {
            delta += (counts_[lost] == 1) - (counts_[gained] == 0);
            buf.lost[n] = lost;
            buf.gained[n++] = gained;
        });
        buf.size = n;
        return delta;
    }

    // Makes the swap of x for y in the ticket at once.
    void apply(int ticket, std::uint8_t x, std::uint8_t y) {
        forMove(ticket, x, y, [&](std::uint32_t lost, std::uint32_t) {
            if (--counts_[lost] == 0) uncover(lost);
        });
        forMove(ticket, x, y, [&](std::uint32_t, std::uint32_t gained) {
            if (counts_[gained]++ == 0) cover(gained);
        });
        auto& m = masks_[static_cast<std::size_t>(ticket)];
        m = (m & ~(std::uint64_t{1} << x)) | std::uint64_t{1} << y;
    }

    int count(std::uint32_t rank) const { return counts_[rank]; }
    const std::vector<std::uint32_t>& uncoveredRanks() const { return uncovered_; }
    std::size_t subsetCount() const { return counts_.size(); }

    // The subset of a rank, as sorted numbers.
    void subsetOf(std::uint64_t rank, std::uint8_t* out) const {
        int c = s_.v - 1;
        for (int i = s_.p; i >= 1; --i) {
            while (binomial(c, i) > rank) --c;
            out[i - 1] = static_cast<std::uint8_t>(c);
            rank -= binomial(c, i);
            --c;
        }
    }

    void commit() {
        const MoveBuffers& b = chosen_;
        for (std::size_t i = 0; i < b.size; ++i)
            if (--counts_[b.lost[i]] == 0) uncover(b.lost[i]);
        for (std::size_t i = 0; i < b.size; ++i)
            if (counts_[b.gained[i]]++ == 0) cover(b.gained[i]);
        auto& m = masks_[static_cast<std::size_t>(ticket_)];
        m = (m & ~(std::uint64_t{1} << x_)) | std::uint64_t{1} << y_;
    }

    // A random one of the tickets that meet U most; with t - 1 numbers in
    // U (the most an uncovered U allows) the move covers U.
    int closest(std::uint64_t uMask) {
        int most = -1, ties = 0, pick = 0;
        for (int i = 0; i < size(); ++i) {
            const int m = std::popcount(masks_[static_cast<std::size_t>(i)] & uMask);
            if (m > most)
                most = m, ties = 1, pick = i;
            else if (m == most && rng_.below(static_cast<std::uint32_t>(++ties)) == 0)
                pick = i;
        }
        return pick;
    }

    static std::uint8_t nthBit(std::uint64_t mask, std::uint32_t n) {
        for (; n; --n) mask &= mask - 1;
        return static_cast<std::uint8_t>(std::countr_zero(mask));
    }

    // The chosen kept numbers with one more, sorted.
    void insertSorted(const std::uint8_t* kept, const std::uint8_t* idx, std::uint8_t extra,
                      std::uint8_t* out) const {
        int n = 0;
        bool placed = false;
        for (int i = 0; i < s_.t - 1; ++i) {
            const std::uint8_t e = kept[idx[i]];
            if (!placed && extra < e) {
                out[n++] = extra;
                placed = true;
            }
            out[n++] = e;
        }
        if (!placed) out[n] = extra;
    }

    // Every p-subset the ticket covers, by rank.
    template <class F>
    void forFamily(std::uint64_t mask, F&& f) const {
        std::uint8_t in[kTicketSize], out[kMaxNumbers];
        toElements(mask, in);
        const int outside = toElements(allOf(s_.v) & ~mask, out);
        for (int j = s_.t; j <= std::min(s_.p, kTicketSize); ++j)
            forEachSubset(in, kTicketSize, j, [&](const std::uint8_t* a) {
                forEachSubset(out, outside, s_.p - j,
                              [&](const std::uint8_t* b) { f(unionRank(a, j, b, s_.p - j)); });
            });
    }

  private:
    void cover(std::uint32_t r) {
        const std::uint32_t i = where_[r];
        const std::uint32_t last = uncovered_.back();
        uncovered_[i] = last;
        where_[last] = i;
        uncovered_.pop_back();
    }
    void uncover(std::uint32_t r) {
        where_[r] = static_cast<std::uint32_t>(uncovered_.size());
        uncovered_.push_back(r);
    }

    CoverSpec s_;
    int r_;
    Rng rng_;
    std::vector<std::uint16_t> counts_;  // tickets covering each subset
    std::vector<std::uint32_t> where_;   // its place in uncovered_ while uncovered
    std::vector<std::uint32_t> uncovered_;
    Tickets masks_;
    std::vector<std::uint8_t> keptIdx_, restIdx_;  // index tuples a move enumerates
    int keptCount_ = 0, restCount_ = 0;
    MoveBuffers scratch_, chosen_;  // a proposal's subsets, and the chosen one's
    int ticket_ = 0;
    std::uint8_t x_ = 0, y_ = 0;
};

// A random ticket holding at least t numbers of a random uncovered subset.
inline std::uint64_t candidate(CoverState& st, const CoverSpec& s) {
    Rng& rng = st.rng();
    std::uint8_t u[kTicketSize];
    st.randomUncovered(u);
    const int keep = s.t + static_cast<int>(rng.below(
                               static_cast<std::uint32_t>(std::min(s.p, kTicketSize) - s.t + 1)));
    std::uint64_t mask = 0;
    for (int i = 0; i < keep;) {
        const std::uint64_t bit = std::uint64_t{1} << u[rng.below(static_cast<std::uint32_t>(s.p))];
        if (!(mask & bit)) mask |= bit, ++i;
    }
    while (std::popcount(mask) < kTicketSize)
        mask |= std::uint64_t{1} << rng.below(static_cast<std::uint32_t>(s.v));
    return mask;
}

inline Tickets greedyOn(CoverState& st, const CoverSpec& s) {
    constexpr int kCandidates = 24;
    while (st.cost() > 0) {
        std::uint64_t best = 0;
        int bestGain = -1;
        for (int c = 0; c < kCandidates; ++c) {
            const std::uint64_t m = candidate(st, s);
            const int gain = st.gainOf(m);
            if (gain > bestGain) best = m, bestGain = gain;
        }
        st.add(best);
    }
    return st.tickets();
}

// The loop every search at a fixed ticket count shares: `step(n)` makes
// the n-th move; whenever nothing is left uncovered the covering is kept
// and `drop()` takes a ticket away. It stops at the target, after the time
// or when asked, looking at the clock every `checkEvery` moves (a power of
// two), and returns the smallest covering found, or `start` when none.
template <class Step, class Drop>
Tickets searchAtFixedCount(const CoverState& st, const Tickets& start, const SearchLimits& limits,
                           std::int64_t checkEvery, Step&& step, Drop&& drop) {
    using Clock = std::chrono::steady_clock;
    const auto begin = Clock::now();
    Tickets best = st.cost() == 0 ? start : Tickets{};
    double nextReport = 1;
    for (std::int64_t moves = 0;; ++moves) {
        if (st.cost() == 0) {
            if (best.empty() || st.size() < static_cast<int>(best.size())) best = st.tickets();
            if (st.size() <= limits.target || st.size() <= 1) break;
            drop();
            continue;
        }
        if ((moves & (checkEvery - 1)) == 0) {
            if (limits.stop && limits.stop->load()) break;
            const double now = std::chrono::duration<double>(Clock::now() - begin).count();
            if (now >= limits.seconds) break;
            if (limits.progress && now >= nextReport) {
                limits.progress({st.size(), st.cost(), static_cast<int>(best.size()), now});
                nextReport = now + 1;
            }
        }
        step(moves);
    }
    return best.empty() ? start : best;
}

}  // namespace trimel::wheels::detail
