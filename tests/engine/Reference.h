#pragma once

// A second, deliberately plain engine for the tests: std::set for the
// number sets, expansion into the table in every draw, hits counted
// position by position, cells appended number by number. Endless drawing
// is found by trying the choices on a copy. Of the real code it uses only
// the integer-text conversion (domain/IntText) and the types a run fills
// and returns (the views, their text grids, the run's outcome), so a fault
// there is not caught by comparing the two.

#include <array>
#include <set>
#include <string>
#include <vector>

#include "domain/Errors.h"
#include "domain/IntText.h"
#include "engine/Engine.h"

namespace trimel::testing {

class ReferenceEngine {
  public:
    using List = std::array<std::int32_t, 101>;
    using Lists = std::array<List, 2>;

    ReferenceEngine(AppState& s, MainView& m, ForecastView& f) : s_(s), m_(m), f_(f) {}

    std::uint32_t seed = 0;
    Lists list{};
    std::array<std::vector<std::array<std::int32_t, 7>>, 2> expanded{
        std::vector<std::array<std::int32_t, 7>>(10001),
        std::vector<std::array<std::int32_t, 7>>(10001)};

    RunStop run(std::uint32_t runSeed, const std::string& t1, const std::string& t2) {
        seed = runSeed;
        const int D = s_.D;
        m_.draws.setRowCount(D + 1);
        m_.hits.setRowCount(D + 2);
        const char* dh[] = {"Тираж", "1-ая пол.", "2-ая пол.", "Числа 1-ой пол.",
                            "Числа 2-ой пол."};
        const int dw[] = {38, 50, 50, 95, 95};
        for (int c = 0; c < 5; ++c) m_.draws.setCell(c, 0, dh[c]), m_.draws.setColWidth(c, dw[c]);
        const char* hh[] = {"Тираж", "2", "3", "4", "5", "6"};
        for (int c = 0; c < 12; ++c) m_.hits.setCell(c, 0, hh[c % 6]);
        m_.hits.setColWidth(0, 38);
        m_.hits.setColWidth(6, 38);
        for (int r = 1; r <= D; ++r) m_.draws.setCell(3, r, ""), m_.draws.setCell(4, r, "");
        s_.size1 = size(t1);
        s_.size2 = size(t2);
        P1 = s_.size1;
        P2 = s_.size2;
        if (static_cast<long long>(P1) + P2 > s_.N) return RunStop::SumTooLarge;
        for (int part = 0; part < 2; ++part) {
            wheel[part] = (part == 1 && (P1 == s_.N || P2 <= 0))
                              ? nullptr
                              : s_.wheel(part == 0 ? s_.wheel1 : s_.wheel2);
            M[part] = wheel[part] ? wheel[part]->numberCount : 0;
            T[part] =
                wheel[part]
                    ? std::max(0, std::min(wheel[part]->ticketCount, wheel[part]->storedTickets()))
                    : 0;
        }
        Kt = std::min(s_.K, 6);
        if (P1 > std::max(s_.N, 0) || P2 > std::max(s_.N, 0) || !triesSucceed())
            return RunStop::NumbersShort;

        std::array<std::array<int, 7>, 2> spread{};
        for (int i = 1; i <= D; ++i) {
            std::set<int> partSet[2];
            int c[2] = {0, 0};
            choose(seed, list, false);
            for (int j = 1; j <= P1; ++j) add(partSet[0], list[0][j]);
            for (int j = 1; j <= P2; ++j) add(partSet[1], list[1][j]);
            std::array<std::array<int, 7>, 2> hist{};
            for (int part = 0; part < 2; ++part) {
                expand(part);
                for (int t = 1; t <= T[part]; ++t) {
                    std::set<int> ticket;
                    for (int p = 1; p <= Kt; ++p)
                        if (valid(wheel[part]->position(t, p))) add(ticket, expanded[part][t][p]);
                    int hits = 0;
                    for (int p = 1; p <= s_.K; ++p)
                        hits += static_cast<int>(ticket.count(s_.draws[i].numbers[p]));
                    if (hits <= 6) ++hist[part][hits];
                }
            }
            for (int part = 0; part < 2; ++part) {
                m_.hits.setCell(6 * part, i, intToStr(i));
                for (int b = 2; b <= 6; ++b)
                    m_.hits.setCell(6 * part + b - 1, i, intToStr(hist[part][b]));
            }
            for (int p = 1; p <= s_.K; ++p) {
                const int x = s_.draws[i].numbers[p];
                for (int part = 0; part < 2; ++part)
                    if (partSet[part].count(x)) {
                        ++c[part];
                        m_.draws.setCell(
                            3 + part, i,
                            m_.draws.cell(3 + part, i) + (x < 10 ? "0" : "") + intToStr(x) + " ");
                    }
            }
            m_.draws.setCell(0, i, intToStr(i));
            for (int part = 0; part < 2; ++part) {
                m_.draws.setCell(1 + part, i, intToStr(c[part]));
                if (c[part] <= 6) ++spread[part][c[part]];
            }
        }

        const char* names[] = {
            "Нулей: ", "Единиц: ", "Двоек: ", "Троек: ", "Четверок: ", "Пятерок: ", "Шестерок: "};
        for (int b = 0; b <= 6; ++b) {
            m_.labels[3 + b] = names[b] + intToStr(spread[0][b]);
            m_.labels[11 + b] = names[b] + intToStr(spread[1][b]);
        }
        m_.hits.setCell(0, D + 1, "Всего:");
        for (int col : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11}) {
            long long sum = 0;
            for (int r = 1; r <= D; ++r) sum += strToInt(m_.hits.cell(col, r));
            m_.hits.setCell(col, D + 1, intToStr(sum));
        }
        m_.hits.setCell(6, D + 1, "");

