#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trimel::history {

// One line of a lottery's results file, split into cells.
struct SourceRow {
    int line = 0;                    // 1-based line of the file
    std::string text;                // the line, as valid UTF-8, for messages
    std::vector<std::string> cells;  // without surrounding blanks and quotes
};

struct SourceTable {
    char delimiter = ',';             // '\0': no delimiter, a line is one cell
    std::optional<SourceRow> header;  // column names, when the file has them
    int skippedTitleLines = 0;        // text lines above the header
    std::vector<SourceRow> rows;      // data rows; blank lines are left out
};

// The delimiter names the user can give: "," ";" "tab" "|" or any single
// character; nullopt for anything else.
std::optional<char> delimiterFromName(std::string_view name);
// How a delimiter is shown in the report: «,» or «табуляция».
std::string delimiterName(char delimiter);

// Splits the text of a results file. Without a given delimiter the one of
// ',' ';' and tab that every one of the first lines holds most often is
// taken. Leading lines with no cell that starts with a digit hold names:
// the last of them is the header.
SourceTable parseSourceTable(std::string_view text, std::optional<char> delimiter);

// Reads a regular file of at most kMaxSourceBytes; throws AppError with a
// Russian message when it cannot.
std::string readSourceFile(const std::string& path);
inline constexpr std::size_t kMaxSourceBytes = 64u << 20;

// The text is a plain decimal integer of at most nine digits (blanks
// around it allowed); its value in `value`.
bool plainInt(std::string_view text, int& value);

}  // namespace trimel::history
