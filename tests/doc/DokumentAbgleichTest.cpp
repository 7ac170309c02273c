#include "doc/DokumentAbgleich.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "calc/Format.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentPrognose.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {
namespace {

CZelvorDoc Ausgewertet(const char* datei) {
  CZelvorDoc doc;
  EXPECT_EQ(ZlvDateiLaden(datei, doc).status, ZlvStatus::Ok);
  EXPECT_TRUE(doc.Auswertung());
  return doc;
}

// The sweet gas well's C-values fall over Gp at its entered OGIP; the match levels them with less gas.
TEST(DokumentAbgleich, SweetGasMatchesBelowItsEnteredOgip) {
  CZelvorDoc doc = Ausgewertet(ZELVOR_EXAMPLES_DIR "/suessgas.zlv");
  const Gasvorratsabgleich a = DokumentAbgleich(doc);
  ASSERT_TRUE(a.Gemacht()) << a.meldung;
  EXPECT_NEAR(a.g, 2330, 60);
  EXPECT_LT(a.gOben, a.ogip);
  EXPECT_LT(a.stern.rms, 0.5 * a.eingabe.rms);
  EXPECT_LT(std::abs(a.stern.trend), std::abs(a.eingabe.trend));

  // The forecast's range: less gas, less to produce.
  const std::optional<Prognosebereich> b = DokumentPrognosebereich(doc);
  ASSERT_TRUE(b && b->Gemacht());
  EXPECT_LT(b->unten.Restreserven(), b->oben.Restreserven());
  EXPECT_EQ(b->unten.ogip, a.gUnten);

  // Adopting it: OGIP rounded as the table shows it, and the well evaluated with it.
  ASSERT_FALSE(GasvorratUebernehmen(doc, a.g));
  EXPECT_FLOAT_EQ(doc.m_OGIP, static_cast<float>(UebernommenerGasvorrat(a.g)));
  EXPECT_EQ(doc.m_Lauf.ogip, static_cast<double>(doc.m_OGIP));
  EXPECT_TRUE(doc.m_Lauf.vollstaendig);
  EXPECT_TRUE(GasvorratUebernehmen(doc, 1e6).has_value());  // beyond the input's range: nothing changes
  EXPECT_FLOAT_EQ(doc.m_OGIP, static_cast<float>(UebernommenerGasvorrat(a.g)));
}

// A gas in place below the storage's cushion gas is not adopted: every later change of the well would
// be refused. The well stays as it was.
TEST(DokumentAbgleich, NoGasInPlaceBelowTheCushionGasIsAdopted) {
  CZelvorDoc doc = Ausgewertet(ZELVOR_EXAMPLES_DIR "/speicher.zlv");
  ASSERT_TRUE(doc.m_Speicher.Gesetzt());
  const float vorher = doc.m_OGIP;
  const double kissengas = doc.m_Speicher.kissengas;
  const std::optional<std::string> m = GasvorratUebernehmen(doc, kissengas - 220.9);
  ASSERT_TRUE(m);
  EXPECT_EQ(*m, Formatiere("Der Gasvorrat von %.1f Mio m3 wird nicht übernommen: er ist kleiner als das Kissengas des "
                           "Speichers von %.1f Mio m3 (Speichereinstellungen).",
                           UebernommenerGasvorrat(kissengas - 220.9), kissengas));
  EXPECT_EQ(doc.m_OGIP, vorher);
  EXPECT_TRUE(GasvorratUebernehmen(doc, 1e30).has_value());
  EXPECT_FALSE(GasvorratUebernehmen(doc, kissengas + 100));
}

// The result is not monotone in the gas in place: a range from the interval's ends alone could miss the
// well's own forecast. Over the whole interval it holds it, and the ends' values.
TEST(DokumentAbgleich, TheForecastsRangeHoldsItsEstimateAfterTheMatchIsAdopted) {
  for (const char* datei : {"speicher.zlv", "suessgas.zlv"}) {
    CZelvorDoc doc = Ausgewertet((std::string(ZELVOR_EXAMPLES_DIR "/") + datei).c_str());
    const Gasvorratsabgleich a = DokumentAbgleich(doc);
    ASSERT_TRUE(a.Gemacht()) << datei << ": " << a.meldung;
    ASSERT_FALSE(GasvorratUebernehmen(doc, a.g));
    const Foerderprognose& p = DokumentPrognose(doc);
    const std::optional<Prognosebereich> b = DokumentPrognosebereich(doc);
    ASSERT_TRUE(p.Gemacht() && b && b->Gemacht()) << datei;
    for (const auto& [s, wert] : {std::pair{&b->jahre, p.jahre}, std::pair{&b->menge, p.Menge()}}) {
      EXPECT_LE(s->min, wert) << datei;
      EXPECT_GE(s->max, wert) << datei;
      for (const Foerderprognose* ende : {&b->unten, &b->oben}) {
        const double e = s == &b->jahre ? ende->jahre : ende->Menge();
        EXPECT_LE(s->min, e) << datei;
        EXPECT_GE(s->max, e) << datei;
      }
    }
  }
}

// Lines at almost one Gp tell nothing of depletion; a storage's lines check its booked inventory.
TEST(DokumentAbgleich, MultiRateTestIsRefusedAndAStorageIsChecked) {
  const CZelvorDoc mehrraten = Ausgewertet(ZELVOR_EXAMPLES_DIR "/mehrraten.zlv");
  EXPECT_NE(DokumentAbgleich(mehrraten).meldung.find("zu wenig Förderung"), std::string::npos);
  EXPECT_FALSE(DokumentPrognosebereich(mehrraten).has_value());
  const Gasvorratsabgleich speicher = DokumentAbgleich(Ausgewertet(ZELVOR_EXAMPLES_DIR "/injektion.zlv"));
  ASSERT_TRUE(speicher.Gemacht()) << speicher.meldung;
  EXPECT_TRUE(speicher.injektion);
}

// The storage example's four surveys: the balance through the initial P/Z lies inside its interval, which
// hand arithmetic puts at 1797.5 to 1803.4 Mio m3.
TEST(DokumentAbgleich, TheStorageSurveysIntervalHoldsItsEstimate) {
  const Messbilanz m = DokumentMessbilanz(Ausgewertet(ZELVOR_EXAMPLES_DIR "/speicher.zlv"));
  ASSERT_TRUE(m.Gemacht() && m.bilanz.Gemacht()) << m.meldung << m.bilanz.meldung;
  EXPECT_NEAR(m.bilanz.gUnten, 1797.5, 0.1);
  EXPECT_NEAR(m.bilanz.gOben, 1803.4, 0.1);
  EXPECT_LT(m.bilanz.gUnten, m.bilanz.g);
  EXPECT_GT(m.bilanz.gOben, m.bilanz.g);
}

// "Gasvorrat übernehmen" names each button after the value it adopts.
TEST(DokumentAbgleich, EachButtonNamesTheGasInPlaceItAdopts) {
  Gasvorratsabgleich a;
  a.g = 2330.04, a.gUnten = 2300, a.gOben = 2360;
  PZBilanz b;
  b.g = 2399.44, b.gUnten = 2392.7, b.gOben = 2405.8;
  Gasvorratsabgleich ohne;
  ohne.meldung = "nicht gemacht";
  const struct {
    const Gasvorratsabgleich* fliess;
    std::vector<std::string> knoepfe;
    std::vector<double> werte;
  } faelle[] = {
      {&a, {"Fließdaten: 2330.0 Mio m3", "Messungen: 2399.4 Mio m3"}, {2330.04, 2399.44}},
      {&ohne, {"Messungen: 2399.4 Mio m3"}, {2399.44}},
  };
  for (const auto& f : faelle) {
    const GasvorratWahl w = GasvorratWahlAus(*f.fliess, b, 2400);
    EXPECT_EQ(w.knoepfe, f.knoepfe);
    EXPECT_EQ(w.werte, f.werte);
    EXPECT_NE(w.frage.find("Aus den Schließdruckmessungen: 2399.4 Mio m3 (95 %-Bereich 2392.7 bis 2405.8 Mio m3)."),
              std::string::npos)
        << w.frage;
    EXPECT_NE(w.frage.find("Bisher sind es 2400.0 Mio m3."), std::string::npos) << w.frage;
  }
}

}  // namespace
}  // namespace zelvor
