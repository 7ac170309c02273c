#include "calc/Speicherkennlinien.h"

#include <cmath>

#include "calc/DruckAusPZ.h"
#include "calc/Format.h"
#include "calc/Speicherpruefung.h"

namespace zelvor {
namespace {

constexpr double SCHRITT_MIN = 0.001;  // 0.1 %: at most 1001 fill levels

std::string SchrittAblehnung(double schritt) {
  if (!(schritt >= SCHRITT_MIN) || !(schritt <= 1.0)) return "Die Schrittweite muss zwischen 0.1 und 100 % liegen.";
  return "";
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
  if (!std::isfinite(p.pws)) {
    p.pz = std::isfinite(p.pz) ? p.pz : 0.0;
    p.pws = 0.0;
    p.hinweis = Formatiere("Der Lagerstättendruck bei Gp = %.3f Mio m3 lässt sich nicht berechnen.", gp);
    return p;
  }
  const double c = m_a.C(gp);
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
  return p;
}

Speicherkennlinien KennlinienBerechnen(const Laufdaten& lauf0, const PrognoseEingaben& e, const Speichervolumen& v,
                                       double schritt, Anlagengrenzen g) {
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
  if (!k.Gemacht()) return k;

  k.hinweise = SpeicherHinweise(lauf, v, e.pResMax, lauf.punkte.back().gp);
  const Speicherzustand zustand(lauf, e, k.ansatz, v, g);
  const int n = static_cast<int>(std::ceil(1.0 / schritt - 1e-9));
  for (int i = 0; i <= n; ++i) {
    const double fuellgrad = i == n ? 1.0 : i * schritt;
    Kennlinienpunkt p = zustand.Bei(v.GpBeiFuellgrad(lauf.ogip, fuellgrad));
    p.fuellgrad = fuellgrad;
    k.punkte.push_back(std::move(p));
  }
  return k;
}

}  // namespace zelvor
