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

DrawLoadResult loadDrawHistory(AppState& state, const std::string& path) {
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

}  // namespace trimel
