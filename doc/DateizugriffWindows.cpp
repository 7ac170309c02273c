// Dateizugriff on Windows: paths are UTF-8 in the program and UTF-16 for the system. A file is replaced
// with ReplaceFileW, which keeps the old file's attributes and refuses (instead of renaming over it)
// while another program holds the file open without allowing it to be deleted.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "doc/Dateizugriff.h"

namespace zelvor {

std::wstring Utf16(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  return w;
}

std::string Utf8(const std::wstring& utf16) {
  if (utf16.empty()) return {};
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                      nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), s.data(), n, nullptr, nullptr);
  return s;
}

namespace {

std::string Grund(DWORD fehler) {
  switch (fehler) {
    case ERROR_ACCESS_DENIED:
      return "keine Berechtigung";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return "die Datei oder ihr Verzeichnis existiert nicht";
    case ERROR_DIRECTORY:
      return "ein Teil des Pfades ist kein Verzeichnis";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
      return "sie ist in einem anderen Programm geöffnet";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "kein Speicherplatz mehr frei";
    case ERROR_WRITE_PROTECT:
      return "das Dateisystem ist schreibgeschützt";
    case ERROR_FILENAME_EXCED_RANGE:
      return "der Name ist zu lang";
    default:
      return "Windows-Fehler " + std::to_string(fehler);
  }
}

std::string KeineGewoehnlicheDateiMeldung(const std::string& pfad) {
  return "Die Datei \"" + pfad + "\" ist keine gewöhnliche Datei.";
}

std::string NichtGeschrieben(const std::string& pfad, const std::string& grund) {
  return "Die Datei \"" + pfad + "\" kann nicht geschrieben werden: " + grund + ".";
}

class Griff {
 public:
  explicit Griff(HANDLE h) : m_h(h) {}
  ~Griff() {
    if (offen()) ::CloseHandle(m_h);
  }
  Griff(const Griff&) = delete;
  Griff& operator=(const Griff&) = delete;
  bool offen() const { return m_h != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return m_h; }
  bool schliessen() {
    const BOOL ok = ::CloseHandle(m_h);
    m_h = INVALID_HANDLE_VALUE;
    return ok != 0;
  }

 private:
  HANDLE m_h;
};

std::wstring Verzeichnis(const std::wstring& pfad) {
  const auto trenner = pfad.find_last_of(L"/\\");
  if (trenner == std::wstring::npos) return L".";
  if (trenner == 0 || (trenner == 2 && pfad[1] == L':')) return pfad.substr(0, trenner + 1);
  return pfad.substr(0, trenner);
}

// The full path, with backslashes: ReplaceFileW (Wine's at least) fails on a path like "/daten/a.zlv"
// that the other calls take.
std::wstring Vollpfad(const std::wstring& pfad) {
  const DWORD n = ::GetFullPathNameW(pfad.c_str(), 0, nullptr, nullptr);
  if (n == 0) return pfad;
  std::wstring voll(n, L'\0');
  const DWORD m = ::GetFullPathNameW(pfad.c_str(), n, voll.data(), nullptr);
  if (m == 0 || m >= n) return pfad;
  voll.resize(m);
  return voll;
}

std::wstring TemporaererName(const std::wstring& verzeichnis) {
  static std::atomic<unsigned> zaehler{0};
  static const unsigned zufall = std::random_device{}();
  std::wstring name = verzeichnis;
  if (name.back() != L'\\' && name.back() != L'/') name += L'\\';
  return name + L".zelvor-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(zufall) + L"-" +
         std::to_wstring(zaehler.fetch_add(1));
}

bool AllesSchreiben(HANDLE h, std::span<const unsigned char> inhalt) {
  std::size_t geschrieben = 0;
  while (geschrieben < inhalt.size()) {
    const DWORD stueck = static_cast<DWORD>(std::min<std::size_t>(inhalt.size() - geschrieben, 1u << 20));
    DWORD n = 0;
    if (!::WriteFile(h, inhalt.data() + geschrieben, stueck, &n, nullptr)) return false;
    geschrieben += n;
  }
  return true;
}

}  // namespace

