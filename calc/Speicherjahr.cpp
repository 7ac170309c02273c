#include "calc/Speicherjahr.h"

#include <algorithm>
#include <cmath>

#include "calc/Speicherpruefung.h"

namespace zelvor {
namespace {

constexpr double MIO_M3_JE_M3H_TAG = 24.0 / 1e6;  // a rate of 1 m3/h for a day, in Mio m3
constexpr int MAX_TAGE = 3660;                    // ten years
constexpr double NAEHE = 1e-9;                    // of a fill level counted as reached

int Schluessel(Jahrestag t) { return 100 * t.monat + t.tag; }

bool JahrestagGueltig(Jahrestag t) { return TagAusDatum(2000, t.monat, t.tag).has_value(); }  // 29.2. included

std::string EingabenAblehnung(const SpeicherjahrEingaben& j) {
  if (!TagImBereich(j.start) || j.tage < 1 || j.tage > MAX_TAGE || !TagImBereich(j.start + j.tage))
    return "Der Zeitraum des Speicherjahres liegt nicht zwischen 1900 und 2199.";
  if (!std::isfinite(j.gpStart)) return "Der Füllstand zu Beginn des Speicherjahres ist unbekannt.";
  if (!(j.qEinPlan >= 0.0) || !(j.qAusPlan >= 0.0) || !std::isfinite(j.qEinPlan + j.qAusPlan))
    return "Die geplanten Raten des Speicherjahres sind ungültig.";
  for (Jahrestag t : {j.einBeginn, j.einEnde, j.ausBeginn, j.ausEnde})
    if (!JahrestagGueltig(t)) return "Ein Tag der Ein- oder Ausspeisesaison ist kein Datum.";
  for (const Fuellziel& z : j.ziele)
    if (!JahrestagGueltig(z.tag) || !(z.fuellgrad >= 0.0) || !(z.fuellgrad <= 1.0))
      return "Ein Füllziel hat keinen gültigen Tag oder Füllstand zwischen 0 und 100 %.";
  if (!(j.grenzen.qEin >= 0.0) || !(j.grenzen.qAus >= 0.0) || !std::isfinite(j.grenzen.qEin + j.grenzen.qAus))
    return "Die Grenzen der Speicheranlage sind ungültig.";
  return "";
}

// The day `ziel` falls on first at or after `von`, when that lies before `bis`.
std::optional<Tag> NaechsterTag(Tag von, Tag bis, Jahrestag ziel) {
  const Kalenderdatum d = DatumAusTag(von);
  for (int jahr = d.jahr; jahr <= d.jahr + MAX_TAGE / 365 + 1; ++jahr) {
    int tag = ziel.tag;
    if (ziel.monat == 2 && tag == 29 && !TagAusDatum(jahr, 2, 29)) tag = 28;
    const std::optional<Tag> t = TagAusDatum(jahr, ziel.monat, tag);
    if (!t || *t < von) continue;
    if (*t > bis) return std::nullopt;
    return t;
  }
  return std::nullopt;
}

// One day from the morning z: the Gp of the next morning, with the planned rate q_plan capped by what the
// well can and by the storage's bounds.
double Tagesschritt(const Kennlinienpunkt& z, Speicherphase phase, double qPlan, double gpVoll, double gpLeer,
                    double& q) {
  q = 0;
  if (phase == Speicherphase::Einspeisen && z.gp > gpVoll) {
    const double rate = qPlan > 0.0 ? std::min(qPlan, z.qEin) : z.qEin;
    const double gp = std::max(gpVoll, z.gp - rate * MIO_M3_JE_M3H_TAG);
    q = (z.gp - gp) / MIO_M3_JE_M3H_TAG;
    return gp;
  }
  if (phase == Speicherphase::Ausspeisen && z.gp < gpLeer) {
    const double rate = qPlan > 0.0 ? std::min(qPlan, z.qAus) : z.qAus;
    const double gp = std::min(gpLeer, z.gp + rate * MIO_M3_JE_M3H_TAG);
    q = -(gp - z.gp) / MIO_M3_JE_M3H_TAG;
    return gp;
  }
  return z.gp;
}

// A target on its day, before it is checked.
struct Stichtag {
  Fuellziel ziel;
  Tag datum = 0;
  bool gesetzlich = false;
  std::string quelle, anlage;
};

std::vector<Stichtag> Stichtage(const SpeicherjahrEingaben& j, Tag ende) {
  std::vector<Stichtag> tage;
  if (j.gesetzlich) {
    for (GesetzlichesZiel& g : GesetzlicheZiele(j.start, ende, j.anlage)) {
      const Kalenderdatum k = DatumAusTag(g.datum);
      tage.push_back({{{k.monat, k.tag}, g.fuellgrad}, g.datum, true, std::move(g.quelle), std::move(g.anlage)});
    }
    return tage;
  }
  for (const Fuellziel& ziel : j.ziele)
    if (const std::optional<Tag> datum = NaechsterTag(j.start, ende, ziel.tag))
      tage.push_back({ziel, *datum, false, "eigenes Ziel", {}});
  return tage;
}

// The level on the morning of `bis` when the storage injects at full capacity every day from the
// morning of `von` at gp.
double VollEinspeichern(const Speicherzustand& zustand, double gp, Tag von, Tag bis, double gpVoll, double gpLeer) {
  for (Tag t = von; t < bis; ++t) {
    double q = 0;
    const double weiter = Tagesschritt(zustand.Bei(gp), Speicherphase::Einspeisen, 0.0, gpVoll, gpLeer, q);
    if (!(q > 0.0)) break;
    gp = weiter;
  }
  return zustand.Bei(gp).fuellgrad;
}

}  // namespace

std::vector<Fuellziel> StandardFuellziele() { return {{{10, 1}, 0.8}, {{11, 1}, 0.9}, {{2, 1}, 0.3}}; }

bool ImZeitraum(Tag t, Jahrestag von, Jahrestag bis) {
  const Kalenderdatum d = DatumAusTag(t);
  const int k = Schluessel({d.monat, d.tag});
  return Schluessel(von) <= Schluessel(bis) ? Schluessel(von) <= k && k <= Schluessel(bis)
                                            : k >= Schluessel(von) || k <= Schluessel(bis);
}

bool Speicherjahr::AlleZieleErfuellt() const {
  return std::all_of(ziele.begin(), ziele.end(), [](const Zielergebnis& z) { return z.erfuellt; });
}

Speicherjahr SpeicherjahrBerechnen(const Laufdaten& lauf0, const PrognoseEingaben& e, const Speichervolumen& v,
                                   const SpeicherjahrEingaben& j) {
  Speicherjahr s;
  s.eingaben = j;
  s.volumen = v;
  if (e.gasvorrat && (!(*e.gasvorrat > 0.0) || !std::isfinite(*e.gasvorrat) || !(lauf0.bgi > 0.0))) {
    s.meldung = "Der Gasvorrat der Speicherrechnung ist ungültig.";
    return s;
  }
  const Laufdaten lauf = e.gasvorrat ? lauf0.MitGasvorrat(*e.gasvorrat) : lauf0;
  Lieferansatz ansatz;
  s.meldung = SpeicherAblehnung(lauf, e, v, ansatz);
  if (s.meldung.empty()) s.meldung = EingabenAblehnung(j);
  if (!s.Gemacht()) return s;

  s.hinweise = SpeicherHinweise(lauf, v, e.pResMax, j.gpStart);
  const Speicherzustand zustand(lauf, e, ansatz, v, j.grenzen);
  const double gpVoll = v.GpBeiFuellgrad(lauf.ogip, 1.0), gpLeer = v.GpBeiFuellgrad(lauf.ogip, 0.0);
  const auto phase = [&j](Tag t) {
    if (ImZeitraum(t, j.einBeginn, j.einEnde)) return Speicherphase::Einspeisen;
    if (ImZeitraum(t, j.ausBeginn, j.ausEnde)) return Speicherphase::Ausspeisen;
    return Speicherphase::Ruhe;
  };
  const auto morgen = [&](Tag t, const Kennlinienpunkt& z, Speicherphase ph) {
    Speichertag d;
    d.tag = t;
    d.phase = ph;
    d.fuellgrad = z.fuellgrad;
    d.inventar = z.inventar;
    d.gp = z.gp;
    d.pws = z.pws;
    d.qMoeglich = ph == Speicherphase::Einspeisen ? z.qEin : ph == Speicherphase::Ausspeisen ? z.qAus : 0.0;
    d.qEin = z.qEin;
    d.qAus = z.qAus;
    d.einAnlage = z.einAnlage;
    d.ausAnlage = z.ausAnlage;
    return d;
  };

  s.tage.reserve(static_cast<std::size_t>(j.tage) + 1);
  double gp = j.gpStart;
  for (int i = 0; i <= j.tage; ++i) {
    const Tag t = j.start + i;
    const Kennlinienpunkt z = zustand.Bei(gp);
    const Speicherphase ph = i < j.tage ? phase(t) : Speicherphase::Ruhe;
    Speichertag d = morgen(t, z, ph);
    gp = Tagesschritt(z, ph, ph == Speicherphase::Einspeisen ? j.qEinPlan : j.qAusPlan, gpVoll, gpLeer, d.q);
    s.tage.push_back(d);
  }

  const Tag ende = j.start + j.tage;
  for (const Stichtag& st : Stichtage(j, ende)) {
    const Fuellziel& ziel = st.ziel;
    const std::optional<Tag> datum = st.datum;
    Zielergebnis r;
    r.ziel = ziel;
    r.gesetzlich = st.gesetzlich;
    r.quelle = st.quelle;
    r.anlage = st.anlage;
    r.datum = *datum;
    r.erreicht = s.tage[static_cast<std::size_t>(*datum - j.start)].fuellgrad;
    r.erfuellt = r.erreicht >= ziel.fuellgrad - NAEHE;
    r.einspeicherziel = ImZeitraum(*datum - 1, j.einBeginn, j.einEnde);
    if (r.einspeicherziel) {
      for (const Speichertag& d : s.tage)
        if (d.fuellgrad >= ziel.fuellgrad - NAEHE) {
          r.erreichtAm = d.tag;
          break;
        }
      // The season's first morning before the target (or the year's first), then full capacity.
      Tag beginn = *datum - 1;
      while (beginn > j.start && ImZeitraum(beginn - 1, j.einBeginn, j.einEnde)) --beginn;
      double g = s.tage[static_cast<std::size_t>(beginn - j.start)].gp;
      int noetig = 0;
      while (noetig <= *datum - beginn) {
        const Kennlinienpunkt z = zustand.Bei(g);
        if (z.fuellgrad >= ziel.fuellgrad - NAEHE) break;
        double q = 0;
        const double weiter = Tagesschritt(z, Speicherphase::Einspeisen, 0.0, gpVoll, gpLeer, q);
        ++noetig;
        if (!(q > 0.0)) {
          noetig = *datum - beginn + 1;  // the well takes nothing more: never reached
          break;
        }
        g = weiter;
      }
      // A storage already at the target needs no start date: advising one would ask to inject into it.
      if (noetig == 0)
        r.ohneEinspeisen = true;
      else if (noetig <= *datum - beginn)
        r.spaetesterBeginn = *datum - noetig;
    }
    s.ziele.push_back(r);
  }
  std::sort(s.ziele.begin(), s.ziele.end(), [](const Zielergebnis& a, const Zielergebnis& b) { return a.datum < b.datum; });

  if (j.gesetzlich) {
    s.ohneVorgaben = OhneDeutscheVorgaben(j.start, ende);
    // The last morning alone (nothing flows on it) is no stretch worth a sentence.
    if (!s.ohneVorgaben.empty() && s.ohneVorgaben.back().von == ende) s.ohneVorgaben.pop_back();
    for (const Tag august : NachweisTage(j.start, ende)) {
      Augustnachweis n;
      n.datum = august;
      const double gpAugust = s.tage[static_cast<std::size_t>(august - j.start)].gp;
      n.fuellgrad = s.tage[static_cast<std::size_t>(august - j.start)].fuellgrad;
      const int jahr = DatumAusTag(august).jahr;
      for (const Zielergebnis& z : s.ziele) {
        if (z.datum <= august || DatumAusTag(z.datum).jahr != jahr) continue;
        const double erreichbar = VollEinspeichern(zustand, gpAugust, august, z.datum, gpVoll, gpLeer);
        n.folgeziele.push_back({z.datum, z.ziel.fuellgrad, erreichbar, erreichbar >= z.ziel.fuellgrad - NAEHE, z.quelle});
      }
      s.nachweise.push_back(std::move(n));
    }
  }
  return s;
}

}  // namespace zelvor
