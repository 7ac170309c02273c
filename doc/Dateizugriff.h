#pragma once
// Whole-file reading and crash-safe replacing of files. Messages are German, for the user. One
// implementation per platform: Dateizugriff.cpp (POSIX), DateizugriffWindows.cpp.
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace zelvor {

// Reads a whole file; "" on success, else a message. Refuses files bigger than maxBytes without reading them.
std::string DateiLesen(const std::string& pfad, std::vector<unsigned char>& inhalt, std::size_t maxBytes);

// Writes a new file beside pfad (same directory, temporary name), flushes it to disk and renames it over
// pfad only when complete, so a failed write never destroys the previous file. Keeps the previous file's
// permission bits; refuses to replace a file that carries no write permission at all (read-only).
// "" on success, else a message naming the file and the reason.
std::string DateiErsetzen(const std::string& pfad, std::span<const unsigned char> inhalt);

// Creates a new, empty file of a name no one else uses in the system's folder for temporary files and
// returns its path; "" when none can be made.
std::string ZwischendateiAnlegen();

// A path from the program's UTF-8 text. std::filesystem takes a plain char string in the system's
// narrow encoding, which on Windows it does not read as UTF-8.
inline std::filesystem::path PfadAusUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

#ifdef _WIN32
// Windows speaks UTF-16 where the program's paths and texts are UTF-8.
std::wstring Utf16(const std::string& utf8);
std::string Utf8(const std::wstring& utf16);
#endif

}  // namespace zelvor
