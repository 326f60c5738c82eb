// One run of the engine over what the user could feed it: a fuzzed
// history, one or two fuzzed wheels (chosen as the selection window
// chooses them), fuzzed favourite numbers and part-size texts. The run
// must finish, or stop with one of its messages, in bounded time.
#include "FuzzSupport.h"
#include "domain/DrawHistory.h"
#include "domain/Errors.h"
#include "domain/Favourites.h"
#include "domain/WheelChoice.h"
#include "domain/WheelLibrary.h"
#include "engine/Engine.h"

using namespace trimel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // history, wheel 1, wheel 2, favourites, first size, second size
    const std::vector<std::string_view> p = fuzz::splitInput(fuzz::bytesOf(data, size), 6);

    // Its tables are large: kept, and set back to a program's start.
    static auto state = std::make_unique<AppState>();
    state->K = state->N = state->D = state->wheelCount = 0;
    state->size1 = state->size2 = 0;
    state->favourites.fill(0);
    try {
        loadDrawHistory(*state, fuzz::MemoryFile(p[0]).path());
    } catch (const AppError&) {
        // The user may run after a failed load too.
    }
    const auto folder = fuzz::freshFolder("wheels");
    fuzz::writeEntries(folder, {{"ASys1", p[1]}, {"ASys2", p[2]}});
    try {
        loadWheelLibrary(*state, folder.string(), nullptr);
    } catch (const AppError&) {
    }

    // "Выбрать" with wheels 1 and 2.
    state->wheel1 = state->wheelCount >= 1 ? 1 : 0;
    state->wheel2 = state->wheelCount >= 2 ? 2 : 0;
    applyWheelChoice(*state);
    try {
        enterFavourites(*state, fuzz::utf16Of(p[3]));
    } catch (const ConvertError&) {
    }

    // One engine for all inputs, as the program keeps one for all clicks:
    // its working tables carry over from run to run there too.
    static MainView mainView;
    static ForecastView forecast;
    static Engine engine(*state, mainView, forecast);
    try {
        const RunOutcome outcome =
            engine.run(static_cast<std::uint32_t>(size) * 2654435761u, p[4], p[5]);
        switch (outcome.stop) {
            case RunStop::Completed:
                FUZZ_CHECK(outcome.message.empty(), outcome.message);
                FUZZ_CHECK(forecast.strip1.colCount() <= kPartListSize &&
                               forecast.strip2.colCount() <= kPartListSize,
                           "a strip no wider than a part's list");
                FUZZ_CHECK(forecast.tickets1.rowCount() <= kMaxTickets &&
                               forecast.tickets2.rowCount() <= kMaxTickets,
                           "no more ticket rows than a wheel keeps");
                break;
            case RunStop::SumTooLarge:
                FUZZ_CHECK(
                    outcome.message ==
                        "Сумма частей больше количества чисел в лотерее. Выберите другие системы.",
                    outcome.message);
                break;
            case RunStop::NumbersShort:
                FUZZ_CHECK(
                    outcome.message ==
                        "Не хватает чисел для частей такого размера. Измените размеры частей.",
                    outcome.message);
                break;
        }
    } catch (const ConvertError& e) {
        FUZZ_CHECK(std::string_view(e.what()) == "Не все поля заполнены верно!", e.what());
    }
    return 0;
}
