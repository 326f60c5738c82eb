#pragma once

// The files the loading and memory benchmarks read: a full wheel library
// (100 wheels of 10000 tickets over 24 numbers, guarantee 3) and a history
// of 10000 draws of a 6 of 45 game, written once per process into a
// temporary folder and removed at exit.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace trimel::bench {

inline constexpr int kWheelFiles = 100;
inline constexpr int kTicketLines = 10000;
inline constexpr int kDraws = 10000;

struct BenchData {
    std::filesystem::path root;
    std::filesystem::path wheels;
    std::filesystem::path history;
    std::int64_t wheelBytes = 0;
    std::int64_t historyBytes = 0;

    BenchData() {
        namespace fs = std::filesystem;
        root = fs::temp_directory_path() / ("trimel-bench-" + std::to_string(::getpid()));
        wheels = root / "wheels";
        history = root / "history.txt";
        fs::create_directories(wheels);
        std::mt19937 rng(1);
        char buf[64];
        for (int w = 1; w <= kWheelFiles; ++w) {
            std::snprintf(buf, sizeof buf, "ASys%03d.txt", w);
            std::ofstream f(wheels / buf, std::ios::binary);
            f << "bench wheel\n24\n" << kTicketLines << "\n3\n0\n";
            for (int t = 0; t < kTicketLines; ++t) {
                for (int p = 0; p < 6; ++p) {
                    std::snprintf(buf, sizeof buf, "%02u", static_cast<unsigned>(rng() % 24 + 1));
                    f << buf;
                }
                f << '\n';
            }
        }
        std::ofstream h(history, std::ios::binary);
        h << "06 45\n";
        for (int i = 1; i <= kDraws; ++i) {
            std::snprintf(buf, sizeof buf, "%04d  ", i % 10000);
            h << buf;
            for (int j = 0; j < 6; ++j) {
                std::snprintf(buf, sizeof buf, "%02u", static_cast<unsigned>(rng() % 45 + 1));
                h << buf;
            }
            h << " 07\n";
        }
        h.close();
        for (const auto& e : fs::directory_iterator(wheels)) wheelBytes += fs::file_size(e.path());
        historyBytes = static_cast<std::int64_t>(fs::file_size(history));
    }
    ~BenchData() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    BenchData(const BenchData&) = delete;
    BenchData& operator=(const BenchData&) = delete;
};

inline BenchData& benchData() {
    static BenchData data;
    return data;
}

}  // namespace trimel::bench
