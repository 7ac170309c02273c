#include "report/Rueckgangstext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace zelvor {
namespace {

const Tag ANFANG = *TagAusDatum(2020, 1, 1);

std::vector<Rueckgangspunkt> Exponentiell(double di) {
  std::vector<Rueckgangspunkt> p;
  for (int m = 0; m < 24; ++m) p.push_back({m + 1, ANFANG + m * 30, m * 0.5, 1000 * std::exp(-di * m * 30 / 365.0)});
  return p;
}

std::string Alles(const std::vector<std::string>& zeilen) {
  std::string t;
  for (const std::string& z : zeilen) t += z + "\n";
  return t;
}

// What the text says at the limit: a date with its range, the calendar's end, or nothing left.
TEST(Rueckgangstext, AnDerGrenzeEinDatumDasKalenderendeOderNichts) {
  struct Fall {
    double di, grenze;
    const char* teil;
  } faelle[] = {
      {0.5, 100, "Ende, die Grenze erreicht:"},
      {0.01, 1, "Die Grenze wird vor dem Ende des Jahres 2199 nicht erreicht"},
      {0.5, 990, "schon an oder unter der Grenze"},
  };
  for (const Fall& f : faelle) {
    RueckgangEingaben e;
    e.modell = Rueckgangsmodell::Exponentiell;
    e.qGrenze = f.grenze;
    const std::string t = Alles(RueckgangText(RueckgangAnpassen(Exponentiell(f.di), e)));
    EXPECT_NE(t.find(f.teil), std::string::npos) << t;
    EXPECT_NE(t.find("Kleinste Quadrate der logarithmierten Raten"), std::string::npos);
  }
}

// The comparison names both limits when they differ, and wraps at blanks without losing a word.
TEST(Rueckgangstext, VergleichMitDerPrognose) {
  RueckgangEingaben e;
  e.modell = Rueckgangsmodell::Exponentiell;
  e.qGrenze = 100;
  const Rueckgang r = RueckgangAnpassen(Exponentiell(0.5), e);
  Foerderprognose p;
  p.gpEnde = r.eur.wert + 2;
  p.jahre = 3;
  p.eingaben.qEnde = 100;
  std::string v = RueckgangVergleich(r, p, ANFANG + 700);
  EXPECT_NE(v.find("2.000 Mio m3 mehr als der Förderrückgang"), std::string::npos) << v;
  EXPECT_EQ(v.find("Aufgaberate"), std::string::npos);
  p.eingaben.qEnde = 500;
  v = RueckgangVergleich(r, p, std::nullopt);
  EXPECT_NE(v.find("bis zur Aufgaberate 500.0 m3/h, der Rückgang bis zur Grenze 100.0 m3/h"), std::string::npos) << v;
  EXPECT_EQ(v.find("endet am"), std::string::npos);
  std::string wieder;
  for (const std::string& z : Umbrochen(v, 40)) {
    EXPECT_LE(z.size(), 4u + 40u + 4u) << z;  // an umlaut or two count one character each
    wieder += (wieder.empty() ? "" : " ") + z.substr(4);
  }
  EXPECT_EQ(wieder, v);
}

}  // namespace
}  // namespace zelvor
