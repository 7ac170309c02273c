#include "doc/Rueckgangseinstellungen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "calc/Format.h"
#include "doc/Prognoseeinstellungen.h"

namespace zelvor {
namespace {

bool ImBereich(float w, double min, double max) { return std::isfinite(w) && w >= min && w <= max; }

std::string Kurz(float w) { return ZahlOhneExponent(static_cast<double>(w)); }

}  // namespace

std::optional<std::string> RueckgangModellSetzen(Rueckgangseinstellungen& e, const std::string& name) {
  const auto m = RueckgangsmodellAusName(name);
  if (!m) return "Das Rückgangsmodell ist unbekannt (exponentiell, harmonisch, hyperbolisch oder modifiziert).";
  e.modell = *m;
  return std::nullopt;
}

std::optional<std::string> RueckgangAbSetzen(Rueckgangseinstellungen& e, const std::string& text) {
  if (text.find_first_not_of(" \t") == std::string::npos || text == "auto") {
    e.ab.reset();
    return std::nullopt;
  }
  const auto t = DatumLesen(text);
  if (!t) return "Der Beginn des angepassten Zeitraums ist kein Datum der Jahre 1900 bis 2199 (TT.MM.JJJJ).";
  e.ab = *t;
  return std::nullopt;
}

std::optional<std::string> RueckgangGrenzeSetzen(Rueckgangseinstellungen& e, const std::string& text) {
  float w = 0;
  if (auto m = EinstellungszahlLesen(text, 0, RUECKGANG_GRENZE_MAX, w)) return m;
  if (w != 0.0f && w < RUECKGANG_GRENZE_MIN)
    return Formatiere("Die Wirtschaftlichkeitsgrenze muss 0 (die Aufgaberate der Prognose) oder mindestens %s m3/h sein.",
                      ZahlOhneExponent(RUECKGANG_GRENZE_MIN).c_str());
  e.qGrenze = w;
  return std::nullopt;
}

std::optional<std::string> RueckgangEndabfallSetzen(Rueckgangseinstellungen& e, const std::string& text) {
  return EinstellungszahlLesen(text, RUECKGANG_ENDABFALL_MIN, RUECKGANG_ENDABFALL_MAX, e.endabfall);
}

std::optional<std::string> RueckgangAusreisserSetzen(Rueckgangseinstellungen& e, const std::string& text) {
  std::vector<std::int32_t> zeilen;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ' || text[i] == ',' || text[i] == ';' || text[i] == '\t') {
      ++i;
      continue;
    }
    std::size_t j = i;
    long long n = 0;
    while (j < text.size() && text[j] >= '0' && text[j] <= '9' && n <= 10000000) n = n * 10 + (text[j++] - '0');
    if (j == i || (j < text.size() && text[j] != ' ' && text[j] != ',' && text[j] != ';' && text[j] != '\t') || n < 1 ||
        n > 10000000)
      return "Die Ausreißer sind Zeilennummern ab 1, getrennt durch Kommas, zum Beispiel 3, 7, 12.";
    zeilen.push_back(static_cast<std::int32_t>(n));
    if (zeilen.size() > RUECKGANG_MAX_AUSREISSER) return "Es sind zu viele Ausreißer angegeben.";
    i = j;
  }
  std::sort(zeilen.begin(), zeilen.end());
  zeilen.erase(std::unique(zeilen.begin(), zeilen.end()), zeilen.end());
  e.ausreisser = std::move(zeilen);
  return std::nullopt;
}

std::string RueckgangAbText(const Rueckgangseinstellungen& e) { return e.ab ? DatumText(*e.ab) : "auto"; }
std::string RueckgangGrenzeText(const Rueckgangseinstellungen& e) { return Kurz(e.qGrenze); }
std::string RueckgangEndabfallText(const Rueckgangseinstellungen& e) { return Kurz(e.endabfall); }
std::string RueckgangAusreisserText(const Rueckgangseinstellungen& e) {
  std::string s;
  for (const std::int32_t z : e.ausreisser) s += (s.empty() ? "" : ", ") + std::to_string(z);
  return s;
}

std::optional<std::string> RueckgangseinstellungenPruefen(const Rueckgangseinstellungen& e) {
  const auto m = static_cast<std::int32_t>(e.modell);
  if (m < 0 || m >= RUECKGANGSMODELL_ANZAHL) return "Das Rückgangsmodell ist unbekannt.";
  if (e.ab && !TagImBereich(*e.ab)) return "Der Beginn des angepassten Zeitraums liegt außerhalb der Jahre 1900 bis 2199.";
  if (!ImBereich(e.qGrenze, 0, RUECKGANG_GRENZE_MAX) || (e.qGrenze != 0.0f && e.qGrenze < RUECKGANG_GRENZE_MIN))
    return "Die Wirtschaftlichkeitsgrenze liegt außerhalb des erlaubten Bereichs.";
  if (!ImBereich(e.endabfall, RUECKGANG_ENDABFALL_MIN, RUECKGANG_ENDABFALL_MAX))
    return Formatiere("Der Endabfall liegt außerhalb von %s bis %s %% im Jahr.", ZahlOhneExponent(RUECKGANG_ENDABFALL_MIN).c_str(),
                      ZahlOhneExponent(RUECKGANG_ENDABFALL_MAX).c_str());
  if (e.ausreisser.size() > RUECKGANG_MAX_AUSREISSER) return "Es sind zu viele Ausreißer angegeben.";
  for (std::size_t i = 0; i < e.ausreisser.size(); ++i)
    if (e.ausreisser[i] < 1 || (i > 0 && e.ausreisser[i] <= e.ausreisser[i - 1])) return "Die Ausreißer sind keine aufsteigenden Zeilennummern.";
  return std::nullopt;
}

const std::vector<Rueckgangsangabe>& Rueckgangsangaben() {
  static const std::vector<Rueckgangsangabe> ANGABEN = {
      {"rueckgang.modell", RueckgangModellSetzen, [](const Rueckgangseinstellungen& e) { return RueckgangsmodellName(e.modell); }},
      {"rueckgang.ab", RueckgangAbSetzen, RueckgangAbText},
      {"rueckgang.grenze", RueckgangGrenzeSetzen, RueckgangGrenzeText},
      {"rueckgang.endabfall", RueckgangEndabfallSetzen, RueckgangEndabfallText},
      {"rueckgang.ausreisser", RueckgangAusreisserSetzen, RueckgangAusreisserText},
  };
  return ANGABEN;
}

const Rueckgangsangabe* RueckgangsangabeSuchen(const std::string& name) {
  for (const Rueckgangsangabe& a : Rueckgangsangaben())
    if (name == a.name) return &a;
  return nullptr;
}

std::vector<std::string> RueckgangsfelderAus(const Rueckgangseinstellungen& e) {
  std::vector<std::string> t;
  for (const Rueckgangsangabe& a : Rueckgangsangaben()) t.push_back(a.text(e));
  return t;
}

std::optional<Rueckgangsfehler> RueckgangsfelderLesen(const std::vector<std::string>& texte, Rueckgangseinstellungen& e) {
  Rueckgangseinstellungen neu = e;
  const std::vector<Rueckgangsangabe>& angaben = Rueckgangsangaben();
  for (std::size_t i = 0; i < angaben.size() && i < texte.size(); ++i)
    if (auto m = angaben[i].setzen(neu, texte[i])) return Rueckgangsfehler{i, std::move(*m)};
  e = std::move(neu);
  return std::nullopt;
}

}  // namespace zelvor
