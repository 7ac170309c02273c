#include "import/Meldungstext.h"

#include <gtest/gtest.h>

namespace zelvor {
namespace {

TEST(Meldungstext, SteuerzeichenWerdenSichtbar) {
  const std::pair<std::string, std::string> faelle[] = {
      {"12,0;8849\t228,0", "12,0;8849\t228,0"},  // a tab separates cells
      {"a\r\nRatenzeile=1 2 3", "a\\r\\nRatenzeile=1 2 3"},
      {"\x1B[2J\x1B]0;Titel\x07", "\\x1B[2J\\x1B]0;Titel\\x07"},
      {std::string("\0\x7F", 2), "\\x00\\x7F"},
      {"\xC2\x9B" "31m S\xC3\xBC\xC3\x9F \xE2\x82\xAC", "\\u009B31m S\xC3\xBC\xC3\x9F \xE2\x82\xAC"},
      {"\xC2\xA0\xC2", "\xC2\xA0\xC2"},
  };
  for (const auto& [text, sichtbar] : faelle) EXPECT_EQ(SteuerzeichenSichtbar(text), sichtbar) << sichtbar;
}

}  // namespace
}  // namespace zelvor
