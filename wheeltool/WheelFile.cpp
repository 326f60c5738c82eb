#include "WheelFile.h"

#include <algorithm>

#include "Binomial.h"
#include "WheelText.h"
#include "domain/WheelLibrary.h"

namespace trimel::wheels {

namespace {

constexpr int kFaultsListed = 5;

std::string ticketFault(int t, const std::string& what) {
    return "билет " + std::to_string(t) + " (строка " + std::to_string(t + 5) + "): " + what;
}

}  // namespace

WheelFile readWheelFile(const std::string& path) {
    WheelFile f;
    loadWheelFile(f.wheel, path, path, [&](const std::string& m) { f.notices.push_back(m); });
    const Wheel& w = f.wheel;
    const int v = w.numberCount;
    if (v < kTicketSize || v > kMaxNumbers)
        f.faults.push_back("число номеров " + std::to_string(v) + " вне 6.." +
                           std::to_string(kMaxNumbers));
    if (w.guarantee < 1 || w.guarantee > kTicketSize)
        f.faults.push_back("гарантия " + std::to_string(w.guarantee) + " вне 1..6");
    if (w.ticketCount != w.storedTickets())
        f.faults.push_back("в заголовке " + counted(w.ticketCount, "билет", "билета", "билетов") +
                           ", а строк с билетами " + std::to_string(w.storedTickets()));
    if (v < kTicketSize || v > kMaxNumbers) return f;  // no masks for such a wheel

    int bad = 0;
    const int played = std::clamp(w.ticketCount, 0, w.storedTickets());
    for (int t = 1; t <= played; ++t) {
        std::uint64_t mask = 0;
        std::string fault;
        for (int p = 1; p <= kTicketSize; ++p) {
            const int pos = w.position(t, p);
            if (pos < 1 || pos > v) {
                if (fault.empty())
                    fault = "позиция " + std::to_string(pos) + " вне 1.." + std::to_string(v);
                continue;
            }
            const std::uint64_t bit = std::uint64_t{1} << (pos - 1);
            if ((mask & bit) && fault.empty())
                fault = "позиция " + std::to_string(pos) + " повторяется";
            mask |= bit;
        }
        f.tickets.push_back(mask);
        if (!fault.empty() && ++bad <= kFaultsListed) f.faults.push_back(ticketFault(t, fault));
    }
    if (bad > kFaultsListed)
        f.faults.push_back("и ещё " + counted(bad - kFaultsListed, "неверный билет",
                                              "неверных билета", "неверных билетов"));
    return f;
}

}  // namespace trimel::wheels
