#include "doc/Eingabemaske.h"

#include <cfloat>
#include <cstdint>
#include <limits>

#include "calc/Format.h"
#include "doc/Eingabepruefung.h"

namespace zelvor {
namespace {

using KomponentenMember = float Eingabemaske::*;
constexpr std::array<KomponentenMember, KOMPONENTEN_ANZAHL> KOMPONENTEN_MEMBER = {
    &Eingabemaske::m_H2S,    &Eingabemaske::m_CO2,    &Eingabemaske::m_N2,     &Eingabemaske::m_CH4,
    &Eingabemaske::m_C2H6,   &Eingabemaske::m_C3H8,   &Eingabemaske::m_iC4H10, &Eingabemaske::m_nC4H10,
    &Eingabemaske::m_iC5H12, &Eingabemaske::m_nC5H12, &Eingabemaske::m_C6H14,  &Eingabemaske::m_C7H16,
    &Eingabemaske::m_C8H18,  &Eingabemaske::m_C9H20,  &Eingabemaske::m_C10H22};

int KomponenteVon(int id) {
  for (int i = 0; i < KOMPONENTEN_ANZAHL; ++i)
    if (KOMPONENTEN_FELDER[i] == id) return i;
  return -1;
}

// The water-gas ratio is no field of the well file, so its range is the dialog's own.
const Eingabefeld WGV_FELD{"WGV", Feldart::Float, true, 0, 200};

// The range of a number field: the well's field of the same meaning, whose ranges the dialog shares.
const Eingabefeld& Bereich(int id) {
  const int k = KomponenteVon(id);
  if (k >= 0) return *EingabefeldSuchen(KOMPONENTEN_NAMEN[k]);
  switch (id) {
    case IDC_WASSERINVASION: return *EingabefeldSuchen("Wasserinvasion");
    case IDC_DURCHMESSER: return *EingabefeldSuchen("Durchmesser");
    case IDC_BOHRLOCHLAENGE: return *EingabefeldSuchen("Bohrlochlaenge");
    case IDC_TEUFE: return *EingabefeldSuchen("Teufe");
    case IDC_OGIP: return *EingabefeldSuchen("OGIP");
    case IDC_INITIALDRUCK: return *EingabefeldSuchen("Initialdruck");
    case IDC_TEMPERATUR: return *EingabefeldSuchen("Temperatur");
    case IDC_KOPFTEMPERATUR: return *EingabefeldSuchen("Kopftemperatur");
    case IDC_A1: return *EingabefeldSuchen("A1");
    case IDC_B1: return *EingabefeldSuchen("B1");
    case IDC_BOHRUNGSANZAHL: return *EingabefeldSuchen("Bohrungsanzahl");
    default: return WGV_FELD;
  }
}

// Member accessors for a const and a mutable dialog alike.
template <typename Maske>
auto FloatMember(Maske& m, int id) -> decltype(&m.m_OGIP) {
  const int k = KomponenteVon(id);
  if (k >= 0) return &(m.*KOMPONENTEN_MEMBER[k]);
  switch (id) {
    case IDC_WASSERINVASION: return &m.m_Wasserinvasion;
    case IDC_DURCHMESSER: return &m.m_Durchmesser;
    case IDC_BOHRLOCHLAENGE: return &m.m_Bohrlochlaenge;
    case IDC_TEUFE: return &m.m_Teufe;
    case IDC_OGIP: return &m.m_OGIP;
    case IDC_INITIALDRUCK: return &m.m_Initialdruck;
    case IDC_TEMPERATUR: return &m.m_Temperatur;
    case IDC_KOPFTEMPERATUR: return &m.m_Kopftemperatur;
    case IDC_WGV: return &m.m_WGV;
    default: return nullptr;
  }
}

template <typename Maske>
auto DoubleMember(Maske& m, int id) -> decltype(&m.m_A1) {
  if (id == IDC_A1) return &m.m_A1;
  if (id == IDC_B1) return &m.m_B1;
  return nullptr;
}

template <typename Maske>
auto TextMember(Maske& m, int id) -> decltype(&m.m_Zeile) {
  switch (id) {
    case IDC_GASBOHRUNG: return &m.m_Gasbohrung;
    case IDC_SUMME: return &m.m_Summe;
    case IDC_ZEILE: return &m.m_Zeile;
    case IDC_STATUS: return &m.m_Status;
    default: return nullptr;
  }
}

// Numbers are read and written exactly as the well's own fields are, through a scratch well: the same
// number syntax, the same messages, and a shown value that reads back to the same bits.
std::optional<std::string> FloatSetzen(const std::string& text, const Eingabefeld& bereich, float& wert) {
  float gelesen = 0;
  if (auto meldung = FloatLesen(text, -FLT_MAX, FLT_MAX, gelesen)) return meldung;
  wert = gelesen;
  if (!bereich.mitBereich) return std::nullopt;
  float geprueft = 0;
  return FloatLesen(text, bereich.min, bereich.max, geprueft);
}

std::optional<std::string> DoubleSetzen(const std::string& text, const Eingabefeld& bereich, double& wert) {
  Eingabefeld offen = bereich;
  offen.mitBereich = false;
  CZelvorDoc d;
  if (auto meldung = EingabeSetzen(d, offen, text)) return meldung;
  wert = std::string(bereich.name) == "A1" ? d.m_A1 : d.m_B1;
  return EingabeSetzen(d, bereich, text);
}

std::optional<std::string> GanzzahlSetzen(const std::string& text, const Eingabefeld& bereich,
                                          std::int32_t& wert) {
  Eingabefeld offen = bereich;
  offen.min = std::numeric_limits<std::int32_t>::min();
  offen.max = std::numeric_limits<std::int32_t>::max();
  CZelvorDoc d;
  if (auto meldung = EingabeSetzen(d, offen, text)) return meldung;
  wert = d.m_Bohrungsanzahl;
  return EingabeSetzen(d, bereich, text);
}

std::string FloatText(float wert) {
  CZelvorDoc d;
  d.m_Temperatur = wert;
  return EingabeAlsText(d, *EingabefeldSuchen("Temperatur"));
}

std::string DoubleText(double wert) {
  CZelvorDoc d;
  d.m_A1 = wert;
  return EingabeAlsText(d, *EingabefeldSuchen("A1"));
}

void SummeSetzen(Eingabemaske& m) {
  m.m_Summe = Formatiere("%6.2f", static_cast<double>(KomponentenSumme(m.m_Komponenten)));
}

}  // namespace

float& Komponentenfeld(Eingabemaske& m, int i) { return m.*KOMPONENTEN_MEMBER[i]; }
float Komponentenfeld(const Eingabemaske& m, int i) { return m.*KOMPONENTEN_MEMBER[i]; }

const std::vector<Austauschfeld>& Austauschfelder() {
  using A = Austauschart;
  static const std::vector<Austauschfeld> felder = {
      {IDC_LISTE, A::Liste},           {IDC_GASBOHRUNG, A::Text},       {IDC_WASSERINVASION, A::Zahl},
      {IDC_SUMME, A::Text},            {IDC_DURCHMESSER, A::Zahl},      {IDC_BOHRLOCHLAENGE, A::Zahl},
      {IDC_TEUFE, A::Zahl},            {IDC_A1, A::Zahl},               {IDC_B1, A::Zahl},
      {IDC_OGIP, A::Zahl},             {IDC_INITIALDRUCK, A::Zahl},     {IDC_TEMPERATUR, A::Zahl},
      {IDC_H2S, A::Zahl},              {IDC_NC5H12, A::Zahl},           {IDC_C6H14, A::Zahl},
      {IDC_C7H16, A::Zahl},            {IDC_C8H18, A::Zahl},            {IDC_C9H20, A::Zahl},
      {IDC_C10H22, A::Zahl},           {IDC_CO2, A::Zahl},              {IDC_N2, A::Zahl},
      {IDC_CH4, A::Zahl},              {IDC_C2H6, A::Zahl},             {IDC_C3H8, A::Zahl},
      {IDC_IC4H10, A::Zahl},           {IDC_NC4H10, A::Zahl},           {IDC_IC5H12, A::Zahl},
      {IDC_ZEILE, A::Text},            {IDC_ZEILE_AENDERN, A::Optionsgruppe},
      {IDC_STATUS, A::Text},           {IDC_KOPFTEMPERATUR, A::Zahl},   {IDC_GRAFIK_RATEN, A::Schalter},
      {IDC_INJEKTION, A::Schalter},    {IDC_BOHRUNGSANZAHL, A::Zahl},   {IDC_VARIABLER_C, A::Schalter},
      {IDC_WGV, A::Zahl},
  };
  return felder;
}

std::optional<std::string> FeldLesen(Eingabemaske& m, int id, const std::string& text) {
  if (std::string* t = TextMember(m, id)) {
    *t = text;
    return std::nullopt;
  }
  if (float* f = FloatMember(m, id)) return FloatSetzen(text, Bereich(id), *f);
  if (double* d = DoubleMember(m, id)) return DoubleSetzen(text, Bereich(id), *d);
  if (id == IDC_BOHRUNGSANZAHL) return GanzzahlSetzen(text, Bereich(id), m.m_Bohrungsanzahl);
  return std::nullopt;
}

std::string FeldText(const Eingabemaske& m, int id) {
  if (const std::string* t = TextMember(m, id)) return *t;
  if (const float* f = FloatMember(m, id)) return FloatText(*f);
  if (const double* d = DoubleMember(m, id)) return DoubleText(*d);
  if (id == IDC_BOHRUNGSANZAHL) return Formatiere("%d", m.m_Bohrungsanzahl);
  return {};
}

BOOL& Schalter(Eingabemaske& m, int id) {
  if (id == IDC_GRAFIK_RATEN) return m.m_bGrafikRaten;
  if (id == IDC_INJEKTION) return m.m_bInjektion;
  return m.m_bVariablerC;
}

void KomponentenVerteilen(Eingabemaske& m) {
  for (int i = 0; i < KOMPONENTEN_ANZAHL; ++i) Komponentenfeld(m, i) = m.m_Komponenten[i];
  SummeSetzen(m);
}

void KomponentenUebernehmen(Eingabemaske& m) {
  for (int i = 0; i < KOMPONENTEN_ANZAHL; ++i) m.m_Komponenten[i] = Komponentenfeld(m, i);
  SummeSetzen(m);
}

std::optional<std::string> EingabenPruefen(const Eingabemaske& m) {
  CZelvorDoc d;
  d.m_Komponenten = m.m_Komponenten;
  d.m_OGIP = m.m_OGIP;
  d.m_A1 = m.m_A1;
  d.m_Teufe = m.m_Teufe;
  d.m_Bohrlochlaenge = m.m_Bohrlochlaenge;
  return EingabenPruefen(d);
}

A1B1Eingaben A1B1EingabenAus(const Eingabemaske& m) {
  A1B1Eingaben e;
  for (int i = 0; i < KOMPONENTEN_ANZAHL; ++i) e.komponenten[i] = m.m_Komponenten[i];
  e.temperatur = m.m_Temperatur;
  e.kopftemperatur = m.m_Kopftemperatur;
  e.initialdruck = m.m_Initialdruck;
  e.teufe = m.m_Teufe;
  e.bohrlochlaenge = m.m_Bohrlochlaenge;
  e.durchmesser = m.m_Durchmesser;
  e.wgv = m.m_WGV;
  return e;
}

}  // namespace zelvor
