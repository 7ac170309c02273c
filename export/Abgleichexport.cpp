#include <string>

#include "doc/DokumentAbgleich.h"
#include "export/Exporttabellen.h"

namespace zelvor {
namespace {

void Zeile(Exporttabelle& t, const char* groesse, Exportwert wert, const char* einheit) {
  t.zeilen.push_back({std::string(groesse), std::move(wert), std::string(einheit)});
}

// A value that the match could not compute stays an empty cell.
Exportwert Wert(bool gesetzt, double wert) { return gesetzt ? Exportwert(wert) : Exportwert(); }

}  // namespace

std::vector<Exporttabelle> AbgleichTabellen(const CZelvorDoc& doc) {
  const Gasvorratsabgleich a = DokumentAbgleich(doc);
  Exporttabelle werte = Wertetabelle("Gasvorratsabgleich");
  Zeile(werte, "Eingegebenes OGIP", a.ogip, "Mio m3");
  Zeile(werte, "Exponent n", a.n, a.gegendruck ? "aus der Gegendruckgleichung" : "-");
  Exporttabelle profil;
  profil.name = "Abgleichprofil";
  // S spans orders of magnitude over the profile: each value with its own digits.
  profil.spalten = {{"G (Mio m3)", 3}, {"S (-)", STELLEN_JE_WERT}};
  if (!a.Gemacht()) {
    Zeile(werte, "Hinweis", a.meldung, "");
    return {std::move(werte), std::move(profil)};
  }
  Zeile(werte, "Abgeglichenes OGIP G*", a.g, "Mio m3");
  Zeile(werte, "Untere Grenze (95 %)", a.gUnten, "Mio m3");
  Zeile(werte, "Obere Grenze (95 %)", a.gOben, "Mio m3");
  Zeile(werte, "C bei G*", a.stern.c, a.gegendruck ? "m3/h/bar^2n" : "m3/h/bar²");
  Zeile(werte, "C an der unteren Grenze", a.unten.c, a.gegendruck ? "m3/h/bar^2n" : "m3/h/bar²");
  Zeile(werte, "C an der oberen Grenze", a.oben.c, a.gegendruck ? "m3/h/bar^2n" : "m3/h/bar²");
  Zeile(werte, "Ratenzeilen m", static_cast<double>(a.punkte.size()), "-");
  Zeile(werte, "Gp-Spanne der Ratenzeilen", a.gpSpanne, "Mio m3");
  Zeile(werte, "S bei G*", a.stern.s, "-");
  Zeile(werte, "Grenze von S", a.sGrenze, "-");
  Zeile(werte, "Student-t (95 %, m - 2)", a.t, "-");
  Zeile(werte, "RMS-Abweichung bei G*", a.stern.rms, "-");
  Zeile(werte, "RMS-Abweichung beim eingegebenen OGIP", Wert(a.eingabe.moeglich, a.eingabe.rms), "-");
  Zeile(werte, "Trend der C-Werte bei G*", a.stern.trend, "je Mio m3");
  Zeile(werte, "Trend der C-Werte beim eingegebenen OGIP", Wert(a.eingabe.moeglich, a.eingabe.trend), "je Mio m3");
  for (const Profilpunkt& p : a.profil) profil.zeilen.push_back({p.g, p.s});
  return {std::move(werte), std::move(profil)};
}

}  // namespace zelvor
