#include "report/Abgleichtext.h"

#include <algorithm>

#include "calc/Format.h"

namespace zelvor {
namespace {

// "    label (unit):" in a fixed width, then the value's text.
std::string Zeile(const char* name, const char* einheit, const std::string& wert) {
  return Formatiere("    %-41s%9s:%s", name, (std::string("(") + einheit + ")").c_str(), wert.c_str());
}

// A sentence broken into lines of at most BREITE characters (UTF-8 counted as characters), indented.
constexpr size_t BREITE = 92;
void Umbrochen(std::vector<std::string>& t, const std::string& satz) {
  std::string zeile;
  size_t zeichen = 0;
  size_t anfang = 0;
  while (anfang < satz.size()) {
    size_t ende = satz.find(' ', anfang);
    if (ende == std::string::npos) ende = satz.size();
    const std::string wort = satz.substr(anfang, ende - anfang);
    size_t laenge = 0;
    for (unsigned char c : wort) laenge += (c & 0xC0) != 0x80;
    if (zeichen > 0 && zeichen + 1 + laenge > BREITE) {
      t.push_back("    " + zeile);
      zeile.clear();
      zeichen = 0;
    }
    if (zeichen > 0) zeile += ' ', ++zeichen;
    zeile += wort;
    zeichen += laenge;
    anfang = ende + 1;
  }
  if (!zeile.empty()) t.push_back("    " + zeile);
}

std::string Gleichung(const Gasvorratsabgleich& a) {
  const char* d = a.injektion ? "(pwf² - pws²)" : "(pws² - pwf²)";
  if (!a.gegendruck)
    return Formatiere("    Q = C·%s mit C = %.5f m3/h/bar², n = 1 (Modell der Auswertung)", d, a.stern.c);
  return Formatiere("    Q = C·%s^n mit C = %.4e m3/h/bar^2n, n = %.4f (Gegendruckgleichung)", d, a.stern.c, a.n);
}

std::string Abweichung(const Abgleichwert& w) {
  return w.moeglich ? Formatiere("%12.2f", 100.0 * w.rms) : std::string("  nicht berechenbar");
}

// The C-values' drift over the lines' Gp span as a share of their mean, and per Mio m3.
std::string Trend(const Abgleichwert& w, double spanne) {
  if (!w.moeglich) return "  nicht berechenbar";
  const double anteil = w.cMittel > 0 ? 100.0 * w.trend * spanne / w.cMittel : 0.0;
  return Formatiere("%12.1f  (%.3e je Mio m3)", anteil, w.trend);
}

}  // namespace

std::string AbgleichFolgerung(const Gasvorratsabgleich& a) {
  if (!a.Gemacht()) return "";
  if (a.ogip >= a.gUnten && a.ogip <= a.gOben)
    return "Das eingegebene OGIP liegt im Vertrauensbereich: die Fließdaten bestätigen es.";
  // For a storage the match checks the booked inventory.
  return Formatiere("Das eingegebene OGIP liegt %s dem Vertrauensbereich: die Fließdaten sprechen für einen %s "
                    "%s; %s prüfen.",
                    a.ogip > a.gOben ? "über" : "unter", a.ogip > a.gOben ? "kleineren" : "größeren",
                    a.injektion ? "Gasinhalt des Speichers" : "Gasvorrat",
                    a.injektion ? "den gebuchten Gasinhalt" : "OGIP und Wasserinvasion");
}

std::vector<std::string> AbgleichText(const Gasvorratsabgleich& a) {
  std::vector<std::string> t;
  t.push_back("    Gasvorrat aus den Fließdaten: Abgleich auf einen gleichbleibenden C-Wert");
  t.emplace_back();
  t.push_back(Zeile("Eingegebenes OGIP", "Mio m3", Formatiere("%12.1f", a.ogip)));
  if (!a.Gemacht()) {
    Umbrochen(t, a.meldung);
    return t;
  }
  t.push_back(Zeile("Abgeglichenes OGIP G*", "Mio m3", Formatiere("%12.1f", a.g)));
  t.push_back(Zeile("95 %-Vertrauensbereich", "Mio m3", Formatiere("%12.1f bis %.1f", a.gUnten, a.gOben)));
  t.push_back(Zeile("Ratenzeilen mit Q > 0", "-", Formatiere("%12d", static_cast<int>(a.punkte.size()))));
  t.push_back(Zeile("Gp-Spanne der Ratenzeilen", "Mio m3", Formatiere("%12.3f", a.gpSpanne)));
  t.push_back(Gleichung(a));
  t.push_back(Zeile("RMS-Abweichung der Raten bei G*", "%", Abweichung(a.stern)));
  t.push_back(Zeile("RMS-Abweichung beim eingegebenen OGIP", "%", Abweichung(a.eingabe)));
  t.push_back(Zeile("Trend der C-Werte bei G*", "%", Trend(a.stern, a.gpSpanne)));
  t.push_back(Zeile("Trend der C-Werte beim eingegebenen OGIP", "%", Trend(a.eingabe, a.gpSpanne)));
  t.emplace_back();
  Umbrochen(t, AbgleichFolgerung(a));
  return t;
}

}  // namespace zelvor
