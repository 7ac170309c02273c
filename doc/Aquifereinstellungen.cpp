#include "doc/Aquifereinstellungen.h"

#include <cmath>

#include "calc/Format.h"
#include "doc/CZelvorDoc.h"
#include "doc/Eingabepruefung.h"

namespace zelvor {
namespace {

using A = Aquiferdaten;
constexpr unsigned RADIAL = AQUIFER_FUER_FETKOVICH_RADIAL | AQUIFER_FUER_HURST;
constexpr unsigned GESTEIN = RADIAL | AQUIFER_FUER_FETKOVICH_LINEAR;

std::string Getrimmt(const std::string& t) {
  const std::size_t a = t.find_first_not_of(" \t");
  return a == std::string::npos ? std::string() : t.substr(a, t.find_last_not_of(" \t") - a + 1);
}

std::string ZahlText(double w) { return ZahlOhneExponent(w); }

// The sentence when w lies outside the setting's range; written so that NaN lies outside.
std::optional<std::string> Bereichsfehler(const Aquiferangabe& g, double w) {
  const bool untenGut = g.minOffen ? w > g.min : w >= g.min;
  const bool obenGut = g.maxOffen ? w < g.max : w <= g.max;
  if (untenGut && obenGut) return std::nullopt;
  const std::string wer = g.bezeichnung;
  if (w < 0 && g.min == 0 && !g.minOffen) return wer + " darf nicht negativ sein.";
  if (!g.minOffen && !g.maxOffen) return wer + " muss zwischen " + ZahlText(g.min) + " und " + ZahlText(g.max) + " liegen.";
  if (g.minOffen && !g.maxOffen) return wer + " muss größer als " + ZahlText(g.min) + " und höchstens " + ZahlText(g.max) + " sein.";
  if (!g.minOffen) return wer + " muss mindestens " + ZahlText(g.min) + " und kleiner als " + ZahlText(g.max) + " sein.";
  return wer + " muss größer als " + ZahlText(g.min) + " und kleiner als " + ZahlText(g.max) + " sein.";
}

std::string VerhaeltnisSatz() {
  return "Das Radienverhältnis muss größer als 1 und höchstens " + ZahlText(AQUIFER_VERHAELTNIS_MAX) +
         " sein oder \"unendlich\" lauten.";
}

// 0 stands for not given; the unbounded ratio for an infinite aquifer.
bool VerhaeltnisZulaessig(double r) {
  return r == 0 || r == AQUIFER_UNENDLICH || (r > 1 && r <= AQUIFER_VERHAELTNIS_MAX);
}

std::optional<std::string> ZahlLesen(const std::string& text, double& wert) {
  if (DezimalzahlLesen(text, wert)) {
    wert += 0.0;  // a typed "-0" is 0
    return std::nullopt;
  }
  std::string mitPunkt = text;
  for (char& c : mitPunkt)
    if (c == ',') c = '.';
  double probe = 0;
  if (mitPunkt != text && DezimalzahlLesen(mitPunkt, probe))
    return "Bitte geben Sie die Zahl mit einem Dezimalpunkt ein, zum Beispiel " + Getrimmt(mitPunkt) + ".";
  return std::string("Bitte geben Sie eine Zahl ein.");
}

}  // namespace

const std::vector<Aquiferangabe>& Aquiferangaben() {
  using enum Aquiferart;
  constexpr unsigned ALLE = AQUIFER_FUER_ALLE;
  static const std::vector<Aquiferangabe> angaben = {
      {"Aquifer", "", Modell, nullptr, "", 0, 0, false, false, ALLE},
      {"AquiferForm", "", Form, nullptr, "", 0, 0, false, false,
       AQUIFER_FUER_FETKOVICH_RADIAL | AQUIFER_FUER_FETKOVICH_LINEAR},
      {"AquiferWinkel", "°", Zahl, &A::winkel, "Der Winkel", 0, 360, true, false, RADIAL},
      {"AquiferRadius", "m", Zahl, &A::radius, "Der Radius", 0, AQUIFER_LAENGE_MAX, false, false, RADIAL},
      {"AquiferRadienverhaeltnis", "", Verhaeltnis, &A::radienverhaeltnis, "Das Radienverhältnis", 0, 0, false, false,
       RADIAL},
      {"AquiferBreite", "m", Zahl, &A::breite, "Die Breite", 0, AQUIFER_LAENGE_MAX, false, false,
       AQUIFER_FUER_FETKOVICH_LINEAR},
      {"AquiferLaenge", "m", Zahl, &A::laenge, "Die Länge", 0, AQUIFER_LAENGE_MAX, false, false,
       AQUIFER_FUER_FETKOVICH_LINEAR},
      {"AquiferMaechtigkeit", "m", Zahl, &A::maechtigkeit, "Die Mächtigkeit", 0, AQUIFER_LAENGE_MAX, false, false,
       GESTEIN},
      {"AquiferPorositaet", "-", Zahl, &A::porositaet, "Die Porosität", 0, 1, false, false, GESTEIN},
      {"AquiferPermeabilitaet", "mD", Zahl, &A::permeabilitaet, "Die Permeabilität", 0, AQUIFER_PERMEABILITAET_MAX,
       false, false, GESTEIN},
      {"AquiferKompressibilitaet", "1/bar", Zahl, &A::kompressibilitaet, "Die Kompressibilität", 0,
       AQUIFER_KOMPRESSIBILITAET_MAX, false, false, ALLE},
      {"AquiferViskositaet", "mPa·s", Zahl, &A::viskositaet, "Die Viskosität", 0, AQUIFER_VISKOSITAET_MAX, false,
       false, GESTEIN},
      {"AquiferVolumen", "Mio m3", Zahl, &A::volumen, "Das Volumen", 0, AQUIFER_VOLUMEN_MAX, false, false,
       AQUIFER_FUER_TOPF},
      {"Formationskompressibilitaet", "1/bar", Zahl, &A::formationskompressibilitaet,
       "Die Formationskompressibilität", 0, AQUIFER_KOMPRESSIBILITAET_MAX, false, false, ALLE},
      {"Haftwassersaettigung", "-", Zahl, &A::haftwassersaettigung, "Die Haftwassersättigung", 0, 1, false, true,
       ALLE},
      {"AquiferWGV", "l/1000 m3", Zahl, &A::wgv, "Das Wasser-Gas-Verhältnis", 0, AQUIFER_WGV_MAX, false, false, ALLE},
      {"Foerderbeginn", "TT.MM.JJJJ", Datum, nullptr, "", 0, 0, false, false, ALLE},
  };
  return angaben;
}

const Aquiferangabe* AquiferangabeSuchen(const std::string& name) {
  for (const Aquiferangabe& g : Aquiferangaben())
    if (name == g.name) return &g;
  return nullptr;
}

std::optional<std::string> AquiferSetzen(Aquiferdaten& a, const Aquiferangabe& g, const std::string& text) {
  const std::string t = Getrimmt(text);
  switch (g.art) {
    case Aquiferart::Modell: {
      const std::optional<Aquifermodell> m = AquifermodellAusName(t);
      if (!m) return "Unbekanntes Aquifermodell \"" + text + "\" (keiner, topf, fetkovich oder hurst).";
      a.modell = *m;
      return std::nullopt;
    }
    case Aquiferart::Form:
      if (t != "radial" && t != "linear") return "Unbekannte Aquiferform \"" + text + "\" (radial oder linear).";
      a.form = t == "radial" ? Aquiferform::Radial : Aquiferform::Linear;
      return std::nullopt;
    case Aquiferart::Datum: {
      if (t.empty()) {
        a.foerderbeginn.reset();
        return std::nullopt;
      }
      const std::optional<Tag> tag = DatumLesen(t);
      if (!tag) return "\"" + text + "\" ist kein Datum (TT.MM.JJJJ zwischen 1900 und 2199).";
      a.foerderbeginn = tag;
      return std::nullopt;
    }
    case Aquiferart::Verhaeltnis: {
      double w = 0;
      if (t == "unendlich") {
        w = AQUIFER_UNENDLICH;
      } else if (!t.empty()) {
        if (auto m = ZahlLesen(t, w)) return m;
        if (!VerhaeltnisZulaessig(w) || w == 0) return VerhaeltnisSatz();
      }
      a.*g.feld = w;
      return std::nullopt;
    }
    case Aquiferart::Zahl: {
      double w = 0;
      if (auto m = ZahlLesen(t, w)) return m;
      if (auto m = Bereichsfehler(g, w)) return m;
      a.*g.feld = w;
      return std::nullopt;
    }
  }
  return std::nullopt;
}

std::string AquiferText(const Aquiferdaten& a, const Aquiferangabe& g) {
  switch (g.art) {
    case Aquiferart::Modell:
      return AquifermodellName(a.modell);
    case Aquiferart::Form:
      return a.form == Aquiferform::Linear ? "linear" : "radial";
    case Aquiferart::Datum:
      return a.foerderbeginn ? DatumText(*a.foerderbeginn) : std::string();
    case Aquiferart::Verhaeltnis: {
      const double r = a.*g.feld;
      if (r == AQUIFER_UNENDLICH) return "unendlich";
      return r == 0 ? std::string() : DoubleAlsText(r);
    }
    case Aquiferart::Zahl:
      return DoubleAlsText(a.*g.feld);
  }
  return {};
}

bool AquiferangabeBenutzt(const Aquiferangabe& g, Aquifermodell modell, Aquiferform form) {
  unsigned bit = 0;
  switch (modell) {
    case Aquifermodell::Keiner: return g.art == Aquiferart::Modell;
    case Aquifermodell::Topf: bit = AQUIFER_FUER_TOPF; break;
    case Aquifermodell::Fetkovich:
      bit = form == Aquiferform::Linear ? AQUIFER_FUER_FETKOVICH_LINEAR : AQUIFER_FUER_FETKOVICH_RADIAL;
      break;
    case Aquifermodell::Hurst: bit = AQUIFER_FUER_HURST; break;
  }
  return (g.benutzt & bit) != 0;
}

std::optional<std::string> AquiferwerteZulaessig(const Aquiferdaten& a) {
  if (static_cast<unsigned>(a.modell) > static_cast<unsigned>(Aquifermodell::Hurst))
    return std::string("Das Aquifermodell ist unbekannt.");
  if (a.form != Aquiferform::Radial && a.form != Aquiferform::Linear) return std::string("Die Aquiferform ist unbekannt.");
  for (const Aquiferangabe& g : Aquiferangaben()) {
    if (g.art == Aquiferart::Zahl)
      if (auto m = Bereichsfehler(g, a.*g.feld)) return m;
    if (g.art == Aquiferart::Verhaeltnis && !VerhaeltnisZulaessig(a.*g.feld)) return VerhaeltnisSatz();
  }
  if (a.foerderbeginn && !TagImBereich(*a.foerderbeginn))
    return std::string("Der Förderbeginn liegt außerhalb der Jahre 1900 bis 2199.");
  return std::nullopt;
}

std::vector<std::string> AquiferfelderAus(const Aquiferdaten& a) {
  std::vector<std::string> f;
  for (const Aquiferangabe& g : Aquiferangaben()) f.push_back(AquiferText(a, g));
  return f;
}

std::optional<Aquiferfehler> AquiferfelderLesen(const std::vector<std::string>& felder, Aquiferdaten& a) {
  const std::vector<Aquiferangabe>& angaben = Aquiferangaben();
  Aquiferdaten neu = a;
  // The model and its form come first: a field of a setting the chosen model does not use (the dialog
  // shows it disabled) keeps its old value when its text does not read.
  for (std::size_t i = 0; i < angaben.size() && i < felder.size(); ++i)
    if (auto m = AquiferSetzen(neu, angaben[i], felder[i]);
        m && AquiferangabeBenutzt(angaben[i], neu.modell, neu.form))
      return Aquiferfehler{i, std::move(*m)};
  if (const std::optional<Aquifermangel> m = AquiferMangel(neu)) {
    std::size_t feld = 0;
    for (std::size_t i = 0; i < angaben.size(); ++i)
      if (m->angabe == std::string(angaben[i].name)) feld = i;
    return Aquiferfehler{feld, m->satz};
  }
  a = std::move(neu);
  return std::nullopt;
}

bool AquiferUebernehmen(CZelvorDoc& doc, const Aquiferdaten& a) {
  if (doc.m_Aquifer == a) return false;
  doc.m_Aquifer = a;
  doc.m_bRechnen = 1;
  if (!doc.m_Lauf.KeineAuswertung()) doc.Auswertung();
  return true;
}

}  // namespace zelvor
