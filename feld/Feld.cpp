#include "feld/Feld.h"

#include <algorithm>

#include <sys/stat.h>

#include <cmath>

#include "calc/Prognose.h"
#include "calc/Gasvorratsabgleich.h"
#include "calc/Lieferfaehigkeit.h"
#include "calc/Parallel.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentAbgleich.h"
#include "doc/DokumentPrognose.h"
#include "doc/DokumentRueckgang.h"
#include "doc/DokumentSpeicher.h"
#include "doc/Dokumenttitel.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {
namespace {

std::optional<double> Endlich(double wert) {
  if (!std::isfinite(wert)) return std::nullopt;
  return wert;
}

// The line that ended the run, without its indentation.
std::string Abbruchgrund(const CZelvorDoc& doc) {
  for (const std::string& zeile : doc.m_Ergebnis) {
    if (zeile.find("ABBRUCH") == std::string::npos && zeile.find("ERROR") == std::string::npos) continue;
    const size_t anfang = zeile.find_first_not_of(' ');
    return anfang == std::string::npos ? zeile : zeile.substr(anfang);
  }
  return "Die Auswertung ist abgebrochen.";
}

// A production well's deliverability analysis and forecast.
void Vorhersagen(const CZelvorDoc& doc, Feldbohrung& b);

// A production well's decline fit: its EUR and its fitted rate from the last dated line to the limit (or
// the calendar's end). A well without dated lines has none and says nothing; one whose fit failed leaves
// the column empty.
void Abfallen(const CZelvorDoc& doc, Feldbohrung& b) {
  constexpr int SCHRITTE = 40;
  const Rueckgang r = DokumentRueckgang(doc);
  if (!r.Gemacht() || r.schonUnterGrenze) return;
  b.rueckgangEur = Endlich(r.eur.wert);
  b.rueckgangStart = r.letzterTag;
  const double tLetzte = JahreZwischen(r.start, r.letzterTag), npLetzte = r.kurve.Kumuliert(tLetzte);
  const double dauer = r.jahre.wert - tLetzte;
  if (!(dauer > 0) || !std::isfinite(dauer)) return;
  for (int i = 0; i <= SCHRITTE; ++i) {
    const double t = tLetzte + dauer * i / SCHRITTE;
    const double q = r.kurve.Rate(t);
    b.rueckgangVerlauf.push_back({t - tLetzte, r.gpLetzte + MioM3(r.kurve.Kumuliert(t) - npLetzte), q, q});
  }
}

// A storage well's capacity curves, when its working gas is set; why there are none in its remark.
void Kennlinien(const CZelvorDoc& doc, Feldbohrung& b) {
  if (!SpeicherHinweis(doc).empty()) return;  // a storage well without volumes: nothing to sum, as before
  Speicherkennlinien k = DokumentKennlinien(doc, FELDKENNLINIEN_SCHRITT);
  if (!k.Gemacht()) {
    b.bemerkung += (b.bemerkung.empty() ? "Speicherkennlinien: " : "; Speicherkennlinien: ") + k.meldung;
    return;
  }
  if (k.MitAquifer()) {
    // Both seasons' curves or none: a field sum with one direction missing would mislead.
    for (const Kennlinie& r : k.richtungen)
      if (!r.meldung.empty()) {
        b.bemerkung += (b.bemerkung.empty() ? "Speicherkennlinien: " : "; Speicherkennlinien: ") + r.meldung;
        return;
      }
    b.kennlinien = k.Punkte(Kennlinienrichtung::Einspeicherung);
    b.kennlinienAus = k.Punkte(Kennlinienrichtung::Ausspeicherung);
  } else {
    b.kennlinien = std::move(k.punkte);
  }
  b.volumen = k.volumen;
  b.brennwert = doc.m_Speicher.brennwert;
  auto modell = std::make_shared<Speichermodell>();
  modell->eingaben = PrognoseEingabenAus(doc.m_Lauf, doc.m_Prognose);
  modell->lauf = modell->eingaben.gasvorrat ? doc.m_Lauf.MitGasvorrat(*modell->eingaben.gasvorrat) : doc.m_Lauf;
  modell->volumen = k.volumen;
  modell->ansatz = k.ansatz;
  b.speichermodell = std::move(modell);
  // The same storage year the well's own view shows.
  b.speicherjahr = DokumentSpeicherjahr(doc);
  // Its start: the storage year's first day (the last line's date, or the one set).
  if (b.speicherjahr.Gemacht() && !b.speicherjahr.tage.empty()) {
    b.start = b.speicherjahr.tage.front().tag;
  } else {
    b.start = PrognoseStart(doc);
    b.bemerkung += (b.bemerkung.empty() ? "Speicherjahr: " : "; Speicherjahr: ") + b.speicherjahr.meldung;
  }
}

void Analysieren(const CZelvorDoc& doc, bool mitAbgleich, Feldbohrung& b) {
  const Laufdaten& lauf = doc.m_Lauf;
  b.ogip = Endlich(doc.m_OGIP);
  if (!lauf.punkte.empty()) b.gp = Endlich(lauf.punkte.back().gp);
  if (b.gp && b.ogip && *b.ogip > 0) b.anteil = *b.gp / *b.ogip;
  b.cMittel = Endlich(lauf.mittlererC);
  if (doc.m_Aquifer.Gesetzt()) b.aquifer = AquifermodellName(doc.m_Aquifer.modell);
  // A storage well has no production forecast to sum but its capacity by fill level; its match checks
  // the booked inventory.
  if (b.injektion) {
    Kennlinien(doc, b);
  } else {
    Vorhersagen(doc, b);
  }
  if (!mitAbgleich) return;
  const Gasvorratsabgleich a =
      GasvorratAbgleichen(lauf, AbgleichEingabenAus(lauf, doc.m_Prognose.modell == Prognosemodell::Gegendruck));
  if (a.Gemacht()) {
    b.gStern = Endlich(a.g);
  } else {
    // The G* column stays empty: the remark says why.
    b.bemerkung += (b.bemerkung.empty() ? "G*: " : "; G*: ") + a.meldung;
  }
}

void Vorhersagen(const CZelvorDoc& doc, Feldbohrung& b) {
  const Laufdaten& lauf = doc.m_Lauf;
  const Lieferfaehigkeit l = LieferfaehigkeitBerechnen(lauf);
  if (l.gegendruck.gueltig) b.n = Endlich(l.gegendruck.n);
  for (int modell : {MODELL_GEGENDRUCK, MODELL_C_WERT}) {
    if (!l.aofGueltig[modell][DRUCK_AKTUELL]) continue;
    b.aof = Endlich(l.aof[modell][DRUCK_AKTUELL]);
    break;
  }

  Abfallen(doc, b);
  const Foerderprognose p = PrognoseBerechnen(lauf, DokumentPrognoseEingaben(doc, doc.m_Prognose));
  if (!p.Gemacht()) {
    b.bemerkung = p.meldung;
  } else {
    b.qJetzt = Endlich(p.qMaxStart);
    b.restreserven = Endlich(p.Restreserven());
    b.jahre = Endlich(p.jahre);
    b.verlauf.reserve(p.zeilen.size());
    for (const Prognosezeile& z : p.zeilen) b.verlauf.push_back({z.jahre, z.gp, z.q, z.qMax});
    b.start = PrognoseStart(doc);
  }
}

}  // namespace

