#pragma once
// A text from a file as a message shows it: control characters (C0 but the tab, DEL, C1) as visible
// escapes, so that a cell or line cannot move the cursor, clear the terminal or fake a line of its own.
#include <string>
#include <string_view>

namespace zelvor {

// "\r" and "\n" for carriage return and line feed, "\x1B" for other single bytes, "\u009B" for a C1
// control written in UTF-8; everything else as it stands.
std::string SteuerzeichenSichtbar(std::string_view text);

}  // namespace zelvor
