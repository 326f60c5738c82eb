// The results-file importer: the delimiter and the columns it finds, the
// dates and numbers it reads. The input is "K N [flags]", a "%%" line and
// the results file; flags: r (reverse), k (keep order), s (skip bad rows),
// and d followed by a delimiter. Whatever the file holds, the import ends
// with the program's messages, and a history it writes is one the program
// loads as written: K distinct numbers in 1..N, draws numbered in order.
#include <algorithm>
#include <sstream>

#include "FuzzSupport.h"
#include "domain/DrawHistory.h"
#include "domain/Errors.h"
#include "domain/Utf8.h"
#include "historytool/Importer.h"
#include "historytool/SourceTable.h"

using namespace trimel;
using namespace trimel::history;

namespace {

bool validUtf8(const std::string& s) {
    return toValidUtf8(s) == s;
}

// What the first part asks for; false when it names no game.
bool readOptions(std::string_view text, ImportOptions& o) {
    std::istringstream in{std::string(text)};
    std::string k, n, flags;
    in >> k >> n >> flags;
    int kv = 0, nv = 0;
    if (!plainInt(k, kv) || !plainInt(n, nv) || kv < 1 || kv > kMaxDrawNumbers || nv < kv ||
        nv > 99)
        return false;
    o.layout.k = kv;
    o.layout.n = nv;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        if (flags[i] == 'r')
            o.order = ImportOptions::Order::Reverse;
        else if (flags[i] == 'k')
            o.order = ImportOptions::Order::Keep;
        else if (flags[i] == 's')
            o.skipBad = true;
        else if (flags[i] == 'd' && i + 1 < flags.size())
            o.delimiter = flags[++i];
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitInput(fuzz::bytesOf(data, size), 2);
    ImportOptions options;
    if (!readOptions(parts[0], options)) return 0;

    ImportResult r;
    try {
        r = importHistory(parts[1], options);
    } catch (const AppError& e) {
        FUZZ_CHECK(validUtf8(e.what()), e.what());
        return 0;
    }
    for (const std::string& line : r.report) FUZZ_CHECK(validUtf8(line), line);
    for (const std::string& line : r.badRows) FUZZ_CHECK(validUtf8(line), line);
    if (r.history.empty()) return 0;

    const fuzz::MemoryFile file(r.history);
    static AppState state;
    try {
        loadDrawHistory(state, file.path());
    } catch (const AppError& e) {
        FUZZ_CHECK(false, std::string("the written history does not load: ") + e.what());
    }
    FUZZ_CHECK(state.K == options.layout.k && state.N == options.layout.n, "K and N as asked");
    FUZZ_CHECK(state.D == r.draws && r.draws <= kMaxImportedDraws, "every draw written is loaded");
    for (int d = 1; d <= state.D; ++d) {
        const tyr& draw = state.draws[static_cast<std::size_t>(d)];
        FUZZ_CHECK(draw.drawNumber == d, "draws numbered in order");
        auto numbers = draw.numbers;
        std::sort(numbers.begin() + 1, numbers.begin() + 1 + state.K);
        for (int j = 1; j <= state.K; ++j) {
            const std::int32_t x = numbers[static_cast<std::size_t>(j)];
            FUZZ_CHECK(x >= 1 && x <= state.N, "a number within 1..N");
            FUZZ_CHECK(j == 1 || x != numbers[static_cast<std::size_t>(j - 1)], "distinct numbers");
        }
    }
    return 0;
}
