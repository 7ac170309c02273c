#include "report/Standortspeichertext.h"

#include <algorithm>
#include <cmath>

#include "calc/Format.h"

namespace zelvor {
namespace {

std::string Prozent(double f) { return Formatiere("%.1f %%", 100.0 * f); }

std::string Jahrestagtext(Jahrestag t) { return Formatiere("%02d.%02d.", t.tag, t.monat); }

}  // namespace

std::vector<std::string> StandortzielText(const Standortspeicherjahr& s) {
  std::vector<std::string> t;
  for (const Standortziel& z : s.ziele) {
    std::string satz = Formatiere("Am %s: Füllstand %s, Ziel %s – %s.", DatumText(z.datum).c_str(),
                                  Prozent(z.erreicht).c_str(), Prozent(z.ziel).c_str(), z.erfuellt ? "erreicht" : "VERFEHLT");
    if (z.bohrungen != s.bohrungen) satz += Formatiere(" (Ziel von %zu der %zu Bohrungen)", z.bohrungen, s.bohrungen);
    t.push_back(satz);
  }
  if (s.ziele.empty()) t.push_back("Kein Füllziel der Bohrungen liegt in den gemeinsamen Tagen.");
  const EuIndikatorEinstellungen& e = s.eu;
  t.push_back(Formatiere("EU-Füllziel %s an einem Tag vom %s bis %s, zulässige Abweichung %.1f Prozentpunkte: "
                         "Ziel des Mitgliedstaats, für den Standort nur als Indikator.",
                         Formatiere("%.1f %%", e.ziel).c_str(), Jahrestagtext(e.von).c_str(), Jahrestagtext(e.bis).c_str(), e.abweichung));
  for (const EuIndikator& f : s.euFenster) {
    std::string satz = Formatiere("Vom %s bis %s: höchster Füllstand %s am %s, Schwelle %s – %s", DatumText(f.von).c_str(),
                                  DatumText(f.bis).c_str(), Prozent(f.hoechster).c_str(), DatumText(f.hoechsterAm).c_str(),
                                  Formatiere("%.1f %%", e.SchwelleProzent()).c_str(), f.erfuellt ? "erreicht" : "VERFEHLT");
    if (f.erreichtAm) satz += " am " + DatumText(*f.erreichtAm);
    satz += f.vollstaendig ? "." : " (nur der Teil des Zeitfensters in den gemeinsamen Tagen).";
    t.push_back(satz);
  }
  if (s.euFenster.empty()) t.push_back("Kein Tag des EU-Zeitfensters liegt in den gemeinsamen Tagen.");
  return t;
}

bool StandorttagWoechentlich(const Standortspeicherjahr& s, std::size_t i) {
  const Standorttag& d = s.tage[i];
  const bool zieltag =
      std::any_of(s.ziele.begin(), s.ziele.end(), [&d](const Standortziel& z) { return z.datum == d.tag; });
  return i % 7 == 0 || i + 1 == s.tage.size() || zieltag;
}

std::vector<std::string> StandorttageText(const Standortspeicherjahr& s, bool taeglich) {
  std::vector<std::string> t;
  if (!s.Gemacht() || s.tage.empty()) return t;
  t.push_back("     Datum  Füllstand (%)  Inventar (Mio m3)  Gas im Speicher (Mio m3)  Einspeisung (m3/h)  "
              "Ausspeisung (m3/h)");
  for (std::size_t i = 0; i < s.tage.size(); ++i) {
    if (!taeglich && !StandorttagWoechentlich(s, i)) continue;
    const Standorttag& d = s.tage[i];
    t.push_back(Formatiere("%s  %13.1f  %17.1f  %24.1f  %18.1f  %18.1f", DatumText(d.tag).c_str(), 100.0 * d.fuellgrad,
                           d.inventar, d.gasImSpeicher, d.einspeisung, d.ausspeisung));
  }
  return t;
}

std::vector<std::string> StandortspeicherjahrText(const Feldergebnis& f, Standorttabelle tabelle) {
  std::vector<std::string> t;
  const Standortspeicherjahr& s = f.speicherjahr;
  std::vector<std::string> ohne;
  for (const Feldbohrung& b : f.bohrungen)
    if (b.Speichert() && !b.speicherjahr.Gemacht()) ohne.push_back(b.name + " (" + b.speicherjahr.meldung + ")");
  if (s.bohrungen == 0 && ohne.empty()) return t;  // no storage well
  if (s.bohrungen == 0) {
    t.push_back("Speicherjahr des Standorts: keine Speicherbohrung hat ein Speicherjahr.");
    for (const std::string& o : ohne) t.push_back("Nicht summiert: " + o);
    return t;
  }
  t.push_back(s.bohrungen == 1
                  ? std::string("Speicherjahr des Standorts (1 Speicherbohrung nach ihrem eigenen Plan)")
                  : Formatiere("Speicherjahr des Standorts (%zu Speicherbohrungen, jede nach ihrem eigenen Plan)", s.bohrungen));
  for (const std::string& o : ohne) t.push_back("Nicht summiert: " + o);
  if (!s.Gemacht()) {
    t.push_back(s.meldung);
    return t;
  }
  if (s.tage.empty()) return t;
  t.push_back(Formatiere("Arbeitsgas %.1f Mio m3, Kissengas %.1f Mio m3; die Tage aller Speicherjahre: %s bis %s",
                         s.arbeitsgas, s.kissengas, DatumText(s.tage.front().tag).c_str(),
                         DatumText(s.tage.back().tag).c_str()));
  t.emplace_back();
  if (tabelle == Standorttabelle::Keine) {
    for (std::string& z : StandortzielText(s)) t.push_back(std::move(z));
    return t;
  }
  for (std::string& z : StandorttageText(s, tabelle == Standorttabelle::Taeglich)) t.push_back(std::move(z));
  t.emplace_back();
  for (std::string& z : StandortzielText(s)) t.push_back(std::move(z));
  return t;
}

Diagramm StandortspeicherjahrDiagramm(const Standortspeicherjahr& s) {
  Diagramm d;
  d.titel = "Füllstand des Standorts";
  d.xText = "Kalenderjahr";
  d.yText = "Füllstand (%)";
  // Above 100 %, so that a full storage does not run along the frame.
  d.yMin = 0;
  d.yMax = 110;
  if (!s.Gemacht() || s.tage.empty()) return d;
  d.xMin = std::floor(Jahreszahl(s.tage.front().tag));
  d.xMax = std::ceil(Jahreszahl(s.tage.back().tag));
  Diagrammreihe stand{"Füllstand", {}, {}, {0, 0, 200}, Linienart::Durchgezogen, Markierung::Keine};
  for (const Standorttag& t : s.tage) {
    stand.x.push_back(Jahreszahl(t.tag));
    stand.y.push_back(100.0 * t.fuellgrad);
  }
  d.reihen.push_back(std::move(stand));
  Diagrammreihe erreicht{"Füllziel erreicht", {}, {}, {0, 150, 0}, Linienart::Keine, Markierung::Kreis};
  Diagrammreihe verfehlt{"Füllziel verfehlt", {}, {}, {200, 0, 0}, Linienart::Keine, Markierung::Quadrat};
  for (const Standortziel& z : s.ziele) {
    Diagrammreihe& r = z.erfuellt ? erreicht : verfehlt;
    r.x.push_back(Jahreszahl(z.datum));
    r.y.push_back(100.0 * z.ziel);
  }
  for (Diagrammreihe* r : {&erreicht, &verfehlt})
    if (!r->x.empty()) d.reihen.push_back(std::move(*r));
  // The EU threshold over each window: one line, broken between the windows.
  Diagrammreihe eu{Formatiere("EU-Indikator %g %%", s.eu.SchwelleProzent()), {}, {}, {120, 0, 160},
                   Linienart::Gestrichelt, Markierung::Keine};
  for (const EuIndikator& f : s.euFenster) {
    if (!eu.x.empty()) {
      eu.x.push_back(Jahreszahl(f.von));
      eu.y.push_back(std::nan(""));
    }
    eu.x.push_back(Jahreszahl(f.von));
    eu.y.push_back(s.eu.SchwelleProzent());
    eu.x.push_back(Jahreszahl(f.bis));
    eu.y.push_back(s.eu.SchwelleProzent());
  }
  if (!eu.x.empty()) d.reihen.push_back(std::move(eu));
  return d;
}

}  // namespace zelvor
