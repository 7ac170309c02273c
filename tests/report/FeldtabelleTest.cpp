#include "report/Feldtabelle.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "report/Felddiagramm.h"
#include "report/Feldmeldungen.h"
#include "report/Feldkennlinientext.h"

namespace zelvor {
namespace {

Feldbohrung Bohrung(std::string name, std::optional<double> restreserven, Bohrungsverlauf verlauf = {}) {
  Feldbohrung b;
  b.name = name;
  b.datei = name + ".zlv";
  b.ogip = 1000;
  b.restreserven = restreserven;
  b.verlauf = std::move(verlauf);
  return b;
}

TEST(Feldtabelle, SortierungLeereZellenZuletztGleicheBehaltenIhreFolge) {
  std::vector<Feldbohrung> b = {Bohrung("C", 5), Bohrung("A", std::nullopt), Bohrung("B", 2), Bohrung("D", 5)};
  b[1].fehler = b[1].bemerkung = "Die Datei fehlt.";
  b[1].ogip.reset();
  const auto reihenfolge = [&](Feldspalte s, bool absteigend = false) {
    std::vector<Feldbohrung> v = b;
    std::stable_sort(v.begin(), v.end(), [s, absteigend](const Feldbohrung& x, const Feldbohrung& y) {
      return absteigend ? FeldZeileVor(y, x, s, true) : FeldZeileVor(x, y, s);
    });
    std::string namen;
    for (const Feldbohrung& x : v) namen += x.name;
    return namen;
  };
  EXPECT_EQ(reihenfolge(Feldspalte::Restreserven), "BCDA");
  EXPECT_EQ(reihenfolge(Feldspalte::Restreserven, true), "CDBA");
  EXPECT_EQ(reihenfolge(Feldspalte::Bohrung), "ABCD");
  EXPECT_EQ(reihenfolge(Feldspalte::Bemerkung), "CBDA");
  EXPECT_EQ(FeldZelle(b[1], Feldspalte::Restreserven), "-");
  EXPECT_EQ(FeldZelle(b[1], Feldspalte::Art), "-");
  EXPECT_EQ(FeldZelle(b[0], Feldspalte::Art), "Förderung");
  b[0].anteil = 0.25;
  EXPECT_EQ(FeldZelle(b[0], Feldspalte::Anteil), "25.0");
  EXPECT_EQ(*FeldWert(b[0], Feldspalte::Anteil), 25.0);
}

TEST(Feldtabelle, TextzeilenStehenInSpaltenAuchMitUmlauten) {
  std::vector<Feldbohrung> b = {Bohrung("Süd 1", 12.5), Bohrung("Nord 22", 3)};
  const std::vector<std::string> z = FeldtabelleText(b);
  ASSERT_EQ(z.size(), 3u);
  // The remaining reserves end in the same display column on every line.
  const auto ende = [](const std::string& zeile, const std::string& text) {
    const std::string vorher = zeile.substr(0, zeile.find(text) + text.size());
    return std::count_if(vorher.begin(), vorher.end(), [](unsigned char c) { return (c & 0xC0) != 0x80; });
  };
  EXPECT_EQ(ende(z[1], "12.5"), ende(z[2], "3.0"));
  EXPECT_EQ(ende(z[0], "Restreserven (Mio m3)"), ende(z[1], "12.5"));
}

TEST(Felddiagramm, BaenderSummierenSichZurFeldrateUndDieKleinstenWerdenZusammengefasst) {
  Feldergebnis f;
  for (int i = 0; i < 5; ++i)
    f.bohrungen.push_back(Bohrung("B" + std::to_string(i), 10.0 * i, {{0, 0, 100.0 * (i + 1)}, {2.0 + i, 10, 50}}));
  f.bohrungen.push_back(Bohrung("Injektion", 99));
  f.bohrungen.back().injektion = true;
  const Diagramm d = FeldDiagramm(f, 3);
  ASSERT_EQ(d.reihen.size(), 3u);
  EXPECT_EQ(d.reihen[0].legende, "B3");
  EXPECT_EQ(d.reihen[1].legende, "B4");
  EXPECT_EQ(d.reihen[2].legende, "Weitere (3)");
  const Diagrammreihe& oben = d.reihen.back();
  const Feldverlauf v = FeldverlaufDer(f.bohrungen, oben.x);
  ASSERT_EQ(oben.y.size(), v.rate.size());
  for (std::size_t k = 0; k < v.rate.size(); ++k) EXPECT_NEAR(oben.y[k], v.rate[k], 1e-9);
  for (const Diagrammreihe& r : d.reihen) EXPECT_TRUE(r.flaeche);
  EXPECT_DOUBLE_EQ(oben.x.back(), 6.0);
  EXPECT_TRUE(FeldDiagramm(Feldergebnis{}).reihen.empty());
  EXPECT_EQ(d.yText, "Rate (m3/h)");
  f.bohrungen[0].verlauf = {{0, 0, 2e6}, {1, 10, 1e6}};
  const Diagramm gross = FeldDiagramm(f, 3);
  EXPECT_EQ(gross.yText, "Rate (1000 m3/h)");
  EXPECT_DOUBLE_EQ(gross.reihen.back().y.front(), (2e6 + 200 + 300 + 400 + 500) / 1000);
  // Long names are shortened in their middle to the legend's column, so that wells sharing a prefix
  // stay apart; the tooltip gives each whole, with its file.
  f.bohrungen[3].name = "Sauergasfeld Nordheide Süd 3";
  f.bohrungen[4].name = "Sauergasfeld Nordheide Süd 4";
  const Diagramm lang = FeldDiagramm(f, 3);
  EXPECT_EQ(lang.reihen[0].legende, "Sauerga...e Süd 3");
  EXPECT_EQ(lang.reihen[1].legende, "Sauerga...e Süd 4");
  f.bohrungen[3].datei = "nord/s3.zlv";
  f.bohrungen[4].name = "B4";
  f.bohrungen[4].datei = "b4.zlv";
  EXPECT_EQ(FeldLegendenhinweis(f, 3), "Sauerga...e Süd 3 = Sauergasfeld Nordheide Süd 3 (nord/s3.zlv)\nB4 (b4.zlv)");
}

// Rates that cannot flow are told per fill level; the energy column only while every well has its
// calorific value; large sums are drawn in thousands.
TEST(Feldtabelle, KennlinienHinweiseEnergieUndTausender) {
  const auto kurve = [](double qAus0, double q) {
    std::vector<Kennlinienpunkt> p(FELDKENNLINIEN_PUNKTE);
    for (std::size_t i = 0; i < p.size(); ++i) {
      p[i].fuellgrad = 0.1 * static_cast<double>(i);
      p[i].inventar = 100 + 10.0 * static_cast<double>(i);
      p[i].qAus = i == 0 ? qAus0 : q;
      p[i].qEin = i == 10 ? 0 : q;
    }
    return p;
  };
  Feldkennlinien k;
  ASSERT_TRUE(k.Hinzufuegen(kurve(0, 4e5), {100, 50}, 10));
  ASSERT_TRUE(k.Hinzufuegen(kurve(0, 7e5), {100, 50}, 11));
  std::vector<std::string> t = FeldkennlinienText(k);
  ASSERT_GE(t.size(), 4u);
  EXPECT_EQ(t[0], "Speicherkennlinien des Feldes (2 Speicherbohrungen)");
  EXPECT_EQ(t[1], "Arbeitsgas 200.0 Mio m3, Kissengas 100.0 Mio m3");
  EXPECT_NE(t[4].find("(GWh)"), std::string::npos) << t[4];
  EXPECT_EQ(t.back(), "Bei 100.0 %: 2 Bohrungen nehmen nichts auf.");
  EXPECT_NE(std::find(t.begin(), t.end(), "Bei 0.0 %: 2 Bohrungen liefern nichts."), t.end());
  EXPECT_NE(std::find(t.begin(), t.end(), "      0.0       200.0      2100.0           0.0     1100000.0"), t.end());
  const Diagramm d = FeldkennlinienDiagramm(k);
  EXPECT_EQ(d.yText, "Rate (1000 m3/h)");
  ASSERT_EQ(d.reihen.size(), 2u);
  EXPECT_DOUBLE_EQ(d.reihen[1].y.front(), 1100.0);

  ASSERT_TRUE(k.Hinzufuegen(kurve(5, 1), {1, 1}, 0));
  t = FeldkennlinienText(k);
  EXPECT_EQ(t[4].find("(GWh)"), std::string::npos) << t[4];
  EXPECT_EQ(t.back(), "Bei 100.0 %: 3 Bohrungen nehmen nichts auf.");
  EXPECT_TRUE(FeldkennlinienText(Feldkennlinien{}).empty());
}

// The summary tells the Stand as the rows and the course do: its Gp is the course's first, its
// deliverable rate the rows' sum and not below the field's rate; a production well without a forecast
// is told apart. The rows carry each well's own forecast start, sorted by the calendar.
TEST(Feldtabelle, ZusammenfassungUndZeilenAmStand) {
  const Tag stand = *TagAusDatum(2024, 1, 1);
  Feldergebnis f;
  f.bohrungen = {Bohrung("A", std::nullopt, {{0, 100, 9000, 12000}, {5, 250, 4000, 4000}, {10, 350, 500, 500}}),
                 Bohrung("B", std::nullopt, {{0, 50, 6000, 6000}, {8, 200, 500, 500}}),
                 Bohrung("Alt", std::nullopt, {{0, 50, 6000, 6000}, {8, 200, 500, 500}}), Bohrung("Ohne", std::nullopt)};
  f.bohrungen[0].start = stand - 3 * 365;
  f.bohrungen[1].start = stand;
  f.bohrungen[2].start = stand - 9 * 365;
  f.bohrungen[3].gp = 77;  // its forecast was refused
  f.bohrungen[3].bemerkung = "Keine Prognose.";
  f.stand = AufDenStandBringen(f.bohrungen);
  ASSERT_EQ(f.stand, stand);
  f = OhneBohrungen(f, {});
  const std::vector<std::string> z = FeldZusammenfassung(f);
  const auto zeile = [&z](const std::string& anfang) {
    const auto p = std::find_if(z.begin(), z.end(), [&](const std::string& x) { return x.rfind(anfang, 0) == 0; });
    EXPECT_NE(p, z.end()) << anfang;
    return p == z.end() ? std::string() : *p;
  };
  EXPECT_EQ(zeile("Stand des Feldes:"), "Stand des Feldes:                       01.01.2024");
  EXPECT_NEAR(f.verlauf.gp.front(), 190 + 50 + 200, 1e-9);
  EXPECT_EQ(zeile("Gp der Förderbohrungen am Stand:"), "Gp der Förderbohrungen am Stand:        440.0 Mio m3");
  EXPECT_EQ(zeile("Gp der Förderbohrungen ohne Prognose:"),
            "Gp der Förderbohrungen ohne Prognose:   77.0 Mio m3 (an ihrer letzten Zeile)");
  EXPECT_EQ(zeile("Lieferbare Rate am Stand bei p_min:"), "Lieferbare Rate am Stand bei p_min:     13200 m3/h");
  EXPECT_EQ(zeile("Förderrate des Feldes am Stand:"), "Förderrate des Feldes am Stand:         12000 m3/h");
  EXPECT_EQ(zeile("Restreserven:"), "Restreserven:                           310.0 Mio m3");

  EXPECT_EQ(FeldZelle(f.bohrungen[0], Feldspalte::Start), "01.01.2021");
  EXPECT_EQ(FeldZelle(f.bohrungen[3], Feldspalte::Start), "-");
  std::vector<Feldbohrung> v = f.bohrungen;
  std::stable_sort(v.begin(), v.end(), [](const Feldbohrung& x, const Feldbohrung& y) {
    return FeldZeileVor(x, y, Feldspalte::Start);
  });
  std::string namen;
  for (const Feldbohrung& b : v) namen += b.name + " ";
  EXPECT_EQ(namen, "Alt A B Ohne ");
}

// The window's status sentences count wells in the right number.
TEST(Feldtabelle, StatussaetzeInEinzahlUndMehrzahl) {
  const auto feld = [](std::size_t anzahl, std::size_t fehler, bool abgebrochen) {
    Feldergebnis f;
    f.bohrungen.resize(anzahl);
    for (std::size_t i = 0; i < fehler; ++i) f.bohrungen[i].fehler = "kaputt";
    f.abgebrochen = abgebrochen;
    return f;
  };
  const struct {
    Feldergebnis f;
    const char* text;
  } faelle[] = {
      {feld(1, 0, false), "1 Bohrung berechnet."},
      {feld(2, 1, false), "2 Bohrungen berechnet, 1 nicht auswertbar."},
      {feld(1, 0, true), "Abgebrochen: 1 Bohrung berechnet."},
  };
  for (const auto& f : faelle) EXPECT_EQ(FeldBerechnetText(f.f), f.text);
  EXPECT_EQ(FeldBerechneText(1), "Berechne 1 Bohrung...");
  EXPECT_EQ(FeldBerechneText(3), "Berechne 3 Bohrungen...");
  EXPECT_EQ(FeldEntferntText(1), "Eine Bohrung aus dem Feld entfernt.");
  EXPECT_EQ(FeldEntferntText(2), "2 Bohrungen aus dem Feld entfernt.");
}

}  // namespace
}  // namespace zelvor
