#include "calc/A1B1Vorschlag.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zelvor {
namespace {

A1B1Eingaben Methanbohrung() {
  A1B1Eingaben e;
  e.komponenten[3] = 100.0f;
  e.temperatur = 100;
  e.kopftemperatur = 20;
  e.initialdruck = 200;
  e.teufe = 3000;
  e.bohrlochlaenge = 3000;
  e.durchmesser = 6.2f;
  e.wgv = 0;
  return e;
}

TEST(A1B1Vorschlag, VerticalSweetGasWell) {
  const A1B1Vorschlag v = A1B1Berechnen(Methanbohrung());
  ASSERT_TRUE(v.gueltig) << v.meldung;
  EXPECT_EQ(A1B1Text(v, false),
            "Vertikaler Druckverlust\n\n"
            "Kopfschließdruck (bar):      164.71\n"
            "Mittlerer Druck (bar):         182.35\n"
            "Bodenschließdruck (bar):   200.00\n"
            "Mittlere Temperatur  (°C):  60.00\n"
            "Wasser-Gas-Verhältnis (l/1000 m3): 0\n"
            "Gasdichte (kg/m3):             0.716\n"
            "Teufe (m):                        3000.0\n"
            "Bohrlochlänge (m):           3000.0\n"
            "Mittlerer Z-Wert ( - ):         0.878\n\n"
            "A1-Wert: 90.85\n"
            "B1-Wert: 1.474");
  EXPECT_EQ(A1B1Text(v, true).substr(A1B1Text(v, false).size()),
            "\n\nSollen die Werte A1 und B1 übernommen werden?");
}

TEST(A1B1Vorschlag, DeviatedSourGasWellWithWater) {
  A1B1Eingaben e;
  e.komponenten = {2, 3, 5, 85, 4, 1};
  e.temperatur = 120;
  e.kopftemperatur = 30;
  e.initialdruck = 300;
  e.teufe = 2500;
  e.bohrlochlaenge = 3200;
  e.durchmesser = 7.6f;
  e.wgv = 50;
  const A1B1Vorschlag v = A1B1Berechnen(e);
  ASSERT_TRUE(v.gueltig) << v.meldung;
  const std::string text = A1B1Text(v, false);
  EXPECT_NE(text.find("Kopfschließdruck (bar):      250.75\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Mittlerer Druck (bar):         275.37\n"), std::string::npos) << text;
  EXPECT_NE(text.find("(°C):  75.00\n"), std::string::npos) << text;
  EXPECT_NE(text.find("(l/1000 m3):50\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Gasdichte (kg/m3):             0.834\n"), std::string::npos) << text;
  EXPECT_NE(text.find("( - ):         0.935\n"), std::string::npos) << text;
  EXPECT_NE(text.find("A1-Wert:125.80\nB1-Wert: 1.431"), std::string::npos) << text;
}

TEST(A1B1Vorschlag, WellLengthOnlyScalesA1) {
  A1B1Eingaben e = Methanbohrung();
  const A1B1Vorschlag senkrecht = A1B1Berechnen(e);
  e.bohrlochlaenge = 4000;
  const A1B1Vorschlag abgelenkt = A1B1Berechnen(e);
  ASSERT_TRUE(abgelenkt.gueltig);
  EXPECT_EQ(abgelenkt.b1, senkrecht.b1);
  EXPECT_EQ(abgelenkt.kopfdruck, senkrecht.kopfdruck);
  EXPECT_EQ(abgelenkt.z, senkrecht.z);
  EXPECT_NEAR(abgelenkt.a1 / senkrecht.a1, std::sqrt(3000.0 / 4000.0), 1e-12);
}

TEST(A1B1Vorschlag, RefusalsInTheirOrder) {
  A1B1Eingaben e = Methanbohrung();
  e.bohrlochlaenge = 0;
  e.teufe = 0;
  e.durchmesser = 0;
  EXPECT_EQ(A1B1Berechnen(e).meldung, "Bitte Bohrlochlänge eingeben!");
  e.bohrlochlaenge = 3000;
  EXPECT_EQ(A1B1Berechnen(e).meldung, "Bitte Lagerstättenteufe eingeben!");
  e.teufe = 3000.5f;
  EXPECT_EQ(A1B1Berechnen(e).meldung, "Die Teufe darf nicht größer als die Bohrlochslänge sein!");
  e.teufe = 3000;
  e.wgv = 201;
  const A1B1Vorschlag still = A1B1Berechnen(e);
  EXPECT_FALSE(still.gueltig);
  EXPECT_EQ(still.meldung, "");
  e.wgv = 0;
  EXPECT_EQ(A1B1Berechnen(e).meldung, "Bitte Steigrohrdurchmesser angeben!");
  e.durchmesser = 6.2f;
  e.komponenten = {};
  EXPECT_EQ(A1B1Berechnen(e).meldung, "Bitte gaskomponenten korrigieren!");
}

TEST(A1B1Vorschlag, NoUsableZValueGivesNoProposal) {
  A1B1Eingaben e = Methanbohrung();
  e.temperatur = -500;
  e.kopftemperatur = -500;
  const A1B1Vorschlag v = A1B1Berechnen(e);
  EXPECT_FALSE(v.gueltig);
  EXPECT_EQ(v.meldung, "Kein Vorschlag\nMittlerer Z-Wert=0\nTemperatur zu klein?");
  EXPECT_EQ(A1B1Text(v, true), v.meldung);
}

}  // namespace
}  // namespace zelvor
