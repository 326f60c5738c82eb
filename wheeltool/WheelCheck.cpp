#include "WheelCheck.h"

#include <algorithm>
#include <bit>
#include <numeric>

#include "Binomial.h"

namespace trimel::wheels {

namespace {

class Walk {
  public:
    Walk(int v, std::span<const std::uint64_t> tickets, int threshold, std::size_t keep,
         ReachCount& out)
        : v_(v),
          threshold_(threshold),
          keep_(keep),
          tickets_(tickets),
          counts_(tickets.size()),
          out_(out) {
        // The tickets of each number, so adding a number touches only those.
        std::vector<std::uint32_t> sizes(static_cast<std::size_t>(v) + 1);
        for (std::uint64_t t : tickets)
            for (std::uint64_t m = t; m; m &= m - 1)
                ++sizes[static_cast<std::size_t>(std::countr_zero(m)) + 1];
        std::partial_sum(sizes.begin(), sizes.end(), sizes.begin());
        first_ = sizes;
        of_.resize(first_.back());
        for (std::uint32_t i = 0; i < tickets.size(); ++i)
            for (std::uint64_t m = tickets[i]; m; m &= m - 1)
                of_[sizes[static_cast<std::size_t>(std::countr_zero(m))]++] = i;
    }

    void run() {
        // With a threshold of 1 every ticket completes at once.
        std::uint64_t near = 0;
        if (threshold_ == 1)
            for (std::uint64_t t : tickets_) near |= t;
        walk(kTicketSize, 0, 0, near);
    }

  private:
    // `need` numbers remain to be chosen from `next`..v-1; `near` holds the
    // numbers that would bring some ticket to the threshold.
    void walk(int need, int next, std::uint64_t prefix, std::uint64_t near) {
        if (need == 1) {
            const std::uint64_t rest = next >= 64 ? 0 : (~std::uint64_t{0} << next) & all();
            out_.reached += static_cast<std::uint64_t>(std::popcount(rest & near));
            for (std::uint64_t m = rest & ~near; m && out_.firstMissed.size() < keep_; m &= m - 1)
                out_.firstMissed.push_back(prefix | (m & -m));
            return;
        }
        for (int x = next; x <= v_ - need; ++x) {
            if (near >> x & 1) {
                out_.reached += binomial(v_ - 1 - x, need - 1);
                continue;
            }
            std::uint64_t deeper = near;
            const auto b = first_[static_cast<std::size_t>(x)],
                       e = first_[static_cast<std::size_t>(x) + 1];
            for (auto i = b; i < e; ++i)
                if (++counts_[of_[i]] == threshold_ - 1) deeper |= tickets_[of_[i]];
            walk(need - 1, x + 1, prefix | std::uint64_t{1} << x, deeper);
            for (auto i = b; i < e; ++i) --counts_[of_[i]];
        }
    }

    std::uint64_t all() const {
        return v_ == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << v_) - 1;
    }

    int v_;
    int threshold_;
    std::size_t keep_;
    std::span<const std::uint64_t> tickets_;
    std::vector<std::uint8_t> counts_;  // numbers of the prefix in each ticket
    std::vector<std::uint32_t> first_;  // of_[first_[x] .. first_[x + 1]) are the tickets of x
    std::vector<std::uint32_t> of_;
    ReachCount& out_;
};

}  // namespace

ReachCount countReached(int v, std::span<const std::uint64_t> tickets, int threshold,
                        std::size_t keepMissed) {
    ReachCount out;
    if (v < kTicketSize || v > kMaxNumbers) return out;
    out.total = binomial(v, kTicketSize);
    if (threshold <= 0) {
        out.reached = out.total;
        return out;
    }
    if (threshold > kTicketSize) return out;  // no ticket meets six numbers in seven
    Walk(v, tickets, threshold, keepMissed, out).run();
    return out;
}

WheelFigures checkWheel(int v, int t, std::span<const std::uint64_t> tickets,
                        std::size_t keepMissed) {
    WheelFigures f;
    f.guarantee = countReached(v, tickets, t, keepMissed);
    f.beyond = countReached(v, tickets, t + 1, 0).reached;
    std::vector<int> use(static_cast<std::size_t>(std::clamp(v, 0, kMaxNumbers)));
    for (std::uint64_t m : tickets)
        for (; m; m &= m - 1)
            if (std::countr_zero(m) < static_cast<int>(use.size()))
                ++use[static_cast<std::size_t>(std::countr_zero(m))];
    if (!use.empty()) {
        const auto [lo, hi] = std::minmax_element(use.begin(), use.end());
        f.leastUse = *lo;
        f.mostUse = *hi;
    }
    return f;
}

}  // namespace trimel::wheels
