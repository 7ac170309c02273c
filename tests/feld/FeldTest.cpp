#include "feld/Feld.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "doc/CZelvorDoc.h"
#include "doc/DokumentPrognose.h"
#include "doc/ZlvArchiv.h"
#include "report/Feldtabelle.h"
#include "tests/doc/DateiTestHilfen.h"

namespace zelvor {
namespace {

const std::string BEISPIELE = ZELVOR_EXAMPLES_DIR;
const std::string SUESSGAS = BEISPIELE + "/suessgas.zlv";
const std::string SAUERGAS = BEISPIELE + "/sauergas.zlv";
const std::string INJEKTION = BEISPIELE + "/injektion.zlv";

// The well's own forecast, as its single-well view makes it.
Foerderprognose EigenePrognose(const std::string& pfad) {
  CZelvorDoc doc;
  EXPECT_EQ(ZlvDateiLaden(pfad, doc).status, ZlvStatus::Ok);
  EXPECT_TRUE(doc.Auswertung());
  return DokumentPrognose(doc);
}

TEST(Feld, SummenAusDenEigenenPrognosenDerBohrungen) {
  const Foerderprognose a = EigenePrognose(SUESSGAS), b = EigenePrognose(SAUERGAS);
  ASSERT_TRUE(a.Gemacht());
  ASSERT_TRUE(b.Gemacht());
  const Feldergebnis f = FeldBerechnen({SUESSGAS, SAUERGAS, INJEKTION}, 2);
  ASSERT_EQ(f.bohrungen.size(), 3u);
  for (const auto& [bohrung, p] : {std::pair{&f.bohrungen[0], &a}, std::pair{&f.bohrungen[1], &b}}) {
    EXPECT_TRUE(bohrung->Liefert());
    EXPECT_DOUBLE_EQ(*bohrung->qJetzt, p->qMaxStart);
    EXPECT_DOUBLE_EQ(*bohrung->restreserven, p->Restreserven());
    EXPECT_DOUBLE_EQ(*bohrung->jahre, p->jahre);
  }
  EXPECT_FALSE(f.bohrungen[0].gStern);  // the match only when asked for
  // The injection well is listed, not summed.
  EXPECT_TRUE(f.bohrungen[2].injektion);
  EXPECT_FALSE(f.bohrungen[2].Fehlgeschlagen());
  EXPECT_EQ(f.Liefernde(), (std::vector<std::size_t>{0, 1}));

  EXPECT_DOUBLE_EQ(f.verlauf.jahre.back(), std::max(a.jahre, b.jahre));
  EXPECT_DOUBLE_EQ(f.verlauf.rate.front(), a.zeilen.front().q + b.zeilen.front().q);
  // At every common time the field's rate is the two rates read off each forecast's own rows.
  for (std::size_t k = 0; k < f.verlauf.jahre.size(); ++k) {
    const double t = f.verlauf.jahre[k];
    double summe = 0, gp = 0;
    for (const Foerderprognose* p : {&a, &b}) {
      for (std::size_t i = 1; i < p->zeilen.size(); ++i) {
        const Prognosezeile &z0 = p->zeilen[i - 1], &z1 = p->zeilen[i];
        if (t < z0.jahre || t > z1.jahre) continue;
        const double anteil = (t - z0.jahre) / (z1.jahre - z0.jahre);
        summe += z0.q + anteil * (z1.q - z0.q);
        gp += z0.gp + anteil * (z1.gp - z0.gp) - p->gpStart;
        break;
      }
      if (t > p->jahre) gp += p->Restreserven();
    }
    SCOPED_TRACE(t);
    EXPECT_NEAR(f.verlauf.rate[k], summe, 1e-9 * summe);
    EXPECT_NEAR(f.verlauf.gpAbJetzt[k], gp, 1e-9 * (gp + 1));
  }
  EXPECT_NEAR(f.verlauf.gpAbJetzt.back(), a.Restreserven() + b.Restreserven(), 1e-9);
}

// A removed well leaves the field as if it had never been in it; the others are not computed again.
TEST(Feld, OhneEineBohrungWieOhneSieBerechnet) {
  const Feldergebnis alle = FeldBerechnen({SUESSGAS, SAUERGAS, INJEKTION}, 2);
  const Feldergebnis ohne = OhneBohrungen(alle, {1});
  const Feldergebnis neu = FeldBerechnen({SUESSGAS, INJEKTION}, 2);
  ASSERT_EQ(ohne.bohrungen.size(), 2u);
  EXPECT_EQ(ohne.bohrungen[1].datei, INJEKTION);
  EXPECT_EQ(ohne.verlauf.jahre, neu.verlauf.jahre);
  EXPECT_EQ(ohne.verlauf.rate, neu.verlauf.rate);
  EXPECT_EQ(ohne.verlauf.gp, neu.verlauf.gp);
  const Feldergebnis leer = OhneBohrungen(alle, {0, 1, 2});
  EXPECT_TRUE(leer.bohrungen.empty());
  EXPECT_EQ(leer.verlauf.rate, FeldBerechnen({}, 1).verlauf.rate);
}

TEST(Feld, BeschaedigteUndFehlendeBohrungBehaltenIhreZeile) {
  test::TempVerzeichnis tmp;
  const std::string kaputt = tmp / "kaputt.zlv";
  const std::string ganz = test::RohLesen(SUESSGAS);
  test::RohSchreiben(kaputt, ganz.substr(0, ganz.size() / 3));
  const std::string fehlt = tmp / "fehlt.zlv";
  // A pipe without a writer would block its reader for ever. Windows has no named pipes in folders: a
  // folder stands in its place.
  const std::string rohr = tmp / "rohr.zlv";
#ifdef _WIN32
  ASSERT_TRUE(std::filesystem::create_directory(rohr));
#else
  ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
#endif
  const Feldergebnis f = FeldBerechnen({kaputt, SUESSGAS, fehlt, SAUERGAS, rohr, tmp.pfad().string()}, 2);
  ASSERT_EQ(f.bohrungen.size(), 6u);
  EXPECT_EQ(f.Fehlgeschlagene(), 4u);
  EXPECT_NE(f.bohrungen[4].fehler.find("keine gewöhnliche Datei"), std::string::npos) << f.bohrungen[4].fehler;
  EXPECT_NE(f.bohrungen[5].fehler.find("keine gewöhnliche Datei"), std::string::npos) << f.bohrungen[5].fehler;
  for (std::size_t i : {0u, 2u}) {
    const Feldbohrung& b = f.bohrungen[i];
    EXPECT_TRUE(b.Fehlgeschlagen());
    EXPECT_EQ(b.bemerkung, b.fehler);
    EXPECT_FALSE(b.ogip || b.qJetzt || b.restreserven);
  }
  EXPECT_NE(f.bohrungen[0].fehler.find("unvollständig"), std::string::npos) << f.bohrungen[0].fehler;
  EXPECT_EQ(f.bohrungen[2].datei, fehlt);
  EXPECT_EQ(f.bohrungen[2].name, "fehlt.zlv");
  EXPECT_EQ(f.Liefernde(), (std::vector<std::size_t>{1, 3}));
  EXPECT_EQ(FeldBerechnen({SUESSGAS, SAUERGAS}, 1).verlauf.rate, f.verlauf.rate);
}

TEST(Feld, EinThreadUndZweiThreadsGebenDasselbe) {
  std::vector<std::string> pfade;
  for (int i = 0; i < 6; ++i)
    for (const std::string& p : {SUESSGAS, SAUERGAS, INJEKTION, BEISPIELE + "/mehrraten.zlv", BEISPIELE + "/fehlt.zlv"})
      pfade.push_back(p);
  const Feldergebnis eins = FeldBerechnen(pfade, 1, true), zwei = FeldBerechnen(pfade, 2, true);
  EXPECT_EQ(FeldText(eins), FeldText(zwei));
  EXPECT_EQ(eins.verlauf.jahre, zwei.verlauf.jahre);
  EXPECT_EQ(eins.verlauf.rate, zwei.verlauf.rate);
  EXPECT_EQ(eins.verlauf.gp, zwei.verlauf.gp);
  ASSERT_EQ(eins.bohrungen.size(), pfade.size());
  EXPECT_TRUE(eins.bohrungen[0].gStern);
  // The storage well's G* too; where there is none the remark says why.
  EXPECT_TRUE(eins.bohrungen[2].gStern);
  EXPECT_FALSE(eins.bohrungen[3].gStern);
  EXPECT_NE(eins.bohrungen[3].bemerkung.find("G*: "), std::string::npos) << eins.bohrungen[3].bemerkung;
  EXPECT_NE(eins.bohrungen[3].bemerkung.find("zu wenig Förderung"), std::string::npos) << eins.bohrungen[3].bemerkung;
  for (std::size_t i = 0; i < pfade.size(); ++i) EXPECT_EQ(eins.bohrungen[i].datei, zwei.bohrungen[i].datei);
}

TEST(Feld, AbbruchVorDemStartBerechnetNichts) {
  std::atomic<bool> abbrechen{true};
  const Feldergebnis f = FeldBerechnen({SUESSGAS, SAUERGAS}, 2, false, &abbrechen);
  EXPECT_TRUE(f.abgebrochen);
  EXPECT_TRUE(f.bohrungen.empty());
}

}  // namespace
}  // namespace zelvor
