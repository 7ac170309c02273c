#include "report/Tabellenseiten.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace zelvor {

int ZeilenJeSeite(double breite, double hoehe) { return hoehe > breite ? ZEILEN_HOCHFORMAT : ZEILEN_QUERFORMAT; }

int Seitenanzahl(int zeilenAnzahl, int zeilenJeSeite) {
  if (zeilenJeSeite <= 0) return 1;
  return std::max(0, zeilenAnzahl) / zeilenJeSeite + 1;
}

Zeilenbereich SeitenZeilen(int seite, int zeilenJeSeite, int zeilenAnzahl) {
  if (seite < 1 || zeilenJeSeite <= 0 || zeilenAnzahl <= 0) return {};
  // 64 bits: a page number from a print range must not overflow into a negative start.
  const long long von = static_cast<long long>(seite - 1) * zeilenJeSeite;
  if (von >= zeilenAnzahl) return {};
  const long long bis = std::min<long long>(von + zeilenJeSeite, zeilenAnzahl);
  return {static_cast<int>(von), static_cast<int>(bis)};
}

std::string Seitenkopf(const std::string& titel) { return "Dokument:" + titel; }

namespace {

// The scroll bars work in int pixels; a surface beyond this would only overflow them.
constexpr double GROESSTE_FLAECHE = INT_MAX / 1024;

int Flaeche(double noetig, int mindestens) {
  if (!(noetig > mindestens)) return mindestens;  // also for NaN
  return static_cast<int>(std::min(std::ceil(noetig), GROESSTE_FLAECHE));
}

}  // namespace

int TabellenFlaechenhoehe(int zeilenAnzahl, double zeilenabstand) {
  return Flaeche((std::max(0, zeilenAnzahl) + 1.0) * std::max(0.0, zeilenabstand), 0);
}

int TabellenFlaechenbreite(int zeichen, double zeichenbreite) {
  return Flaeche((std::max(0, zeichen) + 2.0) * std::max(0.0, zeichenbreite), TABELLE_BREITE);
}

int LaengsteZeile(const std::vector<std::string>& zeilen) {
  std::size_t laengste = 0;
  for (const std::string& z : zeilen) {
    // UTF-8 continuation bytes (10xxxxxx) belong to the character before them.
    const auto zeichen = std::count_if(z.begin(), z.end(), [](char c) { return (c & 0xC0) != 0x80; });
    laengste = std::max(laengste, static_cast<std::size_t>(zeichen));
  }
  return static_cast<int>(std::min<std::size_t>(laengste, INT_MAX));
}

}  // namespace zelvor
