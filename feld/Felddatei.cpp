#include "feld/Felddatei.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <system_error>

#include "doc/Dateizugriff.h"
#include "doc/Textzeilen.h"

namespace zelvor {
namespace {

namespace fs = std::filesystem;

std::string Klein(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool EndetAuf(const std::string& pfad, const char* endung) {
  const std::string e = endung;
  return pfad.size() >= e.size() && Klein(pfad.substr(pfad.size() - e.size())) == e;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IstUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t laenge = 1;
    unsigned wert = c;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      laenge = 2, wert = c & 0x1Fu;
    } else if ((c & 0xF0) == 0xE0) {
      laenge = 3, wert = c & 0x0Fu;
    } else if ((c & 0xF8) == 0xF0) {
      laenge = 4, wert = c & 0x07u;
    } else {
      return false;
    }
    if (i + laenge > s.size()) return false;
    for (std::size_t k = 1; k < laenge; ++k) {
      const auto f = static_cast<unsigned char>(s[i + k]);
      if ((f & 0xC0) != 0x80) return false;
      wert = (wert << 6) | (f & 0x3Fu);
    }
    static const unsigned kleinste[] = {0, 0, 0x80, 0x800, 0x10000};
    if (wert < kleinste[laenge] || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF)) return false;
    i += laenge;
  }
  return true;
}

fs::path Ordner(const std::string& felddatei) {
  const fs::path ordner = PfadAusUtf8(felddatei).parent_path();
  return ordner.empty() ? fs::path(".") : ordner;
}

}  // namespace

bool IstFelddatei(const std::string& pfad) { return EndetAuf(pfad, FELDDATEI_ENDUNG); }

std::string FelddateiText(const std::string& felddatei, const std::vector<std::string>& bohrungen,
                          std::string& meldung) {
  std::error_code fehler;
  const fs::path basis = fs::absolute(Ordner(felddatei), fehler).lexically_normal();
  std::string text;
  meldung.clear();
  for (const std::string& b : bohrungen) {
    if (b.empty() || b.find_first_of("\r\n") != std::string::npos) {
      meldung = "Der Pfad \"" + b + "\" kann nicht in einer Felddatei stehen (leer oder mit Zeilenumbruch).";
      return {};
    }
    const fs::path absolut = fs::absolute(PfadAusUtf8(b), fehler).lexically_normal();
    fs::path relativ = absolut.lexically_relative(basis);
    if (relativ.empty()) relativ = absolut;
    std::string zeile = relativ.generic_string();
    // Read back, such a line would be a comment or a blank line.
    if (zeile.front() == '#' || zeile.find_first_not_of(" \t") == std::string::npos) zeile = "./" + zeile;
    text += zeile + '\n';
  }
  return text;
}

Felddatei FelddateiAusText(const std::string& felddatei, const std::string& text) {
  Felddatei f;
  const std::string name = "Die Felddatei \"" + felddatei + "\"";
  if (text.size() > FELDDATEI_MAX_BYTES) {
    f.meldung = name + " ist zu groß.";
    return f;
  }
  if (text.find('\0') != std::string::npos || !IstUtf8(text)) {
    f.meldung = name + " ist keine Textdatei in UTF-8.";
    return f;
  }
  const fs::path ordner = Ordner(felddatei);
  std::size_t anfang = 0, nummer = 0;
  // A byte order mark some editors write is not part of the first path.
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) anfang = 3;
  while (anfang < text.size()) {
    std::size_t ende = 0;
    const std::size_t naechste = Zeilenende(text, anfang, ende);
    std::string zeile = text.substr(anfang, ende - anfang);
    anfang = naechste;
    ++nummer;
    if (zeile.find_first_not_of(" \t") == std::string::npos || zeile.front() == '#') continue;
    if (zeile.size() > FELDDATEI_MAX_ZEILENLAENGE) {
      f.meldung = name + ": Zeile " + std::to_string(nummer) + " ist zu lang.";
      f.bohrungen.clear();
      return f;
    }
    if (f.bohrungen.size() >= FELDDATEI_MAX_BOHRUNGEN) {
      f.meldung = name + " nennt mehr als " + std::to_string(FELDDATEI_MAX_BOHRUNGEN) + " Bohrungen.";
      f.bohrungen.clear();
      return f;
    }
    const fs::path p = PfadAusUtf8(zeile);
    f.bohrungen.push_back((p.is_absolute() ? p : (ordner / p)).lexically_normal().string());
  }
  return f;
}

