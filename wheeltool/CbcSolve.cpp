#include "CbcSolve.h"

#include <coin/Cbc_C_Interface.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace trimel::wheels {

ExactCover solveOrbitCover(const OrbitModel& m, double seconds, const std::atomic<bool>* stop) {
    // The solver's driver keeps settings in static variables: one solve at a time.
    static std::mutex oneAtATime;
    const std::lock_guard<std::mutex> lock(oneAtATime);
    if (stop && stop->load()) return {};
    const std::unique_ptr<Cbc_Model, void (*)(Cbc_Model*)> cbc(Cbc_newModel(), Cbc_deleteModel);
    const int n = m.columns();
    std::vector<CoinBigIndex> starts(m.colStart.begin(), m.colStart.end());
    const std::vector<double> ones(m.colRows.size(), 1.0);
    const std::vector<double> lower(static_cast<std::size_t>(n), 0.0),
        upper(static_cast<std::size_t>(n), 1.0);
    const std::vector<double> cost(m.sizes.begin(), m.sizes.end());
    const std::vector<double> rowLower(static_cast<std::size_t>(m.rows()), 1.0);
    Cbc_loadProblem(cbc.get(), n, m.rows(), starts.data(), m.colRows.data(), ones.data(),
                    lower.data(), upper.data(), cost.data(), rowLower.data(), nullptr);
    for (int c = 0; c < n; ++c) Cbc_setInteger(cbc.get(), c);
    Cbc_setLogLevel(cbc.get(), 0);
    // Wall time: on a busy machine processor time runs far behind the clock.
    Cbc_setParameter(cbc.get(), "timeMode", "elapsed");
    Cbc_setMaximumSeconds(cbc.get(), std::max(seconds, 0.1));
    Cbc_solve(cbc.get());

    ExactCover result;
    const double* x = Cbc_numberSavedSolutions(cbc.get()) > 0 || Cbc_isProvenOptimal(cbc.get())
                          ? Cbc_getColSolution(cbc.get())
                          : nullptr;
    if (!x) return result;
    for (int c = 0; c < n; ++c)
        if (x[c] > 0.5) result.chosen.push_back(c);
    result.optimal = Cbc_isProvenOptimal(cbc.get()) != 0;
    return result;
}

}  // namespace trimel::wheels
