#include "report/Feldmeldungen.h"

#include "calc/Format.h"

namespace zelvor {

std::string FeldBerechneText(std::size_t bohrungen) {
  return "Berechne " + Anzahltext(static_cast<long long>(bohrungen), "Bohrung", "Bohrungen") + "...";
}

std::string FeldBerechnetText(const Feldergebnis& f) {
  std::string text = Anzahltext(static_cast<long long>(f.bohrungen.size()), "Bohrung", "Bohrungen") + " berechnet";
  if (f.Fehlgeschlagene() > 0) text += Formatiere(", %zu nicht auswertbar", f.Fehlgeschlagene());
  if (f.abgebrochen) text = "Abgebrochen: " + text;
  return text + ".";
}

std::string FeldEntferntText(std::size_t bohrungen) {
  if (bohrungen == 1) return "Eine Bohrung aus dem Feld entfernt.";
  return Formatiere("%zu Bohrungen aus dem Feld entfernt.", bohrungen);
}

}  // namespace zelvor
