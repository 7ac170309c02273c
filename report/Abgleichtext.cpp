#include "report/Abgleichtext.h"

#include <algorithm>
#include <cmath>

#include "calc/Format.h"

namespace zelvor {
namespace {

// "    label (unit):" in a fixed width, then the value's text.
std::string Zeile(const char* name, const char* einheit, const std::string& wert) {
  // Padded by characters, not bytes: a label with an umlaut lines up with the others.
  std::string n = name;
  std::size_t zeichen = 0;
  for (unsigned char c : n) zeichen += (c & 0xC0) != 0x80;
  if (zeichen < 41) n.append(41 - zeichen, ' ');
  return Formatiere("    %s%9s:%s", n.c_str(), (std::string("(") + einheit + ")").c_str(), wert.c_str());
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

void SatzUmbrechen(std::vector<std::string>& t, const std::string& satz) { Umbrochen(t, satz); }

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

std::string MessbilanzFolgerung(const Messbilanz& m, const Gasvorratsabgleich& a) {
  double unten = -HUGE_VAL, oben = HUGE_VAL;
  int gemacht = 0;
  const auto nehmen = [&](bool ja, double u, double o) {
    if (!ja) return;
    ++gemacht;
    unten = std::max(unten, u);
    oben = std::min(oben, o);
  };
  nehmen(a.Gemacht(), a.gUnten, a.gOben);
  nehmen(m.Gemacht() && m.gerade.Gemacht(), m.gerade.gUnten, m.gerade.gOben);
  nehmen(m.Gemacht() && m.bilanz.Gemacht(), m.bilanz.gUnten, m.bilanz.gOben);
  if (gemacht < 2) return "";
  if (unten <= oben)
    return "Die Gasvorräte aus den Fließdaten und den Schließdruckmessungen stimmen innerhalb ihrer "
           "Vertrauensbereiche überein.";
  return "Die Gasvorräte aus den Fließdaten und den Schließdruckmessungen stimmen innerhalb ihrer "
         "Vertrauensbereiche nicht überein; Messungen, OGIP und Wasserinvasion prüfen.";
}

std::string MessbilanzHinweis(const Messbilanz& m) {
  if (!m.Gemacht() || !m.gerade.Gemacht()) return "";
  if (m.gerade.aUnten > m.pzi || m.gerade.aufwaerts)
    return "P/Z der Schließdruckmessungen liegt bei Gp = 0 deutlich über dem initialen P/Z oder biegt nach oben: "
           "Wasserinvasion oder eine überdruckte Lagerstätte ist wahrscheinlich.";
  return "";
}

std::vector<std::string> MessbilanzText(const Messbilanz& m, const Gasvorratsabgleich& a) {
  std::vector<std::string> t;
  if (m.messungen == 0) return t;
  t.emplace_back();
  t.push_back("    Gasvorrat aus den Schließdruckmessungen: P/Z über Gp");
  t.emplace_back();
  if (!m.Gemacht()) {
    Umbrochen(t, m.meldung);
    return t;
  }
  t.push_back("         Datum         Gp       pws         Z       P/Z");
  t.push_back("                 (Mio m3)     (bar)       (-)     (bar)");
  for (const Messpunkt& p : m.punkte)
    t.push_back(Formatiere("    %10s %10.3f %9.2f %9.4f %9.2f", p.datum ? DatumText(*p.datum).c_str() : "",
                           p.gp, p.pws, p.z, p.pz));
  t.emplace_back();
  t.push_back(Zeile("Initialer P/Z-Wert", "bar", Formatiere("%12.2f", m.pzi)));
  const PZGerade& g = m.gerade;
  if (g.Gemacht()) {
    t.push_back(Formatiere("    P/Z-Gerade: P/Z = %.2f - %.5f·Gp (R² = %.4f)", g.a, g.b, g.r2));
    t.push_back(Zeile("P/Z bei Gp = 0 (95 %-Bereich)", "bar", Formatiere("%12.2f (%.2f bis %.2f)", g.a, g.aUnten, g.aOben)));
  } else {
    Umbrochen(t, g.meldung);
  }
  if (!m.bilanz.Gemacht()) Umbrochen(t, m.bilanz.meldung);
  t.emplace_back();
  t.push_back(Zeile("Eingegebenes OGIP", "Mio m3", Formatiere("%12.1f", a.ogip)));
  const auto bereich = [&](const char* name, bool ja, double w, double u, double o) {
    t.push_back(Zeile(name, "Mio m3", ja ? Formatiere("%12.1f (%.1f bis %.1f)", w, u, o) : std::string("  nicht berechenbar")));
  };
  bereich("Abgleich der Fließdaten G*", a.Gemacht(), a.g, a.gUnten, a.gOben);
  bereich("P/Z-Gerade der Messungen", g.Gemacht(), g.g, g.gUnten, g.gOben);
  bereich("Materialbilanz durch P/Z initial", m.bilanz.Gemacht(), m.bilanz.g, m.bilanz.gUnten, m.bilanz.gOben);
  const std::string folgerung = MessbilanzFolgerung(m, a), hinweis = MessbilanzHinweis(m);
  if (!folgerung.empty() || !hinweis.empty()) t.emplace_back();
  if (!folgerung.empty()) Umbrochen(t, folgerung);
  if (!hinweis.empty()) Umbrochen(t, hinweis);
  return t;
}

}  // namespace zelvor
