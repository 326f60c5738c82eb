#pragma once

#include <bit>
#include <cstdint>

namespace trimel {

// A set of the numbers 0..127, one bit each. A number outside that range,
// a negative one included, is never added and never found.
class NumberSet {
  public:
    static constexpr std::int32_t kTop = 127;

    void clear() { lo_ = hi_ = 0; }

    void add(std::int32_t x) {
        if (x < 0 || x > kTop) return;
        if (x < 64)
            lo_ |= std::uint64_t{1} << x;
        else
            hi_ |= std::uint64_t{1} << (x - 64);
    }

    // Adds x; whether it was not a member before. A number outside the
    // range never is one, and is not added. Without a branch on the
    // answer, so that drawing distinct numbers at random does not guess.
    bool insert(std::int32_t x) {
        const auto u = static_cast<std::uint32_t>(x);
        if (u > static_cast<std::uint32_t>(kTop)) return true;
        std::uint64_t& word = u < 64 ? lo_ : hi_;
        const std::uint64_t bit = std::uint64_t{1} << (u & 63);
        const bool fresh = (word & bit) == 0;
        word |= bit;
        return fresh;
    }

    bool contains(std::int32_t x) const {
        if (x < 0 || x > kTop) return false;
        return x < 64 ? ((lo_ >> x) & 1u) != 0 : ((hi_ >> (x - 64)) & 1u) != 0;
    }

    int size() const { return std::popcount(lo_) + std::popcount(hi_); }

    NumberSet& operator|=(const NumberSet& other) {
        lo_ |= other.lo_;
        hi_ |= other.hi_;
        return *this;
    }

    // Calls f(x) for every member, in ascending order.
    template <class F>
    void forEach(F&& f) const {
        for (std::uint64_t b = lo_; b != 0; b &= b - 1) f(std::countr_zero(b));
        for (std::uint64_t b = hi_; b != 0; b &= b - 1) f(64 + std::countr_zero(b));
    }

  private:
    std::uint64_t lo_ = 0;
    std::uint64_t hi_ = 0;
};

}  // namespace trimel
