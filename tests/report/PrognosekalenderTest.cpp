#include <gtest/gtest.h>

#include <algorithm>

#include "doc/DokumentPrognose.h"
#include "doc/ZlvArchiv.h"
#include "report/Prognosediagramme.h"
#include "report/Prognosetext.h"

namespace zelvor {
namespace {

bool Enthaelt(const std::vector<std::string>& t, const std::string& s) {
  return std::any_of(t.begin(), t.end(), [&](const std::string& z) { return z.find(s) != std::string::npos; });
}

// The forecast's years are of 365 days: two years from 1 March 2023 cross 29 February 2024.
TEST(Prognosekalender, EnddatumAusDenJahren) {
  Foerderprognose p;
  p.ogip = 1000;
  p.gpEnde = 500;
  p.jahre = 2.0;
  p.zeilen = {{100, 250, 245, 9000, 9000, 0.0, false}, {500, 125, 120, 500, 500, 2.0, false}};
  const Tag start = *TagAusDatum(2023, 3, 1);
  const auto summe = PrognoseZusammenfassung(p, start);
  EXPECT_TRUE(Enthaelt(summe, "Prognosebeginn                  :  01.03.2023"));
  EXPECT_TRUE(Enthaelt(summe, "Datum der Aufgabe               :  28.02.2025"));
  EXPECT_EQ(PrognoseZeilentext(p.zeilen[1], start).substr(69), "  28.02.2025");
  // An end beyond the calendar's years says so in the summary and the table's date column.
  Foerderprognose lang = p;
  lang.jahre = 250.0;
  lang.zeilen[1].jahre = 250.0;
  EXPECT_TRUE(Enthaelt(PrognoseZusammenfassung(lang, start), "Datum der Aufgabe               :   nach 2199"));
  EXPECT_EQ(PrognoseZeilentext(lang.zeilen[1], start).substr(69), "   nach 2199");
  // Without a start, the summary as it always was: the same lines without the two dates.
  std::vector<std::string> ohne = summe;
  ohne.erase(ohne.begin() + 5, ohne.begin() + 7);
  EXPECT_EQ(PrognoseZusammenfassung(p), ohne);
  const Diagramm zeit = PrognoseDiagrammZeit(p, nullptr, start);
  EXPECT_EQ(zeit.xText, "Datum");
  EXPECT_TRUE(zeit.xKalender);
  EXPECT_NEAR(zeit.reihen.front().x.back(), 2025.16, 0.01);
}

// The forecast starts on the date of the last evaluated line; an undated last line leaves it in years.
TEST(Prognosekalender, BeginnIstDasDatumDerLetztenZeile) {
  CZelvorDoc doc;
  ASSERT_EQ(ZlvDateiLaden(ZELVOR_EXAMPLES_DIR "/suessgas.zlv", doc).status, ZlvStatus::Ok);
  ASSERT_TRUE(doc.Auswertung());
  doc.m_RatenDatum.assign(doc.m_Ratenzeilen.size(), std::nullopt);
  doc.m_RatenDatum.front() = TagAusDatum(2010, 1, 1);
  EXPECT_FALSE(PrognoseStart(doc));
  doc.m_RatenDatum.back() = TagAusDatum(2026, 3, 1);
  EXPECT_EQ(PrognoseStart(doc), TagAusDatum(2026, 3, 1));
  const Foerderprognose p = DokumentPrognose(doc);
  ASSERT_TRUE(p.Gemacht()) << p.meldung;
  const std::string ende = PrognoseDatum(*PrognoseStart(doc), p.jahre);
  EXPECT_TRUE(Enthaelt(PrognoseText(p, nullptr, PrognoseStart(doc)), "Datum der Aufgabe               :  " + ende));
}

}  // namespace
}  // namespace zelvor
