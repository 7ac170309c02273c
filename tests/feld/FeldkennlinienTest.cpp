#include "feld/Feldkennlinien.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zelvor
