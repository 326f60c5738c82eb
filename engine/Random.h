#pragma once

#include <cstdint>

namespace trimel {

// The run's generator: a 32-bit linear congruential sequence. Every call
// advances the seed once, so the draws of a run are fixed by its seed.
class Random {
  public:
    explicit Random(std::uint32_t seed = 0) : seed_(seed) {}

    void reseed(std::uint32_t seed) {
        seed_ = seed;
        calls_ = 0;
    }

    // A value in 0..n-1 (0 for n = 0).
    std::uint32_t operator()(std::uint32_t n) {
        seed_ = seed_ * 134775813u + 1u;
        ++calls_;
        return static_cast<std::uint32_t>((std::uint64_t{n} * seed_) >> 32);
    }

    std::uint32_t seed() const { return seed_; }
    // Calls since the last reseed.
    std::uint64_t calls() const { return calls_; }

  private:
    std::uint32_t seed_;
    std::uint64_t calls_ = 0;
};

}  // namespace trimel
