#include "calc/Aquiferanpassung.h"

#include <Eigen/Dense>
#include <algorithm>
#include <boost/math/distributions/fisher_f.hpp>
#include <cmath>

#include "calc/Format.h"
#include "calc/StudentT.h"

namespace zelvor {
namespace {

// The parameters in logarithms, so that every trial value is positive (the ratio as ln(r_e/r_o - 1)).
enum class Groesse { Keine, Radienverhaeltnis, Laenge, Volumen };

struct Modellform {
  Groesse groesse = Groesse::Keine;
  bool permeabilitaet = false;
  int Anzahl() const { return 1 + (groesse != Groesse::Keine) + permeabilitaet; }
};

Modellform FormDes(const Aquiferdaten& a) {
  Modellform f;
  switch (a.modell) {
    case Aquifermodell::Keiner:
      break;
    case Aquifermodell::Topf:
      f.groesse = Groesse::Volumen;
      break;
    case Aquifermodell::Fetkovich:
      f.groesse = a.form == Aquiferform::Linear ? Groesse::Laenge : Groesse::Radienverhaeltnis;
      f.permeabilitaet = true;
      break;
    case Aquifermodell::Hurst:
      f.groesse = std::isfinite(a.radienverhaeltnis) ? Groesse::Radienverhaeltnis : Groesse::Keine;
      f.permeabilitaet = true;
      break;
  }
  return f;
}

double GroesseVon(const Aquiferdaten& a, Groesse g) {
  switch (g) {
    case Groesse::Radienverhaeltnis: return a.radienverhaeltnis;
    case Groesse::Laenge: return a.laenge;
    case Groesse::Volumen: return a.volumen;
    case Groesse::Keine: break;
  }
  return 0;
}

void GroesseSetzen(Aquiferdaten& a, Groesse g, double w) {
  switch (g) {
    case Groesse::Radienverhaeltnis: a.radienverhaeltnis = w; break;
    case Groesse::Laenge: a.laenge = w; break;
    case Groesse::Volumen: a.volumen = w; break;
    case Groesse::Keine: break;
  }
}

// Parameter vector <-> settings.
struct Abbildung {
  Aquiferdaten basis;
  Modellform form;

  double Log(Groesse g, double w) const { return g == Groesse::Radienverhaeltnis ? std::log(w - 1.0) : std::log(w); }
  double Exp(Groesse g, double x) const { return g == Groesse::Radienverhaeltnis ? 1.0 + std::exp(x) : std::exp(x); }

  Eigen::VectorXd Vektor(double g, const Aquiferdaten& a) const {
    Eigen::VectorXd x(form.Anzahl());
    int i = 0;
    x[i++] = std::log(g);
    if (form.groesse != Groesse::Keine) x[i++] = Log(form.groesse, GroesseVon(a, form.groesse));
    if (form.permeabilitaet) x[i++] = std::log(a.permeabilitaet);
    return x;
  }
  Aquiferdaten Daten(const Eigen::VectorXd& x) const {
    Aquiferdaten a = basis;
    int i = 1;
    if (form.groesse != Groesse::Keine) GroesseSetzen(a, form.groesse, Exp(form.groesse, x[i++]));
    if (form.permeabilitaet) a.permeabilitaet = std::exp(x[i++]);
    return a;
  }
};

struct Bewertung {
  bool ok = false;
  Eigen::VectorXd r;  // residuals, bar
  double s = HUGE_VAL;
};

struct Problem {
  const Gasbilanz& gas;
  const Aquiferdatenlage& lage;
  const Abbildung& abb;
  std::vector<Aquiferereignis> alle;

