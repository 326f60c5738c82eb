#include "OrbitSearch.h"

#include <algorithm>
#include <chrono>
#include <limits>

#include "CbcSolve.h"
#include "CoverState.h"
#include "Random.h"
#include "WeightedSearch.h"

namespace trimel::wheels {

namespace {

// The share of the time spent on the wheels under groups; the rest polishes.
// Local search over the orbits of small groups finds smaller wheels than
// the polish does in the same time.
constexpr double kGroupShare = 0.75;
// Up to this many orbits branch and cut is tried first, for a third of a group's
// time; local search goes on from its cover unless it proved it cheapest.
constexpr int kExactColumns = 600;
// Branch and cut only stops at its time limit, so a stop request waits at
// most this long.
constexpr double kExactSlice = 10;
// Row and column pairs a model may hold (two ints each, both ways).
constexpr std::int64_t kMaxEntries = 30'000'000;

using Clock = std::chrono::steady_clock;

class Stopwatch {
  public:
    double seconds() const { return std::chrono::duration<double>(Clock::now() - begin_).count(); }

  private:
    Clock::time_point begin_ = Clock::now();
};

// Chosen orbits, how many of them cover each row, and a weight per row
// raised while the row stays uncovered. Every orbit's score is kept up to
// date, so a step costs the rows whose cover changes, not a recount.
class OrbitState {
  public:
    OrbitState(const OrbitModel& m, std::uint64_t seed)
        : m_(m),
          rng_(seed),
          count_(static_cast<std::size_t>(m.rows())),
          sole_(count_.size()),
          weight_(count_.size(), 1),
          where_(count_.size()),
          uncovered_(count_.size()),
          place_(static_cast<std::size_t>(m.columns()), -1),
          score_(place_.size()),
          changed_(place_.size(), std::numeric_limits<std::int64_t>::min() / 2) {
        for (std::size_t r = 0; r < uncovered_.size(); ++r)
            uncovered_[r] = where_[r] = static_cast<int>(r);
        for (int c = 0; c < m.columns(); ++c)
            score_[z(c)] = m.colStart[z(c) + 1] - m.colStart[z(c)];
        if (!m.sizes.empty()) smallest_ = *std::min_element(m.sizes.begin(), m.sizes.end());
    }

    const std::vector<int>& chosen() const { return chosen_; }
    std::int64_t cost() const { return cost_; }
    bool covers() const { return uncovered_.empty(); }

    // An orbit's score stays as it is when it joins or leaves: what it
    // would newly cover is what it alone covers once in.
    void add(int c) {
        place_[z(c)] = static_cast<int>(chosen_.size());
        chosen_.push_back(c);
        cost_ += m_.sizes[z(c)];
        forRows(c, [&](int r) {
            const int before = count_[z(r)]++;
            if (before == 0) {
                cover(r);
                forColumns(r, [&](int o) { score_[z(o)] -= o == c ? 0 : weight_[z(r)]; });
            } else if (before == 1) {
                score_[z(sole_[z(r)])] -= weight_[z(r)];
            }
            sole_[z(r)] ^= c;
        });
    }

    void remove(int c) {
        const int i = place_[z(c)];
        chosen_[z(i)] = chosen_.back();
        place_[z(chosen_.back())] = i;
        chosen_.pop_back();
        place_[z(c)] = -1;
        cost_ -= m_.sizes[z(c)];
        forRows(c, [&](int r) {
            const int before = count_[z(r)]--;
            sole_[z(r)] ^= c;
            if (before == 1) {
                uncover(r);
                forColumns(r, [&](int o) { score_[z(o)] += o == c ? 0 : weight_[z(r)]; });
            } else if (before == 2) {
                score_[z(sole_[z(r)])] += weight_[z(r)];
            }
        });
    }

    // Weight of the rows only this orbit covers (chosen), or that it would
    // newly cover (not chosen).
    std::int64_t score(int c) const { return score_[z(c)]; }

    // The chosen orbit losing least weight per ticket, `spare` only when alone.
    int lightest(int spare) {
        int pick = -1;
        std::int64_t bestScore = 0, bestSize = 1;
        for (int c : chosen_) {
            if (c == spare && chosen_.size() > 1) continue;
            const std::int64_t s = score_[z(c)], size = m_.sizes[z(c)];
            if (pick < 0 || s * bestSize < bestScore * size ||
                (s * bestSize == bestScore * size && rng_.below(2)))
                pick = c, bestScore = s, bestSize = size;
        }
        return pick;
    }

