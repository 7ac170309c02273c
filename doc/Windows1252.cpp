#include "doc/Windows1252.h"

#include <array>
#include <cstdint>

namespace zelvor {
namespace {

// 0x80-0x9F; the unassigned bytes keep their own value.
constexpr std::array<char16_t, 32> OBERE_STEUERZEICHEN = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t ERSATZZEICHEN = 0xFFFD;

void HaengeUtf8An(std::string& ziel, char32_t cp) {
  if (cp < 0x80) {
    ziel += static_cast<char>(cp);
  } else if (cp < 0x800) {
    ziel += static_cast<char>(0xC0 | (cp >> 6));
    ziel += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    ziel += static_cast<char>(0xE0 | (cp >> 12));
    ziel += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    ziel += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    ziel += static_cast<char>(0xF0 | (cp >> 18));
    ziel += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    ziel += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    ziel += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one character at `pos` and advances past it. An invalid sequence yields false and is skipped
// as its longest valid-looking start (at least one byte), so that one bad sequence is one bad character.
bool NaechstesZeichen(std::string_view s, std::size_t& pos, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  ++pos;
  if (b0 < 0x80) {
    cp = b0;
    return true;
  }
  std::size_t folge = 0;
  unsigned char min1 = 0x80;
  unsigned char max1 = 0xBF;  // allowed range of the first continuation byte
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    folge = 1;
    cp = b0 & 0x1Fu;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    folge = 2;
    cp = b0 & 0x0Fu;
    if (b0 == 0xE0) min1 = 0xA0;  // overlong
    if (b0 == 0xED) max1 = 0x9F;  // surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    folge = 3;
    cp = b0 & 0x07u;
    if (b0 == 0xF0) min1 = 0x90;  // overlong
    if (b0 == 0xF4) max1 = 0x8F;  // beyond U+10FFFF
  } else {
    return false;
  }
  for (std::size_t k = 0; k < folge; ++k) {
    if (pos >= s.size()) return false;
    const auto b = static_cast<unsigned char>(s[pos]);
    const unsigned char lo = k == 0 ? min1 : 0x80;
    const unsigned char hi = k == 0 ? max1 : 0xBF;
    if (b < lo || b > hi) return false;
    cp = (cp << 6) | (b & 0x3Fu);
    ++pos;
  }
  return true;
}

}  // namespace

char32_t Windows1252Zeichen(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return OBERE_STEUERZEICHEN[byte - 0x80];
  return byte;
}

bool Windows1252Byte(char32_t zeichen, unsigned char& byte) {
  if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) {
    byte = static_cast<unsigned char>(zeichen);
    return true;
  }
  for (std::size_t i = 0; i < OBERE_STEUERZEICHEN.size(); ++i) {
    if (OBERE_STEUERZEICHEN[i] == zeichen) {
      byte = static_cast<unsigned char>(0x80 + i);
      return true;
    }
  }
  return false;
}

std::string Windows1252NachUtf8(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size());
  for (const char c : bytes) HaengeUtf8An(utf8, Windows1252Zeichen(static_cast<unsigned char>(c)));
  return utf8;
}

bool Utf8NachWindows1252(std::string_view utf8, std::string& bytes) {
  bytes.clear();
  bytes.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = 0;
    unsigned char b = 0;
    if (!NaechstesZeichen(utf8, pos, cp) || !Windows1252Byte(cp, b)) return false;
    bytes += static_cast<char>(b);
  }
  return true;
}

std::string Utf8NachWindows1252Ersetzt(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = 0;
    unsigned char b = 0;
    if (NaechstesZeichen(utf8, pos, cp) && Windows1252Byte(cp, b)) {
      bytes += static_cast<char>(b);
    } else {
      bytes += '?';
    }
  }
  return bytes;
}

std::string NichtDarstellbareZeichen(std::string_view utf8, std::size_t maxAnzahl) {
  std::u32string gefunden;
  std::size_t pos = 0;
  while (pos < utf8.size() && gefunden.size() < maxAnzahl) {
    char32_t cp = 0;
    unsigned char b = 0;
    if (!NaechstesZeichen(utf8, pos, cp)) {
      cp = ERSATZZEICHEN;
    } else if (Windows1252Byte(cp, b)) {
      continue;
    }
    if (gefunden.find(cp) == std::u32string::npos) gefunden += cp;
  }
  std::string text;
  for (const char32_t cp : gefunden) HaengeUtf8An(text, cp);
  return text;
}

}  // namespace zelvor
