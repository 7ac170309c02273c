#include "doc/Prognoseeinstellungen.h"

#include <cmath>
#include <span>
#include <utility>

#include "calc/Format.h"
#include "doc/Eingabepruefung.h"

namespace zelvor {
namespace {


bool ImBereich(float w, double min, double max) { return std::isfinite(w) && w >= min && w <= max; }

// A plateau at or below the abandonment rate would end the well's life at once.
constexpr const char* PLATEAU_MELDUNG = "Die Plateaurate muss 0 oder größer als die Aufgaberate sein.";

// The first problem and the field that holds it.
std::optional<Prognosefehler> Pruefen(const Prognoseeinstellungen& e) {
  const auto fehler = [](Prognosefeld feld, std::string meldung) {
    return std::optional<Prognosefehler>(Prognosefehler{feld, std::move(meldung)});
  };
  if (!ImBereich(e.pMin, PROGNOSE_PMIN_MIN, PROGNOSE_PMIN_MAX))
    return fehler(Prognosefeld::Pmin, Formatiere("Der minimale Kopffließdruck liegt außerhalb von %s bis %s bar.",
                                                 ZahlOhneExponent(PROGNOSE_PMIN_MIN).c_str(), ZahlOhneExponent(PROGNOSE_PMIN_MAX).c_str()));
  if (!ImBereich(e.qPlan, 0, PROGNOSE_RATE_MAX))
    return fehler(Prognosefeld::QPlan,
                  Formatiere("Die Plateaurate liegt außerhalb von 0 bis %s m3/h.", ZahlOhneExponent(PROGNOSE_RATE_MAX).c_str()));
  if (!ImBereich(e.qEnde, PROGNOSE_QENDE_MIN, PROGNOSE_RATE_MAX))
    return fehler(Prognosefeld::QEnde, Formatiere("Die Aufgaberate liegt außerhalb von %s bis %s m3/h.",
                                                  ZahlOhneExponent(PROGNOSE_QENDE_MIN).c_str(), ZahlOhneExponent(PROGNOSE_RATE_MAX).c_str()));
  const auto modell = static_cast<std::int32_t>(e.modell);
  if (modell < 0 || modell >= PROGNOSEMODELL_ANZAHL) return fehler(Prognosefeld::Modell, "Das C-Modell ist unbekannt.");
  if (e.schritte < PROGNOSE_SCHRITTE_MIN || e.schritte > PROGNOSE_SCHRITTE_MAX)
    return fehler(Prognosefeld::Schritte, Formatiere("Die Schrittzahl liegt außerhalb von %d bis %d.",
                                                     PROGNOSE_SCHRITTE_MIN, PROGNOSE_SCHRITTE_MAX));
  if (e.qPlan != 0.0f && e.qPlan <= e.qEnde) return fehler(Prognosefeld::QPlan, PLATEAU_MELDUNG);
  if (!ImBereich(e.pMax, 0, PROGNOSE_DRUCK_MAX))
    return fehler(Prognosefeld::Pmax, Formatiere("Der maximale Kopfinjektionsdruck liegt außerhalb von 0 bis %s bar.",
                                                 ZahlOhneExponent(PROGNOSE_DRUCK_MAX).c_str()));
  if (!ImBereich(e.qInjektion, 0, PROGNOSE_RATE_MAX))
    return fehler(Prognosefeld::QInjektion,
                  Formatiere("Die geplante Injektionsrate liegt außerhalb von 0 bis %s m3/h.", ZahlOhneExponent(PROGNOSE_RATE_MAX).c_str()));
  if (!ImBereich(e.qMindest, PROGNOSE_QENDE_MIN, PROGNOSE_RATE_MAX))
    return fehler(Prognosefeld::QMindest, Formatiere("Die Mindestrate der Injektion liegt außerhalb von %s bis %s m3/h.",
                                                     ZahlOhneExponent(PROGNOSE_QENDE_MIN).c_str(), ZahlOhneExponent(PROGNOSE_RATE_MAX).c_str()));
  if (!ImBereich(e.pResMax, 0, PROGNOSE_DRUCK_MAX))
    return fehler(Prognosefeld::PresMax, Formatiere("Der maximale Lagerstättendruck liegt außerhalb von 0 bis %s bar.",
                                                    ZahlOhneExponent(PROGNOSE_DRUCK_MAX).c_str()));
  if (e.qInjektion != 0.0f && e.qInjektion <= e.qMindest)
    return fehler(Prognosefeld::QInjektion, "Die geplante Injektionsrate muss 0 oder größer als die Mindestrate sein.");
  return std::nullopt;
}

}  // namespace

// A number as FloatLesen reads it; one that only fails for its decimal comma is told what to write.
// Every number field of the settings reads through here.
std::optional<std::string> EinstellungszahlLesen(const std::string& text, double min, double max, float& wert) {
  std::optional<std::string> meldung = FloatLesen(text, min, max, wert);
  if (!meldung || text.find(',') == std::string::npos) return meldung;
  std::string mitPunkt = text;
  for (char& c : mitPunkt)
    if (c == ',') c = '.';
  float probe = 0;
  if (!FloatLesen(mitPunkt, -HUGE_VAL, HUGE_VAL, probe))
    return Formatiere("Bitte geben Sie die Zahl mit einem Dezimalpunkt ein, zum Beispiel %s.", mitPunkt.c_str());
  return meldung;
}


std::optional<std::string> PminSetzen(Prognoseeinstellungen& e, const std::string& text) {
  return EinstellungszahlLesen(text, PROGNOSE_PMIN_MIN, PROGNOSE_PMIN_MAX, e.pMin);
}

std::optional<std::string> QPlanSetzen(Prognoseeinstellungen& e, const std::string& text) {
  return EinstellungszahlLesen(text, 0, PROGNOSE_RATE_MAX, e.qPlan);
}

std::optional<std::string> QEndeSetzen(Prognoseeinstellungen& e, const std::string& text) {
  return EinstellungszahlLesen(text, PROGNOSE_QENDE_MIN, PROGNOSE_RATE_MAX, e.qEnde);
}

std::optional<std::string> SchritteSetzen(Prognoseeinstellungen& e, const std::string& text) {
  return IntLesen(text, PROGNOSE_SCHRITTE_MIN, PROGNOSE_SCHRITTE_MAX, e.schritte);
}

std::optional<std::string> ModellSetzen(Prognoseeinstellungen& e, const std::string& name) {
  const std::optional<Prognosemodell> m = PrognosemodellAusName(name);
  if (!m) return "Unbekanntes C-Modell \"" + name + "\" (mittel, variabel oder gegendruck).";
  e.modell = *m;
  return std::nullopt;
}

std::optional<std::string> PmaxSetzen(Prognoseeinstellungen& e, const std::string& text) {
  return EinstellungszahlLesen(text, 0, PROGNOSE_DRUCK_MAX, e.pMax);
}

std::optional<std::string> QInjektionSetzen(Prognoseeinstellungen& e, const std::string& text) {
  return EinstellungszahlLesen(text, 0, PROGNOSE_RATE_MAX, e.qInjektion);
}

std::optional<std::string> QMindestSetzen(Prognoseeinstellungen& e, const std::string& text) {
  return EinstellungszahlLesen(text, PROGNOSE_QENDE_MIN, PROGNOSE_RATE_MAX, e.qMindest);
}

std::optional<std::string> PresMaxSetzen(Prognoseeinstellungen& e, const std::string& text) {
  return EinstellungszahlLesen(text, 0, PROGNOSE_DRUCK_MAX, e.pResMax);
}

bool Prognoseeinstellungen::InjektionStandard() const {
  const Prognoseeinstellungen s;
  return pMax == s.pMax && qInjektion == s.qInjektion && qMindest == s.qMindest && pResMax == s.pResMax;
}

std::optional<std::string> PrognoseeinstellungenPruefen(const Prognoseeinstellungen& e) {
  if (auto fehler = Pruefen(e)) return std::move(fehler->meldung);
  return std::nullopt;
}

const std::vector<Prognoseangabe>& Prognoseangaben() {
  static const std::vector<Prognoseangabe> angaben = {
      {"PrognosePmin", PminSetzen, [](const Prognoseeinstellungen& e) { return FloatAlsText(e.pMin); }},
      {"PrognosePlateaurate", QPlanSetzen, [](const Prognoseeinstellungen& e) { return FloatAlsText(e.qPlan); }},
      {"PrognoseAufgaberate", QEndeSetzen, [](const Prognoseeinstellungen& e) { return FloatAlsText(e.qEnde); }},
      {"PrognoseModell", ModellSetzen, [](const Prognoseeinstellungen& e) { return PrognosemodellName(e.modell); }},
      {"PrognoseSchritte", SchritteSetzen,
       [](const Prognoseeinstellungen& e) { return Formatiere("%d", static_cast<int>(e.schritte)); }},
      {"PrognosePmax", PmaxSetzen, [](const Prognoseeinstellungen& e) { return FloatAlsText(e.pMax); }},
      {"PrognoseInjektionsrate", QInjektionSetzen,
       [](const Prognoseeinstellungen& e) { return FloatAlsText(e.qInjektion); }},
      {"PrognoseMindestrate", QMindestSetzen, [](const Prognoseeinstellungen& e) { return FloatAlsText(e.qMindest); }},
      {"PrognoseLagerdruckMax", PresMaxSetzen, [](const Prognoseeinstellungen& e) { return FloatAlsText(e.pResMax); }},
  };
  return angaben;
}

const Prognoseangabe* PrognoseangabeSuchen(const std::string& name) {
  for (const Prognoseangabe& a : Prognoseangaben())
    if (name == a.name) return &a;
  return nullptr;
}

Prognosefelder PrognosefelderAus(const Prognoseeinstellungen& e) {
  return {FloatAlsText(e.pMin),       FloatAlsText(e.qPlan),      FloatAlsText(e.qEnde),    e.modell,
          Formatiere("%d", e.schritte), FloatAlsText(e.pMax),     FloatAlsText(e.qInjektion),
          FloatAlsText(e.qMindest),   FloatAlsText(e.pResMax)};
}

std::optional<Prognosefehler> PrognosefelderLesen(const Prognosefelder& f, Prognoseeinstellungen& e, bool injektion) {
  Prognoseeinstellungen neu = e;
  struct Feld {
    Prognosefeld feld;
    std::optional<std::string> (*setzen)(Prognoseeinstellungen&, const std::string&);
    const std::string& text;
  };
  const Feld foerderung[] = {
      {Prognosefeld::Pmin, PminSetzen, f.pMin},
      {Prognosefeld::QPlan, QPlanSetzen, f.qPlan},
      {Prognosefeld::QEnde, QEndeSetzen, f.qEnde},
      {Prognosefeld::Schritte, SchritteSetzen, f.schritte},
  };
  const Feld einspeicherung[] = {
      {Prognosefeld::Pmax, PmaxSetzen, f.pMax},
      {Prognosefeld::QInjektion, QInjektionSetzen, f.qInjektion},
      {Prognosefeld::QMindest, QMindestSetzen, f.qMindest},
      {Prognosefeld::PresMax, PresMaxSetzen, f.pResMax},
      {Prognosefeld::Schritte, SchritteSetzen, f.schritte},
  };
  for (const Feld& feld : injektion ? std::span<const Feld>(einspeicherung) : std::span<const Feld>(foerderung))
    if (auto meldung = feld.setzen(neu, feld.text)) return Prognosefehler{feld.feld, std::move(*meldung)};
  neu.modell = f.modell;
  if (auto fehler = Pruefen(neu)) return fehler;
  e = neu;
  return std::nullopt;
}

bool VariablerCWaehlbar(const Prognoseeinstellungen& e, bool variablerC) {
  return variablerC || e.modell == Prognosemodell::Variabel;
}

}  // namespace zelvor
