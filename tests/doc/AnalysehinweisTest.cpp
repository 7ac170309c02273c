// Which evaluation the analysis views show: after "Ergebnisse einlesen" they name the well of the last
// evaluation until the next evaluation or until the well is replaced.
#include "doc/Analysehinweis.h"

#include <gtest/gtest.h>

#include "doc/CZelvorDoc.h"

namespace zelvor {
namespace {

CZelvorDoc Bohrung() {
  CZelvorDoc doc;
  doc.StandardwerteSetzen();
  doc.m_Gasbohrung = "Süd 3";
  doc.m_Temperatur = 100.0f;
  doc.m_OGIP = 1000.0f;
  doc.m_Initialdruck = 200.0f;
  doc.m_A1 = 100.0;
  doc.m_B1 = 1.2;
  doc.m_Ratenzeilen = {"100 1000 100"};
  return doc;
}

TEST(Analysehinweis, NenntDieLetzteAuswertungSolangeDieTabelleEingelesenIst) {
  const std::string hinweis = "Letzte Auswertung der Bohrung \"Süd 3\", nicht die aus aus.txt eingelesene Tabelle";
  const struct {
    const char* schritte;
    void (*tun)(CZelvorDoc&);
    const char* erwartet;
  } faelle[] = {
      {"ausgewertet", [](CZelvorDoc& d) { d.Auswertung(); }, ""},
      {"ausgewertet, eingelesen",
       [](CZelvorDoc& d) {
         d.Auswertung();
         d.ErgebnisseEingelesen({"andere.zlv", "Zeile"});
       },
       hinweis.c_str()},
      {"eingelesen, neu ausgewertet",
       [](CZelvorDoc& d) {
         d.Auswertung();
         d.ErgebnisseEingelesen({"andere.zlv"});
         d.Auswertung();
       },
       ""},
      {"eingelesen, Bohrung ersetzt",
       [](CZelvorDoc& d) {
         d.Auswertung();
         d.ErgebnisseEingelesen({"andere.zlv"});
         d.ErgebnisseLoeschen();
       },
       ""},
      {"eingelesen ohne Auswertung", [](CZelvorDoc& d) { d.ErgebnisseEingelesen({"andere.zlv"}); }, ""},
  };
  for (const auto& f : faelle) {
    CZelvorDoc doc = Bohrung();
    f.tun(doc);
    EXPECT_EQ(Analysehinweis(doc), f.erwartet) << f.schritte;
  }
}

}  // namespace
}  // namespace zelvor