        choose(seed, list, true);
        expand(0);
        expand(1);
        TextGrid* grids[2] = {&f_.tickets1, &f_.tickets2};
        TextGrid* strips[2] = {&f_.strip1, &f_.strip2};
        const int sizes[2] = {P1, P2};
        for (int part = 0; part < 2; ++part) {
            grids[part]->setRowCount(T[part]);
            strips[part]->setColCount(M[part]);
            for (int c = 0; c < strips[part]->colCount(); ++c) strips[part]->setCell(c, 0, "");
            for (int r = 0; r < grids[part]->rowCount(); ++r)
                for (int c = 0; c <= 6; ++c) grids[part]->setCell(c, r, "");
            for (int t = 1; t <= T[part]; ++t) {
                grids[part]->setCell(0, t - 1, intToStr(t));
                for (int p = 1; p <= Kt; ++p)
                    grids[part]->setCell(p, t - 1, intToStr(expanded[part][t][p]));
            }
            for (int j = 1; wheel[part] && j <= sizes[part]; ++j)
                strips[part]->setCell(j - 1, 0, intToStr(list[part][j]));
        }
        f_.caption = "Прогноз на тираж №" + intToStr(D + 1);
        return RunStop::Completed;
    }

  private:
    static std::int32_t size(const std::string& text) {
        std::int32_t v;
        if (!tryStrToInt(text, v)) throw ConvertError("Не все поля заполнены верно!");
        return v;
    }
    static void add(std::set<int>& set, int x) {
        if (x >= 0 && x <= 127) set.insert(x);
    }
    static bool valid(int v) { return v >= 1 && v <= 100; }

    // False when no free number turns up in a great many tries, or when a
    // list would be written past its 100 positions.
    bool draw(std::uint32_t& sd, List& l, int count, std::set<int>& chosen) {
        for (int j = 1; j <= count; ++j) {
            if (j > 100) return false;
            for (int tries = 0;; ++tries) {
                if (tries > 200000) return false;
                sd = static_cast<std::uint32_t>(static_cast<std::uint64_t>(sd) * 134775813ull +
                                                1ull);
                l[j] =
                    static_cast<int>(static_cast<std::uint64_t>(static_cast<std::uint32_t>(s_.N)) *
                                     sd / 4294967296ull) +
                    1;
                if (!chosen.count(l[j])) break;
            }
            add(chosen, l[j]);
        }
        return true;
    }
    bool choose(std::uint32_t& sd, Lists& l, bool forecast) {
        std::set<int> chosen;
        bool ok = true;
        if (s_.favourites[1] != 0) {
            const int count = forecast ? std::max(20, M[0]) : M[0];
            for (int j = 1; j <= count && (ok = j <= 100); ++j)
                add(chosen, l[0][j] = s_.favourites[j]);
        } else {
            ok = draw(sd, l[0], P1, chosen);
        }
        if (ok && P1 != s_.N && (!forecast || P2 >= 1)) ok = draw(sd, l[1], P2, chosen);
        return ok && P1 <= 100 && P2 <= 100;
    }
    bool triesSucceed() {
        std::uint32_t sd = seed;
        Lists l = list;
        for (int i = 1; i <= s_.D; ++i)
            if (!choose(sd, l, false)) return false;
        return choose(sd, l, true);
    }
    void expand(int part) {
        for (int t = 1; t <= T[part]; ++t)
            for (int p = 1; p <= Kt; ++p) {
                const int v = wheel[part]->position(t, p);
                expanded[part][t][p] = valid(v) ? list[part][v] : 0;
            }
    }

    AppState& s_;
    MainView& m_;
    ForecastView& f_;
    int P1 = 0, P2 = 0, Kt = 0;
    const Wheel* wheel[2] = {nullptr, nullptr};
    int M[2] = {0, 0};
    int T[2] = {0, 0};
};

}  // namespace trimel::testing
