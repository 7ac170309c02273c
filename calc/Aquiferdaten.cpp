#include "calc/Aquiferdaten.h"

#include <cmath>
#include <initializer_list>
#include <iterator>

namespace zelvor {
namespace {

constexpr const char* NAMEN[] = {"keiner", "topf", "fetkovich", "hurst"};

// Written so that NaN fails every test: a value read from somewhere must be a number to pass.
bool Positiv(double w) { return std::isfinite(w) && w > 0; }

// What one setting of the model needs: its value passes `gut`, else the sentence names `bedarf`.
struct Bedingung {
  bool gut;
  const char* bedarf;  // "eine Permeabilität größer als 0"
  const char* angabe;  // the name `set` takes
};

std::optional<Aquifermangel> ErsteVerletzte(const char* modell, std::initializer_list<Bedingung> bedingungen) {
  for (const Bedingung& b : bedingungen)
    if (!b.gut)
      return Aquifermangel{b.angabe, std::string("Das Aquifermodell ") + modell + " braucht " + b.bedarf + " (" +
                                         b.angabe + ")."};
  return std::nullopt;
}

// The settings of a radial aquifer and of the water itself, shared by Fetkovich and van Everdingen-Hurst;
// only the ratio differs (finite for Fetkovich).
std::optional<Aquifermangel> RadialPruefen(const char* name, const Aquiferdaten& a, bool unendlichErlaubt) {
  const double r = a.radienverhaeltnis;
  const bool verhaeltnisGut = (std::isfinite(r) && r > 1) || (unendlichErlaubt && r == AQUIFER_UNENDLICH);
  return ErsteVerletzte(
      name, {
                {std::isfinite(a.winkel) && a.winkel > 0 && a.winkel <= 360,
                 "einen Winkel größer als 0 und höchstens 360°", "AquiferWinkel"},
                {Positiv(a.radius), "einen Radius größer als 0", "AquiferRadius"},
                {verhaeltnisGut,
                 unendlichErlaubt ? "ein Radienverhältnis größer als 1 oder \"unendlich\""
                                  : "ein endliches Radienverhältnis größer als 1",
                 "AquiferRadienverhaeltnis"},
            });
}

std::optional<Aquifermangel> GesteinPruefen(const char* name, const Aquiferdaten& a) {
  return ErsteVerletzte(name, {
                                  {Positiv(a.maechtigkeit), "eine Mächtigkeit größer als 0", "AquiferMaechtigkeit"},
                                  {Positiv(a.porositaet) && a.porositaet <= 1,
                                   "eine Porosität größer als 0 und höchstens 1", "AquiferPorositaet"},
                                  {Positiv(a.permeabilitaet), "eine Permeabilität größer als 0", "AquiferPermeabilitaet"},
                                  {Positiv(a.kompressibilitaet), "eine Kompressibilität größer als 0",
                                   "AquiferKompressibilitaet"},
                                  {Positiv(a.viskositaet), "eine Viskosität größer als 0", "AquiferViskositaet"},
                              });
}

std::optional<Aquifermangel> ModellPruefen(const Aquiferdaten& a) {
  const char* name = AquifermodellName(a.modell);
  switch (a.modell) {
    case Aquifermodell::Keiner:
      return std::nullopt;
    case Aquifermodell::Topf:
      return ErsteVerletzte(name, {
                                      {Positiv(a.volumen), "ein Volumen größer als 0", "AquiferVolumen"},
                                      {Positiv(a.kompressibilitaet), "eine Kompressibilität größer als 0",
                                       "AquiferKompressibilitaet"},
                                  });
    case Aquifermodell::Fetkovich:
      if (a.form == Aquiferform::Linear) {
        if (auto m = ErsteVerletzte(name, {
                                              {Positiv(a.breite), "eine Breite größer als 0", "AquiferBreite"},
                                              {Positiv(a.laenge), "eine Länge größer als 0", "AquiferLaenge"},
                                          }))
          return m;
      } else if (auto m = RadialPruefen(name, a, false)) {
        return m;
      }
      return GesteinPruefen(name, a);
    case Aquifermodell::Hurst:
      if (auto m = RadialPruefen(name, a, true)) return m;
      return GesteinPruefen(name, a);
  }
  return Aquifermangel{"Aquifer", "Das Aquifermodell ist unbekannt (Aquifer)."};
}

}  // namespace

const char* AquifermodellName(Aquifermodell m) {
  const auto i = static_cast<std::size_t>(m);
  return i < std::size(NAMEN) ? NAMEN[i] : "unbekannt";
}

std::optional<Aquifermodell> AquifermodellAusName(const std::string& name) {
  for (std::size_t i = 0; i < std::size(NAMEN); ++i)
    if (name == NAMEN[i]) return static_cast<Aquifermodell>(i);
  return std::nullopt;
}

std::optional<Aquifermangel> AquiferMangel(const Aquiferdaten& a) {
  if (!a.Gesetzt()) return std::nullopt;
  if (auto m = ModellPruefen(a)) return m;
  // The gas zone's terms, whatever the model.
  const double sw = a.haftwassersaettigung;
  if (!(std::isfinite(sw) && sw >= 0 && sw < 1))
    return Aquifermangel{"Haftwassersaettigung",
                         "Die Haftwassersättigung muss mindestens 0 und kleiner als 1 sein (Haftwassersaettigung)."};
  if (!(std::isfinite(a.formationskompressibilitaet) && a.formationskompressibilitaet >= 0))
    return Aquifermangel{"Formationskompressibilitaet",
                         "Die Formationskompressibilität darf nicht negativ sein (Formationskompressibilitaet)."};
  if (!(std::isfinite(a.wgv) && a.wgv >= 0))
    return Aquifermangel{"AquiferWGV", "Das Wasser-Gas-Verhältnis darf nicht negativ sein (AquiferWGV)."};
  return std::nullopt;
}

std::string AquiferdatenPruefen(const Aquiferdaten& a) {
  const std::optional<Aquifermangel> m = AquiferMangel(a);
  return m ? m->satz : std::string();
}

}  // namespace zelvor
