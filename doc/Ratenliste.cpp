#include "doc/Ratenliste.h"

#include "calc/Format.h"
#include "doc/Ratenzeile.h"

namespace zelvor {

bool GleicheWerte(const std::string& a, const std::string& b) {
  const RatenzeilePruefung x = RatenzeilePruefen(a), y = RatenzeilePruefen(b);
  return x.gueltig && y.gueltig && x.gp == y.gp && x.rate == y.rate && x.druck == y.druck;
}

Zeilenschritt ZeileVorbereiten(const std::string& text, int option, int auswahl, const std::optional<std::string>& bisher) {
  Zeilenschritt s;
  const RatenzeilePruefung p = RatenzeilePruefen(text);
  if (!p.gueltig) {
    s.meldung = p.meldung;
    return s;
  }
  s.zeile = p.zeile;
  switch (option) {
    case ZEILE_AENDERN:
      // Without a selected line there is nothing to change, and nothing to say; nor when its values stay.
      if (auswahl < 0) break;
      s.unveraendert = bisher && GleicheWerte(*bisher, text);
      if (!s.unveraendert) s.frage = "Soll diese Zeile geändert werden?\n" + s.zeile;
      break;
    case ZEILE_ANHAENGEN:
      s.frage = "Soll diese Zeile angehängt werden?\n" + s.zeile;
      break;
    case ZEILE_EINFUEGEN:
      if (auswahl >= 0)
        s.frage = "Soll diese Zeile vor der markarkierten eingefügt werden?\n" + s.zeile;
      else
        s.hinweis = ZEILE_WAEHLEN;
      break;
    case ZEILE_LOESCHEN:
      if (auswahl >= 0)
        s.frage = "Soll diese Zeile wirklich gelöscht werden?\n" + s.zeile;
      else
        s.hinweis = ZEILE_WAEHLEN;
      break;
    default:
      break;
  }
  return s;
}

std::optional<std::string> ZeileAusfuehren(Ratenliste& liste, int option, const std::string& zeile,
                                           std::optional<std::optional<Tag>> datum) {
  CStringArray& z = liste.zeilen;
  const int n = static_cast<int>(z.size());
  Zeilendaten& d = liste.daten;
  d.resize(z.size());
  const int i = liste.auswahl;
  const bool ausgewaehlt = i >= 0 && i < n;
  switch (option) {
    case ZEILE_AENDERN:
      if (!ausgewaehlt) return std::nullopt;
      z[static_cast<std::size_t>(i)] = zeile;
      if (datum) d[static_cast<std::size_t>(i)] = *datum;
      liste.auswahl = -1;
      liste.datumszeile = i;
      return Formatiere("%d.Zeile wurde geändert", i + 1);
    case ZEILE_ANHAENGEN:
      z.push_back(zeile);
      d.push_back(datum.value_or(std::nullopt));
      liste.datumszeile = n;
      return Formatiere("%d.Zeile angehängt", n + 1);
    case ZEILE_EINFUEGEN:
      if (!ausgewaehlt) return std::nullopt;
      z.insert(z.begin() + i, zeile);
      d.insert(d.begin() + i, datum.value_or(std::nullopt));
      liste.auswahl = i + 1;
      liste.datumszeile = i;
      return Formatiere("%d.Zeile eingefügt", i + 1);
    case ZEILE_LOESCHEN:
      if (!ausgewaehlt) return std::nullopt;
      z.erase(z.begin() + i);
      d.erase(d.begin() + i);
      liste.auswahl = -1;
      liste.datumszeile = -1;
      return Formatiere("%d.Zeile gelöscht", i + 1);
    default:
      return std::nullopt;
  }
}

std::string ZeilenEinfuegen(Ratenliste& liste, const CStringArray& neu, bool ersetzen, const Zeilendaten& neueDaten) {
  if (ersetzen) {
    liste.zeilen.clear();
    liste.daten.clear();
  }
  liste.daten.resize(liste.zeilen.size());
  liste.zeilen.insert(liste.zeilen.end(), neu.begin(), neu.end());
  for (std::size_t i = 0; i < neu.size(); ++i) liste.daten.push_back(ZeilenDatum(neueDaten, i));
  liste.auswahl = -1;
  return Formatiere("%d Zeilen wurden eingef\xC3\xBCgt", static_cast<int>(neu.size()));
}

Datumsfeld DatumsfeldLesen(const std::string& text) {
  Datumsfeld f;
  if (text.find_first_not_of(" \t") == std::string::npos) {
    f.gueltig = true;
    return f;
  }
  f.datum = DatumLesen(text);
  f.gueltig = f.datum.has_value();
  if (!f.gueltig)
    f.meldung = "\"" + text + "\" ist kein gültiges Datum. Bitte als TT.MM.JJJJ eingeben (Jahre 1900 bis 2199).";
  return f;
}

std::string DatumsfeldText(std::optional<Tag> datum) { return datum ? DatumText(*datum) : std::string(); }

std::optional<std::string> DatumAendern(Ratenliste& liste, int zeile, std::optional<Tag> datum) {
  if (zeile < 0 || zeile >= static_cast<int>(liste.zeilen.size())) return std::nullopt;
  liste.daten.resize(liste.zeilen.size());
  std::optional<Tag>& d = liste.daten[static_cast<std::size_t>(zeile)];
  if (d == datum) return std::nullopt;
  d = datum;
  return datum ? Formatiere("%d.Zeile: Datum %s", zeile + 1, DatumText(*datum).c_str())
               : Formatiere("%d.Zeile: Datum gelöscht", zeile + 1);
}

std::string AuswahlStatus(int auswahl) { return Formatiere("%d.Zeile ausgewählt", auswahl + 1); }

std::string OptionStatus(std::size_t zeilen) { return zeilen > 0 ? ZEILE_WAEHLEN : std::string(); }

}  // namespace zelvor
