#include "calc/Speicherjahr.h"

#include <algorithm>
#include <cmath>

#include "calc/Format.h"
#include "calc/Speicherlauf.h"
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
// morning `l` of `von`.
double VollEinspeichern(Speicherlauf l, Tag von, Tag bis, double gpVoll, double gpLeer) {
  for (Tag t = von; t < bis; ++t) {
    double q = 0;
    const double weiter = Tagesschritt(l.Morgen(), Speicherphase::Einspeisen, 0.0, gpVoll, gpLeer, q);
    if (!(q > 0.0) || !l.Weiter(weiter)) break;
  }
  return l.Morgen().fuellgrad;
}

// The season's first morning before an injection target on `datum` (or the year's first: a target on
// the first morning itself has no earlier morning within the year).
Tag Saisonbeginn(Tag datum, const SpeicherjahrEingaben& j) {
  Tag beginn = datum - 1;
  while (beginn > j.start && ImZeitraum(beginn - 1, j.einBeginn, j.einEnde)) --beginn;
  return std::max(beginn, j.start);
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
                                   const SpeicherjahrEingaben& j, const Speicheraquifer* aquifer) {
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
  if (aquifer) {
    s.aquifer = aquifer->modell.empty() ? std::string("Aquifer") : aquifer->modell;
    if (s.meldung.empty() && !aquifer->start)
      s.meldung = aquifer->meldung.empty() ? "Der Zustand des Aquifers lässt sich nicht berechnen." : aquifer->meldung;
  }
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

  const Tag ende = j.start + j.tage;
  const std::vector<Stichtag> stichtage = Stichtage(j, ende);
  const std::vector<Tag> augusttage = j.gesetzlich ? NachweisTage(j.start, ende) : std::vector<Tag>{};
  // The mornings from which the storage injects at full capacity on trial, kept as the year passes them.
  std::vector<std::pair<Tag, std::optional<Speicherlauf>>> merken;
  for (const Stichtag& st : stichtage)
    if (ImZeitraum(st.datum - 1, j.einBeginn, j.einEnde)) merken.emplace_back(Saisonbeginn(st.datum, j), std::nullopt);
  for (const Tag august : augusttage) merken.emplace_back(august, std::nullopt);
  const auto gemerkt = [&merken](Tag t) -> const Speicherlauf& {
    for (const auto& [tag, l] : merken)
      if (tag == t) return *l;
    return *merken.front().second;  // every morning asked for was kept
  };

  s.tage.reserve(static_cast<std::size_t>(j.tage) + 1);
  Speicherlauf verlauf(zustand, j.gpStart, aquifer ? &*aquifer->start : nullptr);
  for (int i = 0; i <= j.tage; ++i) {
    const Tag t = j.start + i;
    const Kennlinienpunkt z = verlauf.Morgen();
    for (auto& [tag, l] : merken)
      if (tag == t) l = verlauf;
    const Speicherphase ph = i < j.tage ? phase(t) : Speicherphase::Ruhe;
    Speichertag d = morgen(t, z, ph);
    const double gp = Tagesschritt(z, ph, ph == Speicherphase::Einspeisen ? j.qEinPlan : j.qAusPlan, gpVoll, gpLeer, d.q);
    s.tage.push_back(d);
    if (i < j.tage && !verlauf.Weiter(gp)) {
      s.meldung = Formatiere("Am %s hat die Materialbilanz mit dem Aquifer bei Gp = %.3f Mio m3 keine Lösung.",
                             DatumText(t + 1).c_str(), gp);
      s.tage.clear();
      return s;
    }
  }

  for (const Stichtag& st : stichtage) {
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
      const Tag beginn = Saisonbeginn(*datum, j);
      Speicherlauf l = gemerkt(beginn);
      int noetig = 0;
      while (noetig <= *datum - beginn) {
        const Kennlinienpunkt z = l.Morgen();
        if (z.fuellgrad >= ziel.fuellgrad - NAEHE) break;
        double q = 0;
        const double weiter = Tagesschritt(z, Speicherphase::Einspeisen, 0.0, gpVoll, gpLeer, q);
        ++noetig;
        if (!(q > 0.0) || !l.Weiter(weiter)) {
          noetig = *datum - beginn + 1;  // the well takes nothing more: never reached
          break;
        }
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
    for (const Tag august : augusttage) {
      Augustnachweis n;
      n.datum = august;
      n.fuellgrad = s.tage[static_cast<std::size_t>(august - j.start)].fuellgrad;
      const int jahr = DatumAusTag(august).jahr;
      for (const Zielergebnis& z : s.ziele) {
        if (z.datum <= august || DatumAusTag(z.datum).jahr != jahr) continue;
        const double erreichbar = VollEinspeichern(gemerkt(august), august, z.datum, gpVoll, gpLeer);
        n.folgeziele.push_back({z.datum, z.ziel.fuellgrad, erreichbar, erreichbar >= z.ziel.fuellgrad - NAEHE, z.quelle});
      }
      s.nachweise.push_back(std::move(n));
    }
  }
  return s;
}

}  // namespace zelvor
