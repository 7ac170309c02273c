#pragma once
// Windows-1252 <-> UTF-8. The files keep their texts in Windows-1252; in memory every text is UTF-8.
// Every byte maps to exactly one code point: 0x80-0x9F through the Windows table, and the five bytes
// Windows leaves unassigned (81 8D 8F 90 9D) to the C1 controls of the same value, so any file
// round-trips byte for byte.
#include <string>
#include <string_view>

namespace zelvor {

std::string Windows1252NachUtf8(std::string_view bytes);

// false if the input is not valid UTF-8 or holds a character Windows-1252 cannot represent;
// `bytes` then holds no useful value.
bool Utf8NachWindows1252(std::string_view utf8, std::string& bytes);

// Same, but every character that cannot be represented (and every invalid UTF-8 sequence) becomes '?'.
std::string Utf8NachWindows1252Ersetzt(std::string_view utf8);

// The code point of one Windows-1252 byte.
char32_t Windows1252Zeichen(unsigned char byte);

// The Windows-1252 byte of a code point; false if there is none.
bool Windows1252Byte(char32_t zeichen, unsigned char& byte);

// The distinct characters of `utf8` that Windows-1252 cannot represent, in order of appearance, as UTF-8
// (at most `maxAnzahl`; an invalid UTF-8 sequence shows as U+FFFD). For messages to the user.
std::string NichtDarstellbareZeichen(std::string_view utf8, std::size_t maxAnzahl = 10);

}  // namespace zelvor
