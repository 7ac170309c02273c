#include <string>

#include "calc/Lieferfaehigkeit.h"
#include "export/Exporttabellen.h"

namespace zelvor {
namespace {

void Zeile(Exporttabelle& t, const char* groesse, bool gesetzt, double wert, const char* einheit) {
  t.zeilen.push_back({std::string(groesse), gesetzt ? Exportwert(wert) : Exportwert(), std::string(einheit)});
}

}  // namespace

Exporttabelle LieferfaehigkeitTabelle(const Laufdaten& lauf, double pMax) {
  const Lieferfaehigkeit l = LieferfaehigkeitBerechnen(lauf, pMax);
  Exporttabelle t = Wertetabelle("Lieferfähigkeit");
  Zeile(t, "Lagerstättendruck initial", l.druckGueltig[DRUCK_INITIAL], l.druck[DRUCK_INITIAL], "bar");
  Zeile(t, "Lagerstättendruck aktuell", l.druckGueltig[DRUCK_AKTUELL], l.druck[DRUCK_AKTUELL], "bar");
  Zeile(t, "C-Wert-Modell: C", l.cWert.berechnet, l.cWert.c, "m3/h/bar²");
  Zeile(t, "Gegendruckgleichung: n", l.gegendruck.berechnet, l.gegendruck.n, "-");
  Zeile(t, "Gegendruckgleichung: Cn", l.gegendruck.berechnet, l.gegendruck.cn, "m3/h/bar^2n");
  Zeile(t, "Gegendruckgleichung: R²", l.gegendruck.berechnet, l.gegendruck.r2, "-");
  Zeile(t, "LIT-Gleichung: a", l.lit.berechnet, l.lit.a, "bar²/(m3/h)");
  Zeile(t, "LIT-Gleichung: b", l.lit.berechnet, l.lit.b, "bar²/(m3/h)²");
  Zeile(t, "LIT-Gleichung: R²", l.lit.berechnet, l.lit.r2, "-");
  if (l.injektion) Zeile(t, "Maximaler Kopfinjektionsdruck p_max", true, l.pMax, "bar");
  // An injection well's maximum injection rate at p_max stands where a production well's AOF does.
  const char* const grenze[DRUCK_ANZAHL] = {l.injektion ? ": maximale Injektionsrate initial" : ": AOF initial",
                                            l.injektion ? ": maximale Injektionsrate aktuell" : ": AOF aktuell"};
  for (int m = 0; m < MODELL_ANZAHL; ++m)
    for (int d = 0; d < DRUCK_ANZAHL; ++d)
      Zeile(t, (std::string(Modellname(m)) + grenze[d]).c_str(), l.aofGueltig[m][d], l.aof[m][d], "m3/h");
  std::vector<std::string> hinweise = l.meldungen;
  for (int m = 0; m < MODELL_ANZAHL; ++m)
    if (!l.ModellNr(m).meldung.empty()) hinweise.push_back(l.ModellNr(m).meldung);
  for (const std::string& h : hinweise) t.zeilen.push_back({std::string("Hinweis"), h, std::monostate{}});
  return t;
}

}  // namespace zelvor
