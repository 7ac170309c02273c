#include "doc/ErgebnisDatei.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>
#include <span>

#include "calc/Format.h"
#include "doc/Dateizugriff.h"
#include "doc/Windows1252.h"

namespace zelvor {
namespace {

constexpr const char* ZEILENENDE = "\r\n";

struct DateiSchliessen {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using Datei = std::unique_ptr<std::FILE, DateiSchliessen>;

// Characters as a Windows text-mode stream delivers them: CR LF arrives as one '\n', a lone CR stays.
class TextStrom {
 public:
  explicit TextStrom(std::FILE* f) : m_f(f) {}

  int Naechstes() {
    const int c = std::getc(m_f);
    if (c != '\r') return c;
    const int danach = std::getc(m_f);
    if (danach == '\n') return '\n';
    if (danach != EOF) std::ungetc(danach, m_f);
    return '\r';
  }

 private:
  std::FILE* m_f;
};

// One read of at most `max` characters, up to and including the line end; false at the end of the file.
bool LiesStueck(TextStrom& strom, std::size_t max, std::string& stueck) {
  stueck.clear();
  while (stueck.size() < max) {
    const int c = strom.Naechstes();
    if (c == EOF) break;
    stueck += static_cast<char>(c);
    if (c == '\n') break;
  }
  return !stueck.empty();
}

}  // namespace

std::string ErgebnisDateiPfad(const std::string& verzeichnis) {
  if (verzeichnis.empty()) return ERGEBNISDATEI_NAME;
  if (verzeichnis.back() == '/') return verzeichnis + ERGEBNISDATEI_NAME;
  return verzeichnis + "/" + ERGEBNISDATEI_NAME;
}

std::string ErgebnisseSchreiben(const std::string& pfad, const std::string& titel, const CStringArray& ergebnis) {
  std::string text;
  if (!ergebnis.empty()) {
    text += Utf8NachWindows1252Ersetzt(titel);
    text += ZEILENENDE;
    for (const std::string& zeile : ergebnis) {
      text += Utf8NachWindows1252Ersetzt(zeile);
      text += ZEILENENDE;
    }
  }
  const auto* daten = reinterpret_cast<const unsigned char*>(text.data());
  return DateiErsetzen(pfad, std::span<const unsigned char>(daten, text.size()));
}

ErgebnisseGelesen ErgebnisseLesen(const std::string& pfad) {
  ErgebnisseGelesen gelesen;
  // A pipe or a device is not opened: without a writer the open would wait for ever.
  if (!KeineGewoehnlicheDatei(pfad).empty()) return gelesen;
  Datei f(std::fopen(pfad.c_str(), "rb"));
  if (!f) return gelesen;
  // A directory opens here but is no file to read from.
  struct stat st {};
  if (::fstat(fileno(f.get()), &st) != 0 || S_ISDIR(st.st_mode)) return gelesen;
  gelesen.geoeffnet = true;

  TextStrom strom(f.get());
  std::string stueck;
  while (gelesen.zeilen.size() < static_cast<std::size_t>(ERGEBNIS_MAX_ZEILEN) &&
         LiesStueck(strom, ERGEBNIS_LESELAENGE, stueck)) {
    // The reader's buffer is a C string: a NUL byte ends the text, and with it anything after it.
    if (const auto nul = stueck.find('\0'); nul != std::string::npos) stueck.resize(nul);
    if (!stueck.empty() && stueck.back() == '\n') stueck.pop_back();
    if (stueck.size() <= 1) stueck.assign(stueck.size(), ' ');
    gelesen.zeilen.push_back(Windows1252NachUtf8(stueck));
  }
  return gelesen;
}

std::string ErgebnisseEingelesenMeldung(int anzahl) { return Formatiere("%d Zeilen wurden eingelesen", anzahl); }

}  // namespace zelvor
