#pragma once
// Whole-file reading and crash-safe replacing of files. Messages are German, for the user. One
// implementation per platform: Dateizugriff.cpp (POSIX), DateizugriffWindows.cpp.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace zelvor {

// Reads a whole file; "" on success, else a message. Refuses files bigger than maxBytes without reading them,
// and anything but a regular file (see KeineGewoehnlicheDatei) without waiting on it.
std::string DateiLesen(const std::string& pfad, std::vector<unsigned char>& inhalt, std::size_t maxBytes);

// Writes a new file beside pfad (same directory, temporary name), flushes it to disk and renames it over
// pfad only when complete, so a failed write never destroys the previous file. Keeps the previous file's
// permission bits; refuses to replace a file that carries no write permission at all (read-only). A link
// stays a link: its target is written, and created when the link dangles.
// "" on success, else a message naming the file and the reason.
std::string DateiErsetzen(const std::string& pfad, std::span<const unsigned char> inhalt);

// Before a file is opened for reading: "" when pfad does not exist or is a regular file (after links),
// else the German sentence that it is none. Opening a pipe without a writer would wait for ever, and a
// device has no end.
std::string KeineGewoehnlicheDatei(const std::string& pfad);

// True when both paths name one existing file (device and inode, after links): an output that would
// overwrite one of the command's inputs.
bool DieselbeDatei(const std::string& a, const std::string& b);

// What identifies a file's content on disk: a replacement gives a new file, an edit in place a new
// modification time or size. Equal states mean "not changed since".
struct Dateistand {
  bool vorhanden = false;
  std::uint64_t geraet = 0;
  std::uint64_t knoten = 0;
  std::uint64_t groesse = 0;
  std::int64_t geaendertNs = 0;
  bool operator==(const Dateistand&) const = default;
};
Dateistand DateistandLesen(const std::string& pfad);

// An advisory lock for one read-change-write of a file, held while the object lives. Every program of
// ours that changes the same file takes it first and waits; reading is never stopped.
class Dateisperre {
 public:
  Dateisperre() = default;
  ~Dateisperre();
  Dateisperre(const Dateisperre&) = delete;
  Dateisperre& operator=(const Dateisperre&) = delete;
  bool Gehalten() const { return m_griff >= 0; }

 private:
  friend std::string DateiSperren(const std::string&, Dateisperre&, std::chrono::milliseconds);
  std::intptr_t m_griff = -1;
};

// Takes the lock for changing pfad (the file a link points to), waiting up to warten while another
// program holds it. "" when it is held, or when the file system keeps no locks (then nothing is held);
// else the German sentence that the file is being changed elsewhere.
std::string DateiSperren(const std::string& pfad, Dateisperre& sperre, std::chrono::milliseconds warten);

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
