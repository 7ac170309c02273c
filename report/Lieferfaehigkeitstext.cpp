#include "report/Lieferfaehigkeitstext.h"

#include "calc/Format.h"

namespace zelvor {
namespace {

constexpr size_t NAMENSBREITE = 23;

// An injection well's pressure difference has the run's sign for injection.
const char* Formel(int m, bool injektion) {
  if (m == MODELL_C_WERT) return injektion ? "Q = C * (pwf² - pws²), n = 1" : "Q = C * (pws² - pwf²), n = 1";
  if (m == MODELL_GEGENDRUCK) return injektion ? "Q = Cn * (pwf² - pws²)^n" : "Q = Cn * (pws² - pwf²)^n";
  return injektion ? "pwf² - pws² = a * Q + b * Q²" : "pws² - pwf² = a * Q + b * Q²";
}

std::string Werte(const Lieferfaehigkeit& l, int m) {
  if (!l.ModellNr(m).berechnet) return "      nicht bestimmt";
  if (m == MODELL_C_WERT) return Formatiere("      C  = %10.5f m3/h/bar²  (mittlerer C-Wert der Auswertung)", l.cWert.c);
  if (m == MODELL_GEGENDRUCK)
    return Formatiere("      n  = %10.4f   Cn = %.4e m3/h/bar^2n   R² = %.4f", l.gegendruck.n, l.gegendruck.cn,
                      l.gegendruck.r2);
  return Formatiere("      a  = %.4e bar²/(m3/h)   b = %.4e bar²/(m3/h)²   R² = %.4f", l.lit.a, l.lit.b, l.lit.r2);
}

std::string Aof(const Lieferfaehigkeit& l, int m, int d) {
  if (l.aofGueltig[m][d]) return Formatiere(" %12.1f", l.aof[m][d]);
  return std::string(12, ' ') + "-";  // one literal less before a temporary: g++ 12 -O3 sees a false -Wrestrict
}

}  // namespace

std::string Spalte(const std::string& text, size_t breite) {
  size_t zeichen = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++zeichen;
  return zeichen >= breite ? text : text + std::string(breite - zeichen, ' ');
}

std::vector<std::string> LieferfaehigkeitText(const Lieferfaehigkeit& l) {
  std::vector<std::string> t;
  t.push_back("Lieferfähigkeit");
  if (l.punkte.empty()) {
    for (const std::string& m : l.meldungen) t.push_back("  " + m);
    return t;
  }
  t.push_back(Formatiere("  Messpunkte mit Rate > 0 und C-Wert > 0: %d", static_cast<int>(l.punkte.size())));
  if (l.injektion)
    t.push_back(Formatiere("  Lagerstättendruck (bar): initial %.2f, aktuell %.2f; maximaler Kopfinjektionsdruck %.1f",
                           l.druck[DRUCK_INITIAL], l.druck[DRUCK_AKTUELL], l.pMax));
  else
    t.push_back(Formatiere("  Lagerstättendruck (bar): initial %.2f, aktuell %.2f; Atmosphärendruck %.5f",
                           l.druck[DRUCK_INITIAL], l.druck[DRUCK_AKTUELL], ATMOSPHAERENDRUCK));
  t.push_back("");
  for (int m = 0; m < MODELL_ANZAHL; ++m) {
    t.push_back("  " + Spalte(Modellname(m), NAMENSBREITE - 2) + Formel(m, l.injektion));
    t.push_back(Werte(l, m));
  }
  t.push_back("");
  if (l.injektion)
    t.push_back(Formatiere("  Maximale Injektionsrate (m3/h) bei p_max = %.1f bar: pwf² = B1·p_max² - (Q/(N·A1))²", l.pMax));
  else
    t.push_back(Formatiere("  Offene Förderleistung AOF (m3/h) bei pwf = %.5f bar", ATMOSPHAERENDRUCK));
  t.push_back(Spalte("", NAMENSBREITE) + "      initial      aktuell");
  for (int m = 0; m < MODELL_ANZAHL; ++m)
    t.push_back("  " + Spalte(Modellname(m), NAMENSBREITE - 2) + Aof(l, m, DRUCK_INITIAL) + Aof(l, m, DRUCK_AKTUELL));

  std::vector<std::string> hinweise = l.meldungen;
  for (int m = 0; m < MODELL_ANZAHL; ++m)
    if (!l.ModellNr(m).meldung.empty()) hinweise.push_back(l.ModellNr(m).meldung);
  if (!hinweise.empty()) {
    t.push_back("");
    t.push_back("  Hinweise:");
    for (const std::string& h : hinweise) t.push_back("    " + h);
  }
  return t;
}

std::vector<std::string> LieferfaehigkeitSeitentext(const Lieferfaehigkeit& l, const std::string& hinweis) {
  std::vector<std::string> text = LieferfaehigkeitText(l);
  text.erase(text.begin());
  if (!hinweis.empty()) text.insert(text.begin(), {hinweis, ""});
  return text;
}

}  // namespace zelvor
