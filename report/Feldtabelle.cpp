#include "report/Feldtabelle.h"

#include <algorithm>
#include <array>

#include "calc/Format.h"
#include "report/Anzeigetext.h"
#include "report/Feldkennlinientext.h"
#include "report/Standortspeichertext.h"

namespace zelvor {
namespace {

constexpr std::array<Feldspaltenangabe, static_cast<std::size_t>(Feldspalte::Anzahl)> ANGABEN = {{
    {"Bohrung", -1},
    {"Datei", -1},
    {"Art", -1},
    {"Aquifer", -1},
    {"Prognosebeginn", -1},
    {"OGIP (Mio m3)", 1},
    {"Gp (Mio m3)", 1},
    {"Gp/OGIP (%)", 1},
    {"C-Wert (m3/h/bar²)", 4},
    {"n", 3},
    {"AOF (m3/h)", 0},
    {"Q jetzt bei p_min (m3/h)", 0},
    {"Füllstand (%)", 1},
    {"Q_ein bei p_max (m3/h)", 0},
    {"Restreserven (Mio m3)", 1},
    {"Jahre bis Aufgabe", 1},
    {"G* (Mio m3)", 1},
    {"EUR Rückgang (Mio m3)", 1},
    {"Bemerkung", -1},
}};

std::string Zahl(double wert, int stellen) { return Formatiere("%.*f", stellen, wert); }

// Pads to breite display columns (UTF-8 aware, so umlauts do not shift the columns).
std::string Aufgefuellt(const std::string& text, std::size_t breite, bool rechts) {
  std::size_t zeichen = 0;
  for (unsigned char c : text) zeichen += (c & 0xC0) != 0x80 ? 1 : 0;
  if (zeichen >= breite) return text;
  const std::string rand(breite - zeichen, ' ');
  return rechts ? rand + text : text + rand;
}

std::size_t Breite(const std::string& text) {
  std::size_t zeichen = 0;
  for (unsigned char c : text) zeichen += (c & 0xC0) != 0x80 ? 1 : 0;
  return zeichen;
}

std::string Summe(const Feldergebnis& f, std::optional<double> Feldbohrung::*wert, bool nurFoerderung, int stellen) {
  double summe = 0;
  bool irgendeiner = false;
  for (const Feldbohrung& b : f.bohrungen) {
    if (b.Fehlgeschlagen() || (nurFoerderung && b.injektion) || !(b.*wert)) continue;
    summe += *(b.*wert);
    irgendeiner = true;
  }
  return irgendeiner ? Zahl(summe, stellen) : "-";
}

}  // namespace

const Feldspaltenangabe& FeldspalteAngabe(Feldspalte s) { return ANGABEN[static_cast<std::size_t>(s)]; }

std::vector<Feldspalte> Feldspalten() {
  std::vector<Feldspalte> spalten;
  for (int i = 0; i < static_cast<int>(Feldspalte::Anzahl); ++i) spalten.push_back(static_cast<Feldspalte>(i));
  return spalten;
}

std::optional<double> FeldWert(const Feldbohrung& b, Feldspalte s) {
  switch (s) {
    case Feldspalte::Ogip: return b.ogip;
    case Feldspalte::Gp: return b.gp;
    case Feldspalte::Anteil:
      if (!b.anteil) return std::nullopt;
      return *b.anteil * 100.0;
    case Feldspalte::CWert: return b.cMittel;
    case Feldspalte::N: return b.n;
    case Feldspalte::Aof: return b.aof;
    case Feldspalte::QJetzt: return b.qJetzt;
    case Feldspalte::Fuellstand:
      if (!b.fuellgrad) return std::nullopt;
      return *b.fuellgrad * 100.0;
    case Feldspalte::QEin: return b.qEin;
    case Feldspalte::Restreserven: return b.restreserven;
    case Feldspalte::Jahre: return b.jahre;
    case Feldspalte::GStern: return b.gStern;
    case Feldspalte::RueckgangEur: return b.rueckgangEur;
    default: return std::nullopt;
  }
}

std::string FeldZelle(const Feldbohrung& b, Feldspalte s) {
  switch (s) {
    case Feldspalte::Bohrung: return b.name;
    case Feldspalte::Datei: return b.datei;
    case Feldspalte::Art:
      if (b.Fehlgeschlagen() && !b.ogip) return "-";
      return b.injektion ? "Injektion" : "Förderung";
    case Feldspalte::Aquifer: return b.aquifer.empty() ? "-" : b.aquifer;
    case Feldspalte::Bemerkung: return b.bemerkung;
    case Feldspalte::Start: return b.start ? DatumText(*b.start) : "-";
    default: break;
  }
  const std::optional<double> wert = FeldWert(b, s);
  if (!wert) return "-";
  return Zahl(*wert, FeldspalteAngabe(s).stellen);
}

std::string FeldAnzeigezelle(const Feldbohrung& b, Feldspalte s) {
  if (s == Feldspalte::Bohrung) return FuerAnzeige(b.name);
  if (s == Feldspalte::Datei) return PfadFuerAnzeige(b.datei);
  return FeldZelle(b, s);
}

bool FeldZeileVor(const Feldbohrung& a, const Feldbohrung& b, Feldspalte s, bool absteigend) {
  // Dates by the calendar, the undated last as the empty cells of a number column.
  if (s == Feldspalte::Start) {
    if (!a.start || !b.start) return absteigend ? !a.start && b.start : a.start && !b.start;
    return *a.start < *b.start;
  }
  if (FeldspalteAngabe(s).stellen < 0) return FeldZelle(a, s) < FeldZelle(b, s);
  const std::optional<double> x = FeldWert(a, s), y = FeldWert(b, s);
  if (!x || !y) return absteigend ? !x.has_value() && y.has_value() : x.has_value() && !y.has_value();
  return *x < *y;
}

std::vector<std::string> FeldtabelleText(const std::vector<Feldbohrung>& bohrungen) {
  const std::vector<Feldspalte> spalten = Feldspalten();
  std::vector<std::size_t> breiten;
  for (Feldspalte s : spalten) {
    std::size_t breite = Breite(FeldspalteAngabe(s).titel);
    if (s != Feldspalte::Bemerkung)
      for (const Feldbohrung& b : bohrungen) breite = std::max(breite, Breite(FeldAnzeigezelle(b, s)));
    breiten.push_back(breite);
  }
  std::vector<std::string> zeilen;
  const auto zeile = [&](auto zelle) {
    std::string text;
    for (std::size_t i = 0; i < spalten.size(); ++i) {
      const bool zahl = FeldspalteAngabe(spalten[i]).stellen >= 0;
      if (i) text += "  ";
      text += spalten[i] == Feldspalte::Bemerkung ? zelle(spalten[i]) : Aufgefuellt(zelle(spalten[i]), breiten[i], zahl);
    }
    text.erase(text.find_last_not_of(' ') + 1);
    zeilen.push_back(text);
  };
  zeile([](Feldspalte s) { return std::string(FeldspalteAngabe(s).titel); });
  for (const Feldbohrung& b : bohrungen) zeile([&b](Feldspalte s) { return FeldAnzeigezelle(b, s); });
  return zeilen;
}

std::vector<std::string> FeldZusammenfassung(const Feldergebnis& f) {
  std::size_t foerderung = 0, injektion = 0;
  for (const Feldbohrung& b : f.bohrungen) {
    if (b.Fehlgeschlagen()) continue;
    (b.injektion ? injektion : foerderung) += 1;
  }
  // The Gp of the wells in the course (delivering, or abandoned before the Stand) is the course's; a
  // production well without a forecast is told apart, at its own last line.
  double gpVerlauf = 0, gpOhne = 0;
  bool mitVerlauf = false, ohneVerlauf = false;
  for (const Feldbohrung& b : f.bohrungen) {
    if (b.Fehlgeschlagen() || b.injektion || !b.gp) continue;
    const bool imVerlauf = b.Liefert() || b.vorDemStandAufgegeben;
    (imVerlauf ? gpVerlauf : gpOhne) += *b.gp;
    (imVerlauf ? mitVerlauf : ohneVerlauf) = true;
  }
  const char* wann = f.stand ? "am Stand" : "jetzt";
  std::vector<std::string> z;
  z.push_back(Formatiere("Bohrungen: %zu (Förderung %zu, Injektion %zu, nicht auswertbar %zu)", f.bohrungen.size(),
                         foerderung, injektion, f.Fehlgeschlagene()));
  if (f.stand) z.push_back("Stand des Feldes:                       " + DatumText(*f.stand));
  z.push_back("OGIP der Förderbohrungen:               " + Summe(f, &Feldbohrung::ogip, true, 1) + " Mio m3");
  if (mitVerlauf || !ohneVerlauf)
    z.push_back(Aufgefuellt(std::string("Gp der Förderbohrungen ") + wann + ":", 40, false) +
                (mitVerlauf ? Zahl(gpVerlauf, 1) : std::string("-")) + " Mio m3");
  if (ohneVerlauf)
    z.push_back("Gp der Förderbohrungen ohne Prognose:   " + Zahl(gpOhne, 1) + " Mio m3 (an ihrer letzten Zeile)");
  z.push_back(Aufgefuellt(std::string("Lieferbare Rate ") + wann + " bei p_min:", 40, false) +
              Summe(f, &Feldbohrung::qJetzt, true, 0) + " m3/h");
  z.push_back("Restreserven:                           " + Summe(f, &Feldbohrung::restreserven, true, 1) + " Mio m3");
  const Feldverlauf& v = f.verlauf;
  if (v.jahre.size() > 1) {
    z.push_back(Aufgefuellt(std::string("Förderrate des Feldes ") + wann + ":", 40, false) +
                Formatiere("%.0f m3/h", v.rate.front()));
    z.push_back(Formatiere("Letzte Bohrung aufgegeben nach:         %.1f Jahren", v.jahre.back()));
    if (f.stand)
      if (const auto ende = TagNachJahren(*f.stand, v.jahre.back()))
        z.push_back("Letzte Bohrung aufgegeben am:           " + DatumText(*ende));
  } else {
    z.push_back("Keine Förderbohrung hat eine Förderprognose.");
  }
  return z;
}

std::vector<std::string> FeldverlaufText(const Feldverlauf& v, std::optional<Tag> stand) {
  std::vector<std::string> z;
  z.push_back(std::string("   Jahre  Feldrate (m3/h)  Förderung ab jetzt (Mio m3)  Gp Feld (Mio m3)  Bohrungen in Förderung") +
              (stand ? "       Datum" : ""));
  for (std::size_t k = 0; k < v.jahre.size(); ++k) {
    std::string datum;
    if (stand)
      if (const auto t = TagNachJahren(*stand, v.jahre[k])) datum = "  " + DatumText(*t);
    z.push_back(Formatiere("%8.2f  %15.0f  %27.1f  %16.1f  %22d%s", v.jahre[k], v.rate[k], v.gpAbJetzt[k], v.gp[k],
                           v.bohrungen[k], datum.c_str()));
  }
  return z;
}

std::vector<std::string> FeldrueckgangText(const Feldrueckgang& r) {
  std::vector<std::string> z;
  if (r.Leer() || r.jahre.empty()) return z;
  z.push_back(Formatiere("Förderrückgang des Feldes ab %s: %s, EUR %.1f Mio m3 (ihre Förderprognosen %.1f Mio m3)",
                         DatumText(*r.stand).c_str(), Anzahltext(r.bohrungen, "Bohrung", "Bohrungen").c_str(), r.eur, r.eurPrognose));
  z.push_back("   Jahre       Datum  Rate Rückgang (m3/h)  Rate Prognose (m3/h)  Rückgang ab Stand (Mio m3)  Prognose ab Stand (Mio m3)");
  for (std::size_t k = 0; k < r.jahre.size(); ++k) {
    const auto t = TagNachJahren(*r.stand, r.jahre[k]);
    z.push_back(Formatiere("%8.2f  %10s  %20.0f  %20.0f  %26.1f  %26.1f", r.jahre[k], t ? DatumText(*t).c_str() : "", r.rateRueckgang[k],
                           r.ratePrognose[k], r.mengeRueckgang[k], r.mengePrognose[k]));
  }
  return z;
}

std::vector<std::string> FeldText(const Feldergebnis& f) {
  std::vector<std::string> z = FeldtabelleText(f.bohrungen);
  z.emplace_back();
  if (f.abgebrochen) {
    z.push_back("Die Berechnung wurde abgebrochen; nicht alle Bohrungen sind berechnet.");
    z.emplace_back();
  }
  for (std::string& s : FeldZusammenfassung(f)) z.push_back(std::move(s));
  if (f.verlauf.jahre.size() > 1) {
    z.emplace_back();
    for (std::string& s : FeldverlaufText(f.verlauf, f.stand)) z.push_back(std::move(s));
  }
  if (std::vector<std::string> rueckgang = FeldrueckgangText(f.rueckgang); !rueckgang.empty()) {
    z.emplace_back();
    for (std::string& s : rueckgang) z.push_back(std::move(s));
  }
  if (!f.kennlinien.Leer()) {
    z.emplace_back();
    for (std::string& s : FeldkennlinienText(f.kennlinien)) z.push_back(std::move(s));
  }
  if (std::vector<std::string> jahr = StandortspeicherjahrText(f); !jahr.empty()) {
    z.emplace_back();
    for (std::string& s : jahr) z.push_back(std::move(s));
  }
  return z;
}

}  // namespace zelvor
