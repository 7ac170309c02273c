#include "report/Drucktabelle.h"

#include <algorithm>

namespace zelvor {
namespace {

std::size_t Breite(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

std::string Aufgefuellt(const std::string& text, std::size_t breite, bool rechts) {
  const std::size_t n = Breite(text);
  if (n >= breite) return text;
  const std::string rand(breite - n, ' ');
  return rechts ? rand + text : text + rand;
}

std::vector<std::string> Woerter(const std::string& text) {
  std::vector<std::string> w;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t a = text.find_first_not_of(' ', i);
    if (a == std::string::npos) break;
    const std::size_t e = std::min(text.find(' ', a), text.size());
    w.push_back(text.substr(a, e - a));
    i = e;
  }
  return w;
}

// The byte offset after the first n characters.
std::size_t NachZeichen(const std::string& text, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t k = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && k++ == n) return i;
  }
  return text.size();
}

// Words into lines of at most breite characters; a longer word is cut.
std::vector<std::string> Umbrochen(const std::string& text, std::size_t breite) {
  std::vector<std::string> zeilen;
  std::string zeile;
  for (std::string wort : Woerter(text)) {
    while (Breite(wort) > breite) {
      if (!zeile.empty()) zeilen.push_back(std::move(zeile)), zeile.clear();
      const std::size_t schnitt = NachZeichen(wort, breite);
      zeilen.push_back(wort.substr(0, schnitt));
      wort.erase(0, schnitt);
    }
    if (wort.empty()) continue;
    if (!zeile.empty() && Breite(zeile) + 1 + Breite(wort) > breite) zeilen.push_back(std::move(zeile)), zeile.clear();
    zeile += (zeile.empty() ? "" : " ") + wort;
  }
  if (!zeile.empty() || zeilen.empty()) zeilen.push_back(zeile);
  return zeilen;
}

// A column as laid out: its width and its heading's lines (the name's words, then the unit).
struct Gesetzt {
  const Druckspalte* spalte = nullptr;
  std::size_t breite = 0;
  std::vector<std::string> kopf;
};

Gesetzt Setzen(const Druckspalte& s, std::size_t festeBreite = 0) {
  std::string name = s.titel, einheit;
  const std::size_t klammer = s.titel.rfind(" (");
  if (klammer != std::string::npos && !s.titel.empty() && s.titel.back() == ')') {
    name = s.titel.substr(0, klammer);
    einheit = s.titel.substr(klammer + 1);
  }
  Gesetzt g{&s, festeBreite, {}};
  if (festeBreite == 0) {
    g.breite = Breite(einheit);
    for (const std::string& z : s.zellen) g.breite = std::max(g.breite, Breite(z));
    std::size_t titel = Breite(einheit);
    for (const std::string& w : Woerter(name)) titel = std::max(titel, Breite(w));
    g.breite = std::max(g.breite, titel);
    if (s.hoechstens > 0) g.breite = std::min(g.breite, std::max(s.hoechstens, titel));
  }
  g.kopf = Umbrochen(name, g.breite);
  if (!einheit.empty()) g.kopf.push_back(einheit);
  return g;
}

bool Leer(const Druckspalte& s) {
  return std::all_of(s.zellen.begin(), s.zellen.end(), [](const std::string& z) { return z.empty() || z == "-"; });
}

