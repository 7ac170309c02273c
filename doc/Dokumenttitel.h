#pragma once
#include <string>

namespace zelvor {

// The title of a well never saved.
inline constexpr const char* UNBENANNT = "Unbenannt";

// The name a document bears in the window caption and on the first line of the results file:
// the file name of its path, or the untitled name.
std::string Dokumenttitel(const std::string& pfad);

}  // namespace zelvor
