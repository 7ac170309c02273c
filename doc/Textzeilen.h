#pragma once
// Lines of a text file whatever system wrote it: LF (Linux), CR LF (Windows; also CR CR LF, a CR LF file
// copied once more as text) and a lone CR (old Mac programs, some exports of measuring devices). A reader that split at LF only would take a CR-only
// file for one long line and mix its rows.
#include <cstddef>
#include <string_view>

namespace zelvor {

// The line that starts at `anfang`: its text ends at `ende` (the line end not included); the result is
// where the next line starts (text.size() after the last).
std::size_t Zeilenende(std::string_view text, std::size_t anfang, std::size_t& ende);

}  // namespace zelvor