Felddatei FelddateiLesen(const std::string& pfad) {
  std::vector<unsigned char> inhalt;
  const std::string fehler = DateiLesen(pfad, inhalt, FELDDATEI_MAX_BYTES);
  if (!fehler.empty()) {
    Felddatei f;
    f.meldung = fehler;
    return f;
  }
  return FelddateiAusText(pfad, std::string(inhalt.begin(), inhalt.end()));
}

std::string FelddateiSchreiben(const std::string& pfad, const std::vector<std::string>& bohrungen) {
  std::string meldung;
  const std::string text = FelddateiText(pfad, bohrungen, meldung);
  if (!meldung.empty()) return meldung;
  return DateiErsetzen(pfad, std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
}

std::string Feldname(const std::vector<std::string>& angaben) {
  if (angaben.size() != 1) return "Feld";
  std::error_code fehler;
  fs::path p = fs::absolute(PfadAusUtf8(angaben.front()), fehler).lexically_normal();
  if (!p.has_filename()) p = p.parent_path();
  const std::string name = IstFelddatei(p.string()) ? p.stem().string() : p.filename().string();
  return name.empty() ? "Feld" : name;
}

namespace {

// The same file however it is named: through links, "..", or relative to the working directory.
std::string AufgeloesterPfad(const std::string& pfad) {
  std::error_code fehler;
  fs::path p = fs::weakly_canonical(pfad, fehler);
  if (fehler) p = fs::absolute(pfad, fehler).lexically_normal();
  return fehler ? pfad : p.string();
}

// Every well the angaben name, in their order, named twice where it is.
Bohrungsliste AlleGenannten(const std::vector<std::string>& angaben) {
  Bohrungsliste liste;
  for (const std::string& angabe : angaben) {
    std::error_code fehler;
    if (fs::is_directory(PfadAusUtf8(angabe), fehler)) {
      std::vector<std::string> dateien;
      fs::directory_iterator it(PfadAusUtf8(angabe), fehler), ende;
      for (; !fehler && it != ende; it.increment(fehler)) {
        const std::string pfad = it->path().string();
        std::error_code f2;
        if (EndetAuf(pfad, ".zlv") && !it->is_directory(f2)) dateien.push_back(pfad);
      }
      if (fehler) {
        liste.meldungen.push_back("Der Ordner \"" + angabe + "\" kann nicht gelesen werden.");
        continue;
      }
      std::sort(dateien.begin(), dateien.end());
      if (dateien.empty()) liste.meldungen.push_back("Der Ordner \"" + angabe + "\" enthält keine Bohrung (*.zlv).");
      liste.pfade.insert(liste.pfade.end(), dateien.begin(), dateien.end());
    } else if (IstFelddatei(angabe)) {
      Felddatei f = FelddateiLesen(angabe);
      if (!f.meldung.empty()) liste.meldungen.push_back(f.meldung);
      liste.pfade.insert(liste.pfade.end(), f.bohrungen.begin(), f.bohrungen.end());
    } else {
      liste.pfade.push_back(angabe);
    }
  }
  return liste;
}

}  // namespace

Bohrungsliste BohrungslisteAus(const std::vector<std::string>& angaben) {
  Bohrungsliste liste = AlleGenannten(angaben);
  std::set<std::string> gesehen;
  std::vector<std::string> einmal;
  for (std::string& p : liste.pfade) {
    if (gesehen.insert(AufgeloesterPfad(p)).second)
      einmal.push_back(std::move(p));
    else
      ++liste.doppelt;
  }
  liste.pfade = std::move(einmal);
  return liste;
}

std::string DoppeltHinweis(std::size_t doppelt) {
  if (doppelt == 0) return {};
  if (doppelt == 1) return "Eine Bohrung ist mehrfach genannt und nur einmal aufgenommen.";
  return std::to_string(doppelt) + " Bohrungen sind mehrfach genannt und nur einmal aufgenommen.";
}


}  // namespace zelvor
