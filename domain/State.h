#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "Limits.h"

namespace trimel {

// A draw's tag: the two characters at the end of its line, or none. Held
// in the record itself, so that loading a history builds no string.
class DrawTag {
  public:
    std::size_t size() const { return length_; }
    bool empty() const { return length_ == 0; }
    std::string_view view() const { return {chars_.data(), length_}; }
    // Keeps the first two characters of `text`.
    void assign(std::string_view text) {
        length_ = static_cast<std::uint8_t>(std::min<std::size_t>(text.size(), chars_.size()));
        std::copy_n(text.data(), length_, chars_.data());
    }
    void clear() { length_ = 0; }
    // The two characters at p, of which the tag keeps `length` (0..2): a
    // reader's way to set it without a branch.
    void setPair(const char* p, std::uint8_t length) {
        std::memcpy(chars_.data(), p, chars_.size());
        length_ = length;
    }
    friend bool operator==(const DrawTag& a, const DrawTag& b) { return a.view() == b.view(); }
    friend bool operator==(const DrawTag& a, std::string_view b) { return a.view() == b; }
    friend std::ostream& operator<<(std::ostream& out, const DrawTag& t) { return out << t.view(); }

  private:
    std::array<char, 2> chars_{};
    std::uint8_t length_ = 0;
};

// One draw of the history. Entries 1..K of `numbers` hold the drawn
// numbers in file order; entry 0 is unused. A field has two characters,
// so every value a reader takes (-9..99) fits in 16 bits, and 10000
// records take half a megabyte.
struct tyr {
    std::int32_t drawNumber = 0;
    std::array<std::int16_t, kMaxDrawNumbers + 1> numbers{};
    DrawTag tag;
};

// A wheel's ticket: positions 1..6; entry 0 is unused. A file's field has
// two characters, so a position is small and kept in 16 bits: a ticket is
// one 16-byte word, and a full library takes little more than half of
// what it would in 32-bit entries.
class alignas(16) Ticket {
  public:
    // Ticket{} and a table's new entries are all zeros.
    constexpr Ticket() = default;
    // Entries from 0 on; a value must fit in 16 bits.
    constexpr Ticket(std::initializer_list<std::int32_t> entries) : entries_{} {
        std::size_t i = 0;
        for (const std::int32_t e : entries)
            if (i < entries_.size()) entries_[i++] = static_cast<std::int16_t>(e);
    }
    // Built in place by `write`, which sets all eight entries at the
    // address it is given: a reader's way to write each ticket once.
    template <class Write>
    requires std::is_invocable_v<Write, std::int16_t*>
    explicit Ticket(Write&& write) { write(entries_.data()); }
    constexpr std::int16_t& operator[](std::size_t i) { return entries_[i]; }
    constexpr std::int32_t operator[](std::size_t i) const { return entries_[i]; }
    static constexpr std::size_t size() { return kTicketPositions + 1; }
    friend constexpr bool operator==(const Ticket&, const Ticket&) = default;

  private:
    // No initialiser: value initialisation zeroes it, and the writing
    // constructor above is not made to store twice.
    std::array<std::int16_t, 8> entries_;  // the last one pads to 16 bytes and stays 0
};
static_assert(sizeof(Ticket) == 16);

// A covering system. Tickets hold positions into a part's number list, not
// lottery numbers. Only the ticket lines the file had are stored; every
// other ticket reads as all zeros.
struct Wheel {
    std::int32_t numberCount = 0;
    std::int32_t ticketCount = 0;
    std::int32_t guarantee = 0;
    std::int32_t spare = 0;
    std::vector<Ticket> tickets;  // tickets[t - 1] is ticket t

    // Position p (1..6) of ticket t (1-based); 0 outside what was stored.
    std::int32_t position(int t, int p) const {
        if (t < 1 || t > static_cast<int>(tickets.size()) || p < 1 || p > kTicketPositions)
            return 0;
        return tickets[static_cast<std::size_t>(t - 1)][static_cast<std::size_t>(p)];
    }
    int storedTickets() const { return static_cast<int>(tickets.size()); }
};

// The whole domain state, shared by reference between the windows and the
// engine. All tables are 1-based; entry 0 is never used.
struct AppState {
    // Lottery parameters, from the draw history's header.
    std::int32_t K = 0;  // numbers per draw
    std::int32_t N = 0;  // range top

    // Draw table: entries 1..D are the loaded history.
    std::vector<tyr> draws = std::vector<tyr>(kMaxDraws + 1);
    std::int32_t D = 0;

    // Wheel library: entries 1..wheelCount.
    std::vector<Wheel> wheels = std::vector<Wheel>(kMaxWheels + 1);
    std::int32_t wheelCount = 0;

    // Selection state.
    std::int32_t wheel1 = 0;                                 // first-part wheel, 0 = none
    std::int32_t wheel2 = 0;                                 // second-part wheel, 0 = none
    std::int32_t size1 = 0;                                  // first-part size
    std::int32_t size2 = 0;                                  // second-part size
    std::array<std::int32_t, kFavourites + 1> favourites{};  // 0 = empty

    // The wheel at a library index, or nullptr when none is loaded there.
    const Wheel* wheel(std::int32_t index) const {
        if (index < 1 || index > wheelCount) return nullptr;
        return &wheels[static_cast<std::size_t>(index)];
    }
};

}  // namespace trimel
