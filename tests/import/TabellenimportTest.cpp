#include "import/Tabellenimport.h"

#include <gtest/gtest.h>

#include <string>

#include "import/Ratenimport.h"
#include "doc/Ratenliste.h"

namespace zelvor {
namespace {

using Zeilen = CStringArray;

const std::string NICHT_DREI = "Die Zeile enh\xC3\xA4lt keine 3 Werte\n ";
const std::string Z1 = "    12.000      8849.0           228.0";
const std::string Z2 = "    13.500      9000.5           225.3";

struct Fall {
  const char* name;
  std::string text;
  bool leerraum;       // pasted text
  Zeilen zeilen;       // taken, when meldung is empty
  std::string meldung; // the refusal
};

// Every dialect and row rule on one small table: the well's two lines, or why not.
TEST(Tabellenimport, DialekteUndZeilenregeln) {
  const Fall faelle[] = {
      {"Semikolon, Dezimalkomma, Titel, Kopf, Einheiten, Zusatzspalte",
       "Bohrung 7\r\nGp;Q;pwh;Bemerkung\r\nMio m3;m3/h;bar;\r\n12,0;8849;228,0;gut\r\n13,5;9000,5;225,26;\r\n", false,
       {Z1, Z2}, ""},
      {"Komma, Dezimalpunkt", "Gp (Mio m3),Q (m3/h),p (bar)\n12.0,8849,228.0\n13.5,9000.5,225.26\n", false, {Z1, Z2}, ""},
      {"Tabulator, Dezimalkomma", "Gp\tQ\tp\n12,0\t8849\t228,0\n13,5\t9000,5\t225,26\n", false, {Z1, Z2}, ""},
      {"Tabulator, Dezimalpunkt", "12.0\t8849\t228.0\n13.5\t9000.5\t225.26\n", false, {Z1, Z2}, ""},
      {"in Anführungszeichen, mit BOM", "\xEF\xBB\xBF\"Gp, Mio m3\",\"Q\",\"p\"\n\"12.0\",8849,\"228.0\"\n13.5,9000.5,225.26\n",
       false, {Z1, Z2}, ""},
      {"Datum davor: die ersten drei Zahlen", "Datum;Gp;Q;p\n01.03.2020;12,0;8849;228,0\n01.04.2020;13,5;9000,5;225,26\n",
       false, {Z1, Z2}, ""},
      {"Leerzeile beendet die Daten", "12;8849;228\n;;\n99;99;99\n", false, {"    12.000      8849.0           228.0"}, ""},
      {"leere Zeilen vor den Daten", "\n\nTitel\n\n12,0;8849;228,0\n", false, {Z1}, ""},
      {"eingefügt, Leerraum, Dezimalkomma", "  12,0   8849  228,0 \n13,5 9000,5 225,26", true, {Z1, Z2}, ""},
      {"eingefügt aus Excel", "Gp\tQ\tp\r\n12.0\t8849\t228.0\r\n13.5\t9000.5\t225.26\r\n", true, {Z1, Z2}, ""},
      {"schlechte Zeile", "Gp;Q;p\n12,0;8849;228,0\n13,0;n/a;225,0\n", false, {}, NICHT_DREI + "13,0;n/a;225,0"},
      {"zu wenige Zellen", "12,0;8849;228,0\n13,0;9000\n", false, {}, NICHT_DREI + "13,0;9000"},
      {"Text in der Zelle", "12;8849;228\n13;9000 m3;225\n", false, {}, NICHT_DREI + "13;9000 m3;225"},
      {"nicht endlich", "12;8849;228\n13;9000;inf\n", false, {}, NICHT_DREI + "13;9000;inf"},
      {"über einfacher Genauigkeit", "12;8849;228\n13;1e39;225\n", false, {}, NICHT_DREI + "13;1e39;225"},
      {"Tausenderpunkt bei Dezimalkomma", "12,0;8849,0;228,0\n13,5;9.000,5;225,3\n", false, {},
       NICHT_DREI + "13,5;9.000,5;225,3"},
      {"Windows-1252 in der Meldung", "Gp;Q;p\n12,0;8849;228,0\nM\xE4rz;1;2\n", false, {}, NICHT_DREI + "M\xC3\xA4rz;1;2"},
      {"keine Daten", "Titel\nGp;Q;p\nMio m3;m3/h;bar\n", false, {}, "Die Tabelle enth\xC3\xA4lt keine Zeile mit 3 Werten."},
      {"leer", "", true, {}, "Die Tabelle enth\xC3\xA4lt keine Zeile mit 3 Werten."},
  };
  for (const Fall& f : faelle) {
    const Tabellenimport t = TabelleUebernehmen(TextAlsTabelle(f.text, f.leerraum));
    EXPECT_EQ(t.uebernommen, f.meldung.empty()) << f.name;
    EXPECT_EQ(t.meldung, f.meldung) << f.name;
    EXPECT_EQ(t.zeilen, f.zeilen) << f.name;
  }
}

TEST(Tabellenimport, ZelleAlsZahl) {
  struct Z {
    const char* zelle;
    Dezimalzeichen dezimal;
    bool zahl;
    float wert;
  };
  const Z faelle[] = {
      {" 12,5 ", Dezimalzeichen::Komma, true, 12.5f},  {"12.5", Dezimalzeichen::Punkt, true, 12.5f},
      {"12,5", Dezimalzeichen::Punkt, false, 0},       {"12.5", Dezimalzeichen::Komma, false, 0},
      {"-1,5e+2", Dezimalzeichen::Beide, true, -150},  {"+.5", Dezimalzeichen::Beide, true, 0.5f},
      {"1e-50", Dezimalzeichen::Beide, true, 0},       {"1,2,3", Dezimalzeichen::Beide, false, 0},
      {"nan", Dezimalzeichen::Beide, false, 0},        {"1e", Dezimalzeichen::Beide, false, 0},
      {"0x10", Dezimalzeichen::Beide, false, 0},       {"", Dezimalzeichen::Beide, false, 0},
      {"3.4e38", Dezimalzeichen::Beide, true, 3.4e38f}, {"1e39", Dezimalzeichen::Beide, false, 0},
  };
  for (const Z& z : faelle) {
    float wert = -7;
    EXPECT_EQ(ZelleAlsZahl(z.zelle, z.dezimal, wert), z.zahl) << z.zelle;
    if (z.zahl) {
      EXPECT_EQ(wert, z.wert) << z.zelle;
    }
  }
}

TEST(Tabellenimport, ZeilenUndZellenSindBegrenzt) {
  std::string genau, zuViel = "Gp;Q;p\n";
  for (std::size_t i = 0; i < MAX_TABELLENZEILEN; ++i) genau += "1;2;3\n";
  zuViel += genau;
  EXPECT_EQ(TabelleUebernehmen(TextAlsTabelle(genau, false)).zeilen.size(), MAX_TABELLENZEILEN);
  const Tabellenimport t = TabelleUebernehmen(TextAlsTabelle(zuViel, false));
  EXPECT_FALSE(t.uebernommen);
  EXPECT_TRUE(t.zeilen.empty());
  EXPECT_EQ(t.meldung, "Die Tabelle hat mehr als 3000 Zeilen; so viele Ratenzeilen werden nicht eingelesen.");
  // An empty row before the limit ends the data: what follows it does not count.
  EXPECT_TRUE(TabelleUebernehmen(TextAlsTabelle("1;2;3\n\n" + genau, false)).uebernommen);

  // A megabyte cell is kept cut, and shown cut.
  const std::string gross(1 << 20, '7');
  const Tabelle zelle = TextAlsTabelle("1;2;3\n4;" + gross + ";6\n", false);
  ASSERT_EQ(zelle.zeilen.size(), 2u);
  EXPECT_LE(zelle.zeilen[1][1].size(), MAX_ZELLENLAENGE + 3);
  const Tabellenimport z = TabelleUebernehmen(zelle);
  EXPECT_FALSE(z.uebernommen);
  EXPECT_LT(z.meldung.size(), 300u);
}

// Rows after the empty row that ends the data are named, not lost unseen; escapes keep a cell's control
// characters out of the message.
TEST(Tabellenimport, LeerzeileUndSteuerzeichen) {
  const std::pair<const char*, std::size_t> faelle[] = {
      {"1;2;3\n;;\n4;5;6\n", 2}, {"1;2;3\n\n\n ;\n", 0}, {"\n\nTitel\n1;2;3\n", 0}, {"Titel\n1;2;3\n4;5;6\n\n \n7;x\n", 4}};
  for (const auto& [text, leerzeile] : faelle) {
    const Tabellenimport t = TabelleUebernehmen(TextAlsTabelle(text, false));
    EXPECT_TRUE(t.uebernommen) << text;
    EXPECT_EQ(t.leerzeile, leerzeile) << text;
  }
  EXPECT_EQ(TabelleUebernehmen(TextAlsTabelle("1;2;3\n4;\x1B]0;x\x07;6\n", false)).meldung, NICHT_DREI + "4;\\x1B]0;x\\x07;6");
}

TEST(Tabellenimport, EinfuegenErsetztOderHaengtAn) {
  Ratenliste liste{{"a", "b"}, 1};
  EXPECT_EQ(ZeilenEinfuegen(liste, {"c"}, false), "1 Zeilen wurden eingef\xC3\xBCgt");
  EXPECT_EQ(liste.zeilen, (Zeilen{"a", "b", "c"}));
  EXPECT_EQ(liste.auswahl, -1);
  EXPECT_EQ(ZeilenEinfuegen(liste, {"d", "e"}, true), "2 Zeilen wurden eingef\xC3\xBCgt");
  EXPECT_EQ(liste.zeilen, (Zeilen{"d", "e"}));
}

}  // namespace
}  // namespace zelvor
