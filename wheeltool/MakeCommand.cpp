#include <algorithm>
#include <ostream>
#include <thread>

#include "Commands.h"
#include "Maker.h"
#include "Steiner.h"
#include "Targets.h"
#include "WheelCheck.h"
#include "WheelFile.h"
#include "WheelText.h"
#include "cli/CommandLine.h"
#include "domain/Errors.h"

namespace trimel::wheels {

namespace {

// A wheel to start from: whole, of the same guarantee, and on the same
// numbers or more (then cut down to the numbers by point deletion).
Tickets startFrom(const std::string& path, const MakeRequest& r) {
    const WheelFile f = readWheelFile(path);
    if (!f.usable() || f.wheel.numberCount < r.v || f.wheel.guarantee != r.t)
        throw AppError(path + ": нужна исправная система на " +
                       counted(r.v, "число", "числа", "чисел") + " или больше с гарантией " +
                       std::to_string(r.t));
    return f.wheel.numberCount == r.v ? f.tickets : restrictCovering(f.tickets, r.v);
}

Method methodNamed(const std::string& name) {
    if (name == "anneal") return Method::Anneal;
    if (name == "weighted") return Method::Weighted;
    if (name == "threshold") return Method::Threshold;
    if (name == "orbits") return Method::Orbits;
    return Method::Choose;
}

}  // namespace

int makeCommand(MakeOptions o, std::ostream& out, std::ostream& err,
                const std::atomic<bool>* stop) {
    MakeRequest& r = o.request;
    r.jobs =
        o.jobs > 0 ? o.jobs : static_cast<int>(std::max(std::thread::hardware_concurrency(), 1u));
    r.method = methodNamed(o.method);
    try {
        if (!o.from.empty()) r.start = startFrom(o.from, r);
    } catch (const AppError& e) {
        err << "trimel-wheels: " << errorReportText(e.what()) << "\n";
        return 1;
    }

    int lastBest = 0;
    double lastLine = -10;
    const auto progress = [&](const std::string& stage, const SearchProgress& p) {
        // A line when a smaller covering turns up, else every ten seconds.
        if (p.best == lastBest && p.seconds < lastLine + 10) return;
        err << "  " << stage << ": ищется система из "
            << counted(p.tickets, "билета", "билетов", "билетов")
            << ", не покрыто сочетаний: " << p.uncovered << "; "
            << (p.best > 0 ? "лучшая найденная — " + counted(p.best, "билет", "билета", "билетов")
                           : "системы пока нет")
            << "; прошло " << static_cast<int>(p.seconds) << " с\n";
        lastBest = p.best;
        lastLine = p.seconds;
    };
    const Tickets wheel = makeWheel(r, stop, progress);

    // Nothing leaves the tool unchecked.
    const ReachCount check = countReached(r.v, wheel, r.t, 0);
    if (check.reached != check.total) {
        err << "trimel-wheels: найденная система не выполняет гарантию; она не записана.\n";
        return 1;
    }
    const std::string text = wheelFileText(r.v, r.t, wheel);
    if (o.output.empty()) {
        out << text;
    } else {
        try {
            cli::writeFile(o.output, text);
        } catch (const AppError& e) {
            err << "trimel-wheels: " << e.what() << "\n";
            return 1;
        }
    }
    if (stop && stop->load())
        err << "Поиск прерван; записана лучшая найденная система.\n";
    else if (r.tickets > 0 && static_cast<int>(wheel.size()) > r.tickets)
        err << "Системы из " << counted(r.tickets, "билета", "билетов", "билетов")
            << " за отведённое время не найдено.\n";
    err << wheelTitle(r.v, r.t, static_cast<int>(wheel.size())) << " — проверена";
    if (const int known = knownWheelSize(r.v, r.t)) {
        const int gap = static_cast<int>(wheel.size()) - known;
        err << "; лучший известный размер " << known;
        if (gap > 0) err << ", эта больше на " << gap;
    }
    err << (o.output.empty() ? "" : "; записана в " + o.output) << ".\n";
    return 0;
}

}  // namespace trimel::wheels
