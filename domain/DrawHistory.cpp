#include "DrawHistory.h"

#include <optional>

#include "DrawFileLayout.h"
#include "Errors.h"
#include "IntText.h"
#include "TextFile.h"

namespace trimel {

void proposePartSizes(std::int32_t n, std::string& part1, std::string& part2) {
    part1 = intToStr(roundHalfEven(n / 2.0));
    // The second size is taken from the first edit's text, as the user sees it.
    part2 = intToStr(std::int64_t{n} - strToInt(part1));
}

namespace {

DrawLoadResult readDrawHistory(AppState& state, const std::string& path) {
    state.D = 0;
    TextFile file(path);

    const std::string_view header = file.readLine();
    const std::int32_t k = strToInt(drawfile::cut(header, drawfile::kHeaderK));
    if (k > kMaxDrawNumbers)
        throw LimitError("В тираже не может быть больше " + intToStr(kMaxDrawNumbers) + " чисел.");
    state.K = k;
    state.N = strToInt(drawfile::cut(header, drawfile::kHeaderN));

    const drawfile::Field tag = drawfile::tag(k);
    while (!file.atEnd() && state.D < kMaxDraws) {
        const std::string_view line = file.readLine();
        tyr& draw = state.draws[static_cast<std::size_t>(++state.D)];
        // A line that fails part-way keeps nothing of an earlier file.
        draw.numbers.fill(0);
        draw.tag.clear();
        draw.drawNumber = 0;
        draw.drawNumber = fieldToInt(drawfile::cut(line, drawfile::kDrawNumber));
        for (int j = 1; j <= k; ++j)
            draw.numbers[static_cast<std::size_t>(j)] = fieldToInt(drawfile::cut(line, drawfile::number(j)));
        draw.tag.assign(drawfile::cut(line, tag));
    }
    const bool cut = !file.atEnd();

    DrawLoadResult result;
    proposePartSizes(state.N, result.part1Text, result.part2Text);
    if (cut)
        result.notice = "В файле больше " + intToStr(kMaxDraws) + " тиражей: загружены первые " +
                        intToStr(kMaxDraws) + ".";
    return result;
}

FilePlace fieldPlace(int line, drawfile::Field f, std::string name, std::string_view text) {
    return {line, f.first, f.last(), std::move(name), std::string(text), false};
}

// Where a load that stopped at `draws` draws failed: the file is read again
// up to the failing line, and of it the first field, in the reader's order,
// that does not convert. Nothing when the error is not a field's.
std::optional<FilePlace> failedField(const AppError& e, const std::string& path, int draws) {
    TextFile file(path);
    std::string_view text = file.readLine();
    std::int32_t k = 0, value = 0;
    const bool kConverts = tryStrToInt(drawfile::cut(text, drawfile::kHeaderK), k);
    std::optional<FilePlace> place;
    if (dynamic_cast<const LimitError*>(&e)) {
        if (draws == 0 && kConverts && k > kMaxDrawNumbers) place = fieldPlace(1, drawfile::kHeaderK, "K", text);
        return place;
    }
    if (draws == 0) {
        place = kConverts ? fieldPlace(1, drawfile::kHeaderN, "N", text) : fieldPlace(1, drawfile::kHeaderK, "K", text);
    } else {
        for (int line = 2; line <= draws + 1; ++line) text = file.readLine();
        place = fieldPlace(draws + 1, drawfile::kDrawNumber, "номер тиража", text);
        if (tryStrToInt(drawfile::cut(text, drawfile::kDrawNumber), value)) {
            int j = 1;
            while (j < k && tryStrToInt(drawfile::cut(text, drawfile::number(j)), value)) ++j;
            place = fieldPlace(draws + 1, drawfile::number(j), "число " + intToStr(j), text);
        }
    }
    place->lastLine = nothingFollows(file);
    return place;
}

// Adds where the load failed to its error; a second read that fails itself
// leaves the error as it was.
void addPlace(AppError& e, const std::string& path, int draws) {
    try {
        if (auto place = failedField(e, path, draws)) e.setPlace(std::move(*place));
    } catch (const AppError&) {
    }
}

}  // namespace

DrawLoadResult loadDrawHistory(AppState& state, const std::string& path) {
    try {
        return readDrawHistory(state, path);
    } catch (ConvertError& e) {
        addPlace(e, path, state.D);
        throw;
    } catch (LimitError& e) {
        addPlace(e, path, state.D);
        throw;
    }
}

}  // namespace trimel
