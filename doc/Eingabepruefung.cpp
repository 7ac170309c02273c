#include "doc/Eingabepruefung.h"

#include <cmath>

#include "calc/Format.h"
#include "calc/Gaseigenschaften.h"

namespace zelvor {
namespace {

std::vector<Eingabefeld> FelderAnlegen() {
  std::vector<Eingabefeld> f = {
      {"Gasbohrung", Feldart::Text, false, 0, 0},
      {"Temperatur", Feldart::Float, false, 0, 0},
      {"Kopftemperatur", Feldart::Float, false, 0, 0},
      {"OGIP", Feldart::Float, true, 0, 90000},
      {"Initialdruck", Feldart::Float, true, 1, 1000},
      {"Wasserinvasion", Feldart::Float, true, 0, 10000},
      {"Teufe", Feldart::Float, true, 0, 10000},
      {"Bohrlochlaenge", Feldart::Float, true, 0, 20000},
      {"Durchmesser", Feldart::Float, true, 0, 1000},
      {"A1", Feldart::Double, true, 0, 10000},
      {"B1", Feldart::Double, true, 0, 10},
      {"Bohrungsanzahl", Feldart::Int, true, 1, 20},
      {"Injektion", Feldart::Bool, false, 0, 1},
  };
  for (const char* name : KOMPONENTEN_NAMEN) f.push_back({name, Feldart::Float, true, 0, 100});
  return f;
}

// Accessors for both a const and a mutable document.
template <typename Doc>
auto FloatFeld(Doc& d, const std::string& name) -> decltype(&d.m_Temperatur) {
  if (name == "Temperatur") return &d.m_Temperatur;
  if (name == "Kopftemperatur") return &d.m_Kopftemperatur;
  if (name == "OGIP") return &d.m_OGIP;
  if (name == "Initialdruck") return &d.m_Initialdruck;
  if (name == "Wasserinvasion") return &d.m_Wasserinvasion;
  if (name == "Teufe") return &d.m_Teufe;
  if (name == "Bohrlochlaenge") return &d.m_Bohrlochlaenge;
  if (name == "Durchmesser") return &d.m_Durchmesser;
  for (size_t i = 0; i < KOMPONENTEN_NAMEN.size(); ++i)
    if (name == KOMPONENTEN_NAMEN[i]) return &d.m_Komponenten[i];
  return nullptr;
}

template <typename Doc>
auto DoubleFeld(Doc& d, const std::string& name) -> decltype(&d.m_A1) {
  if (name == "A1") return &d.m_A1;
  if (name == "B1") return &d.m_B1;
  return nullptr;
}

template <typename Doc>
auto IntFeld(Doc& d, const std::string& name) -> decltype(&d.m_Bohrungsanzahl) {
  if (name == "Bohrungsanzahl") return &d.m_Bohrungsanzahl;
  if (name == "Injektion") return &d.m_bInjektion;
  return nullptr;
}

std::string Grenze(double wert) { return ZahlOhneExponent(wert); }

std::string BereichMeldung(const Eingabefeld& f) {
  if (f.art == Feldart::Int)
    return Formatiere("Bitte geben Sie eine ganze Zahl zwischen %s und %s ein.", Grenze(f.min).c_str(),
                      Grenze(f.max).c_str());
  return Formatiere("Bitte geben Sie eine Zahl zwischen %s und %s ein.", Grenze(f.min).c_str(),
                    Grenze(f.max).c_str());
}

bool Leerzeichen(char c) { return c == ' ' || c == '\t'; }
bool Ziffer(char c) { return c >= '0' && c <= '9'; }

// One decimal number, blanks around it allowed: [+-] digits [. digits] [e [+-] digits].
bool NurDezimalzahl(const std::string& text, bool ganz) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && Leerzeichen(text[i])) ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  size_t ziffern = 0;
  while (i < n && Ziffer(text[i])) ++i, ++ziffern;
  if (!ganz && i < n && text[i] == '.') {
    ++i;
    while (i < n && Ziffer(text[i])) ++i, ++ziffern;
  }
  if (ziffern == 0) return false;
  if (!ganz && i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t exponent = 0;
    while (i < n && Ziffer(text[i])) ++i, ++exponent;
    if (exponent == 0) return false;
  }
  while (i < n && Leerzeichen(text[i])) ++i;
  return i == n;
}

bool Dezimalzahl(const std::string& text, double& wert) {
  if (!NurDezimalzahl(text, false)) return false;
  if (Scanne(text.c_str(), "%lf", &wert) != 1 || !std::isfinite(wert)) return false;
  wert += 0.0;  // a typed "-0" is 0, not a value shown as "-0.000" ever after
  return true;
}

bool Ganzzahl(const std::string& text, long long& wert) {
  if (!NurDezimalzahl(text, true) || text.size() > 30) return false;
  return Scanne(text.c_str(), "%lld", &wert) == 1;
}