std::string DateiLesen(const std::string& pfad, std::vector<unsigned char>& inhalt, std::size_t maxBytes) {
  inhalt.clear();
  const std::string nichtGeoeffnet = "Die Datei \"" + pfad + "\" kann nicht geöffnet werden.";
  // Others may go on reading, writing and even replacing the file while it is read.
  Griff h(::CreateFileW(Utf16(pfad).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (std::string keine = KeineGewoehnlicheDatei(pfad); !keine.empty()) return keine;
  if (!h.offen()) return nichtGeoeffnet;
  if (::GetFileType(h.get()) != FILE_TYPE_DISK) return KeineGewoehnlicheDateiMeldung(pfad);  // NUL, CON, a pipe
  const std::string zuGross = "Die Datei \"" + pfad + "\" ist zu groß (mehr als " +
                              std::to_string(maxBytes) + " Bytes).";
  LARGE_INTEGER groesse{};
  if (::GetFileSizeEx(h.get(), &groesse) && static_cast<std::uintmax_t>(groesse.QuadPart) > maxBytes) return zuGross;

  unsigned char puffer[65536];
  while (true) {
    DWORD n = 0;
    if (!::ReadFile(h.get(), puffer, sizeof puffer, &n, nullptr)) {
      const DWORD fehler = ::GetLastError();
      if (fehler == ERROR_BROKEN_PIPE) break;  // the end of a pipe
      inhalt.clear();
      return "Die Datei \"" + pfad + "\" kann nicht gelesen werden: " + Grund(fehler) + ".";
    }
    if (n == 0) break;
    if (n > maxBytes - inhalt.size()) {
      inhalt.clear();
      return zuGross;
    }
    inhalt.insert(inhalt.end(), puffer, puffer + n);
  }
  return "";
}

std::string DateiErsetzen(const std::string& pfad, std::span<const unsigned char> inhalt) {
  const std::wstring ziel = Vollpfad(Utf16(pfad));
  bool vorhanden = false;
  const DWORD attribute = ::GetFileAttributesW(ziel.c_str());
  if (attribute != INVALID_FILE_ATTRIBUTES) {
    if (attribute & FILE_ATTRIBUTE_DIRECTORY) return NichtGeschrieben(pfad, "es ist ein Verzeichnis");
    if (attribute & FILE_ATTRIBUTE_DEVICE) return NichtGeschrieben(pfad, "es ist keine gewöhnliche Datei");
    if (attribute & FILE_ATTRIBUTE_READONLY) return NichtGeschrieben(pfad, "sie ist schreibgeschützt");
    // A program that holds the file open without sharing its deletion makes ReplaceFileW fail: ask
    // first, so that nothing is begun (Wine's ReplaceFileW leaves a backup file behind then).
    const HANDLE probe = ::CreateFileW(ziel.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE) return NichtGeschrieben(pfad, Grund(::GetLastError()));
    ::CloseHandle(probe);
    vorhanden = true;
  } else {
    const DWORD fehler = ::GetLastError();
    if (fehler != ERROR_FILE_NOT_FOUND) return NichtGeschrieben(pfad, Grund(fehler));
  }

  std::wstring temp;
  HANDLE tempGriff = INVALID_HANDLE_VALUE;
  for (int versuch = 0; versuch < 100 && tempGriff == INVALID_HANDLE_VALUE; ++versuch) {
    temp = TemporaererName(Verzeichnis(ziel));
    tempGriff = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (tempGriff == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (tempGriff == INVALID_HANDLE_VALUE) return NichtGeschrieben(pfad, Grund(::GetLastError()));
  Griff h(tempGriff);

  auto fehlschlag = [&](DWORD fehler) {
    if (h.offen()) h.schliessen();
    ::DeleteFileW(temp.c_str());
    return NichtGeschrieben(pfad, Grund(fehler));
  };
  if (!AllesSchreiben(h.get(), inhalt)) return fehlschlag(::GetLastError());
  if (!::FlushFileBuffers(h.get())) return fehlschlag(::GetLastError());
  if (!h.schliessen()) return fehlschlag(::GetLastError());
  if (vorhanden) {
    // Keeps the old file's security and creation time.
    if (!::ReplaceFileW(ziel.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
      return fehlschlag(::GetLastError());
  } else {
    if (!::MoveFileExW(temp.c_str(), ziel.c_str(), MOVEFILE_WRITE_THROUGH)) return fehlschlag(::GetLastError());
  }
  return "";
}

std::string KeineGewoehnlicheDatei(const std::string& pfad) {
  const DWORD attribute = ::GetFileAttributesW(Utf16(pfad).c_str());
  if (attribute == INVALID_FILE_ATTRIBUTES) return "";
  if (attribute & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return KeineGewoehnlicheDateiMeldung(pfad);
  return "";
}

namespace {

// The file's identity (volume and file index), size and time of its last change; false when it cannot
// be opened for asking.
bool Kennung(const std::string& pfad, BY_HANDLE_FILE_INFORMATION& info) {
  Griff h(::CreateFileW(Utf16(pfad).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return h.offen() && ::GetFileInformationByHandle(h.get(), &info);
}

}  // namespace

bool DieselbeDatei(const std::string& a, const std::string& b) {
  BY_HANDLE_FILE_INFORMATION ia{}, ib{};
  return Kennung(a, ia) && Kennung(b, ib) && ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
         ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

Dateistand DateistandLesen(const std::string& pfad) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!Kennung(pfad, info)) return {};
  const auto zeit = (std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) | info.ftLastWriteTime.dwLowDateTime;
  return {true, info.dwVolumeSerialNumber,
          (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow,
          (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow,
          static_cast<std::int64_t>(zeit) * 100};  // FILETIME counts 100 ns
}

// Windows locks no folders: the lock is a named semaphore of one of the folder's full path, which every
// program of ours in the session sees (a semaphore, not a mutex: a second lock of the same thread waits
// as on POSIX). It goes with the last handle to it, so a holder that died stops nobody for long.
namespace {
void Freigeben(std::intptr_t griff) {
  const auto h = reinterpret_cast<HANDLE>(griff);
  ::ReleaseSemaphore(h, 1, nullptr);
  ::CloseHandle(h);
}
}  // namespace

Dateisperre::~Dateisperre() {
  if (m_griff >= 0) Freigeben(m_griff);
}

std::string DateiSperren(const std::string& pfad, Dateisperre& sperre, std::chrono::milliseconds warten) {
  std::wstring ordner = Verzeichnis(Vollpfad(Utf16(pfad)));
  ::CharUpperBuffW(ordner.data(), static_cast<DWORD>(ordner.size()));  // Windows names ignore case
  std::uint64_t streuwert = 1469598103934665603ull;  // FNV-1a: mutex names cannot hold a path
  for (const wchar_t c : ordner) streuwert = (streuwert ^ static_cast<std::uint16_t>(c)) * 1099511628211ull;
  wchar_t name[64];
  std::swprintf(name, 64, L"Local\\zelvor-sperre-%016llx", static_cast<unsigned long long>(streuwert));
  const HANDLE h = ::CreateSemaphoreW(nullptr, 1, 1, name);
  if (h == nullptr) return "";  // the write itself will tell what is wrong
  if (::WaitForSingleObject(h, static_cast<DWORD>(warten.count())) != WAIT_OBJECT_0) {
    ::CloseHandle(h);
    return "Die Datei \"" + pfad +
           "\" wird gerade von einem anderen Aufruf geändert; bitte warten und noch einmal versuchen.";
  }
  if (sperre.m_griff >= 0) Freigeben(sperre.m_griff);
  sperre.m_griff = reinterpret_cast<std::intptr_t>(h);
  return "";
}

std::string ZwischendateiAnlegen() {
  wchar_t verzeichnis[MAX_PATH + 1];
  const DWORD n = ::GetTempPathW(MAX_PATH + 1, verzeichnis);
  if (n == 0 || n > MAX_PATH) return "";
  for (int versuch = 0; versuch < 100; ++versuch) {
    const std::wstring name = TemporaererName(std::wstring(verzeichnis, n));
    const HANDLE h = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      ::CloseHandle(h);
      return Utf8(name);
    }
    if (::GetLastError() != ERROR_FILE_EXISTS) break;
  }
  return "";
}

}  // namespace zelvor
