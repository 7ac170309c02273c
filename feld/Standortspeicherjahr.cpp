#include "feld/Standortspeicherjahr.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace zelvor {
namespace {

constexpr double NAEHE = 1e-9;  // of a fill level counted as reached, as the well's storage year counts it

struct Zielsumme {
  double gewichtet = 0, arbeitsgas = 0;
  std::size_t bohrungen = 0;
};

// The site's target days from the wells' checked targets: each level weighted by the well's working gas.
std::vector<Standortziel> Ziele(const std::vector<const Speicherjahr*>& jahre, const Standortspeicherjahr& s) {
  const Tag von = s.tage.front().tag, bis = s.tage.back().tag;
  std::map<Tag, Zielsumme> summen;
  for (const Speicherjahr* j : jahre)
    for (const Zielergebnis& z : j->ziele) {
      if (z.datum < von || z.datum > bis) continue;
      Zielsumme& summe = summen[z.datum];
      summe.gewichtet += z.ziel.fuellgrad * j->volumen.arbeitsgas;
      summe.arbeitsgas += j->volumen.arbeitsgas;
      ++summe.bohrungen;
    }
  std::vector<Standortziel> ziele;
  for (const auto& [datum, summe] : summen) {
    Standortziel z;
    z.datum = datum;
    z.ziel = summe.gewichtet / summe.arbeitsgas;
    z.erreicht = s.tage[static_cast<std::size_t>(datum - von)].fuellgrad;
    z.erfuellt = z.erreicht >= z.ziel - NAEHE;
    z.bohrungen = summe.bohrungen;
    ziele.push_back(z);
  }
  return ziele;
}

// The window of each calendar year the site's days touch.
std::vector<EuIndikator> EuFenster(const Standortspeicherjahr& s) {
  std::vector<EuIndikator> fenster;
  const Tag anfang = s.tage.front().tag, ende = s.tage.back().tag;
  const bool ueberNeujahr = 100 * s.eu.von.monat + s.eu.von.tag > 100 * s.eu.bis.monat + s.eu.bis.tag;
  for (int jahr = DatumAusTag(anfang).jahr - 1; jahr <= DatumAusTag(ende).jahr; ++jahr) {
    const std::optional<Tag> a = TagAusDatum(jahr, s.eu.von.monat, s.eu.von.tag);
    const std::optional<Tag> b = TagAusDatum(ueberNeujahr ? jahr + 1 : jahr, s.eu.bis.monat, s.eu.bis.tag);
    if (!a || !b || *b < anfang || *a > ende) continue;
    EuIndikator f;
    f.von = std::max(*a, anfang);
    f.bis = std::min(*b, ende);
    f.vollstaendig = f.von == *a && f.bis == *b;
    f.hoechster = -1e300;
    for (Tag t = f.von; t <= f.bis; ++t) {
      const double grad = s.tage[static_cast<std::size_t>(t - anfang)].fuellgrad;
      if (grad > f.hoechster) {
        f.hoechster = grad;
        f.hoechsterAm = t;
      }
      if (!f.erreichtAm && grad >= s.eu.Schwelle() - NAEHE) f.erreichtAm = t;
    }
    f.erfuellt = f.erreichtAm.has_value();
    fenster.push_back(f);
  }
  return fenster;
}

}  // namespace

std::string EuIndikatorAblehnung(const EuIndikatorEinstellungen& e) {
  if (!(e.ziel > 0.0) || !(e.ziel <= 100.0)) return "Das EU-Füllziel muss über 0 und höchstens 100 % liegen.";
  if (!(e.abweichung >= 0.0) || !(e.abweichung <= EU_MAX_ABWEICHUNG))
    return "Die zulässige Abweichung vom EU-Füllziel muss zwischen 0 und 15 Prozentpunkten liegen.";
  if (!(e.abweichung < e.ziel)) return "Die zulässige Abweichung ist nicht kleiner als das EU-Füllziel.";
  for (Jahrestag t : {e.von, e.bis})
    if (!TagAusDatum(2001, t.monat, t.tag)) return "Ein Tag des EU-Zeitfensters ist kein Datum (oder der 29.02.).";
  return "";
}

Standortspeicherjahr StandortspeicherjahrBerechnen(const std::vector<const Speicherjahr*>& jahre,
                                                   const EuIndikatorEinstellungen& eu) {
  Standortspeicherjahr s;
  s.eu = eu;
  std::vector<const Speicherjahr*> gemacht;
  for (const Speicherjahr* j : jahre)
    if (j && j->Gemacht() && !j->tage.empty() && j->volumen.arbeitsgas > 0.0) gemacht.push_back(j);
  if (gemacht.empty()) {
    s.meldung = "Keine Speicherbohrung hat ein Speicherjahr.";
    return s;
  }
  s.bohrungen = gemacht.size();
  s.meldung = EuIndikatorAblehnung(eu);
  if (!s.Gemacht()) return s;
  // The days all storage years cover: a site's level with a well missing would jump where it starts.
  Tag von = gemacht.front()->tage.front().tag, bis = gemacht.front()->tage.back().tag;
  for (const Speicherjahr* j : gemacht) {
    von = std::max(von, j->tage.front().tag);
    bis = std::min(bis, j->tage.back().tag);
  }
  if (von > bis) {
    s.meldung = "Die Speicherjahre der Bohrungen haben keinen Tag gemeinsam.";
    return s;
  }
  s.tage.resize(static_cast<std::size_t>(bis - von) + 1);
  for (std::size_t i = 0; i < s.tage.size(); ++i) s.tage[i].tag = von + static_cast<Tag>(i);
  for (const Speicherjahr* j : gemacht) {
    s.arbeitsgas += j->volumen.arbeitsgas;
    s.kissengas += j->volumen.kissengas;
    // The days of a storage year follow each other, one a morning.
    const std::size_t versatz = static_cast<std::size_t>(von - j->tage.front().tag);
    for (std::size_t i = 0; i < s.tage.size(); ++i) {
      const Speichertag& d = j->tage[versatz + i];
      Standorttag& t = s.tage[i];
      t.inventar += d.inventar;
      t.gasImSpeicher += d.fuellgrad * j->volumen.arbeitsgas;
      if (d.q > 0) t.einspeisung += d.q;
      if (d.q < 0) t.ausspeisung -= d.q;
    }
  }
  for (Standorttag& t : s.tage) t.fuellgrad = t.gasImSpeicher / s.arbeitsgas;
  s.ziele = Ziele(gemacht, s);
  s.euFenster = EuFenster(s);
  return s;
}

}  // namespace zelvor
