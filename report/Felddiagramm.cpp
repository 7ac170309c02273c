#include "report/Felddiagramm.h"

#include <algorithm>
#include <numeric>

#include "calc/Format.h"

namespace zelvor {
namespace {

// Twelve colours that stay apart when tinted.
constexpr Farbe FARBEN[] = {{0, 70, 200},  {220, 40, 30},  {0, 140, 60},   {230, 140, 0},
                            {130, 0, 170}, {0, 150, 170},  {160, 90, 40},  {200, 0, 120},
                            {90, 120, 0},  {60, 60, 60},   {0, 90, 120},   {170, 170, 0}};

// The name shortened in its middle to the legend's column, by characters (UTF-8): wells that share a
// prefix ("Speicher Nord 1", "Speicher Nord 2") keep what tells them apart.
std::string Legendentext(const std::string& name) {
  std::vector<std::size_t> anfaenge;
  for (std::size_t i = 0; i < name.size(); ++i)
    if ((static_cast<unsigned char>(name[i]) & 0xC0) != 0x80) anfaenge.push_back(i);
  if (anfaenge.size() <= FELDDIAGRAMM_LEGENDE_ZEICHEN) return name;
  const std::size_t vorn = (FELDDIAGRAMM_LEGENDE_ZEICHEN - 3) / 2;
  const std::size_t hinten = FELDDIAGRAMM_LEGENDE_ZEICHEN - 3 - vorn;
  return name.substr(0, anfaenge[vorn]) + "..." + name.substr(anfaenge[anfaenge.size() - hinten]);
}

// The production wells with a band of their own, in the order of the table: the largest by their
// remaining reserves; with more than hoechstens wells the last band holds the rest.
std::vector<std::size_t> EigeneBaender(const Feldergebnis& f, std::size_t hoechstens) {
  std::vector<std::size_t> nachGroesse = f.Liefernde();
  std::stable_sort(nachGroesse.begin(), nachGroesse.end(), [&f](std::size_t a, std::size_t b) {
    return f.bohrungen[a].restreserven.value_or(0) > f.bohrungen[b].restreserven.value_or(0);
  });
  hoechstens = std::max<std::size_t>(hoechstens, 1);
  if (nachGroesse.size() > hoechstens) nachGroesse.resize(hoechstens - 1);
  std::sort(nachGroesse.begin(), nachGroesse.end());
  return nachGroesse;
}

}  // namespace

Diagramm FeldDiagramm(const Feldergebnis& f, std::size_t hoechstensBaender) {
  Diagramm d;
  d.titel = "Förderrate des Feldes über der Zeit";
  d.xText = f.stand ? "Datum" : "Zeit ab heute (Jahre)";
  d.xKalender = f.stand.has_value();
  d.yText = "Rate (m3/h)";
  if (!f.stand) d.xMin = 0;
  d.yMin = 0;
  std::vector<std::size_t> liefernde = f.Liefernde();
  if (liefernde.empty()) return d;
  const std::vector<std::size_t> eigene = EigeneBaender(f, hoechstensBaender);
  const bool rest = eigene.size() < liefernde.size();

  std::vector<const Bohrungsverlauf*> alle;
  for (std::size_t i : liefernde) alle.push_back(&f.bohrungen[i].verlauf);
  const std::vector<double> zeiten = Zeitraster(LetzteAufgabe(alle), FELDDIAGRAMM_ZEITEN);

  std::vector<double> laufend(zeiten.size(), 0.0);
  const auto band = [&](std::string legende, const std::vector<double>& raten, Farbe farbe) {
    for (std::size_t k = 0; k < zeiten.size(); ++k) laufend[k] += raten[k];
    d.reihen.push_back({std::move(legende), zeiten, laufend, farbe, Linienart::Durchgezogen, Markierung::Keine, true});
  };
  std::vector<double> uebrige(zeiten.size(), 0.0);
  std::size_t nr = 0;
  for (std::size_t i : liefernde) {
    const Feldverlauf v = FeldverlaufBerechnen({&f.bohrungen[i].verlauf}, zeiten);
    if (std::binary_search(eigene.begin(), eigene.end(), i)) {
      band(Legendentext(f.bohrungen[i].name), v.rate, FARBEN[nr % std::size(FARBEN)]);
      ++nr;
    } else {
      for (std::size_t k = 0; k < zeiten.size(); ++k) uebrige[k] += v.rate[k];
    }
  }
  if (rest) band(Formatiere("Weitere (%zu)", liefernde.size() - eigene.size()), uebrige, {150, 150, 150});
  // On the calendar the axis gives calendar years from the field's Stand.
  if (f.stand) {
    const double anfang = Jahreszahl(*f.stand);
    for (Diagrammreihe& r : d.reihen)
      for (double& x : r.x) x += anfang;
  }
  // A large field's rates read better in thousands than in the axis's powers of ten.
  if (*std::max_element(laufend.begin(), laufend.end()) >= 1e6) {
    d.yText = "Rate (1000 m3/h)";
    for (Diagrammreihe& r : d.reihen)
      for (double& y : r.y) y /= 1000.0;
  }
  return d;
}

std::string FeldLegendenhinweis(const Feldergebnis& f, std::size_t hoechstensBaender) {
  std::string hinweis;
  for (std::size_t i : EigeneBaender(f, hoechstensBaender)) {
    const Feldbohrung& b = f.bohrungen[i];
    if (!hinweis.empty()) hinweis += '\n';
    const std::string legende = Legendentext(b.name);
    hinweis += (legende == b.name ? b.name : legende + " = " + b.name) + " (" + b.datei + ")";
  }
  return hinweis;
}

}  // namespace zelvor
