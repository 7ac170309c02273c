#include "calc/Speicherkennlinien.h"

#include <algorithm>
#include <cmath>

#include "calc/DruckAusPZ.h"
#include "calc/Format.h"
#include "calc/Speicherlauf.h"
#include "calc/Speicherpruefung.h"

namespace zelvor {
namespace {

constexpr double SCHRITT_MIN = 0.001;  // 0.1 %: at most 1001 fill levels

std::string SchrittAblehnung(double schritt) {
  if (!(schritt >= SCHRITT_MIN) || !(schritt <= 1.0)) return "Die Schrittweite muss zwischen 0.1 und 100 % liegen.";
  return "";
}

constexpr double MIO_M3_JE_M3H_TAG = 24.0 / 1e6;  // a rate of 1 m3/h for a day, in Mio m3
constexpr int SAISON_MAX_TAGE = 731;             // a season's run at full capacity stops after two years
constexpr double STILLSTAND = 1e-6;              // of the working gas a day: the well has come to a halt

// The mornings of a run at full capacity in one direction until Gp reaches gpZiel, the well comes to a
// halt or SAISON_MAX_TAGE have passed; a reason when the balance fails on the way.
struct Fahrt {
  std::vector<Kennlinienpunkt> morgen;
  std::string meldung;
};

Fahrt Fahren(Speicherlauf& l, bool einspeisen, double gpZiel, double arbeitsgas, const char* kurve) {
  Fahrt f;
  for (int tag = 0;; ++tag) {
    const Kennlinienpunkt z = l.Morgen();
    f.morgen.push_back(z);
    const double offen = einspeisen ? z.gp - gpZiel : gpZiel - z.gp;
    if (!(offen > 0.0) || tag == SAISON_MAX_TAGE) break;
    const double menge = std::min(offen, (einspeisen ? z.qEin : z.qAus) * MIO_M3_JE_M3H_TAG);
    if (!(menge > STILLSTAND * arbeitsgas)) break;
    const double gp = einspeisen ? z.gp - menge : z.gp + menge;
    if (!l.Weiter(gp)) {
      f.meldung = Formatiere("Die %s fehlt: bei Gp = %.3f Mio m3 hat die Materialbilanz mit dem Aquifer keine Lösung.",
                             kurve, gp);
      break;
    }
  }
  return f;
}

// The run's curve at the fill levels: the pressure between the two mornings around each level; a level
// the run did not reach from the state at its nearer end at once (no time for the water to move).
std::vector<Kennlinienpunkt> KurveDerFahrt(const Fahrt& f, const Speicherlauf& anfang, const Speicherlauf& ende,
                                           const Speicherzustand& zustand, const std::vector<double>& stufen,
                                           const Speichervolumen& v, double ogip) {
  std::vector<Kennlinienpunkt> kurve;
  const double erster = f.morgen.front().fuellgrad, letzter = f.morgen.back().fuellgrad;
  const double lo = std::min(erster, letzter), hi = std::max(erster, letzter);
  constexpr double NAEHE = 1e-9;
  for (const double stufe : stufen) {
    const double gp = v.GpBeiFuellgrad(ogip, stufe);
    Kennlinienpunkt p;
    if (stufe >= lo - NAEHE && stufe <= hi + NAEHE) {
      std::size_t i = 0;
      while (i + 2 < f.morgen.size() &&
             !((f.morgen[i].fuellgrad - stufe) * (f.morgen[i + 1].fuellgrad - stufe) <= 0.0))
        ++i;
      const Kennlinienpunkt& a = f.morgen[i];
      const Kennlinienpunkt& b = f.morgen[std::min(i + 1, f.morgen.size() - 1)];
      const double spanne = b.fuellgrad - a.fuellgrad;
      const double w = spanne != 0.0 ? std::clamp((stufe - a.fuellgrad) / spanne, 0.0, 1.0) : 0.0;
      p = zustand.BeiDruck(gp, a.pws + w * (b.pws - a.pws), a.pz + w * (b.pz - a.pz));
    } else {
      const bool amAnfang = std::fabs(stufe - erster) < std::fabs(stufe - letzter);
      p = (amAnfang ? anfang : ende).Sofort(gp);
      p.hinweis = "In dieser Saison mit voller Rate nicht erreicht: der Druck ohne weiteren Zufluss des Aquifers." +
                  (p.hinweis.empty() ? "" : " " + p.hinweis);
    }
    p.fuellgrad = stufe;
    kurve.push_back(std::move(p));
  }
  return kurve;
}

// The two seasons' curves from the aquifer's state on the storage's first morning (see the header).
void SaisonkurvenBerechnen(Speicherkennlinien& k, const Speicherzustand& zustand, const Aquiferfortschreibung& start,
                           const std::vector<double>& stufen, double ogip) {
  const Speichervolumen& v = k.volumen;
  const double gpVoll = v.GpBeiFuellgrad(ogip, 1.0), gpLeer = v.GpBeiFuellgrad(ogip, 0.0);
  Kennlinie ein{Kennlinienrichtung::Einspeicherung, {}, {}}, aus{Kennlinienrichtung::Ausspeicherung, {}, {}};
  Speicherlauf l(zustand, start.Stand().gp, &start);
  const Fahrt vorlauf = Fahren(l, false, gpLeer, v.arbeitsgas, "Einspeicherkurve");
  ein.meldung = vorlauf.meldung;
  if (ein.meldung.empty()) {
    const Speicherlauf anfang = l;
    const Fahrt f = Fahren(l, true, gpVoll, v.arbeitsgas, "Einspeicherkurve");
    ein.meldung = f.meldung;
    if (ein.meldung.empty()) ein.punkte = KurveDerFahrt(f, anfang, l, zustand, stufen, v, ogip);
  }
  if (!ein.meldung.empty()) {
    aus.meldung = "Die Ausspeicherkurve fehlt: sie beginnt, wo die Einspeicherkurve endet.";
  } else {
    const Speicherlauf anfang = l;
    const Fahrt f = Fahren(l, false, gpLeer, v.arbeitsgas, "Ausspeicherkurve");
    aus.meldung = f.meldung;
    if (aus.meldung.empty()) aus.punkte = KurveDerFahrt(f, anfang, l, zustand, stufen, v, ogip);
  }
  k.richtungen = {std::move(ein), std::move(aus)};
}

}  // namespace

std::string SpeichervolumenAblehnung(const Speichervolumen& v, double ogip) {
  if (!(v.arbeitsgas > 0.0) || !std::isfinite(v.arbeitsgas)) return "Das Arbeitsgasvolumen muss größer als 0 sein.";
  if (!(v.kissengas >= 0.0) || !std::isfinite(v.kissengas)) return "Das Kissengas darf nicht negativ sein.";
  // Neither a working gas of 1e-45 (fill levels of 1e50 %) nor one no gas in place could hold.
  if (!(v.arbeitsgas >= SPEICHER_VOLUMEN_MIN) || !(v.arbeitsgas <= SPEICHER_VOLUMEN_GRENZE))
    return Formatiere("Das Arbeitsgasvolumen muss zwischen %.1f und %.0f Mio m3 liegen.", SPEICHER_VOLUMEN_MIN,
                      SPEICHER_VOLUMEN_GRENZE);
  if (v.kissengas != 0.0 && !(v.kissengas >= SPEICHER_VOLUMEN_MIN && v.kissengas <= SPEICHER_VOLUMEN_GRENZE))
    return Formatiere("Das Kissengas muss 0 sein oder zwischen %.1f und %.0f Mio m3 liegen.", SPEICHER_VOLUMEN_MIN,
                      SPEICHER_VOLUMEN_GRENZE);
  if (v.kissengas > ogip)
    return Formatiere("Das Kissengas von %.1f Mio m3 ist größer als der Gasvorrat (OGIP %.1f Mio m3).", v.kissengas, ogip);
  return "";
}

std::string SpeicherAblehnung(const Laufdaten& lauf, const PrognoseEingaben& e, const Speichervolumen& v, Lieferansatz& a) {
  if (lauf.KeineAuswertung()) return KEINE_AUSWERTUNG;
  if (!lauf.vollstaendig || lauf.punkte.empty() || !(lauf.ogip > 0.0) || !(lauf.pzi > 0.0))
    return "Die Speicherrechnung braucht eine vollständige Auswertung ohne ABBRUCH oder ERROR.";
  if (!(lauf.nA1 > 0.0)) return "Mit A1 = 0 lässt sich keine Rate berechnen.";
  if (!(e.pMin > 0.0) || !(e.pMax > 0.0) || !std::isfinite(e.pMin + e.pMax))
    return "Die Drücke der Speicherrechnung (p_min, p_max) sind ungültig.";
  if (std::string m = SpeichervolumenAblehnung(v, lauf.ogip); !m.empty()) return m;
  if (auto m = LieferansatzWaehlen(lauf, e, a)) return *m;
  return "";
}

Speicherzustand::Speicherzustand(const Laufdaten& lauf, const PrognoseEingaben& e, const Lieferansatz& a,
                                 const Speichervolumen& v, Anlagengrenzen g)
    : m_lauf(lauf), m_e(e), m_a(a), m_v(v), m_g(g), m_hy(HallYarboroughKoeffizienten(lauf.temperatur, lauf.tca)) {}

Kennlinienpunkt Speicherzustand::Bei(double gp) const {
  Kennlinienpunkt p;
  p.gp = gp;
  p.fuellgrad = m_v.Fuellgrad(m_lauf.ogip, gp);
  p.inventar = m_v.Inventar(m_lauf.ogip, gp);
  p.pz = m_lauf.PZ(gp);
  p.pws = p.pz > 0.0 ? DruckAusPZ(m_hy, p.pz, m_lauf.pca) : std::nan("");
  Raten(p);
  return p;
}

Kennlinienpunkt Speicherzustand::BeiDruck(double gp, double pws, double pz) const {
  Kennlinienpunkt p;
  p.gp = gp;
  p.fuellgrad = m_v.Fuellgrad(m_lauf.ogip, gp);
  p.inventar = m_v.Inventar(m_lauf.ogip, gp);
  p.pz = pz;
  p.pws = pws > 0.0 ? pws : std::nan("");
  Raten(p);
  return p;
}

void Speicherzustand::Raten(Kennlinienpunkt& p) const {
  if (!std::isfinite(p.pws)) {
    p.pz = std::isfinite(p.pz) ? p.pz : 0.0;
    p.pws = 0.0;
    p.hinweis = Formatiere("Der Lagerstättendruck bei Gp = %.3f Mio m3 lässt sich nicht berechnen.", p.gp);
    return;
  }
  const double c = m_a.C(p.gp);
  p.qAus = LieferbareRate(c, m_a.n, p.pws * p.pws - m_lauf.b1 * m_e.pMin * m_e.pMin, m_lauf.nA1);
  p.qEin = LieferbareRate(c, m_a.n, m_lauf.b1 * m_e.pMax * m_e.pMax - p.pws * p.pws, m_lauf.nA1);
  if (m_g.qAus > 0.0 && p.qAus > m_g.qAus) {
    p.qAus = m_g.qAus;
    p.ausAnlage = true;
  }
  if (m_g.qEin > 0.0 && p.qEin > m_g.qEin) {
    p.qEin = m_g.qEin;
    p.einAnlage = true;
  }
  if (!(c > 0.0))
    p.hinweis = "Kein positiver C-Wert: es fließt nichts.";
  else if (!(p.qAus > 0.0))
    p.hinweis = Formatiere("Bei %.1f bar Lagerstättendruck liefert die Bohrung gegen p_min nichts.", p.pws);
  else if (!(p.qEin > 0.0))
    p.hinweis = Formatiere("Bei %.1f bar Lagerstättendruck nimmt die Bohrung bei p_max nichts auf.", p.pws);
}

const std::vector<Kennlinienpunkt>& Speicherkennlinien::Punkte(Kennlinienrichtung r) const {
  if (!MitAquifer()) return punkte;
  for (const Kennlinie& k : richtungen)
    if (k.richtung == r) return k.punkte;
  static const std::vector<Kennlinienpunkt> keine;
  return keine;
}

Speicherkennlinien KennlinienBerechnen(const Laufdaten& lauf0, const PrognoseEingaben& e, const Speichervolumen& v,
                                       double schritt, Anlagengrenzen g, const Speicheraquifer* aquifer) {
  Speicherkennlinien k;
  k.volumen = v;
  k.grenzen = g;
  k.eingaben = e;
  if (e.gasvorrat && (!(*e.gasvorrat > 0.0) || !std::isfinite(*e.gasvorrat) || !(lauf0.bgi > 0.0))) {
    k.meldung = "Der Gasvorrat der Speicherrechnung ist ungültig.";
    return k;
  }
  const Laufdaten lauf = e.gasvorrat ? lauf0.MitGasvorrat(*e.gasvorrat) : lauf0;
  k.meldung = SpeicherAblehnung(lauf, e, v, k.ansatz);
  if (k.meldung.empty()) k.meldung = SchrittAblehnung(schritt);
  if (k.meldung.empty() && (!(g.qEin >= 0.0) || !(g.qAus >= 0.0) || !std::isfinite(g.qEin + g.qAus)))
    k.meldung = "Die Grenzen der Speicheranlage sind ungültig.";
  if (aquifer) {
    k.aquifer = aquifer->modell.empty() ? std::string("Aquifer") : aquifer->modell;
    if (k.meldung.empty() && !aquifer->start)
      k.meldung = aquifer->meldung.empty() ? "Der Zustand des Aquifers lässt sich nicht berechnen." : aquifer->meldung;
  }
  if (!k.Gemacht()) return k;

  k.hinweise = SpeicherHinweise(lauf, v, e.pResMax, lauf.punkte.back().gp);
  const Speicherzustand zustand(lauf, e, k.ansatz, v, g);
  const int n = static_cast<int>(std::ceil(1.0 / schritt - 1e-9));
  std::vector<double> stufen;
  for (int i = 0; i <= n; ++i) stufen.push_back(i == n ? 1.0 : i * schritt);
  if (aquifer) {
    SaisonkurvenBerechnen(k, zustand, *aquifer->start, stufen, lauf.ogip);
    return k;
  }
  for (const double fuellgrad : stufen) {
    Kennlinienpunkt p = zustand.Bei(v.GpBeiFuellgrad(lauf.ogip, fuellgrad));
    p.fuellgrad = fuellgrad;
    k.punkte.push_back(std::move(p));
  }
  return k;
}

}  // namespace zelvor
