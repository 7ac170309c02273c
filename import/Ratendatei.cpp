#include "import/Ratendatei.h"

#include "calc/Format.h"
#include "doc/Dateizugriff.h"
#include "doc/Ratenzeile.h"
#include "doc/Windows1252.h"
#include "import/Importgrenzen.h"
#include "import/Meldungstext.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

namespace zelvor {
namespace {

// A line of this many characters or more (line end not counted) is refused as too long.
constexpr std::size_t MAX_ZEILENLAENGE = 99;

// Reads one line at a time from a byte source; keeps at most MAX_ZEILENLAENGE bytes of it.
template <typename Quelle>
class ZeilenLeser {
 public:
  explicit ZeilenLeser(Quelle& quelle) : m_quelle(quelle) {}

  enum class Ergebnis { Ende, Zeile, ZuLang };

  // The text of a line ends at its first NUL byte, as for a C string; its length counts every byte.
  // A line ends at LF, CR LF or a lone CR.
  Ergebnis Naechste(std::string& text) {
    std::string roh;
    int c = Lesen();
    if (c == EOF) return Ergebnis::Ende;
    for (; c != EOF && c != '\n' && c != '\r'; c = Lesen()) {
      if (roh.size() >= MAX_ZEILENLAENGE) return Ergebnis::ZuLang;
      roh += static_cast<char>(c);
    }
    if (c == '\r') {
      // CR LF and CR CR LF are one line end (see doc/Textzeilen.h); what follows a lone CR is read again.
      const int danach = Lesen();
      if (danach == '\r') {
        const int dann = Lesen();
        if (dann != '\n') {
          m_zurueck[m_anzahl++] = dann;
          m_zurueck[m_anzahl++] = '\r';
        }
      } else if (danach != '\n') {
        m_zurueck[m_anzahl++] = danach;
      }
    }
    if (roh.size() >= MAX_ZEILENLAENGE) return Ergebnis::ZuLang;
    text.assign(roh.c_str());
    return Ergebnis::Zeile;
  }

 private:
  int Lesen() { return m_anzahl > 0 ? m_zurueck[--m_anzahl] : m_quelle.Lesen(); }

  Quelle& m_quelle;
  // The bytes read after a CR to see whether an LF follows, the next to read last.
  int m_zurueck[2] = {EOF, EOF};
  std::size_t m_anzahl = 0;
};

class TextQuelle {
 public:
  explicit TextQuelle(std::string_view inhalt) : m_inhalt(inhalt) {}
  int Lesen() { return m_pos < m_inhalt.size() ? static_cast<unsigned char>(m_inhalt[m_pos++]) : EOF; }

 private:
  std::string_view m_inhalt;
  std::size_t m_pos = 0;
};

struct DateiSchliessen {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using Datei = std::unique_ptr<std::FILE, DateiSchliessen>;

class DateiQuelle {
 public:
  explicit DateiQuelle(std::FILE* datei) : m_datei(datei) {}
  // A read error ends the file like its end.
  int Lesen() { return std::getc(m_datei); }

 private:
  std::FILE* m_datei;
};

template <typename Quelle>
void Einlesen(Quelle& quelle, RatendateiImport& import) {
  ZeilenLeser<Quelle> leser(quelle);
  std::string text;
  for (int i = 0;; ++i) {
    const auto ergebnis = leser.Naechste(text);
    if (ergebnis == ZeilenLeser<Quelle>::Ergebnis::Ende) break;
    if (ergebnis == ZeilenLeser<Quelle>::Ergebnis::ZuLang) {
      import.meldungen.push_back(Formatiere("In der %d.Zeile 200 Zeichen gelesen", i + 1));
      break;
    }
    if (text.empty()) {
      import.meldungen.emplace_back("ABBRUCH bei Leerzeile!");
      import.leerzeileAbbruch = true;
      return;
    }
    float gp = 0, rate = 0, druck = 0;
    const int anzahl = RatenzeileScannen(text, gp, rate, druck);
    // The first line is a heading, whatever it holds.
    if (i == 0) continue;
    if (import.zeilen.size() == MAX_IMPORTZEILEN) {
      import.meldungen.push_back(Formatiere("Die Ratendatei hat mehr als %d Ratenzeilen; ab der %d.Zeile wurde nichts eingelesen",
                                            static_cast<int>(MAX_IMPORTZEILEN), i + 1));
      break;
    }
    if (anzahl != 3) {
      import.meldungen.push_back("Die Zeile enhält keine 3 Werte\n " + SteuerzeichenSichtbar(Windows1252NachUtf8(text)));
      break;
    }
    import.zeilen.push_back(Formatiere("%10.3f  %10.1f %15.1f", static_cast<double>(gp), static_cast<double>(rate),
                                       static_cast<double>(druck)));
    import.geaendert = true;
  }
  import.status = Formatiere("%d Zeilen wurden eingelesen", static_cast<int>(import.zeilen.size()));
}

}  // namespace

std::string RatendateiOeffnenMeldung(const std::string& pfad) { return pfad + " wird geöffnet"; }

RatendateiImport RatendateiEinlesen(const std::string& pfad) {
  RatendateiImport import;
  // A pipe, a device or a folder is not opened: a pipe without a writer would wait for ever.
  if (!KeineGewoehnlicheDatei(pfad).empty()) {
    import.status = Formatiere("%d Zeilen wurden eingelesen", 0);
    return import;
  }
  const Datei datei(std::fopen(pfad.c_str(), "rb"));
  // A folder opens on Linux but holds no lines: it counts as a file that cannot be opened.
  struct stat st {};
  import.geoeffnet = datei != nullptr && ::fstat(::fileno(datei.get()), &st) == 0 && !S_ISDIR(st.st_mode);
  if (!datei) {
    import.status = Formatiere("%d Zeilen wurden eingelesen", 0);
    return import;
  }
  DateiQuelle quelle(datei.get());
  Einlesen(quelle, import);
  return import;
}

RatendateiImport RatendateiAusText(std::string_view inhalt) {
  RatendateiImport import;
  import.geoeffnet = true;
  TextQuelle quelle(inhalt);
  Einlesen(quelle, import);
  return import;
}

}  // namespace zelvor
