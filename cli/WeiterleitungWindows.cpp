// Windows has no exec: the companion is started with this program's own command line (the program name
// exchanged) and inherits its standard handles; this program waits for it and ends with its exit status.
#include <windows.h>

#include "cli/Befehle.h"
#include "cli/Weiterleitung.h"
#include "doc/Dateizugriff.h"

namespace zelvor::cli {

std::string Zeichenprogramm() {
  std::wstring pfad(MAX_PATH, L'\0');
  while (true) {
    const DWORD n = ::GetModuleFileNameW(nullptr, pfad.data(), static_cast<DWORD>(pfad.size()));
    if (n == 0) return "";
    if (n < pfad.size()) {
      pfad.resize(n);
      break;
    }
    pfad.resize(pfad.size() * 2);
  }
  const auto trenner = pfad.find_last_of(L"\\/");
  if (trenner == std::wstring::npos) return "";
  return Utf8(pfad.substr(0, trenner + 1)) + ZEICHENPROGRAMM + ".exe";
}

namespace {

// The command line after the program's name, as Windows splits off the name: up to the closing quote
// when it starts with one, else up to the first blank.
std::wstring Argumentteil(const wchar_t* zeile) {
  const wchar_t* p = zeile;
  if (*p == L'"') {
    ++p;
    while (*p && *p != L'"') ++p;
    if (*p) ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  return p;
}

}  // namespace

int AnZeichenprogrammUebergeben(char** /*argv*/, std::ostream& err) {
  const std::string programm = Zeichenprogramm();
  if (programm.empty()) return Fehler(err, std::string("Das Programm ") + ZEICHENPROGRAMM + " ist nicht zu finden.");
  const std::wstring programmW = Utf16(programm);
  if (::GetFileAttributesW(programmW.c_str()) == INVALID_FILE_ATTRIBUTES)
    return Fehler(err, "Das Programm \"" + programm + "\" fehlt; graph und print sind nicht verfügbar.");
  std::wstring zeile = L"\"" + programmW + L"\"" + Argumentteil(::GetCommandLineW());
  STARTUPINFOW start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION prozess{};
  if (!::CreateProcessW(programmW.c_str(), zeile.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &prozess))
    return Fehler(err, "Das Programm \"" + programm + "\" kann nicht gestartet werden.");
  ::CloseHandle(prozess.hThread);
  ::WaitForSingleObject(prozess.hProcess, INFINITE);
  DWORD status = static_cast<DWORD>(FEHLER);
  ::GetExitCodeProcess(prozess.hProcess, &status);
  ::CloseHandle(prozess.hProcess);
  return static_cast<int>(status);
}

}  // namespace zelvor::cli
