#include "feld/Feldrueckgang.h"

#include <gtest/gtest.h>

#include "feld/Feld.h"
#include "report/Rueckgangsdiagramme.h"

namespace zelvor {
namespace {

const Tag STAND = *TagAusDatum(2024, 1, 1);

// A decline course of one well: 1000 m3/h falling by 100 a year for five years, Gp from 50.
Bohrungsverlauf Abfall() {
  Bohrungsverlauf v;
  for (int j = 0; j <= 5; ++j) v.push_back({double(j), 50.0 + j, 1000.0 - 100 * j, 1000.0 - 100 * j});
  return v;
}

// A well that began before the Stand is cut there, one that begins after it moved later, one at its limit
// before it has nothing left.
TEST(Feldrueckgang, AufDenStandSchneidenOderVerschieben) {
  struct Fall {
    Tag beginn;
    std::size_t zeilen;
    double jahre0, q0;
  } faelle[] = {
      {STAND - 365, 5, 0.0, 900.0},  // one year before: rows 1..5 from the Stand on
      {STAND + 730, 6, 2.0, 1000.0},  // two years after: delivers from year 2 on
      {STAND - 6 * 365, 0, 0.0, 0.0},
  };
  for (const Fall& f : faelle) {
    const Bohrungsverlauf v = AufDenStand(Abfall(), f.beginn, STAND);
    ASSERT_EQ(v.size(), f.zeilen) << f.beginn;
    if (v.empty()) continue;
    EXPECT_NEAR(v.front().jahre, f.jahre0, 1e-9);
    EXPECT_NEAR(v.front().q, f.q0, 1e-9);
  }
}

// Two wells' declines summed beside the same wells' forecasts; a well without a fit takes no part, and
// summing again (the field without a well) moves nothing a second time.
TEST(Feldrueckgang, SummeNebenDenPrognosenDerselbenBohrungen) {
  std::vector<Feldbohrung> b(3);
  for (Feldbohrung& x : b) {
    x.verlauf = {{0, 10, 500, 500}, {4, 20, 300, 300}};
  }
  b[0].rueckgangStart = b[1].rueckgangStart = STAND;
  b[0].rueckgangVerlauf = b[1].rueckgangVerlauf = Abfall();
  b[0].rueckgangEur = b[1].rueckgangEur = 55;
  Feldrueckgang r = FeldrueckgangBerechnen(b, std::nullopt);
  ASSERT_EQ(r.bohrungen, 2);
  EXPECT_EQ(r.stand, STAND);
  EXPECT_DOUBLE_EQ(r.eur, 110);
  EXPECT_DOUBLE_EQ(r.eurPrognose, 40);
  EXPECT_DOUBLE_EQ(r.rateRueckgang.front(), 2000);
  EXPECT_DOUBLE_EQ(r.ratePrognose.front(), 1000);
  EXPECT_DOUBLE_EQ(r.jahre.back(), 5);
  // Both sums over the calendar from the Stand.
  const Diagramm d = FeldrueckgangDiagramm(r);
  ASSERT_EQ(d.reihen.size(), 2u);
  EXPECT_DOUBLE_EQ(d.reihen[0].x.front(), Jahreszahl(STAND));
  EXPECT_EQ(d.reihen[1].y, r.ratePrognose);
  b.erase(b.begin());
  r = FeldrueckgangBerechnen(b, r.stand);
  EXPECT_EQ(r.bohrungen, 1);
  EXPECT_DOUBLE_EQ(r.rateRueckgang.front(), 1000);
}

}  // namespace
}  // namespace zelvor