  Bewertung Bewerten(const Eigen::VectorXd& x) const {
    Bewertung b;
    const double g = std::exp(x[0]);
    if (!std::all_of(x.begin(), x.end(), [](double v) { return std::isfinite(v) && std::fabs(v) < 60; })) return b;
    // Beyond these the data say nothing more: a permeability past 1e5 mD is a pot, a ratio past 1000 unbounded.
    const Aquiferdaten d = abb.Daten(x);
    if (abb.form.permeabilitaet && !(d.permeabilitaet > 1e-4 && d.permeabilitaet < 1e5)) return b;
    if (abb.form.groesse == Groesse::Radienverhaeltnis && !(d.radienverhaeltnis > 1.0001 && d.radienverhaeltnis < 1000))
      return b;
    const Aquiferverlauf v = AquiferverlaufBerechnen(gas, g, d, alle);
    if (!v.Gemacht()) return b;
    const std::size_t n = lage.zeilen.size(), m = lage.messungen.size();
    b.r.resize(static_cast<Eigen::Index>(m));
    for (std::size_t i = 0; i < m; ++i) b.r[static_cast<Eigen::Index>(i)] = v.punkte[n + i].pz - lage.pzGemessen[i];
    b.s = b.r.squaredNorm();
    b.ok = std::isfinite(b.s);
    return b;
  }
};

struct Ergebnis {
  bool ok = false;
  Eigen::VectorXd x;
  Bewertung b;
  Eigen::MatrixXd jtj;
};

// Levenberg-Marquardt with a forward-difference Jacobian.
Ergebnis Minimieren(const Problem& pr, Eigen::VectorXd x) {
  Ergebnis e;
  Bewertung b = pr.Bewerten(x);
  if (!b.ok) return e;
  double lambda = 1e-3;
  const Eigen::Index n = x.size();
  Eigen::MatrixXd j(b.r.size(), n);
  const auto jacobi = [&]() {
    for (Eigen::Index k = 0; k < n; ++k) {
      Eigen::VectorXd y = x;
      const double h = 1e-5 * std::max(1.0, std::fabs(x[k]));
      y[k] += h;
      Bewertung bk = pr.Bewerten(y);
      if (!bk.ok) {
        y[k] = x[k] - h;
        bk = pr.Bewerten(y);
        if (!bk.ok) return false;
        j.col(k) = (b.r - bk.r) / h;
      } else {
        j.col(k) = (bk.r - b.r) / h;
      }
    }
    return true;
  };
  if (!jacobi()) return e;
  for (int iter = 0; iter < 100; ++iter) {
    const Eigen::MatrixXd a = j.transpose() * j;
    const Eigen::VectorXd grad = j.transpose() * b.r;
    bool besser = false;
    for (int versuch = 0; versuch < 12 && !besser; ++versuch) {
      Eigen::MatrixXd d = a;
      for (Eigen::Index k = 0; k < n; ++k) d(k, k) += lambda * std::max(a(k, k), 1e-12);
      const Eigen::VectorXd schritt = d.ldlt().solve(-grad);
      const Bewertung neu = pr.Bewerten(x + schritt);
      if (neu.ok && neu.s < b.s) {
        const bool fertig = b.s - neu.s <= 1e-12 * b.s || schritt.norm() < 1e-10;
        x += schritt;
        b = neu;
        lambda = std::max(lambda / 4, 1e-9);
        besser = true;
        if (!jacobi()) return e;
        if (fertig) iter = 1000;
      } else {
        lambda *= 8;
      }
    }
    if (!besser) break;
  }
  e.ok = true;
  e.x = x;
  e.b = b;
  e.jtj = j.transpose() * j;
  return e;
}

}  // namespace

Gasbilanz GasbilanzAus(const Laufdaten& lauf) {
  Gasbilanz g;
  g.initialdruck = lauf.initialdruck;
  g.pzi = lauf.pzi;
  g.bgi = lauf.bgi;
  g.pca = lauf.pca;
  g.koeffizienten = HallYarboroughKoeffizienten(lauf.temperatur, lauf.tca);
  return g;
}

std::vector<Aquiferereignis> Aquiferdatenlage::Alle() const {
  std::vector<Aquiferereignis> a = zeilen;
  a.insert(a.end(), messungen.begin(), messungen.end());
  return a;
}

bool Diagnosewerte(const Gasbilanz& gas, double ce, double gp, double pz, double p, double we, double wp,
                   double& fEg, double& weEg) {
  // With x = P/Z·(1 - ce·(pi - p))/pzi, F = Gp/(x·Bgi) + Wp and Eg = (1 - x)/(x·Bgi), both per standard
  // volume, so that F = G·Eg + We is the balance itself.
  const double dp = std::isfinite(p) ? gas.initialdruck - p : 0.0;
  const double x = pz * (1.0 - ce * dp) / gas.pzi;
  const double eg = (1.0 - x) / (x * gas.bgi);
  if (!(1.0 - x > 1e-3) || !(x > 0) || !std::isfinite(eg)) return false;
  fEg = (gp / (x * gas.bgi) + wp) / eg;
  weEg = we / eg;
  return std::isfinite(fEg) && std::isfinite(weEg);
}

std::vector<AquiferDiagnosepunkt> AquiferDiagnose(const Gasbilanz& gas, double g, const Aquiferdaten& a,
                                                  const Aquiferdatenlage& lage, const Aquiferverlauf& v) {
  std::vector<AquiferDiagnosepunkt> r;
  const double ce = EffektiveKompressibilitaet(a);
  for (std::size_t i = 0; i < lage.messungen.size(); ++i) {
    AquiferDiagnosepunkt d;
    d.tag = lage.messungen[i].tag;
    d.gp = lage.messungen[i].gp;
    d.pzGemessen = lage.pzGemessen[i];
    const std::size_t k = lage.zeilen.size() + i;
    const bool mitModell = v.Gemacht() && k < v.punkte.size();
    d.pzModell = mitModell ? v.punkte[k].pz : std::nan("");
    d.we = mitModell ? v.punkte[k].we : 0.0;
    const double wp = mitModell ? v.punkte[k].wp : 0.0;
    // The measured point's pressure by the balance's own, for the pore-volume term.
    const double p = ce > 0 ? BilanzDruck(gas, g, d.gp, ce, mitModell ? d.we - wp : 0.0) : 0.0;
    d.imDiagramm = Diagnosewerte(gas, ce, d.gp, d.pzGemessen, p, d.we, wp, d.fEg, d.weEg);
    r.push_back(d);
  }
  return r;
}

Aquiferanpassung AquiferAnpassen(const Gasbilanz& gas, const Aquiferdaten& a, const Aquiferdatenlage& lage,
                                 double gStart) {
  Aquiferanpassung r;
  r.modell = a.modell;
  r.daten = a;
  const Modellform form = FormDes(a);
  const std::size_t m = lage.messungen.size();
  r.parameter = form.Anzahl();
  r.messungen = static_cast<int>(m);
  r.freiheitsgrade = static_cast<int>(m) - r.parameter;
  if (!a.Gesetzt()) {
    r.meldung = "Die Bohrung hat kein Aquifermodell (Aquifer=keiner): es gibt nichts anzupassen.";
    return r;
  }
  if (lage.zeilen.size() + m > AQUIFER_ANPASSUNG_HOECHSTPUNKTE) {
    r.meldung = Formatiere("Die Aquiferanpassung rechnet mit höchstens %zu datierten Punkten (Ratenzeilen und "
                           "Schließdruckmessungen); die Bohrung hat %zu.", AQUIFER_ANPASSUNG_HOECHSTPUNKTE,
                           lage.zeilen.size() + m);
    return r;
  }
  if (r.freiheitsgrade < 1) {
    r.meldung = Formatiere("Für das Aquifermodell %s mit %d angepassten Größen sind mindestens %d Schließdruckmessungen "
                           "nötig (vorhanden: %zu).", AquifermodellName(a.modell), r.parameter, r.parameter + 1, m);
    return r;
  }
  gStart = std::isfinite(gStart) && gStart > 0 ? gStart : 1000.0;
  for (const Aquiferereignis& e : lage.messungen) gStart = std::max(gStart, e.gp * 1.05);
  for (const Aquiferereignis& e : lage.zeilen) gStart = std::max(gStart, e.gp * 1.05);

  // The closed tank first: G alone.
  Aquiferdaten tank = a;
  tank.modell = Aquifermodell::Keiner;
  const Abbildung abbTank{tank, FormDes(tank)};
  const Problem prTank{gas, lage, abbTank, lage.Alle()};
  const Ergebnis eTank = Minimieren(prTank, abbTank.Vektor(gStart, tank));
  if (eTank.ok) {
    r.gTank = std::exp(eTank.x[0]);
    r.sTank = eTank.b.s;
    r.rmsTank = std::sqrt(eTank.b.s / std::max<double>(static_cast<double>(m) - 1.0, 1.0));
  }

  // The model from the entered speed and size; where that does not settle, from a tenth and ten times.
  const double gAnfang = eTank.ok ? std::min(r.gTank, gStart) : gStart;
  struct Versuch {
    Ergebnis e;
    Eigen::MatrixXd kov;
    bool bestimmt = false;
  };
  const auto versuchen = [&](const Abbildung& abb) {
    const Problem pr{gas, lage, abb, lage.Alle()};
    Versuch v;
    const int p = abb.form.Anzahl();
    const double dof = static_cast<double>(m) - p;
    for (double faktor : {1.0, 0.1, 10.0}) {
      Aquiferdaten start = a;
      if (abb.form.permeabilitaet) start.permeabilitaet = (a.permeabilitaet > 0 ? a.permeabilitaet : 100.0) * faktor;
      if (abb.form.groesse == Groesse::Volumen)
        start.volumen = (a.volumen > 0 ? a.volumen : 10.0 * gAnfang / gas.bgi) * (abb.form.permeabilitaet ? 1.0 : faktor);
      if (abb.form.groesse == Groesse::Radienverhaeltnis && !(a.radienverhaeltnis > 1.0 && a.radienverhaeltnis < 1000))
        start.radienverhaeltnis = 5.0;
      if (abb.form.groesse == Groesse::Laenge && !(a.laenge > 0)) start.laenge = 10.0 * std::max(a.breite, 100.0);
      const Ergebnis e = Minimieren(pr, abb.Vektor(gAnfang, start));
      if (!e.ok || (v.e.ok && e.b.s >= v.e.b.s)) continue;
      v.e = e;
      const Eigen::LDLT<Eigen::MatrixXd> zerlegung(e.jtj);
      v.kov = zerlegung.solve(Eigen::MatrixXd::Identity(p, p)) * (e.b.s / dof);
      v.bestimmt = zerlegung.info() == Eigen::Success && zerlegung.isPositive() &&
                   (v.kov.diagonal().array() > 0).all() && v.kov.allFinite() &&
                   (v.kov.diagonal().array() < 4.0).all();  // a factor of e² either way is no value
      if (v.bestimmt) break;
    }
    return v;
  };
  Abbildung abb{a, form};
  Versuch beste = versuchen(abb);
  if (beste.e.ok && !beste.bestimmt && form.permeabilitaet && form.groesse != Groesse::Keine && a.permeabilitaet > 0 &&
      r.freiheitsgrade >= 1) {
    // The surveys do not tell the aquifer's speed from its size: the permeability stays as entered.
    Abbildung ohneK{a, {form.groesse, false}};
    Versuch zwei = versuchen(ohneK);
    if (zwei.e.ok && zwei.bestimmt) {
      abb = ohneK;
      beste = zwei;
      r.hinweis = Formatiere("Die Messungen trennen die Geschwindigkeit des Aquifers nicht von seiner Größe: die "
                             "Permeabilität bleibt wie eingegeben (%.4g mD).", a.permeabilitaet);
    }
  }
  if (!beste.e.ok) {
    r.meldung = Formatiere("Das Aquifermodell %s lässt sich an die Schließdruckmessungen nicht anpassen: die "
                           "Materialbilanz hat bei keinem Versuchswert eine Lösung.", AquifermodellName(a.modell));
    return r;
  }
  const int p = abb.form.Anzahl();
  r.parameter = p;
  r.freiheitsgrade = static_cast<int>(m) - p;
  const double dof = r.freiheitsgrade;
  r.s = beste.e.b.s;
  r.rms = std::sqrt(r.s / dof);
  r.t = StudentT95(r.freiheitsgrade);
  const auto wert = [&](int i, bool radien) {
    const double mitte = beste.e.x[i], halb = beste.bestimmt ? r.t * std::sqrt(beste.kov(i, i)) : 0.0;
    const auto zurueck = [&](double v) { return radien ? 1.0 + std::exp(v) : std::exp(v); };
    return Aquiferwert{zurueck(mitte), zurueck(mitte - halb), zurueck(mitte + halb)};
  };
  int i = 0;
  r.g = wert(i++, false);
  r.mitGroesse = abb.form.groesse != Groesse::Keine;
  r.mitPermeabilitaet = abb.form.permeabilitaet;
  if (r.mitGroesse) {
    r.groesseName = abb.form.groesse == Groesse::Volumen  ? "AquiferVolumen"
                    : abb.form.groesse == Groesse::Laenge ? "AquiferLaenge"
                                                          : "AquiferRadienverhaeltnis";
    r.groesse = wert(i++, abb.form.groesse == Groesse::Radienverhaeltnis);
  }
  if (r.mitPermeabilitaet) r.permeabilitaet = wert(i++, false);
  r.daten = abb.Daten(beste.e.x);
  if (!beste.bestimmt) {
    r.meldung = Formatiere("Die Schließdruckmessungen bestimmen die %d Größen des Aquifermodells %s nicht: die Anpassung "
                           "hat keine endlichen Vertrauensbereiche.", p, AquifermodellName(a.modell));
    return r;
  }

  const Aquiferverlauf v = AquiferverlaufBerechnen(gas, r.g.wert, r.daten, lage.Alle());
  r.verlauf = v.schritte;
  r.beginn = v.beginn;
  r.beginnGeschaetzt = v.beginnGeschaetzt;
  r.punkte = AquiferDiagnose(gas, r.g.wert, r.daten, lage, v);
  const double ce = EffektiveKompressibilitaet(r.daten);
  for (const Aquiferzustand& z : v.schritte) {
    AquiferDiagnosepunkt d;
    d.tag = z.tag;
    d.gp = z.gp;
    d.pzGemessen = d.pzModell = z.pz;
    d.we = z.we;
    d.imDiagramm = Diagnosewerte(gas, ce, z.gp, z.pz, z.p, z.we, z.wp, d.fEg, d.weEg);
    r.kurve.push_back(d);
  }

  // The F-test: does the model explain significantly more than the closed tank with its p - 1 more values?
  if (eTank.ok && r.s > 0) {
    r.f = ((r.sTank - r.s) / (p - 1)) / (r.s / dof);
    r.fKritisch = boost::math::quantile(boost::math::fisher_f_distribution<double>(p - 1, dof), 0.95);
    r.gestuetzt = r.f > r.fKritisch;
  }
  if (!eTank.ok) {
    r.vergleich = Formatiere("Der geschlossene Speicher passt zu den Messungen nicht (die Materialbilanz ohne Zufluss hat "
                             "keine Lösung); das Aquifermodell %s erklärt sie mit %.2f bar mittlerer Abweichung.",
                             AquifermodellName(a.modell), r.rms);
  } else if (r.gestuetzt) {
    r.vergleich = Formatiere("Die Messungen stützen das Aquifermodell %s: es senkt die mittlere Abweichung von %.2f auf "
                             "%.2f bar (F = %.1f > %.2f bei %d und %d Freiheitsgraden); der geschlossene Speicher "
                             "ergäbe %.1f Mio m3.", AquifermodellName(a.modell), r.rmsTank, r.rms, r.f, r.fKritisch,
                             p - 1, r.freiheitsgrade, r.gTank);
  } else {
    r.vergleich = Formatiere("Die Messungen stützen das Aquifermodell %s nicht gegen den geschlossenen Speicher "
                             "(F = %.1f ≤ %.2f bei %d und %d Freiheitsgraden; mittlere Abweichung %.2f gegen %.2f bar): "
                             "der geschlossene Speicher mit %.1f Mio m3 genügt.", AquifermodellName(a.modell), r.f,
                             r.fKritisch, p - 1, r.freiheitsgrade, r.rms, r.rmsTank, r.gTank);
  }
  return r;
}

}  // namespace zelvor
