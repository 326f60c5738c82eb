// trimel-history check: whatever the file, the check answers as the
// program's reader does (it loads exactly when the reader loads), and every
// line of its report is valid UTF-8 with no control character.
#include "FuzzSupport.h"
#include "domain/DrawHistory.h"
#include "domain/Errors.h"
#include "domain/Utf8.h"
#include "historytool/HistoryCheck.h"

using namespace trimel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::MemoryFile file(fuzz::bytesOf(data, size));
    const history::CheckResult r = history::checkHistory(file.path());

    static AppState state;
    bool loads = true;
    try {
        loadDrawHistory(state, file.path());
    } catch (const AppError&) {
        loads = false;
    }
    FUZZ_CHECK(r.loads == loads, "the check agrees with the reader");
    FUZZ_CHECK(!r.report.empty(), "a report");
    for (const std::string& line : r.report) {
        FUZZ_CHECK(toValidUtf8(line) == line, line);
        for (const char c : line)
            FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F,
                       "no control character: " + line);
    }
    return 0;
}