    // For a random uncovered row, the orbit covering it that gains most
    // weight per ticket, the longest unchanged among equals; `spare` only
    // when it is the sole one.
    int heaviestFor(int spare) {
        const int r = uncovered_[rng_.below(static_cast<std::uint32_t>(uncovered_.size()))];
        const bool alone = m_.rowStart[z(r) + 1] - m_.rowStart[z(r)] == 1;
        int pick = -1;
        std::int64_t bestScore = 0, bestSize = 1;
        forColumns(r, [&](int c) {
            if (c == spare && !alone) return;
            const std::int64_t s = score_[z(c)], size = m_.sizes[z(c)];
            const std::int64_t lhs = s * bestSize, rhs = bestScore * size;
            if (pick < 0 || lhs > rhs || (lhs == rhs && changed_[z(c)] < changed_[z(pick)]))
                pick = c, bestScore = s, bestSize = size;
        });
        return pick;
    }

    // The lightest orbits out until the smallest fits under `bound`, the
    // heaviest for an uncovered row in, and more out while it does not fit.
    // Orbits differ in size, so a plain swap lets the cost drift far below
    // the best cover's, to where no cover can be.
    void step(std::int64_t now, std::int64_t bound) {
        while (cost_ + smallest_ >= bound && dropLightest(now)) {
        }
        const int in = heaviestFor(lastOut_);
        while (cost_ + m_.sizes[z(in)] >= bound && dropLightest(now)) {
        }
        add(in);
        changed_[z(in)] = now;
        lastAdded_ = in;
        for (int r : uncovered_) {
            ++weight_[z(r)];
            forColumns(r, [&](int o) { ++score_[z(o)]; });
        }
    }

  private:
    bool dropLightest(std::int64_t now) {
        const int out = lightest(lastAdded_);
        if (out < 0) return false;
        remove(out);
        changed_[z(out)] = now;
        lastOut_ = out;
        return true;
    }
    static std::size_t z(int i) { return static_cast<std::size_t>(i); }
    template <class F>
    void forColumns(int r, F&& f) const {
        for (std::int64_t k = m_.rowStart[z(r)]; k < m_.rowStart[z(r) + 1]; ++k)
            f(m_.rowCols[static_cast<std::size_t>(k)]);
    }
    template <class F>
    void forRows(int c, F&& f) const {
        for (std::int64_t k = m_.colStart[static_cast<std::size_t>(c)];
             k < m_.colStart[static_cast<std::size_t>(c) + 1]; ++k)
            f(m_.colRows[static_cast<std::size_t>(k)]);
    }
    void cover(int r) {
        const int i = where_[static_cast<std::size_t>(r)];
        const int last = uncovered_.back();
        uncovered_[static_cast<std::size_t>(i)] = last;
        where_[static_cast<std::size_t>(last)] = i;
        uncovered_.pop_back();
    }
    void uncover(int r) {
        where_[static_cast<std::size_t>(r)] = static_cast<int>(uncovered_.size());
        uncovered_.push_back(r);
    }

