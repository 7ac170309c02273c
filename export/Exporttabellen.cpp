#include "export/Exporttabellen.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "doc/DokumentAbgleich.h"

namespace zelvor {

double AusFloat(float wert) {
  char text[32];
  const auto r = std::to_chars(text, text + sizeof text - 1, wert);
  *r.ptr = '\0';
  return std::strtod(text, nullptr);  // digits, '.', 'e' only: no locale can change this
}

double Ausgabewert(double wert) {
  // A computed double almost never has its low 29 mantissa bits zero; one that has and is no short
  // decimal came from a float.
  if (!std::isfinite(wert) || std::fabs(wert) > std::numeric_limits<float>::max()) return wert;
  const auto f = static_cast<float>(wert);
  return static_cast<double>(f) == wert ? AusFloat(f) : wert;
}

Exporttabelle Wertetabelle(std::string name) {
  Exporttabelle t;
  t.name = std::move(name);
  t.spalten = {{"Größe", 0}, {"Wert", STELLEN_JE_WERT}, {"Einheit", 0}};
  return t;
}

Exporttabelle RatenzeilenTabelle(const Laufdaten& lauf, const Zeilendaten& daten) {
  Exporttabelle t;
  t.name = "Ratenzeilen";
  t.spalten = {{"Gp (Mio m3)", 3},          {"Q (m3/h)", 1},       {"Kopffließdruck (bar)", 2},
               {"Bodenfließdruck (bar)", 2}, {"Schließdruck (bar)", 2}, {"P/Z (bar)", 2},
               {"C-Wert (m3/h bar2)", 3}};
  const bool datiert = ZeilendatenVorhanden(daten);
  if (datiert) t.spalten.push_back({"Datum", 0});
  for (std::size_t i = 0; i < lauf.punkte.size(); ++i) {
    const AusgewerteterPunkt& p = lauf.punkte[i];
    t.zeilen.push_back({AusFloat(p.gp), AusFloat(p.q), AusFloat(p.pwh), p.pwf, p.pws, p.pz, p.c});
    if (!datiert) continue;
    const auto datum = ZeilenDatum(daten, i);
    t.zeilen.back().push_back(datum ? Exportwert(DatumText(*datum)) : Exportwert(std::monostate{}));
  }
  return t;
}

Exporttabelle KennwerteTabelle(const CZelvorDoc& doc) {
  const Laufdaten& l = doc.m_Lauf;
  Exporttabelle t = Wertetabelle("Kennwerte");
  t.zeilen.push_back({std::string("Name der Gasbohrung"), doc.m_Gasbohrung, std::monostate{}});
  if (l.punkte.empty() && !l.vollstaendig) return t;  // not evaluated, or refused before the first line
  t.zeilen.push_back({std::string("Initialer Z-Wert Zi"), l.zi, std::string("-")});
  t.zeilen.push_back({std::string("Initialer Formationsvolumenfaktor Bgi"), l.bgi, std::string("-")});
  if (l.vollstaendig) t.zeilen.push_back({std::string("Mittlerer C-Wert"), l.mittlererC, std::string("m3/h bar2")});
  if (l.ausgleich) {
    t.zeilen.push_back({std::string("Variabler C-Wert: Achsenabschnitt"), l.achsenabschnitt, std::string("m3/h bar2")});
    t.zeilen.push_back({std::string("Variabler C-Wert: Steigung"), l.steigung, std::string("m3/h bar2 je Mio m3")});
  }
  return t;
}

Exporttabelle GrafikTabelle(const CZelvorDoc& doc) {
  auto titel = [](const std::string& text, const char* ersatz) { return text.empty() ? std::string(ersatz) : text; };
  Exporttabelle t;
  t.name = "Grafik";
  const int stellenY = doc.m_bGrafikRaten ? 1 : 3;
  t.spalten = {{titel(doc.m_TextXAchse, "Gp (Mio m3)"), 3},
               {titel(doc.m_TextKurve1, "Kurve 1"), stellenY},
               {titel(doc.m_TextKurve2, "Kurve 2"), stellenY}};
  const int n = doc.m_MaxWerte < 0 ? 0 : (doc.m_MaxWerte > MAX_KURVENWERTE ? MAX_KURVENWERTE : doc.m_MaxWerte);
  for (int i = 0; i < n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    t.zeilen.push_back({AusFloat(doc.m_Kurve1X[k]), AusFloat(doc.m_Kurve1Y[k]), AusFloat(doc.m_Kurve2Y[k])});
  }
  return t;
}

std::vector<Exporttabelle> MessbilanzTabellen(const CZelvorDoc& doc) {
  if (doc.m_Messungen.empty()) return {};
  const Messbilanz m = DokumentMessbilanz(doc);
  Exporttabelle punkte;
  punkte.name = "Schließdruckmessungen";
  punkte.spalten = {{"Datum", 0},   {"Gp (Mio m3)", 3}, {"Gemessener Druck (bar)", 2}, {"Messort", 0},
                    {"pws (bar)", 2}, {"Z (-)", 4},       {"P/Z (bar)", 2}};
  for (std::size_t i = 0; i < doc.m_Messungen.size(); ++i) {
    const Schliessdruckmessung& s = doc.m_Messungen[i];
    std::vector<Exportwert> z = {s.datum ? Exportwert(DatumText(*s.datum)) : Exportwert(std::monostate{}),
                                 AusFloat(s.gp), AusFloat(s.druck),
                                 std::string(s.art == Messart::Kopf ? "Kopf" : "Sohle")};
    if (i < m.punkte.size()) {
      z.insert(z.end(), {m.punkte[i].pws, m.punkte[i].z, m.punkte[i].pz});
    } else {
      z.insert(z.end(), 3, std::monostate{});
    }
    punkte.zeilen.push_back(std::move(z));
  }
  Exporttabelle fits = Wertetabelle("Schließdruckanpassung");
  const auto zeile = [&](const char* name, double wert, const char* einheit) {
    fits.zeilen.push_back({std::string(name), wert, std::string(einheit)});
  };
  const auto grund = [&](const char* name, const std::string& meldung) {
    fits.zeilen.push_back({std::string(name), meldung, std::monostate{}});
  };
  if (!m.Gemacht()) {
    grund("Keine Anpassung", m.meldung);
    return {punkte, fits};
  }
  zeile("Initialer P/Z-Wert", m.pzi, "bar");
  if (m.gerade.Gemacht()) {
    zeile("P/Z-Gerade: P/Z bei Gp = 0 (a)", m.gerade.a, "bar");
    zeile("P/Z-Gerade: a, 95 % unten", m.gerade.aUnten, "bar");
    zeile("P/Z-Gerade: a, 95 % oben", m.gerade.aOben, "bar");
    zeile("P/Z-Gerade: Neigung (b)", m.gerade.b, "bar je Mio m3");
    zeile("P/Z-Gerade: OGIP = a/b", m.gerade.g, "Mio m3");
    zeile("P/Z-Gerade: OGIP, 95 % unten", m.gerade.gUnten, "Mio m3");
    zeile("P/Z-Gerade: OGIP, 95 % oben", m.gerade.gOben, "Mio m3");
    zeile("P/Z-Gerade: R²", m.gerade.r2, "-");
  } else {
    grund("P/Z-Gerade", m.gerade.meldung);
  }
  if (m.bilanz.Gemacht()) {
    zeile("Materialbilanz: OGIP", m.bilanz.g, "Mio m3");
    zeile("Materialbilanz: OGIP, 95 % unten", m.bilanz.gUnten, "Mio m3");
    zeile("Materialbilanz: OGIP, 95 % oben", m.bilanz.gOben, "Mio m3");
    zeile("Materialbilanz: Fehlerquadratsumme", m.bilanz.s, "bar2");
  } else {
    grund("Materialbilanz", m.bilanz.meldung);
  }
  return {punkte, fits};
}

std::vector<Exporttabelle> ExporttabellenDesDokuments(const CZelvorDoc& doc) {
  std::vector<Exporttabelle> tabellen;
  tabellen.push_back(RatenzeilenTabelle(doc.m_Lauf, doc.m_RatenDatum));
  tabellen.push_back(KennwerteTabelle(doc));
  tabellen.push_back(GrafikTabelle(doc));
  tabellen.push_back(LieferfaehigkeitTabelle(doc.m_Lauf, doc.m_Prognose.pMax));
  for (Exporttabelle& t : PrognoseTabellen(doc)) tabellen.push_back(std::move(t));
  for (Exporttabelle& t : AbgleichTabellen(doc)) tabellen.push_back(std::move(t));
  for (Exporttabelle& t : SpeicherTabellen(doc)) tabellen.push_back(std::move(t));
  for (Exporttabelle& t : MessbilanzTabellen(doc)) tabellen.push_back(std::move(t));
  for (Exporttabelle& t : AquiferTabellen(doc)) tabellen.push_back(std::move(t));
  for (Exporttabelle& t : RueckgangTabellen(doc)) tabellen.push_back(std::move(t));
  return tabellen;
}

}  // namespace zelvor
