// The wheel library loader over a folder of fuzzed files with fuzzed
// names (also folders, pipes and dangling links, see writeEntries): it
// ends with the library in its bounds and no message but the program's.
#include "FuzzSupport.h"
#include "domain/Errors.h"
#include "domain/WheelLibrary.h"

using namespace trimel;

namespace {

bool isNotice(std::string_view m) {
    if (m == "Загружено 100 систем, остальные файлы систем пропущены.") return true;
    static constexpr std::string_view head = "В системе ";
    static constexpr std::string_view tail = " больше 10000 билетов: лишние строки пропущены.";
    return m.starts_with(head) && m.ends_with(tail) && m.size() > head.size() + tail.size() &&
           fuzz::isVisibleText(m.substr(head.size(), m.size() - head.size() - tail.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // name, bytes, name, bytes, ...
    const std::vector<std::string_view> parts = fuzz::splitInput(fuzz::bytesOf(data, size), 8);
    std::vector<std::pair<std::string_view, std::string_view>> entries;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        entries.emplace_back(parts[i], parts[i + 1]);
    const auto folder = fuzz::freshFolder("wheels");
    fuzz::writeEntries(folder, entries);

    static AppState state;
    state.wheelCount = 0;
    try {
        loadWheelLibrary(state, folder.string(),
                         [](const std::string& m) { FUZZ_CHECK(isNotice(m), m); });
    } catch (const ConvertError& e) {
        FUZZ_CHECK(fuzz::isConversionMessage(e.what()), e.what());
    } catch (const IoError& e) {
        FUZZ_CHECK(fuzz::isIoMessage(e.what()), e.what());
    }
    FUZZ_CHECK(state.wheelCount >= 0 && state.wheelCount <= kMaxWheels, "within the library");
    for (int w = 1; w <= state.wheelCount; ++w)
        FUZZ_CHECK(state.wheels[static_cast<std::size_t>(w)].storedTickets() <= kMaxTickets,
                   "within a wheel's tickets");
    return 0;
}
