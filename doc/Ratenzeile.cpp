#include "doc/Ratenzeile.h"

#include "calc/Format.h"

#include <cmath>

namespace zelvor {
namespace {

bool IstLeerraum(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

int RatenzeileScannen(const std::string& text, float& gp, float& rate, float& druck) {
  // One number at a time, so that a NaN or infinite one can end the count where it stands.
  float* const ziele[] = {&gp, &rate, &druck};
  const char* p = text.c_str();
  int anzahl = 0;
  for (float* ziel : ziele) {
    float wert = 0;
    int gelesen = 0;
    if (Scanne(p, "%f%n", &wert, &gelesen) != 1 || !std::isfinite(wert)) return anzahl;
    *ziel = wert;
    p += gelesen;
    ++anzahl;
  }
  // The fourth item only has to be there, whatever it is.
  while (IstLeerraum(*p)) ++p;
  return *p != '\0' ? 4 : 3;
}

RatenzeilePruefung RatenzeilePruefen(const std::string& text) {
  RatenzeilePruefung e;
  if (RatenzeileScannen(text, e.gp, e.rate, e.druck) != 3) {
    e.meldung = "Die Zeile nicht 3  Werte";
  } else if (e.gp < 0) {
    e.meldung = "Gp ist kleiner als Null";
  } else if (e.rate < 0) {
    e.meldung = "Die Rate ist kleiner als Null";
  } else if (e.druck < 0) {
    e.meldung = "Der Druck ist kleiner als Null";
  } else {
    e.gueltig = true;
    // "-0" passes as zero and is stored as one, not as "-0.000".
    e.gp += 0.0f;
    e.rate += 0.0f;
    e.druck += 0.0f;
    e.zeile = Formatiere("%7.3f %17.2f %17.2f", static_cast<double>(e.gp), static_cast<double>(e.rate),
                         static_cast<double>(e.druck));
  }
  return e;
}

}  // namespace zelvor