    const OrbitModel& m_;
    Rng rng_;
    std::vector<int> count_;
    std::vector<int> sole_;  // the chosen orbits covering a row, xored: the one when alone
    std::vector<std::int64_t> weight_;
    std::vector<int> where_, uncovered_;
    std::vector<int> chosen_, place_;  // place_: index in chosen_, or -1
    std::vector<std::int64_t> score_;
    std::vector<std::int64_t> changed_;  // step of each orbit's last change
    std::int64_t cost_ = 0;
    int smallest_ = 1;  // tickets in the smallest orbit
    int lastAdded_ = -1, lastOut_ = -1;
};

}  // namespace

bool coversAll(const OrbitModel& m, const std::vector<int>& chosen) {
    std::vector<bool> covered(static_cast<std::size_t>(m.rows()));
    for (int c : chosen) {
        if (c < 0 || c >= m.columns()) return false;
        for (std::int64_t k = m.colStart[static_cast<std::size_t>(c)];
             k < m.colStart[static_cast<std::size_t>(c) + 1]; ++k)
            covered[static_cast<std::size_t>(m.colRows[static_cast<std::size_t>(k)])] = true;
    }
    return std::find(covered.begin(), covered.end(), false) == covered.end();
}

std::vector<int> greedyOrbitCover(const OrbitModel& m, std::uint64_t seed) {
    OrbitState st(m, seed);
    while (!st.covers()) st.add(st.heaviestFor(-1));
    // Orbits that later ones made redundant.
    const std::vector<int> chosen = st.chosen();
    for (int c : chosen)
        if (st.score(c) == 0) st.remove(c);
    return st.chosen();
}

std::vector<int> searchOrbitCover(const OrbitModel& m, std::vector<int> start,
                                  const SearchLimits& limits, std::uint64_t seed) {
    const Stopwatch clock;
    OrbitState st(m, seed);
    for (int c : start) st.add(c);
    std::vector<int> best = st.covers() ? start : std::vector<int>{};
    std::int64_t bestCost = best.empty() ? std::numeric_limits<std::int64_t>::max() : st.cost();
    for (std::int64_t steps = 0;; ++steps) {
        if (st.covers()) {
            if (st.cost() < bestCost) best = st.chosen(), bestCost = st.cost();
            if (bestCost <= limits.target || st.chosen().size() <= 1) break;
            st.remove(st.lightest(-1));
            continue;
        }
        if ((steps & 63) == 0 &&
            ((limits.stop && limits.stop->load()) || clock.seconds() >= limits.seconds))
            break;
        st.step(steps, bestCost);
    }
    return best.empty() ? start : best;
}

namespace {

// The cheapest cover of the model found in `seconds`: branch and cut first
// when the orbits are few, then local search from the best cover so far.
std::vector<int> cheapCover(const OrbitModel& model, double seconds, const SearchLimits& limits,
                            std::uint64_t seed) {
    const Stopwatch clock;
    std::vector<int> cover = greedyOrbitCover(model, seed);
    if (model.columns() <= kExactColumns && !(limits.stop && limits.stop->load())) {
        const ExactCover exact =
            solveOrbitCover(model, std::min(seconds / 3, kExactSlice), limits.stop);
        if (!exact.chosen.empty() && coversAll(model, exact.chosen) &&
            model.cost(exact.chosen) < model.cost(cover))
            cover = exact.chosen;
        if (exact.optimal) return cover;
    }
    SearchLimits l;
    l.target = limits.target;
    l.seconds = seconds - clock.seconds();
    l.stop = limits.stop;
    return searchOrbitCover(model, std::move(cover), l, seed);
}

struct GroupShare {
    NumberGroup group;
    double weight;  // its share of the groups' time, against the others'
};

// The groups to try, each given time in proportion to its orbits: small
// groups leave many, and their wheels come closest to the best ones. A
// group asked for is tried alone; one that gave far smaller wheels than
// these on the problem goes first, with half the time.
std::vector<GroupShare> groupsToTry(const CoverSpec& problem, const SearchLimits& limits) {
    if (const auto& g = limits.group; g && g->cycles * g->length <= problem.v) {
        NumberGroup only = *g;
        only.v = problem.v;
        return {{only, 1.0}};
    }
    const std::optional<NumberGroup> proven = provenGroup(problem);
    std::vector<GroupShare> out;
    double others = 0;
    for (const NumberGroup& g : groupsFor(problem.v)) {
        if (proven && g.name() == proven->name()) continue;
        out.push_back({g, 1.0 / g.order()});
        others += out.back().weight;
    }
    if (proven) out.insert(out.begin(), {*proven, others});
    return out;
}

}  // namespace

Tickets orbitSearch(const CoverSpec& problem, Tickets start, const SearchLimits& limits,
                    std::uint64_t seed) {
    if (problem.v <= kTicketSize) return {detail::allOf(problem.v)};
    if (!start.empty()) return weightedSearch(problem, std::move(start), limits, seed);
    const Stopwatch clock;
    const auto stopped = [&] {
        return (limits.stop && limits.stop->load()) || clock.seconds() >= limits.seconds;
    };

    // The smallest wheel under any of the groups.
    Tickets best;
    const std::vector<GroupShare> groups = groupsToTry(problem, limits);
    double weights = 0;
    for (const GroupShare& g : groups) weights += g.weight;
    for (std::size_t i = 0; i < groups.size() && !stopped(); ++i) {
        const double end = limits.seconds * kGroupShare;
        const double share = (end - clock.seconds()) * groups[i].weight / weights;
        weights -= groups[i].weight;
        if (share <= 0) break;
        const std::optional<OrbitModel> model =
            buildOrbitModel(problem, groups[i].group, kMaxEntries);
        if (!model) continue;
        Tickets wheel = model->tickets(
            cheapCover(*model, std::min(share, end - clock.seconds()), limits, seed + i));
        if (best.empty() || wheel.size() < best.size()) best = std::move(wheel);
        const int size = static_cast<int>(best.size());
        if (limits.progress) limits.progress({size, 0, size, clock.seconds()});
        if (size <= limits.target) return best;
    }

    // Without the group: fewer tickets, each free to move.
    SearchLimits polish = limits;
    const double offset = clock.seconds();
    polish.seconds = std::max(0.0, limits.seconds - offset);
    if (limits.progress)
        polish.progress = [&limits, offset](SearchProgress p) {
            p.seconds += offset;
            limits.progress(p);
        };
    return weightedSearch(problem, std::move(best), polish, seed);
}

}  // namespace trimel::wheels