Feldbohrung BohrungBerechnen(const std::string& pfad, bool mitAbgleich) {
  Feldbohrung b;
  b.datei = pfad;
  b.name = Dokumenttitel(pfad);
  CZelvorDoc doc;
  const ZlvErgebnis r = ZlvDateiLaden(pfad, doc);
  if (r.status != ZlvStatus::Ok) {
    b.fehler = b.bemerkung = r.meldung;
    return b;
  }
  if (!doc.m_Gasbohrung.empty()) b.name = doc.m_Gasbohrung;
  b.injektion = doc.m_bInjektion != 0;
  // The variable C-value's line exists only when the run fits it, as zelvor-cli forecast does.
  doc.m_bVariablerC = doc.m_Prognose.modell == Prognosemodell::Variabel;
  if (!doc.Auswertung()) {
    b.fehler = b.bemerkung = Abbruchgrund(doc);
    return b;
  }
  Analysieren(doc, mitAbgleich, b);
  return b;
}

std::size_t Feldergebnis::Fehlgeschlagene() const {
  std::size_t n = 0;
  for (const Feldbohrung& b : bohrungen) n += b.Fehlgeschlagen() ? 1 : 0;
  return n;
}

std::vector<std::size_t> Feldergebnis::Liefernde() const {
  std::vector<std::size_t> indizes;
  for (std::size_t i = 0; i < bohrungen.size(); ++i)
    if (bohrungen[i].Liefert()) indizes.push_back(i);
  return indizes;
}