// The part's lines from its columns: the headings aligned at the bottom, a free text's continuation lines
// beneath its row with the keys left blank.
Druckteil Teil(const std::vector<Gesetzt>& spalten, std::size_t zeilen) {
  Druckteil t;
  std::size_t kopfzeilen = 0;
  for (const Gesetzt& g : spalten) kopfzeilen = std::max(kopfzeilen, g.kopf.size());
  const auto zeile = [&](auto zelle) {
    std::string text;
    for (std::size_t i = 0; i < spalten.size(); ++i) {
      if (i) text += "  ";
      text += Aufgefuellt(zelle(i), spalten[i].breite, spalten[i].spalte->rechts);
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
  };
  for (std::size_t k = 0; k < kopfzeilen; ++k)
    t.kopf.push_back(zeile([&](std::size_t i) {
      const std::vector<std::string>& kopf = spalten[i].kopf;
      const std::size_t oben = kopfzeilen - kopf.size();
      return k < oben ? std::string() : kopf[k - oben];
    }));
  for (std::size_t r = 0; r < zeilen; ++r) {
    std::vector<std::vector<std::string>> zellen;
    std::size_t hoehe = 1;
    for (const Gesetzt& g : spalten) {
      const std::string& z = r < g.spalte->zellen.size() ? g.spalte->zellen[r] : std::string();
      const bool umbrechen = g.spalte->fliesstext || (g.spalte->hoechstens > 0 && Breite(z) > g.breite);
      zellen.push_back(umbrechen ? Umbrochen(z, g.breite) : std::vector<std::string>{z});
      hoehe = std::max(hoehe, zellen.back().size());
    }
    for (std::size_t k = 0; k < hoehe; ++k)
      t.zeilen.push_back(zeile([&](std::size_t i) { return k < zellen[i].size() ? zellen[i][k] : std::string(); }));
  }
  return t;
}

}  // namespace

std::vector<Druckteil> DrucktabelleTeilen(const std::vector<Druckspalte>& spalten, std::size_t schluessel,
                                          std::size_t zeichen) {
  std::size_t zeilen = 0;
  for (const Druckspalte& s : spalten) zeilen = std::max(zeilen, s.zellen.size());
  schluessel = std::min(schluessel, spalten.size());
  std::vector<Gesetzt> schluesselspalten;
  std::size_t schluesselbreite = 0;
  for (std::size_t i = 0; i < schluessel; ++i) {
    schluesselspalten.push_back(Setzen(spalten[i]));
    schluesselbreite += (i ? 2 : 0) + schluesselspalten.back().breite;
  }
  std::vector<Druckteil> teile;
  std::vector<Gesetzt> teil = schluesselspalten;
  std::size_t breite = schluesselbreite;
  const auto abschliessen = [&] {
    if (teil.size() > schluesselspalten.size() || spalten.size() == schluessel) teile.push_back(Teil(teil, zeilen));
    teil = schluesselspalten;
    breite = schluesselbreite;
  };
  std::vector<const Druckspalte*> texte;
  for (std::size_t i = schluessel; i < spalten.size(); ++i) {
    if (spalten[i].fliesstext) {
      if (!Leer(spalten[i])) texte.push_back(&spalten[i]);
      continue;
    }
    const Gesetzt g = Setzen(spalten[i]);
    const std::size_t dazu = (teil.empty() ? 0 : 2) + g.breite;
    if (breite + dazu > zeichen && teil.size() > schluesselspalten.size()) abschliessen();
    breite += (teil.empty() ? 0 : 2) + g.breite;
    teil.push_back(g);
  }
  abschliessen();
  // A free text takes the room the keys leave, but at least a third of the line.
  const std::size_t rest = zeichen > schluesselbreite + 2 ? zeichen - schluesselbreite - 2 : 0;
  for (const Druckspalte* s : texte) {
    teil.push_back(Setzen(*s, std::max(rest, zeichen / 3)));
    abschliessen();
  }
  return teile;
}

std::vector<std::vector<std::string>> Druckseiten(const std::vector<Druckteil>& teile, std::size_t zeilen) {
  std::vector<std::vector<std::string>> seiten(1);
  for (const Druckteil& t : teile) {
    std::vector<std::string>* seite = &seiten.back();
    if (!seite->empty() && seite->size() + 1 + t.kopf.size() + 1 > zeilen) seite = &seiten.emplace_back();
    if (!seite->empty()) seite->emplace_back();
    seite->insert(seite->end(), t.kopf.begin(), t.kopf.end());
    for (const std::string& z : t.zeilen) {
      if (seite->size() >= zeilen) {
        seite = &seiten.emplace_back();
        seite->insert(seite->end(), t.kopf.begin(), t.kopf.end());
      }
      seite->push_back(z);
    }
  }
  if (seiten.back().empty()) seiten.pop_back();
  return seiten;
}

}  // namespace zelvor
