#include "report/Prognosetext.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calc/Aquiferprognose.h"
#include "calc/Format.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentSpeicher.h"

namespace zelvor {
namespace {

std::string Ansatz(const Foerderprognose& p) {
  const Lieferansatz& a = p.ansatz;
  // An injection well's difference has the run's sign for injection.
  const char* d = p.injektion ? "(pwf² - pws²)" : "(pws² - pwf²)";
  switch (p.eingaben.modell) {
    case Prognosemodell::Mittel: return Formatiere("    Q = C·%s mit C = %.5f m3/h/bar²", d, a.c0);
    case Prognosemodell::Variabel:
      return Formatiere("    Q = C(Gp)·%s mit C(Gp) = %.5f %c %.6f·Gp m3/h/bar²", d, a.c0, a.steigung < 0 ? '-' : '+',
                        a.steigung < 0 ? -a.steigung : a.steigung);
    case Prognosemodell::Gegendruck:
      return Formatiere("    Q = C_n·%s^n mit C_n = %.4e m3/h/bar^2n, n = %.4f", d, a.c0, a.n);
  }
  return "";
}

std::vector<std::string> EinspeicherKopf(const Foerderprognose& p) {
  const PrognoseEingaben& e = p.eingaben;
  return {Formatiere("    Einspeicherprognose bei p_max %.1f bar, C-Modell: %s", e.pMax,
                     PrognosemodellText(e.modell).c_str()),
          Formatiere("    Maximaler Lagerstättendruck %.1f bar, %d Schritte", e.pResMax, e.schritte),
          Formatiere("    Geplante Injektionsrate %s, Mindestrate %.1f m3/h",
                     e.qPlan > 0 ? Formatiere("%.1f m3/h", e.qPlan).c_str() : "so viel wie möglich", e.qEnde)};
}

std::vector<std::string> EinspeicherZusammenfassung(const Foerderprognose& p) {
  return {Formatiere("    Gp am Ende der Einspeicherung (Mio m3):%12.3f", p.gpEnde),
          Formatiere("    Noch einspeicherbar            (Mio m3):%12.3f", p.Einspeicherbar()),
          Formatiere("    Plateaudauer                    (Jahre):%12.2f", p.plateauJahre),
          Formatiere("    Zeit bis zum Ende               (Jahre):%12.2f", p.jahre),
          // What the well could take at p_max, and what is injected: the planned rate where it takes that.
          Formatiere("    Q_inj,max zu Beginn (bei p_max) (m3/h):%12.1f", p.qMaxStart),
          Formatiere("    Injektionsrate zu Beginn        (m3/h):%12.1f", p.zeilen.empty() ? 0.0 : p.zeilen.front().q),
          p.voll ? Formatiere("    Ende: der Speicher ist voll (Lagerstättendruck %.1f bar).", p.eingaben.pResMax)
                 : Formatiere("    Ende: die Injektionsrate fällt auf die Mindestrate von %.1f m3/h.", p.eingaben.qEnde)};
}

// A summary line: the label, its unit right before the colon at column breite (in characters), the value.
std::string Summenzeile(const std::string& text, const std::string& einheit, int breite, const std::string& wert) {
  const auto zeichen = [](const std::string& t) {
    return static_cast<int>(std::count_if(t.begin(), t.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
  };
  std::string z = "    " + text;
  const int luecke = breite - zeichen(z) - zeichen(einheit);
  z += std::string(static_cast<std::size_t>(std::max(luecke, 1)), ' ') + einheit + ":" + wert;
  return z;
}

// With an aquifer model: the model, its influx at both ends, and the forecast without further influx.
std::vector<std::string> AquiferZusammenfassung(const Foerderprognose& p, std::optional<Tag> start) {
  std::vector<std::string> t;
  if (!p.aquifer) return t;
  const Aquiferprognosewerte& a = *p.aquifer;
  const int breite = p.injektion ? 43 : 36;
  t.push_back(Summenzeile("Aquifermodell", "", breite, Formatiere("%12s", a.modell.c_str())));
  t.push_back(Summenzeile("Wasserzufluss zu Beginn", "(Mio m3)", breite, Formatiere("%12.3f", a.weStart)));
  t.push_back(Summenzeile("Wasserzufluss am Ende", "(Mio m3)", breite, Formatiere("%12.3f", a.weEnde)));
  if (a.horizont)
    t.push_back(Formatiere(p.injektion ? "    Das Ende der Einspeicherung wird in %.0f Jahren nicht erreicht; die Prognose endet dort."
                                       : "    Die Aufgaberate wird in %.0f Jahren nicht erreicht; die Prognose endet dort.",
                           AQUIFERPROGNOSE_HORIZONT));
  if (a.ohneLoesung)
    t.push_back("    Ende: danach hat die Materialbilanz keine Lösung mehr (das Wasser hat das Gas verdrängt).");
  t.emplace_back();
  const Foerderprognose* o = a.ohneAquifer.get();
  if (!o || !o->Gemacht()) {
    t.push_back("    Ohne weiteren Wasserzufluss: " + (o ? o->meldung : std::string("nicht berechnet.")));
    return t;
  }
  t.push_back("    Ohne weiteren Wasserzufluss ab Prognosebeginn (geschlossener Speicher):");
  t.push_back(Summenzeile(p.injektion ? "Noch einspeicherbar" : "Restreserven", "(Mio m3)", breite,
                          Formatiere("%12.3f", o->Menge())));
  t.push_back(Summenzeile(p.injektion ? "Zeit bis zum Ende" : "Zeit bis zur Aufgabe", "(Jahre)", breite,
                          Formatiere("%12.2f", o->jahre)));
  if (start)
    t.push_back(Summenzeile(p.injektion ? "Datum des Endes" : "Datum der Aufgabe", "", breite,
                            Formatiere("%12s", PrognoseDatum(*start, o->jahre).c_str())));
  return t;
}

std::string Datumsspanne(Tag start, double x, double y) {
  return Formatiere("%12s bis %s", PrognoseDatum(start, std::min(x, y)).c_str(), PrognoseDatum(start, std::max(x, y)).c_str());
}

}  // namespace

std::vector<std::string> PrognoseKopf(const Foerderprognose& p) {
  const PrognoseEingaben& e = p.eingaben;
  std::vector<std::string> t;
  if (p.injektion) {
    t = EinspeicherKopf(p);
  } else {
    t.push_back(Formatiere("    Förderprognose bei p_min %.1f bar, C-Modell: %s", e.pMin,
                           PrognosemodellText(e.modell).c_str()));
    t.push_back(Formatiere("    Plateaurate %s, Aufgaberate %.1f m3/h, %d Schritte",
                           e.qPlan > 0 ? Formatiere("%.1f m3/h", e.qPlan).c_str() : "keine", e.qEnde, e.schritte));
  }
  if (e.aquifer) t.push_back("    Mit dem Aquifermodell: Schritte von höchstens einem Monat auf dem Kalender");
  if (p.Gemacht()) {
    t.push_back(Ansatz(p));
  } else {
    t.push_back("    " + p.meldung);
  }
  return t;
}

std::optional<Fuellstandsspalte> DokumentFuellstandsspalte(const CZelvorDoc& doc) {
  if (!SpeicherHinweis(doc).empty() || doc.m_Lauf.punkte.empty()) return std::nullopt;
  const Speichervolumen v = doc.m_Speicher.Volumen();
  if (!SpeichervolumenAblehnung(v, doc.m_Lauf.ogip).empty()) return std::nullopt;
  return Fuellstandsspalte{v, doc.m_Lauf.ogip, static_cast<double>(doc.m_Speicher.brennwert)};
}

std::vector<std::string> FuellbezugText(const Foerderprognose& p, const Fuellstandsspalte& f) {
  std::vector<std::string> t;
  if (!p.Gemacht() || !p.injektion || p.zeilen.empty()) return t;
  const double voll = f.volumen.kissengas + f.volumen.arbeitsgas;
  const double rest = voll - f.volumen.Inventar(f.ogip, p.zeilen.front().gp);
  // Short enough for the printed table's width.
  t.push_back(Formatiere(p.voll ? "    Einspeicherprognose: voll beim maximalen Lagerstättendruck %.1f bar, noch %.1f Mio m3."
                                : "    Einspeicherprognose: Mindestrate vor dem max. Lagerstättendruck %.1f bar, noch %.1f Mio m3.",
                         p.eingaben.pResMax, p.Einspeicherbar()));
  t.push_back(Formatiere("    Füllstand: 100 %% = Kissengas + Arbeitsgas = %.1f Mio m3 Inventar, %s", voll,
                         rest > 0 ? Formatiere("noch %.1f Mio m3.", rest).c_str() : "schon erreicht."));
  const double ende = f.volumen.Fuellgrad(f.ogip, p.gpEnde);
  if (std::fabs(ende - 1.0) >= 0.005)
    t.push_back(Formatiere("    Am Ende der Einspeicherprognose läge der Füllstand bei %.1f %%.", 100.0 * ende));
  return t;
}

std::vector<std::string> PrognoseSpaltenkopf(bool injektion, bool datiert, const Fuellstandsspalte* fuellstand) {
  std::vector<std::string> k =
      injektion ? std::vector<std::string>{"          Gp        P/Z    Schliess-  Q_inj,max       Q_inj      Zeit",
                                           "      (Mio m3)     (bar)  druck (bar)    (m3/h)      (m3/h)   (Jahre)"}
                : std::vector<std::string>{"          Gp        P/Z    Schliess-      Q_max           Q      Zeit",
                                           "      (Mio m3)     (bar)  druck (bar)    (m3/h)      (m3/h)   (Jahre)"};
  if (injektion && fuellstand) {
    k[0] += "  Füllstand";
    k[1] += "        (%)";
    if (fuellstand->brennwert > 0) {
      k[0] += "  Füllstand";
      k[1] += "      (GWh)";
    }
  }
  if (datiert) {
    k[0] += "       Datum";
    k[1] += "            ";
  }
  return k;
}

std::string PrognoseDatum(Tag start, double jahre) {
  if (const std::optional<Tag> t = TagNachJahren(start, jahre)) return DatumText(*t);
  // Beyond the calendar's years the text says so rather than leaving the place empty; it still fits the
  // table's date column.
  if (!std::isfinite(jahre)) return "";
  return jahre > 0 ? Formatiere("nach %d", LETZTES_JAHR) : Formatiere("vor %d", ERSTES_JAHR);
}

std::string PrognoseZeilentext(const Prognosezeile& z, std::optional<Tag> start, const Fuellstandsspalte* fuellstand) {
  std::string fuell;
  if (fuellstand) {
    const double grad = fuellstand->volumen.Fuellgrad(fuellstand->ogip, z.gp);
    fuell = Formatiere(" %10.1f", 100.0 * grad);
    // The working gas in store: 1 Mio m3 at 1 kWh/m3 is 1 GWh.
    if (fuellstand->brennwert > 0)
      fuell += Formatiere(" %10.1f", grad * fuellstand->volumen.arbeitsgas * fuellstand->brennwert);
  }
  const std::string datum = start ? Formatiere("  %10s", PrognoseDatum(*start, z.jahre).c_str()) : std::string();
  return Formatiere("%13.3f %9.2f %11.2f %11.1f %11.1f %9.2f%s%s%s", z.gp, z.pz, z.pws, z.qMax, z.q, z.jahre,
                    fuell.c_str(), datum.c_str(), z.plateauEnde ? "  Plateauende" : "");
}

std::vector<std::string> PrognoseZusammenfassung(const Foerderprognose& p, std::optional<Tag> start) {
  std::vector<std::string> t;
  if (p.injektion) {
    t = EinspeicherZusammenfassung(p);
    if (start) {
      t.insert(t.begin() + 4, Formatiere("    Prognosebeginn                         :%12s", DatumText(*start).c_str()));
      t.insert(t.begin() + 5, Formatiere("    Datum des Endes                        :%12s", PrognoseDatum(*start, p.jahre).c_str()));
    }
    for (std::string& z : AquiferZusammenfassung(p, start)) t.push_back(std::move(z));
    return t;
  }
  t = {Formatiere("    Gp bei Aufgabe          (Mio m3):%12.3f", p.gpEnde),
       Formatiere("    Restreserven            (Mio m3):%12.3f", p.Restreserven()),
       Formatiere("    Ausbeutefaktor Gp/OGIP       (%%):%12.2f", 100.0 * p.Ausbeute()),
       Formatiere("    Plateaudauer             (Jahre):%12.2f", p.plateauJahre),
       Formatiere("    Zeit bis zur Aufgabe     (Jahre):%12.2f", p.jahre),
       Formatiere("    Q_max zu Beginn           (m3/h):%12.1f", p.qMaxStart)};
  if (start) {
    t.insert(t.begin() + 5, Formatiere("    Prognosebeginn                  :%12s", DatumText(*start).c_str()));
    t.insert(t.begin() + 6, Formatiere("    Datum der Aufgabe               :%12s", PrognoseDatum(*start, p.jahre).c_str()));
  }
  for (std::string& z : AquiferZusammenfassung(p, start)) t.push_back(std::move(z));
  return t;
}

std::vector<std::string> PrognosebereichText(const Prognosebereich& b, std::optional<Tag> start) {
  std::vector<std::string> t{""};
  if (b.ausAquifer) {
    t.push_back(Formatiere("    Bereich aus der Aquiferanpassung (95 %%), OGIP %.1f bis %.1f Mio m3%s", b.gUnten, b.gOben,
                           b.groesseName.empty() ? ":" : ","));
    if (!b.groesseName.empty())
      t.push_back(Formatiere("    %s %.4g bis %.4g:", b.groesseName.c_str(), b.groesseUnten, b.groesseOben));
  } else {
    t.push_back(Formatiere("    Bereich aus dem Gasvorratsabgleich (95 %%), OGIP %.1f bis %.1f Mio m3:", b.gUnten, b.gOben));
  }
  if (!b.Gemacht()) {
    for (const auto& [g, p] : {std::pair{b.gUnten, &b.unten}, std::pair{b.gOben, &b.oben}})
      if (!p->Gemacht()) t.push_back(Formatiere("    bei %.1f Mio m3: %s", g, p->meldung.c_str()));
    return t;
  }
  // As the summary shows the single values: Mio m3 with three decimals, years with two.
  const auto spanne = [](const char* format, const Spanne& s) { return Formatiere(format, s.min, s.max); };
  if (b.unten.injektion) {
    t.push_back("    Noch einspeicherbar            (Mio m3):" + spanne("%12.3f bis %.3f", b.menge));
    t.push_back("    Zeit bis zum Ende               (Jahre):" + spanne("%12.2f bis %.2f", b.jahre));
    if (start) t.push_back("    Datum des Endes                        :" + Datumsspanne(*start, b.jahre.min, b.jahre.max));
    return t;
  }
  t.push_back("    Restreserven            (Mio m3):" + spanne("%12.3f bis %.3f", b.menge));
  t.push_back("    Zeit bis zur Aufgabe     (Jahre):" + spanne("%12.2f bis %.2f", b.jahre));
  if (start) t.push_back("    Datum der Aufgabe               :" + Datumsspanne(*start, b.jahre.min, b.jahre.max));
  return t;
}

std::vector<std::string> PrognoseText(const Foerderprognose& p, const Prognosebereich* bereich, std::optional<Tag> start,
                                      const Fuellstandsspalte* fuellstand) {
  std::vector<std::string> t = PrognoseKopf(p);
  if (!p.Gemacht()) return t;
  if (!p.injektion) fuellstand = nullptr;
  t.emplace_back();
  for (std::string& s : PrognoseSpaltenkopf(p.injektion, start.has_value(), fuellstand)) t.push_back(std::move(s));
  for (const Prognosezeile& z : p.zeilen) t.push_back(PrognoseZeilentext(z, start, fuellstand));
  t.emplace_back();
  for (std::string& s : PrognoseZusammenfassung(p, start)) t.push_back(std::move(s));
  if (fuellstand) {
    t.emplace_back();
    for (std::string& s : FuellbezugText(p, *fuellstand)) t.push_back(std::move(s));
  }
  if (bereich)
    for (std::string& s : PrognosebereichText(*bereich, start)) t.push_back(std::move(s));
  return t;
}

int PrognoseTabellenseiten(int zeilen, int summe, int zeilenJeSeite) {
  const int je = std::max(1, zeilenJeSeite);
  zeilen = std::max(0, zeilen);
  const int seiten = std::max(1, (zeilen + je - 1) / je);
  const int rest = zeilen - (seiten - 1) * je;
  return rest + summe > je && rest > 0 ? seiten + 1 : seiten;
}

PrognoseSeitenzeilen PrognoseTabellenseite(int seite, int zeilen, int summe, int zeilenJeSeite) {
  const int je = std::max(1, zeilenJeSeite);
  zeilen = std::max(0, zeilen);
  const int von = std::clamp(seite - 1, 0, zeilen / je + 1) * je;  // no overflow for any page number
  return {std::min(von, zeilen), std::min(von + je, zeilen),
          seite == PrognoseTabellenseiten(zeilen, summe, zeilenJeSeite)};
}

}  // namespace zelvor
