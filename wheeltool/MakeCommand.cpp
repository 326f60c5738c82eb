#include <algorithm>
#include <charconv>
#include <thread>
#include <fstream>
#include <ostream>

#include "Commands.h"
#include "Maker.h"
#include "Steiner.h"
#include "Targets.h"
#include "WheelCheck.h"
#include "WheelFile.h"
#include "WheelText.h"
#include "domain/Errors.h"

namespace trimel::wheels {

namespace {

constexpr int kMakeNumbers = 49;      // the largest wheel `make` builds
constexpr int kMakeTickets = 10000;   // what the program's tables take
constexpr int kMaxJobs = 256;

std::int64_t number(const std::string& option, const std::string& text, std::int64_t lo, std::int64_t hi) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || p != end || value < lo || value > hi)
        throw ArgumentError{option + ": нужно целое число от " + std::to_string(lo) + " до " + std::to_string(hi) +
                            ", а не «" + text + "»"};
    return value;
}

Method methodNamed(const std::string& name) {
    if (name == "anneal") return Method::Anneal;
    if (name == "weighted") return Method::Weighted;
    if (name == "threshold") return Method::Threshold;
    if (name == "orbits") return Method::Orbits;
    throw ArgumentError{"--method: нужно anneal, weighted, threshold или orbits, а не «" + name + "»"};
}

struct Options {
    MakeRequest request;
    std::string output;  // empty: standard output
    std::string from;
};

Options parse(const std::vector<std::string>& args) {
    Options o;
    o.request.jobs = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, unsigned{kMaxJobs}));
    bool haveNumbers = false, haveGuarantee = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (i + 1 == args.size()) {
            if (name.rfind("-", 0) == 0) throw ArgumentError{name + ": не указано значение"};
            throw ArgumentError{"лишний аргумент «" + name + "»"};
        }
        const std::string& value = args[++i];
        MakeRequest& r = o.request;
        if (name == "--numbers") r.v = static_cast<int>(number(name, value, 6, kMakeNumbers)), haveNumbers = true;
        else if (name == "--guarantee") r.t = static_cast<int>(number(name, value, 3, 5)), haveGuarantee = true;
        else if (name == "--tickets") r.tickets = static_cast<int>(number(name, value, 1, kMakeTickets));
        else if (name == "--seconds") r.seconds = static_cast<double>(number(name, value, 1, 1000000));
        else if (name == "--seed") r.seed = static_cast<std::uint64_t>(number(name, value, 0, INT64_MAX));
        else if (name == "--split") r.split = static_cast<int>(number(name, value, 0, kMakeNumbers));
        else if (name == "--from") o.from = value;
        else if (name == "--method") r.method = methodNamed(value);
        else if (name == "--jobs") r.jobs = static_cast<int>(number(name, value, 1, kMaxJobs));
        else if (name == "-o") o.output = value;
        else throw ArgumentError{"неизвестный параметр «" + name + "»"};
    }
    if (!haveNumbers) throw ArgumentError{"не указано --numbers"};
    if (!haveGuarantee) throw ArgumentError{"не указано --guarantee"};
    const MakeRequest& r = o.request;
    if (r.split > 0 && (r.t != 3 || r.split < 6 || r.v - r.split < 6))
        throw ArgumentError{"--split: делить можно только систему с гарантией 3, и в обеих частях должно быть не "
                            "меньше 6 чисел"};
    return o;
}

// A wheel to start from: whole, of the same guarantee, and on the same
// numbers or more (then cut down to the numbers by point deletion).
Tickets startFrom(const std::string& path, const MakeRequest& r) {
    const WheelFile f = readWheelFile(path);
    if (!f.usable() || f.wheel.numberCount < r.v || f.wheel.guarantee != r.t)
        throw AppError(path + ": нужна исправная система на " + counted(r.v, "число", "числа", "чисел") +
                       " или больше с гарантией " + std::to_string(r.t));
    return f.wheel.numberCount == r.v ? f.tickets : restrictCovering(f.tickets, r.v);
}

}  // namespace

int makeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const std::atomic<bool>* stop) {
    Options o = parse(args);
    MakeRequest& r = o.request;
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
        err << "  " << stage << ": билетов " << p.tickets << ", непокрыто " << p.uncovered << ", лучшее "
            << p.best << ", " << static_cast<int>(p.seconds) << " с\n";
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
        std::ofstream file(o.output, std::ios::binary);
        file << text;
        file.close();
        if (!file) {
            err << "trimel-wheels: не удалось записать файл «" << o.output << "».\n";
            return 1;
        }
    }
    if (stop && stop->load()) err << "Поиск прерван; записана лучшая найденная система.\n";
    else if (r.tickets > 0 && static_cast<int>(wheel.size()) > r.tickets)
        err << "Системы из " << counted(r.tickets, "билета", "билетов", "билетов") << " за отведённое время не найдено.\n";
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
