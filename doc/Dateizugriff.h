#pragma once
// Whole-file reading and crash-safe replacing of files. Messages are German, for the user.
#include <cstddef>
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

}  // namespace zelvor