// The shortest text that reads back to the same value: plain decimals where they are natural,
// the exponent form only for very small or large magnitudes.
template <typename T>
std::string Kuerzeste(T wert, int stellenMax) {
  const auto liestZurueck = [wert](const std::string& text) {
    double zurueck = 0;
    return Scanne(text.c_str(), "%lf", &zurueck) == 1 && static_cast<T>(zurueck) == wert;
  };
  const double d = wert;
  if (!std::isfinite(d)) return Formatiere("%g", d);
  const double betrag = std::fabs(d);
  if (betrag == 0.0 || (betrag >= 1e-4 && betrag < 1e15)) {
    for (int stellen = 0; stellen <= 20; ++stellen) {
      const std::string text = Formatiere("%.*f", stellen, d);
      if (liestZurueck(text)) return text;
    }
  }
  std::string text;
  for (int stellen = 1; stellen <= stellenMax; ++stellen) {
    text = Formatiere("%.*g", stellen, d);
    if (liestZurueck(text)) break;
  }
  return text;
}

}  // namespace

const std::vector<Eingabefeld>& Eingabefelder() {
  static const std::vector<Eingabefeld> felder = FelderAnlegen();
  return felder;
}

const Eingabefeld* EingabefeldSuchen(const std::string& name) {
  for (const Eingabefeld& f : Eingabefelder())
    if (name == f.name) return &f;
  return nullptr;
}

std::optional<std::string> EingabeSetzen(CZelvorDoc& doc, const Eingabefeld& feld, const std::string& text) {
  switch (feld.art) {
    case Feldart::Text:
      doc.m_Gasbohrung = text;
      return std::nullopt;
    case Feldart::Float: {
      double d = 0;
      if (!Dezimalzahl(text, d)) return std::string("Bitte geben Sie eine Zahl ein.");
      const float f = static_cast<float>(d);
      if (!std::isfinite(f)) return std::string("Bitte geben Sie eine Zahl ein.");
      if (feld.mitBereich && (f < feld.min || f > feld.max)) return BereichMeldung(feld);
      *FloatFeld(doc, feld.name) = f;
      return std::nullopt;
    }
    case Feldart::Double: {
      double d = 0;
      if (!Dezimalzahl(text, d)) return std::string("Bitte geben Sie eine Zahl ein.");
      if (feld.mitBereich && (d < feld.min || d > feld.max)) return BereichMeldung(feld);
      *DoubleFeld(doc, feld.name) = d;
      return std::nullopt;
    }
    case Feldart::Int:
    case Feldart::Bool: {
      long long n = 0;
      if (!Ganzzahl(text, n)) return std::string("Bitte geben Sie eine ganze Zahl ein.");
      if (n < static_cast<long long>(feld.min) || n > static_cast<long long>(feld.max)) return BereichMeldung(feld);
      *IntFeld(doc, feld.name) = static_cast<std::int32_t>(n);
      return std::nullopt;
    }
  }
  return std::nullopt;
}

std::optional<std::string> FloatLesen(const std::string& text, double min, double max, float& wert) {
  const Eingabefeld feld{"", Feldart::Float, true, min, max};
  double d = 0;
  if (!Dezimalzahl(text, d)) return std::string("Bitte geben Sie eine Zahl ein.");
  const float f = static_cast<float>(d);
  if (!std::isfinite(f)) return std::string("Bitte geben Sie eine Zahl ein.");
  if (f < min || f > max) return BereichMeldung(feld);
  wert = f;
  return std::nullopt;
}

std::optional<std::string> IntLesen(const std::string& text, int min, int max, std::int32_t& wert) {
  const Eingabefeld feld{"", Feldart::Int, true, double(min), double(max)};
  long long n = 0;
  if (!Ganzzahl(text, n)) return std::string("Bitte geben Sie eine ganze Zahl ein.");
  if (n < min || n > max) return BereichMeldung(feld);
  wert = static_cast<std::int32_t>(n);
  return std::nullopt;
}

std::string EingabeAlsText(const CZelvorDoc& doc, const Eingabefeld& feld) {
  switch (feld.art) {
    case Feldart::Text:
      return doc.m_Gasbohrung;
    case Feldart::Float:
      return Kuerzeste(*FloatFeld(doc, feld.name), 9);
    case Feldart::Double:
      return Kuerzeste(*DoubleFeld(doc, feld.name), 17);
    case Feldart::Int:
    case Feldart::Bool:
      return Formatiere("%d", *IntFeld(doc, feld.name));
  }
  return {};
}

std::string FloatAlsText(float wert) { return Kuerzeste(wert, 9); }

std::string DoubleAlsText(double wert) { return Kuerzeste(wert, 17); }

bool DezimalzahlLesen(const std::string& text, double& wert) { return Dezimalzahl(text, wert); }

float KomponentenSumme(const Zusammensetzung& komponenten) {
  float summe = 0.0f;
  for (float c : komponenten) summe += c;
  return summe;
}

std::optional<std::string> EingabenPruefen(const CZelvorDoc& doc) {
  const float summe = KomponentenSumme(doc.m_Komponenten);
  if (summe == 0.0f || summe >= 102.0f) return std::string("Bitte gaskomponenten korrigieren!");
  if (doc.m_OGIP == 0.0f) return std::string("Original Gas in Place muß größer Null sein!");
  if (doc.m_A1 == 0.0) return std::string("Der A1-Wert muß größer Null sein!");
  if (doc.m_Teufe > doc.m_Bohrlochlaenge)
    return std::string("ERROR!!Die Lagerstättenteufe ist größer als die Bohrlochlänge!");
  return std::nullopt;
}

}  // namespace zelvor
