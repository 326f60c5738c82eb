// The draw history reader: bytes in, tables out. However the file is
// broken, the load ends with the tables in their bounds and either no
// message or one of the program's.
#include "FuzzSupport.h"
#include "domain/DrawHistory.h"
#include "domain/Errors.h"

using namespace trimel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::MemoryFile memory(fuzz::bytesOf(data, size));
    static AppState state;  // large; a load starts it afresh all the same
    state.K = 7;
    state.N = 49;

    try {
        const DrawLoadResult result = loadDrawHistory(state, memory.path());
        FUZZ_CHECK(result.notice.empty() ||
                       result.notice == "В файле больше 10000 тиражей: загружены первые 10000.",
                   result.notice);
    } catch (const LimitError& e) {
        FUZZ_CHECK(std::string_view(e.what()) == "В тираже не может быть больше 20 чисел.",
                   e.what());
        FUZZ_CHECK(state.K == 7 && state.N == 49, "a refused K keeps the previous K and N");
    } catch (const ConvertError& e) {
        FUZZ_CHECK(fuzz::isConversionMessage(e.what()), e.what());
    } catch (const IoError& e) {
        FUZZ_CHECK(fuzz::isIoMessage(e.what()), e.what());
    }
    FUZZ_CHECK(state.D >= 0 && state.D <= kMaxDraws, "D within the draw table");
    FUZZ_CHECK(state.K <= kMaxDrawNumbers, "K within a draw record");
    for (int i = 1; i <= state.D; ++i)
        FUZZ_CHECK(state.draws[static_cast<std::size_t>(i)].tag.size() <= 2,
                   "a tag of two characters");
    return 0;
}
