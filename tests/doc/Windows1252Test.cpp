#include "doc/Windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvor {
namespace {

std::string AlleBytes() {
  std::string s;
  for (int b = 0; b < 256; ++b) s += static_cast<char>(b);
  return s;
}

// Counts code points: every byte must decode to exactly one character.
std::size_t Zeichenanzahl(const std::string& utf8) {
  std::size_t n = 0;
  for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

TEST(Windows1252Test, EveryByteRoundTripsAsOneCharacter) {
  const std::string bytes = AlleBytes();
  const std::string utf8 = Windows1252NachUtf8(bytes);
  EXPECT_EQ(Zeichenanzahl(utf8), 256u);
  std::string zurueck;
  ASSERT_TRUE(Utf8NachWindows1252(utf8, zurueck));
  EXPECT_EQ(zurueck, bytes);
  EXPECT_EQ(Utf8NachWindows1252Ersetzt(utf8), bytes);
  EXPECT_EQ(NichtDarstellbareZeichen(utf8), "");
}

// The 0x80-0x9F block, typed out as characters; the unassigned bytes stay C1 controls.
TEST(Windows1252Test, UpperControlBlockFollowsTheWindowsTable) {
  std::string block;
  for (int b = 0x80; b <= 0x9F; ++b) block += static_cast<char>(b);
  EXPECT_EQ(Windows1252NachUtf8(block),
            "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F"
            "\u0090‘’“”•–—˜™š›œ\u009DžŸ");
  EXPECT_EQ(Windows1252NachUtf8("\xA0\xE4\xF6\xFC\xC4\xD6\xDC\xDF\xB0\xFF"), "\u00A0äöüÄÖÜß°ÿ");
}

TEST(Windows1252Test, EuroAndUmlautsEncode) {
  std::string bytes;
  ASSERT_TRUE(Utf8NachWindows1252("Müller-Süd 5 € „Ölfeld“ ÄÖÜß", bytes));
  EXPECT_EQ(bytes, "M\xFCller-S\xFC" "d 5 \x80 \x84\xD6lfeld\x93 \xC4\xD6\xDC\xDF");
}

TEST(Windows1252Test, UnrepresentableCharactersAreRefusedOrReplaced) {
  std::string bytes;
  EXPECT_FALSE(Utf8NachWindows1252("Bohrung α", bytes));
  EXPECT_FALSE(Utf8NachWindows1252("\u0080", bytes));  // 0x80 is the euro sign, not U+0080
  EXPECT_FALSE(Utf8NachWindows1252("Gas 🔥", bytes));
  EXPECT_EQ(Utf8NachWindows1252Ersetzt("a α b 🔥 €"), "a ? b ? \x80");
  EXPECT_EQ(NichtDarstellbareZeichen("αβα € ω"), "αβω");
  EXPECT_EQ(NichtDarstellbareZeichen("αβγδ", 2), "αβ");
}

TEST(Windows1252Test, InvalidUtf8IsRefusedOrReplaced) {
  struct Fall {
    const char* name;
    std::string text;
    std::string ersetzt;
  };
  const Fall faelle[] = {
      {"lone continuation byte", "a\x80z", "a?z"},
      {"cut-off euro sign", "a\xE2\x82z", "a?z"},
      {"cut off at the end", "a\xC3", "a?"},
      {"overlong slash", "a\xC0\xAFz", "a??z"},
      {"overlong three bytes", "\xE0\x80\xAF", "???"},
      {"surrogate", "\xED\xA0\x80", "???"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", "????"},
      {"0xFF byte", "\xFF", "?"},
  };
  for (const Fall& f : faelle) {
    std::string bytes;
    EXPECT_FALSE(Utf8NachWindows1252(f.text, bytes)) << f.name;
    EXPECT_EQ(Utf8NachWindows1252Ersetzt(f.text), f.ersetzt) << f.name;
    EXPECT_EQ(NichtDarstellbareZeichen(f.text), "\uFFFD") << f.name;
  }
}

}  // namespace
}  // namespace zelvor
