// The storage texts: each target's sentence with its source, the stretches without a German rule, the
// energies beside the volumes.
#include <gtest/gtest.h>

#include <cstdio>

#include "report/Speichertext.h"

namespace zelvor {
namespace {

bool Enthaelt(const std::vector<std::string>& t, const std::string& s) {
  for (const std::string& z : t)
    if (z.find(s) != std::string::npos) return true;
  return false;
}

Speicherjahr Jahr(double brennwert) {
  const Tag t0 = *TagAusDatum(2026, 10, 31);
  Speicherjahr s;
  s.volumen = {200, 1300};
  s.eingaben.start = t0;
  s.eingaben.tage = 2;
  s.eingaben.brennwert = brennwert;
  s.tage = {{t0, Speicherphase::Einspeisen, 0.79, 1458, 342, 150, 30000, 40000},
            {t0 + 1, Speicherphase::Ausspeisen, 0.82, 1464, 336, 151, -20000, 50000},
            {t0 + 2, Speicherphase::Ruhe, 0.80, 1460, 340, 150, 0, 0}};
  return s;
}

TEST(Speichertext, EachTargetNamesItsSourceAndTheFacilityWhoseExceptionItIs) {
  struct Fall {
    bool gesetzlich;
    const char* anlage;
    const char* quelle;
    const char* zielAnlage;
    const char* erwartet;
  };
  const Fall faelle[] = {
      {true, "", "GasSpFüllstV 2025", "", "Ziel 80.0 % (GasSpFüllstV 2025) – erreicht."},
      {true, "Rehden", "GasSpFüllstV 2025", "Rehden", "(GasSpFüllstV 2025, Ausnahme für Rehden) – erreicht."},
      {false, "", "eigenes Ziel", "", "Ziel 80.0 % (eigenes Ziel) – erreicht."},
  };
  for (const Fall& f : faelle) {
    Speicherjahr s = Jahr(0);
    s.eingaben.gesetzlich = f.gesetzlich;
    s.eingaben.anlage = f.anlage;
    Zielergebnis z;
    z.ziel = {{11, 1}, 0.8};
    z.datum = s.tage[1].tag;
    z.erreicht = 0.82;
    z.erfuellt = true;
    z.gesetzlich = f.gesetzlich;
    z.quelle = f.quelle;
    z.anlage = f.zielAnlage;
    s.ziele = {z};
    const std::vector<std::string> t = FuellzielText(s);
    EXPECT_TRUE(Enthaelt(t, f.erwartet)) << f.erwartet;
    // With legal targets the text says whose: the general level and why, or the facility's.
    EXPECT_EQ(Enthaelt(t, "allgemeine Vorgaben (keine Speicheranlage eingestellt"), f.gesetzlich && !*f.anlage);
    EXPECT_EQ(Enthaelt(t, "für die Speicheranlage Rehden mit ihren Ausnahmen"), f.gesetzlich && *f.anlage);
  }
  Speicherjahr ohne = Jahr(0);
  ohne.eingaben.gesetzlich = true;
  ohne.ohneVorgaben = {{*TagAusDatum(2027, 4, 1), *TagAusDatum(2028, 3, 31)}};
  const std::vector<std::string> t = FuellzielText(ohne);
  EXPECT_TRUE(Enthaelt(t, "Vom 01.04.2027 bis 31.03.2028 ist keine deutsche Füllstandsvorgabe in Kraft"));
  EXPECT_FALSE(Enthaelt(t, "erreicht"));
  EXPECT_FALSE(Enthaelt(t, "Kein Füllziel liegt"));
}

// 1 Mio m3 at 1 kWh/m3 is 1 GWh; 1 m3/h for a day is 24 m3.
TEST(Speichertext, EnergiesAreTheVolumesTimesTheCalorificValue) {
  EXPECT_DOUBLE_EQ(MioM3InGwh(1458, 11.2), 1458 * 11.2);
  EXPECT_DOUBLE_EQ(RateInGwhTag(30000, 11.2), 30000 * 24 * 11.2 / 1e6);
  EXPECT_EQ(EnergieMenge(999.94), "999.9 GWh");
  EXPECT_EQ(EnergieMenge(2240), "2.24 TWh");

  const std::vector<std::string> ohne = SpeicherjahrText(Jahr(0), true);
  const std::vector<std::string> mit = SpeicherjahrText(Jahr(11.2), true);
  EXPECT_FALSE(Enthaelt(ohne, "(GWh)"));
  EXPECT_TRUE(Enthaelt(mit, "Brennwert 11.200 kWh/m3: Arbeitsgas 2.24 TWh, Kissengas 14.56 TWh"));
  // The volume columns stay as they were; the energies follow.
  char zeile[64];
  std::snprintf(zeile, sizeof zeile, "  %10.1f %10.2f", 1458 * 11.2, 30000 * 24 * 11.2 / 1e6);
  const auto zeileAm = [](const std::vector<std::string>& t) {
    for (const std::string& z : t)
      if (z.find("31.10.2026   Einspeisen") != std::string::npos) return z;
    return std::string();
  };
  const std::string a = zeileAm(ohne), b = zeileAm(mit);
  ASSERT_FALSE(a.empty());
  EXPECT_EQ(b.substr(0, a.size()), a);
  EXPECT_EQ(b.substr(a.size()), zeile);

  Speicherkennlinien k;
  k.volumen = {200, 1300};
  k.punkte = {{0.5, 1400, 400, 0, 0, 12000, 20000, "", true, false}};
  k.grenzen = {0, 12000};
  const std::vector<std::string> kl = KennlinienText(k, 10);
  EXPECT_TRUE(Enthaelt(kl, "Speicheranlage: Einspeisung unbegrenzt, Ausspeisung höchstens 12000.0 m3/h"));
  EXPECT_TRUE(Enthaelt(kl, "     14000.0"));                       // 1400 Mio m3 × 10 kWh/m3
  EXPECT_TRUE(Enthaelt(kl, "      2.88      4.80  Anlage (aus)"));  // 12 000 and 20 000 m3/h in GWh/d
}

// With an aquifer each season's curve is named, a missing one says why, and the view draws each made
// season and the pressures of both.
TEST(Speichertext, MitAquiferJedeSaisonBenannt) {
  Speicherkennlinien k;
  k.volumen = {200, 1300};
  k.aquifer = "fetkovich";
  const std::vector<Kennlinienpunkt> punkte = {{0, 1300, 500, 150, 140, 50000, 40000, "", false, false},
                                               {1, 1500, 300, 170, 155, 60000, 20000, "", false, false}};
  const std::string fehlt = "Die Ausspeicherkurve fehlt: sie beginnt, wo die Einspeicherkurve endet.";
  k.richtungen = {{Kennlinienrichtung::Einspeicherung, "", punkte}, {Kennlinienrichtung::Ausspeicherung, fehlt, {}}};
  const std::vector<std::string> t = KennlinienText(k);
  EXPECT_TRUE(Enthaelt(t, "Aquifer (fetkovich)"));
  EXPECT_TRUE(Enthaelt(t, "    Einspeicherung (Einspeichersaison, von leer bis voll)"));
  EXPECT_TRUE(Enthaelt(t, "    Ausspeicherung (Ausspeichersaison, von voll bis leer)"));
  EXPECT_TRUE(Enthaelt(t, "    " + fehlt));
  EXPECT_TRUE(Enthaelt(t, "        100.0      1500.0       300.0     170.00     155.00       60000.0       20000.0"));

  const std::vector<Diagramm> d = KennlinienDiagramme(k);
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].titel, "Aus- und Einspeicherrate über dem Füllstand: Einspeicherung");
  ASSERT_EQ(d[0].reihen.size(), 2u);
  EXPECT_EQ(d[0].reihen[1].y, (std::vector<double>{40000, 20000}));
  ASSERT_EQ(d[1].reihen.size(), 1u);  // the pressure of the season made
  EXPECT_EQ(d[1].reihen[0].y, (std::vector<double>{140, 155}));
}

}  // namespace
}  // namespace zelvor
