#include "calc/A1B1Vorschlag.h"

#include <cmath>

#include "calc/Format.h"

namespace zelvor {

A1B1Vorschlag A1B1Berechnen(const A1B1Eingaben& e) {
  A1B1Vorschlag v;
  const double pRes = e.initialdruck;
  const double H = e.teufe;
  const double L = e.bohrlochlaenge;
  const double D = e.durchmesser;
  const double wgv = e.wgv;
  double pWh = pRes / 2.0;

  if (L == 0.0) {
    v.meldung = "Bitte Bohrlochlänge eingeben!";
    return v;
  }
  if (H == 0.0) {
    v.meldung = "Bitte Lagerstättenteufe eingeben!";
    return v;
  }
  if (H > L) {
    v.meldung = "Die Teufe darf nicht größer als die Bohrlochslänge sein!";
    return v;
  }
  if (wgv < 0.0 || wgv > 200.0) return v;
  if (D == 0.0) {
    v.meldung = "Bitte Steigrohrdurchmesser angeben!";
    return v;
  }

  double summe = 0.0;
  for (int i = 0; i < KOMPONENTEN; ++i) summe += e.komponenten[i];
  if (!(summe > 0.0) || !std::isfinite(summe)) {
    v.meldung = "Bitte gaskomponenten korrigieren!";
    return v;
  }
  double molmasse = 0.0;
  for (int i = 0; i < KOMPONENTEN; ++i) {
    const double x = 100.0 * e.komponenten[i] / summe;
    molmasse += MOLMASSEN[i] * x / 100.0;
  }
  const double dichte = 10330.0 * molmasse / 231504.0;
  const double tM = (static_cast<double>(e.temperatur) + e.kopftemperatur) / 2.0;

  double tca = 0, pca = 0;
  PseudokritischeWerte(e.komponenten.data(), tca, pca);
  const HallYarborough k = HallYarboroughKoeffizienten(tM, tca);

  constexpr double GASSAEULE = static_cast<double>(0.05285f);
  double pM = 0, z = 0, zt = 0;
  double b1 = 1.0;  // a pass without a usable Z keeps the column of the pass before (none at first)
  for (int durchgang = 0; durchgang < 4; ++durchgang) {
    pM = (pRes + pWh) / 2.0;
    z = ZFaktor(k, pM, pca);
    zt = (tM + 273.0) * z;
    if (z > 1e-100) b1 = std::exp(GASSAEULE * H * (wgv / 1000.0 + dichte) / zt);
    pWh = pRes / std::sqrt(b1);
  }
  if (!(z > 1e-100)) {
    v.meldung = "Kein Vorschlag\nMittlerer Z-Wert=0\nTemperatur zu klein?";
    return v;
  }
  const double faktor = std::sqrt(H / L) * 360.0;
  const double a1 = faktor * std::pow(D, 2.5) / (std::sqrt((b1 - 1.0) * 118.303 * 0.03) * zt);
  if (!std::isfinite(a1) || !std::isfinite(b1) || !std::isfinite(pWh) || !(a1 > 0.0)) {
    v.meldung = "Kein Vorschlag\nA1 und B1 sind mit diesen Werten nicht berechenbar";
    return v;
  }

  v.gueltig = true;
  v.kopfdruck = pWh;
  v.mittlererDruck = pM;
  v.bodendruck = pRes;
  v.mittlereTemperatur = tM;
  v.wgv = wgv;
  v.gasdichte = dichte;
  v.teufe = H;
  v.bohrlochlaenge = L;
  v.z = z;
  v.a1 = a1;
  v.b1 = b1;
  return v;
}

std::string A1B1Text(const A1B1Vorschlag& v, bool mitFrage) {
  if (!v.gueltig) return v.meldung;
  std::string text = Formatiere(
      "Vertikaler Druckverlust\n\nKopfschließdruck (bar):%12.2f\nMittlerer Druck (bar):%15.2f\n"
      "Bodenschließdruck (bar):%9.2f\nMittlere Temperatur  (°C):%7.2f\n"
      "Wasser-Gas-Verhältnis (l/1000 m3):%2.0f\nGasdichte (kg/m3):%18.3f\nTeufe (m): %29.1f\n"
      "Bohrlochlänge (m):%17.1f\nMittlerer Z-Wert ( - ):%14.3f\n\nA1-Wert:%6.2f\nB1-Wert:%6.3f",
      v.kopfdruck, v.mittlererDruck, v.bodendruck, v.mittlereTemperatur, v.wgv, v.gasdichte, v.teufe,
      v.bohrlochlaenge, v.z, v.a1, v.b1);
  if (mitFrage) text += "\n\nSollen die Werte A1 und B1 übernommen werden?";
  return text;
}

}  // namespace zelvor
