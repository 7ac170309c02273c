#include "export/Exporttabellen.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

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

Exporttabelle RatenzeilenTabelle(const Laufdaten& lauf) {
  Exporttabelle t;
  t.name = "Ratenzeilen";
  t.spalten = {{"Gp (Mio m3)", 3},          {"Q (m3/h)", 1},       {"Kopffließdruck (bar)", 2},
               {"Bodenfließdruck (bar)", 2}, {"Schließdruck (bar)", 2}, {"P/Z (bar)", 2},
               {"C-Wert (m3/h bar2)", 3}};
  for (const AusgewerteterPunkt& p : lauf.punkte)
    t.zeilen.push_back({AusFloat(p.gp), AusFloat(p.q), AusFloat(p.pwh), p.pwf, p.pws, p.pz, p.c});
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

std::vector<Exporttabelle> ExporttabellenDesDokuments(const CZelvorDoc& doc) {
  std::vector<Exporttabelle> tabellen;
  tabellen.push_back(RatenzeilenTabelle(doc.m_Lauf));
  tabellen.push_back(KennwerteTabelle(doc));
  tabellen.push_back(GrafikTabelle(doc));
  tabellen.push_back(LieferfaehigkeitTabelle(doc.m_Lauf, doc.m_Prognose.pMax));
  for (Exporttabelle& t : PrognoseTabellen(doc)) tabellen.push_back(std::move(t));
  for (Exporttabelle& t : AbgleichTabellen(doc)) tabellen.push_back(std::move(t));
  return tabellen;
}

}  // namespace zelvor
