// Every 95 % interval the program reports, over a few surveys or lines that scatter a little: each holds
// its own estimate strictly inside and has a width. The surveys' counts 3 to 7 cover both parities of the
// degrees of freedom, and the scatter is small enough that an interval is narrower than a search grid's
// step, where an end found on the wrong side of the estimate once gave an interval of one point.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "calc/Format.h"
#include "calc/Gasvorratsabgleich.h"
#include "calc/Inventarpruefung.h"
#include "calc/Messbilanz.h"
#include "tests/calc/PrognoseBeispiel.h"

namespace zelvor {
namespace {

struct Bereich {
  std::string meldung;  // why there is none
  double wert = 0, unten = 0, oben = 0;
};

// Surveys of a reservoir of 1800 Mio m3 without influx, P/Z exactly on its balance plus a scatter of a
// few tenths of a bar that alternates in sign and size.
Laufdaten Lagerstaette() {
  Laufdaten lauf;
  lauf.gelaufen = lauf.vollstaendig = true;
  lauf.pzi = 250;
  lauf.bgi = 200;
  lauf.ogip = 1800;
  return lauf;
}
void Messpunkte(int anzahl, std::vector<double>& gp, std::vector<double>& pz) {
  const double streuung[] = {0.4, -0.3, 0.1, -0.5, 0.35, -0.15, 0.25};
  const Laufdaten lauf = Lagerstaette();
  gp.clear();
  pz.clear();
  for (int i = 0; i < anzahl; ++i) {
    gp.push_back(100.0 + 150.0 * i);
    pz.push_back(lauf.PZBei(gp.back(), 1800) + streuung[i]);
  }
}

Bereich AusGerade(const PZGerade& g, bool achsenabschnitt) {
  if (!g.Gemacht()) return {g.meldung};
  return achsenabschnitt ? Bereich{"", g.a, g.aUnten, g.aOben} : Bereich{"", g.g, g.gUnten, g.gOben};
}

// The flowing match over lines with a scatter of a few percent (as GasvorratsabgleichTest makes them).
Bereich Fliessabgleich(int anzahl) {
  std::vector<std::string> zeilen;
  AuswertungsEingaben e;
  e.komponenten[3] = 90.0f;
  e.komponenten[4] = 10.0f;
  e.temperatur = 100.0f;
  e.ogip = 2000.0f;
  e.initialdruck = 250.0f;
  e.a1 = 100.0;
  e.b1 = 1.2;
  e.bohrungsanzahl = 1;
  e.ratenzeilen = &zeilen;
  for (int i = 0; i < anzahl; ++i) zeilen.push_back(Formatiere("%.3f 1000 80", 50.0 + 950.0 * i / (anzahl - 1)));
  AuswertungsErgebnis wahr;
  Auswerten(e, wahr);
  std::vector<std::string> gemessen;
  for (int i = 0; i < anzahl; ++i) {
    const AusgewerteterPunkt& p = wahr.lauf.punkte.at(static_cast<std::size_t>(i));
    const double pwh = i % 2 ? 80.0 : 60.0;
    const double q = LieferbareRate(0.5, 1.0, p.pws * p.pws - 1.2 * pwh * pwh, 100.0);
    gemessen.push_back(Formatiere("%.3f %.4f %.1f", p.gp, q * (1.0 + 0.01 * ((i * 7 % 5) - 2)), pwh));
  }
  e.ratenzeilen = &gemessen;
  AuswertungsErgebnis r;
  Auswerten(e, r);
  const Gasvorratsabgleich a = GasvorratAbgleichen(r.lauf);
  if (!a.Gemacht()) return {a.meldung};
  return {"", a.g, a.gUnten, a.gOben};
}

// The storage's loss trend from surveys twice a year with a small scatter.
Bereich Inventartrend(int anzahl) {
  const Laufdaten lauf = beispiel::Speicher();
  const double faktor = (1.0 - lauf.wasserinvasion / lauf.ogipReservoir) / lauf.pzi;
  const double streuung[] = {0.3, -0.2, 0.1, -0.3, 0.2, 0.0, -0.1};
  std::vector<Inventarmessung> m;
  const Tag beginn = *TagAusDatum(2020, 11, 1);
  for (int i = 0; i < anzahl; ++i) {
    const Tag t = *TagAusDatum(2020 + (i + 1) / 2, i % 2 ? 4 : 11, 1);
    const double verlust = 2.0 * (t - beginn) / 365.25 + streuung[i];
    m.push_back({t, 300, (lauf.ogip - 300 - verlust) / (lauf.ogip * faktor)});
  }
  const Inventarpruefung p = InventarPruefen(lauf, m, {});
  if (!p.Gemacht()) return {p.meldung};
  return {"", p.rate, p.unten, p.oben};
}

TEST(Vertrauensbereich, JederBereichEnthaeltSeinenWertUndHatBreite) {
  struct Fall {
    const char* name;
    std::function<Bereich(int)> rechnen;
    int vonAnzahl;
  };
  const Fall faelle[] = {
      {"P/Z-Gerade: Gasvorrat",
       [](int n) {
         std::vector<double> gp, pz;
         Messpunkte(n, gp, pz);
         return AusGerade(PZGeradeAnpassen(gp, pz), false);
       },
       3},
      {"P/Z-Gerade: P/Z bei Gp = 0",
       [](int n) {
         std::vector<double> gp, pz;
         Messpunkte(n, gp, pz);
         return AusGerade(PZGeradeAnpassen(gp, pz), true);
       },
       3},
      {"Materialbilanz durch P/Z initial",
       [](int n) {
         std::vector<double> gp, pz;
         Messpunkte(n, gp, pz);
         const PZBilanz b = PZBilanzAnpassen(Lagerstaette(), gp, pz, 1800 * ABGLEICH_SUCHFAKTOR);
         return b.Gemacht() ? Bereich{"", b.g, b.gUnten, b.gOben} : Bereich{b.meldung};
       },
       2},
      {"Abgleich der Fließdaten", Fliessabgleich, 4},
      {"Trend des Inventars", Inventartrend, 3},
  };
  for (const Fall& f : faelle) {
    for (int anzahl = f.vonAnzahl; anzahl <= 7; ++anzahl) {
      SCOPED_TRACE(Formatiere("%s, %d Punkte", f.name, anzahl));
      const Bereich b = f.rechnen(anzahl);
      ASSERT_TRUE(b.meldung.empty()) << b.meldung;
      EXPECT_LT(b.unten, b.wert);
      EXPECT_GT(b.oben, b.wert);
      EXPECT_GT(b.oben - b.unten, 1e-6 * std::fabs(b.wert) + 1e-9);
    }
  }
}

}  // namespace
}  // namespace zelvor
