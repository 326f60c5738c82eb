#include "OrbitModel.h"

#include <bit>

#include "CoverState.h"

namespace trimel::wheels {

namespace {

using detail::forEachSubset;
using detail::toElements;

// Beyond this many tickets the orbit table no longer pays.
constexpr std::uint64_t kMaxTicketTable = 4'000'000;

std::uint32_t maskRank(std::uint64_t mask) {
    std::uint64_t r = 0;
    for (std::size_t k = 1; mask; mask &= mask - 1, ++k)
        r += kBinomials.c[static_cast<std::size_t>(std::countr_zero(mask))][k];
    return static_cast<std::uint32_t>(r);
}

// The next larger mask with as many bits (colex order is numeric order).
std::uint64_t nextMask(std::uint64_t m) {
    const std::uint64_t low = m & -m;
    const std::uint64_t ripple = m + low;
    return ripple | (((m ^ ripple) >> 2) / low);
}

}  // namespace

std::int64_t OrbitModel::cost(const std::vector<int>& chosen) const {
    std::int64_t n = 0;
    for (int c : chosen) n += sizes[static_cast<std::size_t>(c)];
    return n;
}

Tickets OrbitModel::tickets(const std::vector<int>& chosen) const {
    Tickets out;
    for (int c : chosen) {
        const Tickets orbit = group.orbit(reps[static_cast<std::size_t>(c)]);
        out.insert(out.end(), orbit.begin(), orbit.end());
    }
    return out;
}

std::optional<OrbitModel> buildOrbitModel(const CoverSpec& s, const NumberGroup& group,
                                          std::int64_t maxEntries) {
    const std::uint64_t ticketCount = binomial(s.v, kTicketSize);
    std::int64_t perRow = 0;
    for (int j = s.t; j <= std::min(s.p, kTicketSize); ++j)
        perRow +=
            static_cast<std::int64_t>(binomial(s.p, j) * binomial(s.v - s.p, kTicketSize - j));
    const auto rowsAbout = static_cast<std::int64_t>(binomial(s.v, s.p)) / group.order();
    if (ticketCount > kMaxTicketTable || rowsAbout * perRow > maxEntries) return std::nullopt;

    OrbitModel m;
    m.group = group;
    std::vector<std::int32_t> orbitOf(ticketCount, -1);
    std::uint64_t mask = (std::uint64_t{1} << kTicketSize) - 1;
    for (std::uint64_t rank = 0; rank < ticketCount; ++rank, mask = nextMask(mask)) {
        if (orbitOf[rank] >= 0) continue;
        const auto id = static_cast<std::int32_t>(m.reps.size());
        const Tickets orbit = group.orbit(mask);
        for (std::uint64_t image : orbit) orbitOf[maskRank(image)] = id;
        m.reps.push_back(mask);
        m.sizes.push_back(static_cast<int>(orbit.size()));
    }

    // Rows: for each subset orbit's first subset, the orbits of the tickets
    // meeting it in t numbers or more.
    const std::uint64_t subsetCount = binomial(s.v, s.p);
    std::vector<bool> seen(subsetCount);
    std::vector<int> stamp(m.reps.size(), -1);
    m.rowStart.push_back(0);
    std::uint64_t draw = (std::uint64_t{1} << s.p) - 1;
    for (std::uint64_t rank = 0; rank < subsetCount; ++rank, draw = nextMask(draw)) {
        if (seen[rank]) continue;
        for (std::uint64_t image : group.orbit(draw)) seen[maskRank(image)] = true;
        const int row = m.rows();
        std::uint8_t in[kTicketSize], out[kMaxNumbers];
        toElements(draw, in);
        const int outside = toElements(detail::allOf(s.v) & ~draw, out);
        for (int j = s.t; j <= std::min(s.p, kTicketSize); ++j)
            forEachSubset(in, s.p, j, [&](const std::uint8_t* a) {
                forEachSubset(out, outside, kTicketSize - j, [&](const std::uint8_t* b) {
                    std::uint64_t ticket = 0;
                    for (int i = 0; i < j; ++i) ticket |= std::uint64_t{1} << a[i];
                    for (int i = 0; i < kTicketSize - j; ++i) ticket |= std::uint64_t{1} << b[i];
                    const int col = orbitOf[maskRank(ticket)];
                    if (stamp[static_cast<std::size_t>(col)] == row) return;
                    stamp[static_cast<std::size_t>(col)] = row;
                    m.rowCols.push_back(col);
                });
            });
        m.rowStart.push_back(static_cast<std::int64_t>(m.rowCols.size()));
    }

    // The same pairs by column.
    m.colStart.assign(m.reps.size() + 1, 0);
    for (int c : m.rowCols) ++m.colStart[static_cast<std::size_t>(c) + 1];
    for (std::size_t c = 0; c < m.reps.size(); ++c) m.colStart[c + 1] += m.colStart[c];
    m.colRows.resize(m.rowCols.size());
    std::vector<std::int64_t> fill(m.colStart.begin(), m.colStart.end() - 1);
    for (int r = 0; r < m.rows(); ++r)
        for (std::int64_t k = m.rowStart[static_cast<std::size_t>(r)];
             k < m.rowStart[static_cast<std::size_t>(r) + 1]; ++k)
            m.colRows[static_cast<std::size_t>(
                fill[static_cast<std::size_t>(m.rowCols[static_cast<std::size_t>(k)])]++)] = r;
    return m;
}

}  // namespace trimel::wheels