namespace {

// The row's numbers at `jahre` into the well's own forecast: Gp, the deliverable rate and what is left.
void WerteZurZeit(Feldbohrung& b, const Bohrungsverlauf& eigen, double jahre) {
  b.gp = GpZurZeit(eigen, jahre);
  if (b.ogip && *b.ogip > 0) b.anteil = *b.gp / *b.ogip;
  b.qJetzt = LieferbarZurZeit(eigen, jahre);
  b.restreserven = std::max(0.0, eigen.back().gp - *b.gp);
  b.jahre = std::max(0.0, eigen.back().jahre - jahre);
}

}  // namespace

std::optional<Tag> AufDenStandBringen(std::vector<Feldbohrung>& bohrungen) {
  std::optional<Tag> stand;
  for (const Feldbohrung& b : bohrungen)
    if (b.Liefert() && b.start && (!stand || *b.start > *stand)) stand = b.start;
  if (!stand) return std::nullopt;
  for (Feldbohrung& b : bohrungen) {
    if (!b.Liefert()) continue;
    if (!b.start) b.bemerkung = "Ohne Datum: die Prognose beginnt am Stand des Feldes " + DatumText(*stand) + ".";
    // The forecast's years are of 365 days.
    const double versatz = b.start ? static_cast<double>(*stand - *b.start) / 365.0 : 0.0;
    if (versatz <= 0) {
      WerteZurZeit(b, b.verlauf, 0.0);
      continue;
    }
    const Bohrungsverlauf alt = std::move(b.verlauf);
    Bohrungsverlauf neu;
    // The row tells the well at the Stand, not at its own last line.
    WerteZurZeit(b, alt, std::min(versatz, alt.back().jahre));
    if (versatz < alt.back().jahre) {
      neu.push_back({0.0, GpZurZeit(alt, versatz), RateZurZeit(alt, versatz), LieferbarZurZeit(alt, versatz)});
      for (const Verlaufspunkt& p : alt)
        if (p.jahre > versatz) neu.push_back({p.jahre - versatz, p.gp, p.q, p.qMax});
    } else {
      b.bemerkung = "Vor dem Stand des Feldes " + DatumText(*stand) + " aufgegeben.";
      b.qJetzt = 0.0;
      b.vorDemStandAufgegeben = true;
    }
    b.verlauf = std::move(neu);
  }
  return stand;
}

namespace {

// The course of the delivering wells; the wells abandoned before the Stand add their final Gp to the
// field's Gp at every time, as they hold it in the summary.
Feldverlauf Summiert(const std::vector<Feldbohrung>& bohrungen, const std::vector<double>* zeiten) {
  std::vector<const Bohrungsverlauf*> verlaeufe;
  double gpAufgegeben = 0;
  for (const Feldbohrung& b : bohrungen) {
    if (b.Liefert()) verlaeufe.push_back(&b.verlauf);
    if (b.vorDemStandAufgegeben && b.gp) gpAufgegeben += *b.gp;
  }
  Feldverlauf v = FeldverlaufBerechnen(verlaeufe, zeiten ? *zeiten : Zeitraster(LetzteAufgabe(verlaeufe)));
  for (double& gp : v.gp) gp += gpAufgegeben;
  return v;
}

// The field's course from its production wells, at round times up to the last abandonment.
void VerlaufSummieren(Feldergebnis& f) { f.verlauf = Summiert(f.bohrungen, nullptr); }

}  // namespace

Feldverlauf FeldverlaufDer(const std::vector<Feldbohrung>& bohrungen, const std::vector<double>& zeiten) {
  return Summiert(bohrungen, &zeiten);
}

Feldkennlinien FeldkennlinienDer(const std::vector<Feldbohrung>& bohrungen) {
  Feldkennlinien k;
  for (const Feldbohrung& b : bohrungen)
    if (b.Speichert()) {
      if (b.kennlinienAus.empty())
        k.Hinzufuegen(b.kennlinien, b.volumen, b.brennwert);
      else
        k.Hinzufuegen(b.kennlinien, b.kennlinienAus, b.volumen, b.brennwert);
    }
  return k;
}

