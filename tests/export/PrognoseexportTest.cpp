#include <gtest/gtest.h>

#include "doc/CZelvorDoc.h"
#include "calc/Format.h"
#include "doc/DokumentAbgleich.h"
#include "doc/DokumentPrognose.h"
#include "doc/ZlvArchiv.h"
#include "export/Exporttabellen.h"
#include "report/Lieferfaehigkeitstext.h"
#include "report/Feldtabelle.h"
#include "report/Prognosediagramme.h"
#include "report/Prognosetext.h"

namespace zelvor {
namespace {

CZelvorDoc Ausgewertet(const char* datei) {
  CZelvorDoc doc;
  EXPECT_EQ(ZlvDateiLaden(datei, doc).status, ZlvStatus::Ok);
  EXPECT_TRUE(doc.Auswertung());
  return doc;
}

// The export gives the document's forecast: its rows, then settings and summary.
TEST(Prognoseexport, TablesHoldTheDocumentsForecast) {
  const CZelvorDoc doc = Ausgewertet(ZELVOR_EXAMPLES_DIR "/mehrraten.zlv");
  const Foerderprognose p = DokumentPrognose(doc);
  const std::vector<Exporttabelle> t = PrognoseTabellen(doc);
  ASSERT_EQ(t.size(), 2u);
  ASSERT_EQ(t[0].zeilen.size(), p.zeilen.size());
  EXPECT_EQ(t[0].zeilen.back()[3], Exportwert(p.zeilen.back().qMax));
  EXPECT_EQ(t[1].zeilen.back()[1], Exportwert(p.qMaxStart));
}

TEST(Prognoseexport, ARefusedForecastExportsItsReason) {
  CZelvorDoc doc = Ausgewertet(ZELVOR_EXAMPLES_DIR "/suessgas.zlv");
  doc.m_Prognose.modell = Prognosemodell::Variabel;  // without the option's line C(Gp)
  const std::vector<Exporttabelle> t = PrognoseTabellen(doc);
  EXPECT_TRUE(t[0].zeilen.empty());
  EXPECT_EQ(t[1].zeilen.back()[1], Exportwert(DokumentPrognose(doc).meldung));
}

// A storage well's forecast names both the rate the well could take and the rate it is given, heads its
// exported columns as the view does, and the range's curves carry their unit.
TEST(Prognoseexport, AStorageForecastSaysWhichRateIsWhich) {
  CZelvorDoc doc = Ausgewertet(ZELVOR_EXAMPLES_DIR "/speicher.zlv");
  ASSERT_FALSE(GasvorratUebernehmen(doc, DokumentAbgleich(doc).g));
  const Foerderprognose p = DokumentPrognose(doc);
  ASSERT_TRUE(p.Gemacht() && p.injektion);
  ASSERT_LT(p.zeilen.front().q, p.qMaxStart);  // the planned rate, below what the well could take
  std::string text;
  for (const std::string& z : PrognoseText(p)) text += z + "\n";
  EXPECT_NE(text.find(Formatiere("Q_inj,max zu Beginn (bei p_max) (m3/h):%12.1f", p.qMaxStart)), std::string::npos) << text;
  EXPECT_NE(text.find(Formatiere("Injektionsrate zu Beginn        (m3/h):%12.1f", p.zeilen.front().q)), std::string::npos)
      << text;

  const std::vector<Exporttabelle> t = PrognoseTabellen(doc);
  EXPECT_EQ(t[0].spalten[3].titel, "Q_inj,max (m3/h)");
  EXPECT_EQ(t[0].spalten[4].titel, "Q_inj (m3/h)");
  for (const char* kopf : {"Q_inj,max", "Q_inj "}) EXPECT_NE(PrognoseSpaltenkopf(true)[0].find(kopf), std::string::npos);

  const std::optional<Prognosebereich> b = DokumentPrognosebereich(doc);
  ASSERT_TRUE(b);
  int bereich = 0;
  for (const Diagrammreihe& r : PrognoseDiagrammZeit(p, &*b).reihen)
    if (r.legende.rfind("OGIP ", 0) == 0) {
      ++bereich;
      EXPECT_EQ(r.legende, Formatiere("OGIP %.1f Mio m3", bereich == 1 ? b->gUnten : b->gOben));
    }
  EXPECT_EQ(bereich, 2);
}

// The analyses (their views' texts and their tables) write the C-value's unit one way, m3/h/bar²; only
// the result table keeps its own "m3/h bar2".
TEST(Prognoseexport, AnalysesSpellTheCValuesUnitOneWay) {
  CZelvorDoc doc = Ausgewertet(ZELVOR_EXAMPLES_DIR "/mehrraten.zlv");
  std::string text;
  for (const std::string& z : LieferfaehigkeitText(LieferfaehigkeitBerechnen(doc.m_Lauf))) text += z + "\n";
  for (Prognosemodell m : {Prognosemodell::Mittel, Prognosemodell::Gegendruck}) {
    doc.m_Prognose.modell = m;
    for (const std::string& z : PrognoseText(DokumentPrognose(doc))) text += z + "\n";
    std::vector<Exporttabelle> tabellen = PrognoseTabellen(doc);
    tabellen.push_back(LieferfaehigkeitTabelle(doc.m_Lauf));
    for (const Exporttabelle& t : tabellen)
      for (const auto& zeile : t.zeilen)
        for (const Exportwert& w : zeile)
          if (const auto* s = std::get_if<std::string>(&w)) text += *s + "\n";
  }
  for (Feldspalte s : Feldspalten()) text += std::string(FeldspalteAngabe(s).titel) + "\n";  // the field's table
  EXPECT_EQ(text.find("bar2"), std::string::npos) << text;
  EXPECT_NE(text.find("m3/h/bar²"), std::string::npos) << text;
}

}  // namespace
}  // namespace zelvor
