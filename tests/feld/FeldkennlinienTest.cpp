#include "feld/Feldkennlinien.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calc/Format.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentSpeicher.h"
#include "doc/Speichereinstellungen.h"
#include "doc/ZlvArchiv.h"
#include "feld/Feld.h"
#include "tests/doc/DateiTestHilfen.h"

namespace zelvor {
namespace {

const std::string BEISPIELE = ZELVOR_EXAMPLES_DIR;
const std::string SPEICHER = BEISPIELE + "/speicher.zlv";

// The well's own curves, as its view "Speicherkennlinien" makes them.
Speicherkennlinien EigeneKennlinien(const std::string& pfad, float& brennwert) {
  CZelvorDoc doc;
  EXPECT_EQ(ZlvDateiLaden(pfad, doc).status, ZlvStatus::Ok);
  EXPECT_TRUE(doc.Auswertung());
  brennwert = doc.m_Speicher.brennwert;
  return DokumentKennlinien(doc, FELDKENNLINIEN_SCHRITT);
}

// Two storage wells of other volumes and calorific values, a storage well without volumes and a
// production well: the site's capacity is the two storage wells' own curves added at each fill level.
TEST(Feldkennlinien, SummeDerEigenenKennlinienJeFuellstand) {
  test::TempVerzeichnis dir;
  const std::string klein = dir / "klein.zlv";
  {
    CZelvorDoc doc;
    ASSERT_EQ(ZlvDateiLaden(SPEICHER, doc).status, ZlvStatus::Ok);
    ASSERT_FALSE(ArbeitsgasSetzen(doc.m_Speicher, "80"));
    ASSERT_FALSE(BrennwertSetzen(doc.m_Speicher, "0"));
    ASSERT_EQ(ZlvDateiSpeichern(klein, doc), "");
  }
  float brennwertA = 0, brennwertB = 0;
  const Speicherkennlinien a = EigeneKennlinien(SPEICHER, brennwertA), b = EigeneKennlinien(klein, brennwertB);
  ASSERT_TRUE(a.Gemacht() && b.Gemacht());
  ASSERT_GT(brennwertA, 0.f);

  const Feldergebnis f =
      FeldBerechnen({SPEICHER, klein, BEISPIELE + "/injektion.zlv", BEISPIELE + "/suessgas.zlv"}, 2);
  ASSERT_EQ(f.bohrungen.size(), 4u);
  EXPECT_FALSE(f.bohrungen[2].Speichert());  // no working gas set: listed as before, no remark
  EXPECT_EQ(f.bohrungen[2].bemerkung, "");
  EXPECT_FALSE(f.bohrungen[3].Speichert());
  const Feldkennlinien& k = f.kennlinien;
  ASSERT_EQ(k.Bohrungen(), 2u);
  EXPECT_DOUBLE_EQ(k.Arbeitsgas(), a.volumen.arbeitsgas + b.volumen.arbeitsgas);
  EXPECT_DOUBLE_EQ(k.Kissengas(), a.volumen.kissengas + b.volumen.kissengas);
  ASSERT_EQ(k.Punkte().size(), FELDKENNLINIEN_PUNKTE);
  for (std::size_t i = 0; i < FELDKENNLINIEN_PUNKTE; ++i) {
    const Feldkennlinienpunkt& p = k.Punkte()[i];
    SCOPED_TRACE(p.fuellgrad);
    EXPECT_DOUBLE_EQ(p.qAus, a.punkte[i].qAus + b.punkte[i].qAus);
    EXPECT_DOUBLE_EQ(p.qEin, a.punkte[i].qEin + b.punkte[i].qEin);
    EXPECT_DOUBLE_EQ(p.inventar, a.punkte[i].inventar + b.punkte[i].inventar);
    EXPECT_FALSE(p.inventarGwh);  // one well lacks its calorific value
  }

  // Without the small well: the example alone, its energy now given.
  const Feldkennlinien ohne = OhneBohrungen(f, {1}).kennlinien;
  ASSERT_EQ(ohne.Bohrungen(), 1u);
  EXPECT_DOUBLE_EQ(ohne.Punkte().back().qEin, a.punkte.back().qEin);
  ASSERT_TRUE(ohne.Punkte().back().inventarGwh);
  EXPECT_DOUBLE_EQ(*ohne.Punkte().back().inventarGwh, a.punkte.back().inventar * brennwertA);
  EXPECT_TRUE(OhneBohrungen(f, {0, 1}).kennlinien.Leer());

  // Curves on another grid are not added.
  Feldkennlinien andere;
  std::vector<Kennlinienpunkt> verschoben = a.punkte;
  verschoben[3].fuellgrad = 0.35;
  EXPECT_FALSE(andere.Hinzufuegen(verschoben, a.volumen, 0));
  verschoben.pop_back();
  EXPECT_FALSE(andere.Hinzufuegen(verschoben, a.volumen, 0));
  EXPECT_TRUE(andere.Leer());
}

// A storage well with an aquifer model beside one without: each season is summed apart, the well without
// a model with its one curve in both.
TEST(Feldkennlinien, MitAquiferJeSaisonSummiert) {
  test::TempVerzeichnis dir;
  const std::string wasser = dir / "wasser.zlv";
  {
    CZelvorDoc doc;
    ASSERT_EQ(ZlvDateiLaden(SPEICHER, doc).status, ZlvStatus::Ok);
    // Four years of monthly lines between 450 and 650 Mio m3 Gp, on a field produced since 1990.
    doc.m_Ratenzeilen.clear();
    doc.m_RatenDatum.clear();
    for (int m = 0; m < 48; ++m) {
      const double gp = 550.0 + 100.0 * std::cos(m * std::numbers::pi / 6.0);
      doc.m_Ratenzeilen.push_back(Formatiere("%.3f 45000 %.1f", gp, 165.0 - (gp - 450.0) * 0.07));
      doc.m_RatenDatum.push_back(*TagAusDatum(2023, 4, 1) + static_cast<Tag>(std::lround(m * 30.4375)));
    }
    Aquiferdaten& a = doc.m_Aquifer;
    a.modell = Aquifermodell::Fetkovich;
    a.radius = 1500;
    a.radienverhaeltnis = 4;
    a.maechtigkeit = 20;
    a.porositaet = 0.2;
    a.permeabilitaet = 50;
    a.kompressibilitaet = 1e-4;
    a.viskositaet = 0.5;
    a.foerderbeginn = TagAusDatum(1990, 1, 1);
    ASSERT_EQ(ZlvDateiSpeichern(wasser, doc), "");
  }
  float brennwert = 0;
  const Speicherkennlinien ohne = EigeneKennlinien(SPEICHER, brennwert), mit = EigeneKennlinien(wasser, brennwert);
  ASSERT_TRUE(mit.Gemacht()) << mit.meldung;
  ASSERT_TRUE(mit.MitAquifer());

  const Feldergebnis f = FeldBerechnen({SPEICHER, wasser}, 2);
  ASSERT_TRUE(f.bohrungen[1].Speichert()) << f.bohrungen[1].bemerkung;
  const Feldkennlinien& k = f.kennlinien;
  ASSERT_TRUE(k.ZweiRichtungen());
  EXPECT_EQ(k.MitAquifer(), 1u);
  ASSERT_EQ(k.Ausspeicherung().size(), FELDKENNLINIEN_PUNKTE);
  const std::vector<Kennlinienpunkt>& ein = mit.Punkte(Kennlinienrichtung::Einspeicherung);
  const std::vector<Kennlinienpunkt>& aus = mit.Punkte(Kennlinienrichtung::Ausspeicherung);
  for (std::size_t i = 0; i < FELDKENNLINIEN_PUNKTE; ++i) {
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(k.Punkte()[i].qEin, ohne.punkte[i].qEin + ein[i].qEin);
    EXPECT_DOUBLE_EQ(k.Punkte()[i].qAus, ohne.punkte[i].qAus + ein[i].qAus);
    EXPECT_DOUBLE_EQ(k.Ausspeicherung()[i].qAus, ohne.punkte[i].qAus + aus[i].qAus);
    EXPECT_DOUBLE_EQ(k.Ausspeicherung()[i].inventar, k.Punkte()[i].inventar);
  }
  // The well's row shows the capacities of the storage year's morning, the aquifer's pressure in them.
  const Feldbohrung& b = f.bohrungen[1];
  ASSERT_TRUE(b.speichertag && b.qEin);
  const Speichertag& d = b.speicherjahr.tage[static_cast<std::size_t>(*b.speichertag - b.speicherjahr.tage.front().tag)];
  EXPECT_DOUBLE_EQ(*b.qEin, d.qEin);
}

}  // namespace
}  // namespace zelvor
