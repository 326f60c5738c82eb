#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trimel::history {

// The three parts of a date as a results file writes it: 2017-06-10,
// 06/10/2017, 10-Jun-2017, 2020.05.16. or 16.05.2020; a time after the
// date is ignored.
struct DateParts {
    int first = 0, second = 0, third = 0;  // in the order of the text
    bool yearFirst = false;                // YYYY?MM?DD
    bool monthName = false;                // DD-Mon-YYYY: `second` is the month
    char separator = 0;
};
std::optional<DateParts> splitDate(std::string_view text);

// Whether numeric dates with the year last put the day first. The text
// decides when a part exceeds 12; otherwise day first with dots and month
// first with slashes or dashes. nullopt when the dates contradict each other.
std::optional<bool> dayFirstFor(const std::vector<DateParts>& dates);

// The date as YYYYMMDD, so that keys compare as dates; nullopt when no
// such day exists.
std::optional<int> dateKey(const DateParts& date, bool dayFirst);

// A YYYYMMDD key as 2015-10-07.
std::string isoDate(int key);

// A cell with no digit in it ("", ".", "-") holds no date.
bool holdsNoDate(std::string_view text);

}  // namespace trimel::history
