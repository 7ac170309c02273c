#include "report/Standortspeichertext.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zelvor {
namespace {

// A storage year by hand from 1 September 2027: 0.5 each morning, 0.93 on 20 October.
Speicherjahr Jahr(double arbeitsgas) {
  const Tag sept1 = *TagAusDatum(2027, 9, 1);
  Speicherjahr j;
  j.volumen.arbeitsgas = arbeitsgas;
  for (Tag t = sept1; t < sept1 + 120; ++t) {
    Speichertag d;
    d.tag = t;
    d.fuellgrad = t == *TagAusDatum(2027, 10, 20) ? 0.93 : 0.5;
    j.tage.push_back(d);
  }
  Zielergebnis z;
  z.ziel.tag = {11, 1};
  z.ziel.fuellgrad = 0.8;
  z.datum = *TagAusDatum(2027, 11, 1);
  j.ziele.push_back(z);
  return j;
}

bool Enthaelt(const std::vector<std::string>& t, const std::string& zeile) {
  return std::find(t.begin(), t.end(), zeile) != t.end();
}

// The EU target is named as the member state's, shown as an indicator, with its window and deviation;
// a storage well without a storage year is named with why; the diagram draws the threshold over the window.
TEST(Standortspeichertext, EuIndikatorUndZieleDesStandorts) {
  const Speicherjahr a = Jahr(100), b = Jahr(300);
  Feldergebnis f;
  f.speicherjahr = StandortspeicherjahrBerechnen({&a, &b});
  Feldbohrung ohne;
  ohne.name = "S3";
  ohne.injektion = true;
  ohne.kennlinien.resize(1);
  ohne.speicherjahr.meldung = "Das Speicherjahr braucht ein Datum.";
  f.bohrungen.push_back(ohne);

  const std::vector<std::string> t = StandortspeicherjahrText(f, Standorttabelle::Keine);
  ASSERT_FALSE(t.empty());
  EXPECT_EQ(t[0], "Speicherjahr des Standorts (2 Speicherbohrungen, jede nach ihrem eigenen Plan)");
  EXPECT_TRUE(Enthaelt(t, "Nicht summiert: S3 (Das Speicherjahr braucht ein Datum.)"));
  EXPECT_TRUE(Enthaelt(t, "Am 01.11.2027: Füllstand 50.0 %, Ziel 80.0 % – VERFEHLT."));
  EXPECT_TRUE(Enthaelt(t, "EU-Füllziel 90.0 % an einem Tag vom 01.10. bis 01.12., zulässige Abweichung 0.0 "
                          "Prozentpunkte: Ziel des Mitgliedstaats, für den Standort nur als Indikator."));
  EXPECT_TRUE(Enthaelt(t, "Vom 01.10.2027 bis 01.12.2027: höchster Füllstand 93.0 % am 20.10.2027, Schwelle 90.0 % – "
                          "erreicht am 20.10.2027."));

  const Diagramm d = StandortspeicherjahrDiagramm(f.speicherjahr);
  const auto eu = std::find_if(d.reihen.begin(), d.reihen.end(), [](const Diagrammreihe& r) { return r.legende == "EU-Indikator 90 %"; });
  ASSERT_NE(eu, d.reihen.end());
  EXPECT_EQ(eu->x, (std::vector<double>{Jahreszahl(*TagAusDatum(2027, 10, 1)), Jahreszahl(*TagAusDatum(2027, 12, 1))}));
  EXPECT_EQ(eu->y, (std::vector<double>{90, 90}));
  EXPECT_TRUE(std::any_of(d.reihen.begin(), d.reihen.end(), [](const Diagrammreihe& r) { return r.legende == "Füllziel verfehlt"; }));

  // A field without storage wells has no such text.
  EXPECT_TRUE(StandortspeicherjahrText(Feldergebnis{}).empty());
}

}  // namespace
}  // namespace zelvor
