#include "report/Speichertext.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/Format.h"

namespace zelvor {
namespace {

std::string Prozent(double f) { return Formatiere("%.1f %%", 100.0 * f); }

const char* Phasenname(Speicherphase p) {
  switch (p) {
    case Speicherphase::Einspeisen: return "Einspeisen";
    case Speicherphase::Ausspeisen: return "Ausspeisen";
    case Speicherphase::Ruhe: break;
  }
  return "Ruhe";
}

// The x axis over the storage year's days, in calendar months.
void KalenderSetzen(Diagramm& d) {
  d.xText = "Datum";
  d.xKalender = true;
}

std::string GrenzeText(bool aus, bool ein) {
  if (aus && ein) return "Anlage (aus, ein)";
  if (aus) return "Anlage (aus)";
  if (ein) return "Anlage (ein)";
  return "Bohrung";
}

}  // namespace

double MioM3InGwh(double mioM3, double brennwert) { return mioM3 * brennwert; }  // 1 Mio m3 × 1 kWh/m3 = 1 GWh

double RateInGwhTag(double m3h, double brennwert) { return m3h * 24.0 * brennwert / 1e6; }

std::string EnergieMenge(double gwh) {
  return std::abs(gwh) >= 1000.0 ? Formatiere("%.2f TWh", gwh / 1000.0) : Formatiere("%.1f GWh", gwh);
}

std::string EnergieText(const Speichervolumen& v, double brennwert) {
  return Formatiere("Brennwert %.3f kWh/m3: Arbeitsgas %s, Kissengas %s", brennwert,
                    EnergieMenge(MioM3InGwh(v.arbeitsgas, brennwert)).c_str(),
                    EnergieMenge(MioM3InGwh(v.kissengas, brennwert)).c_str());
}

std::string AnlagengrenzenText(const Anlagengrenzen& g) {
  const auto rate = [](double q) { return q > 0.0 ? Formatiere("höchstens %.1f m3/h", q) : std::string("unbegrenzt"); };
  return "Speicheranlage: Einspeisung " + rate(g.qEin) + ", Ausspeisung " + rate(g.qAus) +
         "; es gilt jeweils die kleinere Rate von Bohrung und Anlage";
}

std::string GesetzlicheZieleKopf(const std::string& anlage) {
  if (anlage.empty())
    return "Gesetzliche Füllziele, die am jeweiligen Stichtag gelten: allgemeine Vorgaben (keine Speicheranlage "
           "eingestellt, SpeicherAnlage).";
  if (AusnahmeanlageSuchen(anlage))
    return "Gesetzliche Füllziele, die am jeweiligen Stichtag gelten, für die Speicheranlage " + anlage +
           " mit ihren Ausnahmen.";
  return "Gesetzliche Füllziele, die am jeweiligen Stichtag gelten: allgemeine Vorgaben (die Speicheranlage " + anlage +
         " nennt keine Ausnahme).";
}

namespace {

// The table by fill level and a note for every level whose rate is 0.
void KennlinienTabelle(std::vector<std::string>& t, const std::vector<Kennlinienpunkt>& punkte, bool grenzen,
                       double brennwert) {
  const bool gwh = brennwert > 0.0;
  t.push_back(std::string("    Füllstand    Inventar") + (gwh ? "    Inventar" : "") +
              "          Gp        P/Z        pws  Q_aus(p_min)  Q_ein(p_max)" + (gwh ? "     Q_aus     Q_ein" : "") +
              (grenzen ? "  begrenzt durch" : ""));
  t.push_back(std::string("          (%)    (Mio m3)") + (gwh ? "       (GWh)" : "") +
              "    (Mio m3)      (bar)      (bar)        (m3/h)        (m3/h)" + (gwh ? "   (GWh/d)   (GWh/d)" : ""));
  for (const Kennlinienpunkt& p : punkte) {
    std::string z = Formatiere("    %9.1f  %10.1f", 100.0 * p.fuellgrad, p.inventar);
    if (gwh) z += Formatiere("  %10.1f", MioM3InGwh(p.inventar, brennwert));
    z += Formatiere("  %10.1f %10.2f %10.2f  %12.1f  %12.1f", p.gp, p.pz, p.pws, p.qAus, p.qEin);
    if (gwh) z += Formatiere("  %8.2f  %8.2f", RateInGwhTag(p.qAus, brennwert), RateInGwhTag(p.qEin, brennwert));
    if (grenzen) z += "  " + GrenzeText(p.ausAnlage, p.einAnlage);
    t.push_back(z);
  }
  bool kopf = false;
  for (const Kennlinienpunkt& p : punkte) {
    if (p.hinweis.empty()) continue;
    if (!kopf) t.push_back("");
    kopf = true;
    t.push_back(Formatiere("    Bei %.1f %%: %s", 100.0 * p.fuellgrad, p.hinweis.c_str()));
  }
}

}  // namespace

const char* KennlinienrichtungText(Kennlinienrichtung r) {
  switch (r) {
    case Kennlinienrichtung::Einspeicherung: return "Einspeicherung";
    case Kennlinienrichtung::Ausspeicherung: return "Ausspeicherung";
    case Kennlinienrichtung::Beide: break;
  }
  return "Ein- und Ausspeicherung";
}

std::vector<std::string> KennlinienText(const Speicherkennlinien& k, double brennwert) {
  std::vector<std::string> t;
  t.push_back("    Speicherkennlinien");
  if (!k.Gemacht()) {
    t.push_back("    " + k.meldung);
    return t;
  }
  t.push_back(Formatiere("    Arbeitsgas %.1f Mio m3, Kissengas %.1f Mio m3; p_min %.1f bar, p_max %.1f bar",
                         k.volumen.arbeitsgas, k.volumen.kissengas, k.eingaben.pMin, k.eingaben.pMax));
  t.push_back(Formatiere("    C-Modell: %s", PrognosemodellText(k.eingaben.modell).c_str()));
  if (k.MitAquifer())
    t.push_back("    Aquifer (" + k.aquifer + "): je eine Kennlinie der Ein- und der Ausspeichersaison, der Druck Tag für "
                "Tag aus der Bilanz mit dem Zufluss, ab dem Zustand zu Beginn des Speicherjahres leer ausgespeichert, "
                "mit voller Rate bis voll eingespeichert, dann mit voller Rate bis leer ausgespeichert.");
  for (const std::string& h : k.hinweise) t.push_back("    " + h);
  const bool grenzen = k.grenzen.qEin > 0.0 || k.grenzen.qAus > 0.0;
  if (grenzen) t.push_back("    " + AnlagengrenzenText(k.grenzen));
  if (brennwert > 0.0) t.push_back("    " + EnergieText(k.volumen, brennwert));
  if (!k.MitAquifer()) {
    t.push_back("");
    KennlinienTabelle(t, k.punkte, grenzen, brennwert);
    return t;
  }
  for (const Kennlinie& r : k.richtungen) {
    t.push_back("");
    t.push_back(std::string("    ") + KennlinienrichtungText(r.richtung) +
                (r.richtung == Kennlinienrichtung::Einspeicherung ? " (Einspeichersaison, von leer bis voll)"
                                                                   : " (Ausspeichersaison, von voll bis leer)"));
    if (!r.meldung.empty()) {
      t.push_back("    " + r.meldung);
      continue;
    }
    KennlinienTabelle(t, r.punkte, grenzen, brennwert);
  }
  return t;
}

std::string OhneVorgabenSatz(const Zeitraum& o) {
  return Formatiere("Vom %s bis %s ist keine deutsche Füllstandsvorgabe in Kraft: dort wird kein gesetzliches "
                    "Füllziel geprüft.",
                    DatumText(o.von).c_str(), DatumText(o.bis).c_str());
}

std::string NachweisSatz(const Augustnachweis& n) {
  std::string satz = Formatiere("Nachweis am %s (§ 35b Abs. 2 EnWG): Füllstand %s", DatumText(n.datum).c_str(),
                                Prozent(n.fuellgrad).c_str());
  if (n.folgeziele.empty()) return satz + "; kein gesetzliches Füllziel folgt im selben Jahr.";
  satz += "; mit voller Injektionsrate ab dann";
  bool alle = true;
  for (std::size_t i = 0; i < n.folgeziele.size(); ++i) {
    const Augustnachweis::Folgeziel& f = n.folgeziele[i];
    satz += Formatiere("%s am %s %s (Ziel %s)", i ? "," : "", DatumText(f.datum).c_str(), Prozent(f.erreichbar).c_str(),
                       Prozent(f.ziel).c_str());
    alle = alle && f.erreicht;
  }
  return satz + (alle ? " – die Vorgaben sind nicht gefährdet." : " – die Vorgaben sind GEFÄHRDET.");
}

std::vector<std::string> FuellzielText(const Speicherjahr& s) {
  std::vector<std::string> t;
  const SpeicherjahrEingaben& e = s.eingaben;
  if (e.gesetzlich && !s.ziele.empty()) t.push_back("    " + GesetzlicheZieleKopf(e.anlage));
  for (const Zielergebnis& z : s.ziele) {
    std::string quelle = z.quelle;
    if (!z.anlage.empty()) quelle += ", Ausnahme für " + z.anlage;
    std::string satz = Formatiere("    Am %s: Füllstand %s, Ziel %s (%s) – %s.", DatumText(z.datum).c_str(),
                                  Prozent(z.erreicht).c_str(), Prozent(z.ziel.fuellgrad).c_str(), quelle.c_str(),
                                  z.erfuellt ? "erreicht" : "VERFEHLT");
    if (z.einspeicherziel) {
      satz += z.erreichtAm ? " Erreicht am " + DatumText(*z.erreichtAm) + "." : " Im Jahr nicht erreicht.";
      if (z.ohneEinspeisen)
        satz += " Schon ohne Einspeisen erreicht.";
      else
        satz += z.spaetesterBeginn
                    ? " Mit voller Injektionsrate spätestens ab " + DatumText(*z.spaetesterBeginn) + " einspeisen."
                    : " Auch mit voller Injektionsrate nicht erreichbar.";
    }
    t.push_back(satz);
  }
  for (const Zeitraum& o : s.ohneVorgaben) t.push_back("    " + OhneVorgabenSatz(o));
  for (const Augustnachweis& n : s.nachweise) t.push_back("    " + NachweisSatz(n));
  if (s.ziele.empty() && s.ohneVorgaben.empty()) t.push_back("    Kein Füllziel liegt im berechneten Zeitraum.");
  return t;
}

std::vector<std::string> SpeicherjahrKopf(const Speicherjahr& s) {
  const SpeicherjahrEingaben& e = s.eingaben;
  std::vector<std::string> t;
  t.push_back(Formatiere("    Speicherjahr ab %s, Arbeitsgas %.1f Mio m3, Kissengas %.1f Mio m3", DatumText(e.start).c_str(),
                         s.volumen.arbeitsgas, s.volumen.kissengas));
  t.push_back(Formatiere("    Einspeisen %02d.%02d.-%02d.%02d. mit %s, Ausspeisen %02d.%02d.-%02d.%02d. mit %s",
                         e.einBeginn.tag, e.einBeginn.monat, e.einEnde.tag, e.einEnde.monat,
                         e.qEinPlan > 0 ? Formatiere("%.1f m3/h", e.qEinPlan).c_str() : "voller Rate",
                         e.ausBeginn.tag, e.ausBeginn.monat, e.ausEnde.tag, e.ausEnde.monat,
                         e.qAusPlan > 0 ? Formatiere("%.1f m3/h", e.qAusPlan).c_str() : "voller Rate"));
  if (!s.Gemacht()) {
    t.push_back("    " + s.meldung);
    return t;
  }
  const bool grenzen = e.grenzen.qEin > 0.0 || e.grenzen.qAus > 0.0;
  if (grenzen) t.push_back("    " + AnlagengrenzenText(e.grenzen));
  if (e.brennwert > 0.0) t.push_back("    " + EnergieText(s.volumen, e.brennwert));
  if (!s.aquifer.empty())
    t.push_back("    Aquifer (" + s.aquifer + "): der Druck jedes Morgens aus der Bilanz mit dem Zufluss bis dahin, "
                "ab dem Zustand des Aquifers zu Beginn des Speicherjahres.");
  for (const std::string& h : s.hinweise) t.push_back("    " + h);
  return t;
}

std::vector<std::string> SpeicherjahrSpaltenkopf(const Speicherjahr& s) {
  const SpeicherjahrEingaben& e = s.eingaben;
  const bool grenzen = e.grenzen.qEin > 0.0 || e.grenzen.qAus > 0.0;
  const bool gwh = e.brennwert > 0.0;
  return {std::string("         Datum   Phase       Füllstand    Inventar         pws           Q   Q_möglich") +
              (gwh ? "    Inventar          Q" : "") + (grenzen ? "  begrenzt durch" : ""),
          std::string("                                   (%)    (Mio m3)       (bar)      (m3/h)      (m3/h)") +
              (gwh ? "       (GWh)    (GWh/d)" : "")};
}

std::vector<std::string> SpeicherjahrZeilen(const Speicherjahr& s, bool taeglich) {
  std::vector<std::string> t;
  if (!s.Gemacht()) return t;
  const SpeicherjahrEingaben& e = s.eingaben;
  const bool grenzen = e.grenzen.qEin > 0.0 || e.grenzen.qAus > 0.0;
  const bool gwh = e.brennwert > 0.0;
  for (std::size_t i = 0; i < s.tage.size(); ++i) {
    const Speichertag& d = s.tage[i];
    const bool zieltag = std::any_of(s.ziele.begin(), s.ziele.end(), [&d](const Zielergebnis& z) { return z.datum == d.tag; });
    if (!taeglich && i % 7 != 0 && i + 1 != s.tage.size() && !zieltag) continue;
    std::string z = Formatiere("    %s   %-10s %10.1f  %10.1f  %10.2f  %10.1f  %10.1f", DatumText(d.tag).c_str(),
                               i + 1 == s.tage.size() ? "Ende" : Phasenname(d.phase), 100.0 * d.fuellgrad, d.inventar,
                               d.pws, d.q, d.qMoeglich);
    if (gwh) z += Formatiere("  %10.1f %10.2f", MioM3InGwh(d.inventar, e.brennwert), RateInGwhTag(d.q, e.brennwert));
    if (grenzen)
      z += "  " + (d.phase == Speicherphase::Einspeisen   ? GrenzeText(false, d.einAnlage)
                   : d.phase == Speicherphase::Ausspeisen ? GrenzeText(d.ausAnlage, false)
                                                          : std::string("-"));
    t.push_back(z);
  }
  return t;
}

std::vector<std::string> SpeicherjahrText(const Speicherjahr& s, bool taeglich) {
  std::vector<std::string> t = SpeicherjahrKopf(s);
  if (!s.Gemacht()) return t;
  t.push_back("");
  for (std::string& z : SpeicherjahrSpaltenkopf(s)) t.push_back(std::move(z));
  for (std::string& z : SpeicherjahrZeilen(s, taeglich)) t.push_back(std::move(z));
  t.push_back("");
  for (std::string& z : FuellzielText(s)) t.push_back(std::move(z));
  return t;
}

const char* RichtungText(Speicherrichtung r) {
  switch (r) {
    case Speicherrichtung::NachEinspeisung: return "nach Einspeisung";
    case Speicherrichtung::NachAusspeisung: return "nach Ausspeisung";
    case Speicherrichtung::Unbekannt: break;
  }
  return "-";
}

std::string InventarErklaerung(const Inventarpruefung& p) {
  if (p.aquifer == Aquifermodell::Keiner) return "";
  return std::string("Erklärung: Aquifermodell ") + AquifermodellName(p.aquifer) +
         " (das bis zu jeder Messung bewegte Wasser in der Bilanz, ein Versatz)";
}

std::vector<std::string> InventarText(const Inventarpruefung& p) {
  std::vector<std::string> t;
  t.push_back("");
  t.push_back("    Inventarprüfung mit Schließdruckmessungen");
  const bool aquifer = p.aquifer != Aquifermodell::Keiner;
  if (!p.punkte.empty() && aquifer) {
    // With the model's water at each survey beside the inventories.
    t.push_back("         Datum          Gp        P/Z    gebucht     Bilanz    Verlust    WE - Wp   Richtung");
    t.push_back("                  (Mio m3)      (bar)   (Mio m3)   (Mio m3)   (Mio m3)   (Mio m3)");
    for (const Inventarpunkt& q : p.punkte)
      t.push_back(Formatiere("    %s  %10.3f %10.2f %10.1f %10.1f %10.2f %10.3f   %s", DatumText(q.messung.datum).c_str(),
                             q.messung.gp, q.messung.pz, q.gebucht, q.bilanz, q.verlust, q.weNetto,
                             RichtungText(q.richtung)));
  } else if (!p.punkte.empty()) {
    t.push_back("         Datum          Gp        P/Z    gebucht     Bilanz    Verlust   Richtung");
    t.push_back("                  (Mio m3)      (bar)   (Mio m3)   (Mio m3)   (Mio m3)");
    for (const Inventarpunkt& q : p.punkte)
      t.push_back(Formatiere("    %s  %10.3f %10.2f %10.1f %10.1f %10.2f   %s", DatumText(q.messung.datum).c_str(),
                             q.messung.gp, q.messung.pz, q.gebucht, q.bilanz, q.verlust, RichtungText(q.richtung)));
  }
  if (!p.Gemacht()) {
    t.push_back("    " + p.meldung);
    return t;
  }
  t.push_back(Formatiere("    Verlustrate %.2f Mio m3/Jahr, 95 %%-Bereich %.2f bis %.2f (t = %.3f)%s", p.rate, p.unten,
                         p.oben, p.t, p.getrennt ? ", Richtungen getrennt" : ""));
  if (p.getrennt)
    t.push_back(Formatiere("    Hysterese (nach Einspeisung minus nach Ausspeisung): %.2f Mio m3", p.hysterese));
  if (aquifer) t.push_back("    " + InventarErklaerung(p));
  t.push_back("    " + p.satz);
  return t;
}

Diagramm KennlinienDiagramm(const Speicherkennlinien& k) {
  Diagramm d;
  d.titel = "Aus- und Einspeicherrate über dem Füllstand";
  d.xText = "Füllstand (%)";
  d.yText = "Rate (m3/h)";
  d.xMin = 0;
  d.xMax = 100;
  d.yMin = 0;
  Diagrammreihe aus{"Q_aus bei p_min", {}, {}, {200, 0, 0}, Linienart::Durchgezogen, Markierung::Quadrat};
  Diagrammreihe ein{"Q_ein bei p_max", {}, {}, {0, 0, 200}, Linienart::Durchgezogen, Markierung::Kreis};
  for (const Kennlinienpunkt& p : k.punkte) {
    aus.x.push_back(100.0 * p.fuellgrad);
    aus.y.push_back(p.qAus);
    ein.x.push_back(100.0 * p.fuellgrad);
    ein.y.push_back(p.qEin);
  }
  if (k.Gemacht() && !k.punkte.empty()) d.reihen = {std::move(aus), std::move(ein)};
  return d;
}

Diagramm KennlinienDiagramm(const Speicherkennlinien& k, Kennlinienrichtung r) {
  Speicherkennlinien eine;
  eine.meldung = k.meldung;
  eine.punkte = k.Punkte(r);
  Diagramm d = KennlinienDiagramm(eine);
  if (k.MitAquifer()) d.titel += std::string(": ") + KennlinienrichtungText(r);
  return d;
}

std::vector<Diagramm> KennlinienDiagramme(const Speicherkennlinien& k) {
  if (!k.MitAquifer()) return {KennlinienDiagramm(k)};
  std::vector<Diagramm> d;
  for (const Kennlinie& r : k.richtungen)
    if (!r.punkte.empty()) d.push_back(KennlinienDiagramm(k, r.richtung));
  if (Diagramm p = KennliniendruckDiagramm(k); !p.reihen.empty()) d.push_back(std::move(p));
  return d;
}

Diagramm KennliniendruckDiagramm(const Speicherkennlinien& k) {
  Diagramm d;
  d.titel = "Lagerstättendruck über dem Füllstand je Saison";
  d.xText = "Füllstand (%)";
  d.yText = "pws (bar)";
  d.xMin = 0;
  d.xMax = 100;
  if (!k.Gemacht() || !k.MitAquifer()) return d;
  for (const Kennlinie& r : k.richtungen) {
    if (r.punkte.empty()) continue;
    const bool ein = r.richtung == Kennlinienrichtung::Einspeicherung;
    Diagrammreihe p{KennlinienrichtungText(r.richtung), {}, {}, ein ? Farbe{0, 0, 200} : Farbe{200, 0, 0},
                    ein ? Linienart::Durchgezogen : Linienart::Gestrichelt, ein ? Markierung::Kreis : Markierung::Quadrat};
    for (const Kennlinienpunkt& q : r.punkte) {
      p.x.push_back(100.0 * q.fuellgrad);
      p.y.push_back(q.pws);
    }
    d.reihen.push_back(std::move(p));
  }
  return d;
}

Diagramm SpeicherjahrDiagramm(const Speicherjahr& s) {
  Diagramm d;
  d.titel = "Füllstand im Speicherjahr";
  KalenderSetzen(d);
  d.yText = "Füllstand (% des Arbeitsgases)";
  // Above 100 %, so that a full storage does not run along the frame.
  d.yMin = 0;
  d.yMax = 110;
  if (!s.Gemacht() || s.tage.empty()) return d;
  Diagrammreihe stand{"Füllstand", {}, {}, {0, 0, 200}, Linienart::Durchgezogen, Markierung::Keine};
  for (const Speichertag& t : s.tage) {
    stand.x.push_back(Jahreszahl(t.tag));
    stand.y.push_back(100.0 * t.fuellgrad);
  }
  d.reihen.push_back(std::move(stand));
  Diagrammreihe erreicht{"Füllziel erreicht", {}, {}, {0, 150, 0}, Linienart::Keine, Markierung::Kreis};
  Diagrammreihe verfehlt{"Füllziel verfehlt", {}, {}, {200, 0, 0}, Linienart::Keine, Markierung::Quadrat};
  for (const Zielergebnis& z : s.ziele) {
    Diagrammreihe& r = z.erfuellt ? erreicht : verfehlt;
    r.x.push_back(Jahreszahl(z.datum));
    r.y.push_back(100.0 * z.ziel.fuellgrad);
  }
  for (Diagrammreihe* r : {&erreicht, &verfehlt})
    if (!r->x.empty()) d.reihen.push_back(std::move(*r));
  return d;
}

Diagramm SpeicherjahrRatenDiagramm(const Speicherjahr& s) {
  Diagramm d;
  d.titel = "Rate im Speicherjahr";
  KalenderSetzen(d);
  d.yText = "Rate (m3/h), Einspeisen positiv";
  if (!s.Gemacht() || s.tage.empty()) return d;
  Diagrammreihe rate{"Rate", {}, {}, {0, 0, 200}, Linienart::Durchgezogen, Markierung::Keine};
  Diagrammreihe moeglich{"möglich", {}, {}, {120, 120, 120}, Linienart::Gestrichelt, Markierung::Keine};
  for (const Speichertag& t : s.tage) {
    const double x = Jahreszahl(t.tag);
    rate.x.push_back(x);
    rate.y.push_back(t.q);
    moeglich.x.push_back(x);
    // A day at rest has no capacity of either sign: a gap.
    moeglich.y.push_back(t.phase == Speicherphase::Einspeisen   ? t.qMoeglich
                         : t.phase == Speicherphase::Ausspeisen ? -t.qMoeglich
                                                                : std::numeric_limits<double>::quiet_NaN());
  }
  d.reihen = {std::move(rate), std::move(moeglich)};
  return d;
}

Diagramm InventarDiagramm(const Inventarpruefung& p) {
  Diagramm d;
  d.titel = "Scheinbarer Gasverlust aus den Schließdruckmessungen";
  KalenderSetzen(d);
  d.yText = "gebuchtes minus bilanziertes Inventar (Mio m3)";
  Diagrammreihe ein{"nach Einspeisung", {}, {}, {0, 0, 200}, Linienart::Keine, Markierung::Kreis};
  Diagrammreihe aus{"nach Ausspeisung", {}, {}, {200, 0, 0}, Linienart::Keine, Markierung::Quadrat};
  Diagrammreihe sonst{"Richtung unbekannt", {}, {}, {0, 0, 0}, Linienart::Keine, Markierung::Kreis};
  for (const Inventarpunkt& q : p.punkte) {
    Diagrammreihe& r = q.richtung == Speicherrichtung::NachEinspeisung   ? ein
                       : q.richtung == Speicherrichtung::NachAusspeisung ? aus
                                                                         : sonst;
    r.x.push_back(Jahreszahl(q.messung.datum));
    r.y.push_back(q.verlust);
  }
  for (Diagrammreihe* r : {&ein, &aus, &sonst})
    if (!r->x.empty()) d.reihen.push_back(std::move(*r));
  if (p.Gemacht() && !p.punkte.empty()) {
    // The fitted trend, one line per offset: its slope is the loss rate.
    const double von = Jahreszahl(p.punkte.front().messung.datum), bis = Jahreszahl(p.punkte.back().messung.datum);
    for (int g = 0; g < (p.getrennt ? 2 : 1); ++g) {
      std::string legende = Formatiere("Trend %.2f Mio m3/Jahr", p.rate);
      if (p.getrennt) legende += g == 0 ? " (nach Einspeisung)" : " (nach Ausspeisung)";
      d.reihen.push_back({legende, {von, bis}, {p.versatz[g] + p.rate * von, p.versatz[g] + p.rate * bis},
                          g == 0 ? Farbe{0, 0, 200} : Farbe{200, 0, 0}, Linienart::Gestrichelt, Markierung::Keine});
    }
  }
  return d;
}

}  // namespace zelvor