Standortspeicherjahr StandortspeicherjahrDer(const std::vector<Feldbohrung>& bohrungen,
                                             const EuIndikatorEinstellungen& eu) {
  std::vector<const Speicherjahr*> jahre;
  for (const Feldbohrung& b : bohrungen)
    if (b.Speichert() && b.speicherjahr.Gemacht()) jahre.push_back(&b.speicherjahr);
  if (jahre.empty()) return {};
  return StandortspeicherjahrBerechnen(jahre, eu);
}

void SpeicherstandSetzen(std::vector<Feldbohrung>& bohrungen, std::optional<Tag> stand) {
  for (Feldbohrung& b : bohrungen) {
    if (!b.Speichert() || !b.speichermodell) continue;
    const std::vector<Speichertag>& tage = b.speicherjahr.tage;
    std::optional<double> gp = b.gp;
    b.speichertag.reset();
    if (b.speicherjahr.Gemacht() && !tage.empty()) {
      const bool deckt = stand && *stand >= tage.front().tag && *stand <= tage.back().tag;
      const Speichertag& d = deckt ? tage[static_cast<std::size_t>(*stand - tage.front().tag)] : tage.front();
      gp = d.gp;
      b.speichertag = d.tag;
      // Which morning the row shows, where it is not the field's Stand.
      if (!deckt)
        b.bemerkung += (b.bemerkung.empty() ? "" : "; ") + std::string("Füllstand am ") + DatumText(d.tag) +
                       (stand ? ": das Speicherjahr deckt den Stand des Feldes " + DatumText(*stand) + " nicht"
                              : ", dem Beginn des Speicherjahres");
    }
    if (!gp) continue;
    Kennlinienpunkt z = b.speichermodell->Bei(*gp);
    // With an aquifer the pressure, hence the capacities, is the storage year's of that morning.
    if (!b.speicherjahr.aquifer.empty() && b.speichertag) {
      const Speichertag& d = tage[static_cast<std::size_t>(*b.speichertag - tage.front().tag)];
      z.qAus = d.qAus;
      z.qEin = d.qEin;
    }
    b.fuellgrad = Endlich(z.fuellgrad);
    b.qJetzt = Endlich(z.qAus);
    b.qEin = Endlich(z.qEin);
  }
}

Feldergebnis FeldBerechnen(const std::vector<std::string>& pfade, unsigned threads, bool mitAbgleich,
                           const std::atomic<bool>* abbrechen,
                           const std::function<void(std::size_t)>& fortschritt) {
  Feldergebnis f;
  std::vector<Feldbohrung> bohrungen(pfade.size());
  std::vector<char> berechnet(pfade.size(), 0);
  ParallelAusfuehren(
      pfade.size(), threads,
      [&](std::size_t i) {
        bohrungen[i] = BohrungBerechnen(pfade[i], mitAbgleich);
        berechnet[i] = 1;
      },
      abbrechen, fortschritt);
  for (std::size_t i = 0; i < bohrungen.size(); ++i) {
    if (berechnet[i]) {
      f.bohrungen.push_back(std::move(bohrungen[i]));
    } else {
      f.abgebrochen = true;
    }
  }
  f.stand = AufDenStandBringen(f.bohrungen);
  SpeicherstandSetzen(f.bohrungen, f.stand);
  VerlaufSummieren(f);
  f.rueckgang = FeldrueckgangBerechnen(f.bohrungen, f.stand);
  f.kennlinien = FeldkennlinienDer(f.bohrungen);
  f.speicherjahr = StandortspeicherjahrDer(f.bohrungen);
  return f;
}

Feldergebnis OhneBohrungen(const Feldergebnis& f, const std::vector<std::size_t>& indizes) {
  Feldergebnis ohne;
  ohne.abgebrochen = f.abgebrochen;
  // The wells stay on the field's Stand they were brought to.
  ohne.stand = f.stand;
  for (std::size_t i = 0; i < f.bohrungen.size(); ++i)
    if (std::find(indizes.begin(), indizes.end(), i) == indizes.end()) ohne.bohrungen.push_back(f.bohrungen[i]);
  VerlaufSummieren(ohne);
  ohne.rueckgang = FeldrueckgangBerechnen(ohne.bohrungen, f.rueckgang.stand);
  ohne.kennlinien = FeldkennlinienDer(ohne.bohrungen);
  ohne.speicherjahr = StandortspeicherjahrDer(ohne.bohrungen, f.speicherjahr.eu);
  return ohne;
}

}  // namespace zelvor
