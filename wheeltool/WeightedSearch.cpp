#include "WeightedSearch.h"

#include <limits>

#include "CoverState.h"

namespace trimel::wheels {

namespace {

using namespace detail;

// Subset visits a step may spend weighing moves; beyond it a random part
// of the candidate tickets is weighed. Keeps a step short on large wheels.
constexpr std::int64_t kStepWork = 60000;
// Steps a changed ticket stays untouched, unless only such tickets can
// cover the chosen subset.
constexpr std::int64_t kTabu = 3;
// Weights are halved before they could overflow the sums.
constexpr std::uint32_t kHeavy = 1u << 24;

class WeightedState {
  public:
    WeightedState(const CoverSpec& problem, std::uint64_t seed)
        : s_(problem), st_(problem, seed), weights_(st_.subsetCount(), 1) {
        const std::int64_t perMove =
            2 * static_cast<std::int64_t>(binomial(5, s_.t - 1)) *
            static_cast<std::int64_t>(binomial(std::max(s_.v - 7, 0), s_.p - s_.t));
        const std::int64_t perTicket = perMove * (kTicketSize - s_.t + 1) * (s_.p - s_.t + 1);
        maxTickets_ = static_cast<int>(
            std::max<std::int64_t>(2, kStepWork / std::max<std::int64_t>(perTicket, 1)));
    }

    CoverState& state() { return st_; }

    void start(const Tickets& tickets) {
        for (std::uint64_t m : tickets) st_.add(m);
        changed_.assign(tickets.size(), std::numeric_limits<std::int64_t>::min() / 2);
    }

    // Drops the ticket whose loss uncovers the least weight.
    void dropLightest() {
        int pick = 0;
        std::int64_t least = std::numeric_limits<std::int64_t>::max();
        for (int i = 0; i < st_.size(); ++i) {
            std::int64_t loss = 0;
            st_.forFamily(st_.tickets()[static_cast<std::size_t>(i)], [&](std::uint32_t r) {
                if (st_.count(r) == 1) loss += weights_[r];
            });
            if (loss < least || (loss == least && st_.rng().below(2))) least = loss, pick = i;
        }
        st_.remove(pick);
        changed_[static_cast<std::size_t>(pick)] = changed_.back();
        changed_.pop_back();
    }

    void step(std::int64_t now) {
        const std::vector<std::uint32_t>& open = st_.uncoveredRanks();
        Rng& rng = st_.rng();
        std::uint8_t u[kTicketSize];
        st_.subsetOf(open[rng.below(static_cast<std::uint32_t>(open.size()))], u);
        std::uint64_t uMask = 0;
        for (int i = 0; i < s_.p; ++i) uMask |= std::uint64_t{1} << u[i];

        // An uncovered subset meets every ticket in t - 1 numbers at most;
        // those that meet it so cover it after one swap.
        candidates_.clear();
        const Tickets& masks = st_.tickets();
        for (int i = 0; i < st_.size(); ++i)
            if (std::popcount(masks[static_cast<std::size_t>(i)] & uMask) == s_.t - 1)
                candidates_.push_back(i);
        bool anyFree = false;
        for (int i : candidates_) anyFree |= now - changed_[static_cast<std::size_t>(i)] > kTabu;
        for (std::size_t k = 0; k < candidates_.size() && static_cast<int>(k) < maxTickets_; ++k)
            std::swap(
                candidates_[k],
                candidates_[k + rng.below(static_cast<std::uint32_t>(candidates_.size() - k))]);
        if (static_cast<int>(candidates_.size()) > maxTickets_)
            candidates_.resize(static_cast<std::size_t>(maxTickets_));

        std::int64_t bestScore = std::numeric_limits<std::int64_t>::max(), bestAge = 0;
        int bestTicket = -1;
        std::uint8_t bestX = 0, bestY = 0;
        for (int i : candidates_) {
            const std::int64_t age = now - changed_[static_cast<std::size_t>(i)];
            if (anyFree && age <= kTabu) continue;
            const std::uint64_t t = masks[static_cast<std::size_t>(i)];
            for (std::uint64_t xs = t & ~uMask; xs; xs &= xs - 1)
                for (std::uint64_t ys = uMask & ~t; ys; ys &= ys - 1) {
                    const auto x = static_cast<std::uint8_t>(std::countr_zero(xs));
                    const auto y = static_cast<std::uint8_t>(std::countr_zero(ys));
                    std::int64_t score = 0;  // weight uncovered minus weight covered
                    st_.forMove(i, x, y, [&](std::uint32_t lost, std::uint32_t gained) {
                        if (st_.count(lost) == 1) score += weights_[lost];
                        if (st_.count(gained) == 0) score -= weights_[gained];
                    });
                    if (score < bestScore || (score == bestScore && age > bestAge))
                        bestScore = score, bestAge = age, bestTicket = i, bestX = x, bestY = y;
                }
        }
        if (bestTicket >= 0) {
            st_.apply(bestTicket, bestX, bestY);
            changed_[static_cast<std::size_t>(bestTicket)] = now;
        }
        bool heavy = false;
        for (std::uint32_t r : open) heavy |= ++weights_[r] >= kHeavy;
        if (heavy)
            for (std::uint32_t& w : weights_) w = std::max<std::uint32_t>(1, w / 2);
    }

  private:
    CoverSpec s_;
    CoverState st_;
    std::vector<std::uint32_t> weights_;
    std::vector<std::int64_t> changed_;  // step of each ticket's last change
    std::vector<int> candidates_;
    int maxTickets_ = 2;
};

}  // namespace

Tickets weightedSearch(const CoverSpec& problem, Tickets start, const SearchLimits& limits,
                       std::uint64_t seed) {
    if (problem.v <= kTicketSize) return {allOf(problem.v)};
    WeightedState ws(problem, seed);
    if (start.empty()) {
        CoverState greedy(problem, seed);
        start = greedyOn(greedy, problem);
    }
    ws.start(start);
    return searchAtFixedCount(
        ws.state(), start, limits, 64, [&](std::int64_t n) { ws.step(n); },
        [&] { ws.dropLightest(); });
}

}  // namespace trimel::wheels
