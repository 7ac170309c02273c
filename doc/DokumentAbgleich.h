#pragma once
// The gas-in-place match of a document's well: the one place that turns the document into the match's
// inputs (n from the back-pressure fit when the well's forecast uses that model, else 1), and that
// carries the match into the forecast and back into the well.
#include <optional>
#include <string>
#include <vector>

#include "calc/Aquiferanpassung.h"
#include "calc/Prognose.h"
#include "calc/Gasvorratsabgleich.h"
#include "calc/Messbilanz.h"

namespace zelvor {

class CZelvorDoc;

// The match's inputs for a run: the back-pressure exponent when mitGegendruck, else n = 1.
AbgleichEingaben AbgleichEingabenAus(const Laufdaten& lauf, bool mitGegendruck);

// The match of the document's last run. The same run and choice give the same match without computing
// it again (views ask on every paint).
Gasvorratsabgleich DokumentAbgleich(const CZelvorDoc& doc);
Gasvorratsabgleich DokumentAbgleich(const CZelvorDoc& doc, bool mitGegendruck);

// The gas in place from the well's shut-in pressure surveys, with its last run's gas properties.
Messbilanz DokumentMessbilanz(const CZelvorDoc& doc);

// Points of the interval between its ends at which the forecast is made for the ranges.
inline constexpr int BEREICH_STUETZSTELLEN = 16;

// The forecast with the document's settings over a made match's interval, each with the C the match
// finds at its gas in place: at both ends, and the ranges over the ends, G*, the points between and the
// well's own forecast (schaetzung, when its OGIP lies in the interval), so that a range holds the value
// the well's forecast shows. Nothing when there is no match or no forecast.
std::optional<Prognosebereich> PrognosebereichAus(const Laufdaten& lauf, const PrognoseEingaben& e,
                                                   const Gasvorratsabgleich& a,
                                                   const Foerderprognose* schaetzung = nullptr);
std::optional<Prognosebereich> DokumentPrognosebereich(const CZelvorDoc& doc);
// The range of a forecast p of the document made with e: for a well whose settings are those of its
// aquifer fit (G to the 0.1 Mio m3 it adopts, the size to 0.1 %), over the fit's interval, none for a well
// with a model not adopted from its fit; else over the flowing match's (n from the back-pressure fit when
// mitGegendruck).
std::optional<Prognosebereich> DokumentPrognosebereich(const CZelvorDoc& doc, const PrognoseEingaben& e,
                                                        const Foerderprognose& p, bool mitGegendruck);
// The aquifer fit is the one the well's settings hold: its G and its size were adopted.
bool AquiferanpassungUebernommen(const CZelvorDoc& doc, const Aquiferanpassung& a);

// "Gasvorrat übernehmen": OGIP becomes g, rounded to the 0.1 Mio m3 the table shows, and the well is
// evaluated again. The German message when the value is outside the input dialog's range or below the
// storage's cushion gas (the well is then unchanged).
std::optional<std::string> GasvorratUebernehmen(CZelvorDoc& doc, double g);
// The value that GasvorratUebernehmen stores.
double UebernommenerGasvorrat(double g);

// "Gasvorrat übernehmen" when the surveys' balance through the initial P/Z is made: the question and one
// button per estimate that can be adopted (the flowing match, then the surveys), each named after the
// value it adopts, with that value.
struct GasvorratWahl {
  std::string frage;
  std::vector<std::string> knoepfe;
  std::vector<double> werte;  // Mio m3, as passed to GasvorratUebernehmen
  int aquiferKnopf = -1;      // the button that adopts the aquifer fit (AquiferUebernehmen), if any
};
// With a made aquifer fit, its G and settings are offered last.
GasvorratWahl GasvorratWahlAus(const Gasvorratsabgleich& a, const PZBilanz& messungen, double ogip,
                               const Aquiferanpassung* aquifer = nullptr);

}  // namespace zelvor
