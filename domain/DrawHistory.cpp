#include "DrawHistory.h"

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

FilePlace fieldPlace(int line, drawfile::Field f, std::string name, std::string_view text) {
    return {line, f.first, f.last(), std::move(name), std::string(text), false};
}

// The field of a line that the reader failed on: the first one, in the
// reader's order, that does not convert.
FilePlace failedField(bool header, int line, std::string_view text, int k) {
    std::int32_t value = 0;
    if (header)
        return tryStrToInt(drawfile::cut(text, drawfile::kHeaderK), value)
                   ? fieldPlace(line, drawfile::kHeaderN, "N", text)
                   : fieldPlace(line, drawfile::kHeaderK, "K", text);
    if (!tryStrToInt(drawfile::cut(text, drawfile::kDrawNumber), value))
        return fieldPlace(line, drawfile::kDrawNumber, "номер тиража", text);
    for (int j = 1; j < k; ++j)
        if (!tryStrToInt(drawfile::cut(text, drawfile::number(j)), value))
            return fieldPlace(line, drawfile::number(j), "число " + intToStr(j), text);
    return fieldPlace(line, drawfile::number(k), "число " + intToStr(k), text);
}

}  // namespace

DrawLoadResult loadDrawHistory(AppState& state, const std::string& path) {
    state.D = 0;
    TextFile file(path);

    // Conversions throw from the inner loop; where they failed is worked
    // out only then, so that the loop does nothing more than read.
    bool header = true;
    std::string_view line;
    std::int32_t k = 0;
    try {
        line = file.readLine();
        k = strToInt(drawfile::cut(line, drawfile::kHeaderK));
        if (k > kMaxDrawNumbers) {
            LimitError e("В тираже не может быть больше " + intToStr(kMaxDrawNumbers) + " чисел.");
            e.setPlace(fieldPlace(1, drawfile::kHeaderK, "K", line));
            throw e;
        }
        state.K = k;
        state.N = strToInt(drawfile::cut(line, drawfile::kHeaderN));
        header = false;

        const drawfile::Field tag = drawfile::tag(k);
        while (!file.atEnd() && state.D < kMaxDraws) {
            line = file.readLine();
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
    } catch (ConvertError& e) {
        FilePlace place = failedField(header, header ? 1 : state.D + 1, line, k);
        place.lastLine = nothingFollows(file);
        e.setPlace(std::move(place));
        throw;
    }
    const bool cut = !file.atEnd();

    DrawLoadResult result;
    proposePartSizes(state.N, result.part1Text, result.part2Text);
    if (cut)
        result.notice = "В файле больше " + intToStr(kMaxDraws) + " тиражей: загружены первые " +
                        intToStr(kMaxDraws) + ".";
    return result;
}

}  // namespace trimel
