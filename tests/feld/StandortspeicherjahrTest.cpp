#include "feld/Standortspeicherjahr.h"

#include <gtest/gtest.h>

#include <functional>

#include "doc/CZelvorDoc.h"
#include "doc/DokumentSpeicher.h"
#include "doc/Speichereinstellungen.h"
#include "doc/ZlvArchiv.h"
#include "feld/Feld.h"
#include "tests/doc/DateiTestHilfen.h"

namespace zelvor {
namespace {

const std::string SPEICHER = std::string(ZELVOR_EXAMPLES_DIR) + "/speicher.zlv";

// The storage example with its plan changed, saved as a well of its own.
std::string Variante(const test::TempVerzeichnis& dir, const std::string& name,
                     const std::function<void(Speichereinstellungen&)>& plan) {
  CZelvorDoc doc;
  EXPECT_EQ(ZlvDateiLaden(SPEICHER, doc).status, ZlvStatus::Ok);
  doc.m_Gasbohrung = name;
  plan(doc.m_Speicher);
  const std::string pfad = dir / (name + ".zlv");
  EXPECT_EQ(ZlvDateiSpeichern(pfad, doc), "");
  return pfad;
}

// The well's own storage year, as its view shows it.
Speicherjahr Eigenes(const std::string& pfad) {
  CZelvorDoc doc;
  EXPECT_EQ(ZlvDateiLaden(pfad, doc).status, ZlvStatus::Ok);
  EXPECT_TRUE(doc.Auswertung());
  return DokumentSpeicherjahr(doc);
}

void Setze(std::optional<std::string> fehler) { EXPECT_FALSE(fehler) << *fehler; }

// Fields of storage wells with their own plans: the site's days are the days all their storage years
// cover, and each is the sum of the wells' own mornings and flows.
TEST(Standortspeicherjahr, SummeDerEigenenSpeicherjahre) {
  test::TempVerzeichnis dir;
  using Plan = std::function<void(Speichereinstellungen&)>;
  const Plan wieBeispiel = [](Speichereinstellungen&) {};
  const Plan kleinSpaeter = [](Speichereinstellungen& s) {
    Setze(ArbeitsgasSetzen(s, "120"));
    Setze(SpeicherstartSetzen(s, "01.05.2027"));
    Setze(AusspeicherrateSetzen(s, "20000"));
  };
  const Plan andereSaison = [](Speichereinstellungen& s) {
    Setze(EinspeisungSetzen(s, "15.04.-30.09."));
    Setze(AusspeisungSetzen(s, "15.10.-15.03."));
    Setze(SpeicherstartSetzen(s, "15.03.2027"));
    Setze(ZieleSetzen(s, "01.10.:70 01.11.:85"));
  };
  const struct {
    const char* name;
    std::vector<Plan> plaene;
  } faelle[] = {
      {"eine Bohrung", {wieBeispiel}},
      {"zwei, eine kleiner und später", {wieBeispiel, kleinSpaeter}},
      {"drei, eine mit eigener Saison und eigenen Zielen", {wieBeispiel, kleinSpaeter, andereSaison}},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    std::vector<std::string> pfade;
    std::vector<Speicherjahr> eigene;
    for (std::size_t i = 0; i < fall.plaene.size(); ++i) {
      pfade.push_back(Variante(dir, "S" + std::to_string(i), fall.plaene[i]));
      eigene.push_back(Eigenes(pfade.back()));
      ASSERT_TRUE(eigene.back().Gemacht()) << eigene.back().meldung;
    }
    const Feldergebnis f = FeldBerechnen(pfade, 2);
    const Standortspeicherjahr& s = f.speicherjahr;
    ASSERT_TRUE(s.Gemacht()) << s.meldung;
    ASSERT_EQ(s.bohrungen, pfade.size());
    Tag von = eigene[0].tage.front().tag, bis = eigene[0].tage.back().tag;
    double arbeitsgas = 0;
    for (const Speicherjahr& j : eigene) {
      von = std::max(von, j.tage.front().tag);
      bis = std::min(bis, j.tage.back().tag);
      arbeitsgas += j.volumen.arbeitsgas;
    }
    ASSERT_EQ(s.tage.size(), static_cast<std::size_t>(bis - von + 1));
    EXPECT_DOUBLE_EQ(s.arbeitsgas, arbeitsgas);
    bool ein = false, aus = false;
    for (const Standorttag& t : s.tage) {
      double inventar = 0, gas = 0, einspeisung = 0, ausspeisung = 0;
      for (const Speicherjahr& j : eigene) {
        const Speichertag& d = j.tage[static_cast<std::size_t>(t.tag - j.tage.front().tag)];
        ASSERT_EQ(d.tag, t.tag);
        inventar += d.inventar;
        gas += d.fuellgrad * j.volumen.arbeitsgas;
        einspeisung += std::max(d.q, 0.0);
        ausspeisung += std::max(-d.q, 0.0);
      }
      EXPECT_NEAR(t.inventar, inventar, 1e-9);
      EXPECT_NEAR(t.gasImSpeicher, gas, 1e-9);
      EXPECT_NEAR(t.fuellgrad, gas / arbeitsgas, 1e-12);
      EXPECT_NEAR(t.einspeisung, einspeisung, 1e-9);
      EXPECT_NEAR(t.ausspeisung, ausspeisung, 1e-9);
      ein = ein || t.einspeisung > 0;
      aus = aus || t.ausspeisung > 0;
    }
    EXPECT_TRUE(ein && aus);  // both seasons are summed
    // Every target day of the wells within the common days is checked for the site.
    for (const Speicherjahr& j : eigene)
      for (const Zielergebnis& z : j.ziele) {
        if (z.datum < von || z.datum > bis) continue;
        EXPECT_TRUE(std::any_of(s.ziele.begin(), s.ziele.end(), [&z](const Standortziel& o) { return o.datum == z.datum; }))
            << DatumText(z.datum);
      }
    // Without the first well the rest is summed anew.
    if (pfade.size() > 1) {
      const Standortspeicherjahr ohne = OhneBohrungen(f, {0}).speicherjahr;
      EXPECT_EQ(ohne.bohrungen, pfade.size() - 1);
      EXPECT_NEAR(ohne.arbeitsgas, arbeitsgas - eigene[0].volumen.arbeitsgas, 1e-9);
    }
  }
}

// A storage year by hand: one well's mornings with the given fill levels from `start`.
Speicherjahr Jahr(Tag start, const std::vector<double>& fuellgrade, double arbeitsgas) {
  Speicherjahr j;
  j.volumen.arbeitsgas = arbeitsgas;
  j.volumen.kissengas = arbeitsgas;
  for (std::size_t i = 0; i < fuellgrade.size(); ++i) {
    Speichertag d;
    d.tag = start + static_cast<Tag>(i);
    d.fuellgrad = fuellgrade[i];
    d.inventar = arbeitsgas * (1 + fuellgrade[i]);
    j.tage.push_back(d);
  }
  return j;
}

// The EU indicator: the highest level on any morning of the window against 90 % less the deviation.
TEST(Standortspeicherjahr, EuIndikatorErreichtOderVerfehlt) {
  const Tag sept1 = *TagAusDatum(2027, 9, 1), okt1 = *TagAusDatum(2027, 10, 1), dez1 = *TagAusDatum(2027, 12, 1);
  // Levels from 1 September for 120 days: `spitze` on the day `am`, 0.5 otherwise.
  const auto verlauf = [&](double spitze, Tag am) {
    std::vector<double> g(120, 0.5);
    g[static_cast<std::size_t>(am - sept1)] = spitze;
    return g;
  };
  const struct {
    const char* name;
    double spitze;
    Tag am;
    double abweichung;
    bool erfuellt;
  } faelle[] = {
      {"90 % am ersten Tag des Fensters", 0.90, okt1, 0, true},
      {"90 % am letzten Tag des Fensters", 0.90, dez1, 0, true},
      {"92 % am Tag vor dem Fenster", 0.92, okt1 - 1, 0, false},
      {"89 % im Fenster", 0.89, okt1 + 20, 0, false},
      {"85 % mit 5 Punkten Abweichung", 0.85, okt1 + 20, 5, true},
      {"76 % mit 15 Punkten Abweichung", 0.76, okt1 + 20, 15, true},
      {"74 % mit 15 Punkten Abweichung", 0.74, okt1 + 20, 15, false},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    // Two wells of 100 and 300 Mio m3 at the same level: the site stands at that level too.
    const Speicherjahr a = Jahr(sept1, verlauf(fall.spitze, fall.am), 100), b = Jahr(sept1, verlauf(fall.spitze, fall.am), 300);
    EuIndikatorEinstellungen eu;
    eu.abweichung = fall.abweichung;
    const Standortspeicherjahr s = StandortspeicherjahrBerechnen({&a, &b}, eu);
    ASSERT_TRUE(s.Gemacht()) << s.meldung;
    ASSERT_EQ(s.euFenster.size(), 1u);
    const EuIndikator& f = s.euFenster[0];
    EXPECT_EQ(f.von, okt1);
    EXPECT_EQ(f.bis, dez1);
    EXPECT_TRUE(f.vollstaendig);
    EXPECT_EQ(f.erfuellt, fall.erfuellt);
    EXPECT_EQ(f.erreichtAm.has_value(), fall.erfuellt);
    if (fall.erfuellt) {
      EXPECT_EQ(*f.erreichtAm, fall.am);
    }
  }

  // A window cut by the site's days is checked on the days it has, and says so.
  const Speicherjahr kurz = Jahr(sept1, std::vector<double>(45, 0.95), 100);
  const Standortspeicherjahr teil = StandortspeicherjahrBerechnen({&kurz});
  ASSERT_EQ(teil.euFenster.size(), 1u);
  EXPECT_FALSE(teil.euFenster[0].vollstaendig);
  EXPECT_EQ(teil.euFenster[0].bis, sept1 + 44);
  EXPECT_TRUE(teil.euFenster[0].erfuellt);
  // No window day among the site's days: no indicator.
  const Speicherjahr sommer = Jahr(*TagAusDatum(2027, 5, 1), std::vector<double>(60, 0.95), 100);
  EXPECT_TRUE(StandortspeicherjahrBerechnen({&sommer}).euFenster.empty());
}

// The wells' targets checked for the site: a level weighted by working gas, wells of other days apart.
TEST(Standortspeicherjahr, ZieleDerBohrungenGewichtet) {
  const Tag nov1 = *TagAusDatum(2027, 11, 1), start = nov1 - 10;
  Speicherjahr a = Jahr(start, std::vector<double>(20, 0.9), 100), b = Jahr(start, std::vector<double>(20, 0.8), 300);
  const auto ziel = [](Tag datum, double fuellgrad) {
    Zielergebnis z;
    const Kalenderdatum k = DatumAusTag(datum);
    z.ziel.tag = {k.monat, k.tag};
    z.ziel.fuellgrad = fuellgrad;
    z.datum = datum;
    return z;
  };
  a.ziele.push_back(ziel(nov1, 0.8));
  b.ziele.push_back(ziel(nov1, 0.9));
  b.ziele.push_back(ziel(nov1 + 4, 0.5));
  b.ziele.push_back(ziel(nov1 + 53, 0.5));  // after the common days
  const Standortspeicherjahr s = StandortspeicherjahrBerechnen({&a, &b});
  ASSERT_TRUE(s.Gemacht());
  ASSERT_EQ(s.ziele.size(), 2u);
  EXPECT_EQ(s.ziele[0].datum, nov1);
  EXPECT_DOUBLE_EQ(s.ziele[0].ziel, (100 * 0.8 + 300 * 0.9) / 400);  // 87.5 %
  EXPECT_DOUBLE_EQ(s.ziele[0].erreicht, (100 * 0.9 + 300 * 0.8) / 400);  // 82.5 %
  EXPECT_FALSE(s.ziele[0].erfuellt);
  EXPECT_EQ(s.ziele[0].bohrungen, 2u);
  EXPECT_EQ(s.ziele[1].bohrungen, 1u);
  EXPECT_TRUE(s.ziele[1].erfuellt);
}

TEST(Standortspeicherjahr, OhneGemeinsamenTagOderMitFalschenEinstellungen) {
  const Speicherjahr a = Jahr(*TagAusDatum(2027, 4, 1), std::vector<double>(30, 0.5), 100);
  const Speicherjahr b = Jahr(*TagAusDatum(2027, 6, 1), std::vector<double>(30, 0.5), 100);
  EXPECT_EQ(StandortspeicherjahrBerechnen({&a, &b}).meldung, "Die Speicherjahre der Bohrungen haben keinen Tag gemeinsam.");
  Speicherjahr nicht;
  nicht.meldung = "Das Speicherjahr braucht ein Datum.";
  EXPECT_EQ(StandortspeicherjahrBerechnen({&nicht}).meldung, "Keine Speicherbohrung hat ein Speicherjahr.");
  EXPECT_EQ(StandortspeicherjahrBerechnen({&a, &nicht}).bohrungen, 1u);  // the one made is summed
  for (double abweichung : {-1.0, 15.5, std::nan("")}) {
    EuIndikatorEinstellungen eu;
    eu.abweichung = abweichung;
    EXPECT_FALSE(StandortspeicherjahrBerechnen({&a}, eu).Gemacht()) << abweichung;
  }
}

// A storage row's state: on the field's Stand where the storage year covers it, else its first morning.
TEST(Standortspeicherjahr, SpeicherzeileAmStandDesFeldes) {
  const Feldergebnis f = FeldBerechnen({SPEICHER}, 1);
  ASSERT_EQ(f.bohrungen.size(), 1u);
  const Speicherjahr eigen = Eigenes(SPEICHER);
  ASSERT_TRUE(eigen.Gemacht());
  const Tag erster = eigen.tage.front().tag;
  const struct {
    std::optional<Tag> stand;
    std::size_t tag;
    bool bemerkung;
  } faelle[] = {{std::nullopt, 0, true}, {erster + 100, 100, false}, {erster + 250, 250, false}, {erster + 400, 0, true}};
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.tag);
    std::vector<Feldbohrung> b = f.bohrungen;
    b[0].bemerkung.clear();
    SpeicherstandSetzen(b, fall.stand);
    const Speichertag& d = eigen.tage[fall.tag];
    ASSERT_EQ(b[0].speichertag, d.tag);
    ASSERT_TRUE(b[0].fuellgrad && b[0].qJetzt && b[0].qEin);
    EXPECT_NEAR(*b[0].fuellgrad, d.fuellgrad, 1e-12);
    // The capacity of the season that day, as the well's own storage year gives it.
    if (d.phase == Speicherphase::Einspeisen) {
      EXPECT_NEAR(*b[0].qEin, d.qMoeglich, 1e-6);
    } else if (d.phase == Speicherphase::Ausspeisen) {
      EXPECT_NEAR(*b[0].qJetzt, d.qMoeglich, 1e-6);
    }
    EXPECT_GT(*b[0].qEin, 0);
    // A morning other than the Stand is named.
    EXPECT_EQ(b[0].bemerkung.find("Füllstand am " + DatumText(d.tag)) != std::string::npos, fall.bemerkung) << b[0].bemerkung;
    EXPECT_EQ(b[0].start, erster);
  }
}

}  // namespace
}  // namespace zelvor
