// Fuzz target for the evaluation run and the graph scaling of its series.
//
// Input layout:
//   byte 0      switches: 1 variable C-value, 2 graph with rates, 4 injection, 8 the first text line is the
//               well name, 16 rate lines generated from binary numbers, 32 those in the import layout
//   bytes 1-3   one bit per input below (little-endian): set = raw bit pattern, clear = two bytes mapped into
//               the range the input dialog allows, so that most runs get past the input checks
//   inputs      15 components, reservoir temperature, wellhead temperature, OGIP, initial pressure, water
//               influx (floats: 4 raw bytes), A1, B1 (doubles: 8 raw bytes), number of wells (int: 4 raw bytes)
//   the rest    rate lines: text split at LF (a last empty piece dropped), or with switch 16 six bytes per
//               line (Gp, rate, wellhead pressure, two bytes each), formatted as the dialog stores lines
// Missing bytes read as 0.
//
// With ZELVOR_FUZZ_TABELLE set in the environment, the inputs and the result table of every run are shown
// on stderr. The widths of the table's formats are minimum widths, as printf has them: a value that needs
// more digits widens its field (and shifts the rest of its line) rather than losing digits, so that every
// printed digit stays exact. Each table line is checked to be exactly printf's text of its values. With
// ZELVOR_FUZZ_BREITEN set, every printed number wider than its printf width is reported on stderr together
// with the inputs; each such field also has a branch of its own below, so that the fuzzer keeps inputs
// that make a further field overflow.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzHilfen.h"
#include "calc/Format.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentAbgleich.h"
#include "doc/DokumentPrognose.h"
#include "report/Abgleichtext.h"
#include "report/Grafikskalierung.h"
#include "report/Lieferfaehigkeitstext.h"
#include "report/Prognosetext.h"

namespace zelvor::fuzz {
namespace {

class Bytes {
 public:
  Bytes(const std::uint8_t* d, std::size_t n) : m_d(d), m_n(n) {}
  std::uint64_t Zahl(std::size_t breite) {
    std::uint64_t w = 0;
    for (std::size_t i = 0; i < breite; ++i, ++m_pos)
      if (m_pos < m_n) w |= std::uint64_t{m_d[m_pos]} << (8 * i);
    return w;
  }
  std::string_view Rest() const {
    return m_pos < m_n ? std::string_view(reinterpret_cast<const char*>(m_d + m_pos), m_n - m_pos)
                       : std::string_view();
  }

 private:
  const std::uint8_t* m_d;
  std::size_t m_n;
  std::size_t m_pos = 0;
};

class Eingaben {
 public:
  Eingaben(const std::uint8_t* d, std::size_t n) : m_b(d, n) {
    m_schalter = static_cast<unsigned>(m_b.Zahl(1));
    m_roh = static_cast<std::uint32_t>(m_b.Zahl(3));
  }

  float Float(double min, double max, double potenz = 1.0) {
    if (RohesFeld()) return std::bit_cast<float>(static_cast<std::uint32_t>(m_b.Zahl(4)));
    return static_cast<float>(Abbilden(min, max, potenz));
  }
  double Double(double min, double max, double potenz = 1.0) {
    if (RohesFeld()) return std::bit_cast<double>(m_b.Zahl(8));
    return Abbilden(min, max, potenz);
  }
  std::int32_t Int(int min, int max) {
    if (RohesFeld()) return std::bit_cast<std::int32_t>(static_cast<std::uint32_t>(m_b.Zahl(4)));
    return min + static_cast<int>(m_b.Zahl(2) % static_cast<std::uint64_t>(max - min + 1));
  }
  bool Schalter(unsigned bit) const { return (m_schalter & bit) != 0; }
  Bytes& Rest() { return m_b; }

 private:
  bool RohesFeld() { return (m_roh >> m_feld++ & 1u) != 0; }
  double Abbilden(double min, double max, double potenz) {
    const double anteil = static_cast<double>(m_b.Zahl(2)) / 65535.0;
    return min + (max - min) * std::pow(anteil, potenz);
  }

  Bytes m_b;
  unsigned m_schalter = 0;
  std::uint32_t m_roh = 0;
  int m_feld = 0;
};

constexpr unsigned VARIABLER_C = 1, GRAFIK_RATEN = 2, INJEKTION = 4, NAME = 8, ERZEUGT = 16, IMPORTFORM = 32;

void DokumentAufbauen(const std::uint8_t* daten, std::size_t groesse, CZelvorDoc& doc) {
  Eingaben e(daten, groesse);
  doc.StandardwerteSetzen();
  for (float& k : doc.m_Komponenten) k = e.Float(0, 100, 2);
  doc.m_Temperatur = e.Float(-50, 350);
  doc.m_Kopftemperatur = e.Float(-50, 350);
  doc.m_OGIP = e.Float(0, 90000, 2);
  doc.m_Initialdruck = e.Float(1, 1000);
  doc.m_Wasserinvasion = e.Float(0, 10000, 3);
  doc.m_A1 = e.Double(0, 10000, 2);
  doc.m_B1 = e.Double(0, 10);
  doc.m_Bohrungsanzahl = e.Int(1, 20);
  doc.m_bVariablerC = e.Schalter(VARIABLER_C);
  doc.m_bGrafikRaten = e.Schalter(GRAFIK_RATEN);
  doc.m_bInjektion = e.Schalter(INJEKTION);

  std::string_view rest = e.Rest().Rest();
  if (e.Schalter(NAME)) {
    const std::size_t lf = rest.find('\n');
    doc.m_Gasbohrung = std::string(rest.substr(0, lf));
    rest = lf == std::string_view::npos ? std::string_view() : rest.substr(lf + 1);
  }
  doc.m_Ratenzeilen.clear();
  if (e.Schalter(ERZEUGT)) {
    Bytes b(reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size());
    for (std::size_t i = 0; i + 6 <= rest.size(); i += 6) {
      const double gp = static_cast<double>(b.Zahl(2)) / 65535.0 * 1.05 * static_cast<double>(doc.m_OGIP);
      const double q = 2.0 * static_cast<double>(b.Zahl(2));
      const double pwh = static_cast<double>(b.Zahl(2)) / 65535.0 * 1000.0;
      doc.m_Ratenzeilen.push_back(e.Schalter(IMPORTFORM) ? Formatiere("%10.3f  %10.1f %15.1f", gp, q, pwh)
                                                         : Formatiere("%7.3f %17.2f %17.2f", gp, q, pwh));
    }
    return;
  }
  while (!rest.empty()) {
    const std::size_t lf = rest.find('\n');
    doc.m_Ratenzeilen.emplace_back(rest.substr(0, lf));
    rest = lf == std::string_view::npos ? std::string_view() : rest.substr(lf + 1);
  }
}

bool Beginnt(std::string_view s, std::string_view anfang) { return s.substr(0, anfang.size()) == anfang; }

bool IstAbbruchzeile(std::string_view s) {
  return Beginnt(s, "ABBRUCH") || Beginnt(s, "    ABBRUCH") || Beginnt(s, "ERROR");
}

// Abort lines that the offending rate line's text follows; the others end the table themselves.
bool MitRatenzeile(std::string_view s) {
  return (Beginnt(s, "ABBRUCH!") && !Beginnt(s, "ABBRUCH!!")) ||
         (Beginnt(s, "ERROR") && !Beginnt(s, "ERROR!!Gp-Wert:"));
}

bool EnthaeltNanOderInf(std::string_view s) {
  for (std::size_t i = 0; i + 3 <= s.size(); ++i) {
    char t[3];
    for (std::size_t j = 0; j < 3; ++j) t[j] = static_cast<char>(s[i + j] | 0x20);
    if ((t[0] == 'n' && t[1] == 'a' && t[2] == 'n') || (t[0] == 'i' && t[1] == 'n' && t[2] == 'f')) return true;
  }
  return false;
}

// The first word of a line ("Summe", "Initialer"), or "Tabelle" for a line of numbers: names a kind of
// line in the keys of known faults.
std::string Kennwort(std::string_view s) {
  std::size_t a = 0;
  while (a < s.size() && !((s[a] >= 'A' && s[a] <= 'Z') || (s[a] >= 'a' && s[a] <= 'z'))) ++a;
  std::size_t e = a;
  while (e < s.size() && ((s[e] >= 'A' && s[e] <= 'Z') || (s[e] >= 'a' && s[e] <= 'z'))) ++e;
  const std::string_view w = s.substr(a, e - a);
  if (w.empty() || w == "nan" || w == "inf" || w == "NAN" || w == "INF") return "Tabelle";
  return std::string(w);
}

// ---- Field widths -------------------------------------------------------------------------------------

enum Feld {
  KOMPONENTE, SUMME, TEMPERATUR, KOPFTEMPERATUR, OGIP, INITIALDRUCK, ZI, BGI, WASSERINVASION, BOHRUNGSANZAHL,
  A1, B1, T_GP, T_Q, T_PWH, T_PWF, T_PWS, T_PZ, T_C, FALSCH_GP, FALSCH_DRUCK, FALSCH_RATE, NEGATIV_GP,
  MITTEL_C, NICHT_ENDLICH, FELDANZAHL
};
constexpr const char* FELDNAME[FELDANZAHL] = {
    "Komponente %6.2f", "Summe %8.2f", "Lagerstättentemperatur %10.1f", "Kopffliesstemperatur %10.1f",
    "OGIP %10.1f", "Initialdruck %10.1f", "Zi %10.3f", "Bgi %10.3f", "Wasserinvasion %10.1f",
    "Bohrungsanzahl %10d", "A1 %7.2f", "B1 %5.3f", "Tabelle Gp %13.3f", "Tabelle Q %9.1f",
    "Tabelle Kopffliessdruck %8.2f", "Tabelle Bodenfliessdruck %11.2f", "Tabelle Schliessdruck %11.2f",
    "Tabelle P/Z %8.2f", "Tabelle C-Wert %9.3f", "FALSCHE A1,B1 GP %5.1f", "FALSCHE A1,B1 DRUCK %4.1f",
    "FALSCHE A1,B1 RATE %4.1f", "C-WERT negativ GP %5.1f", "Mittlerer C-Wert %7.3f",
    "Grafikreihe nicht endlich"};

volatile unsigned g_gesehen[FELDANZAHL];

// A function of its own per field, so that the first overflow of each field is new coverage for the
// fuzzer (branches that only differ in an index could be merged by the optimiser).
template <Feld F>
[[gnu::noinline]] void Gesehen() {
  g_gesehen[F] = g_gesehen[F] + 1u;
}

void Merken(Feld f) {
  switch (f) {
    case KOMPONENTE: Gesehen<KOMPONENTE>(); break;
    case SUMME: Gesehen<SUMME>(); break;
    case TEMPERATUR: Gesehen<TEMPERATUR>(); break;
    case KOPFTEMPERATUR: Gesehen<KOPFTEMPERATUR>(); break;
    case OGIP: Gesehen<OGIP>(); break;
    case INITIALDRUCK: Gesehen<INITIALDRUCK>(); break;
    case ZI: Gesehen<ZI>(); break;
    case BGI: Gesehen<BGI>(); break;
    case WASSERINVASION: Gesehen<WASSERINVASION>(); break;
    case BOHRUNGSANZAHL: Gesehen<BOHRUNGSANZAHL>(); break;
    case A1: Gesehen<A1>(); break;
    case B1: Gesehen<B1>(); break;
    case T_GP: Gesehen<T_GP>(); break;
    case T_Q: Gesehen<T_Q>(); break;
    case T_PWH: Gesehen<T_PWH>(); break;
    case T_PWF: Gesehen<T_PWF>(); break;
    case T_PWS: Gesehen<T_PWS>(); break;
    case T_PZ: Gesehen<T_PZ>(); break;
    case T_C: Gesehen<T_C>(); break;
    case FALSCH_GP: Gesehen<FALSCH_GP>(); break;
    case FALSCH_DRUCK: Gesehen<FALSCH_DRUCK>(); break;
    case FALSCH_RATE: Gesehen<FALSCH_RATE>(); break;
    case NEGATIV_GP: Gesehen<NEGATIV_GP>(); break;
    case MITTEL_C: Gesehen<MITTEL_C>(); break;
    case NICHT_ENDLICH: Gesehen<NICHT_ENDLICH>(); break;
    case FELDANZAHL: break;
  }
}

struct Breitenbericht {
  std::vector<std::string> funde;
  bool gemeldet[FELDANZAHL] = {};
  // Reports the first overflow of each field per run; the rest of a long table says nothing new.
  void Pruefen(Feld f, std::string_view zahl, std::size_t breite, const std::string& zeile) {
    if (zahl.size() <= breite || gemeldet[f]) return;
    gemeldet[f] = true;
    Merken(f);
    funde.push_back(std::string(FELDNAME[f]) + ": \"" + std::string(zahl) + "\" in \"" + Sichtbar(zeile, 120) + "\"");
  }
};

// The number that follows `anfang` up to `ende` (or the end of the line).
std::string_view ZahlNach(std::string_view zeile, std::string_view anfang, std::string_view ende = {}) {
  std::string_view r = zeile.substr(anfang.size());
  if (!ende.empty()) r = r.substr(0, r.find(ende));
  return r;
}

std::vector<std::string_view> Woerter(std::string_view s) {
  std::vector<std::string_view> w;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && s[i] == ' ') ++i;
    const std::size_t a = i;
    while (i < s.size() && s[i] != ' ') ++i;
    if (i > a) w.push_back(s.substr(a, i - a));
  }
  return w;
}

bool Zahlwort(std::string_view w) {
  if (w.empty()) return false;
  for (const char c : w)
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-')) return false;
  return true;
}

void BreitenPruefen(const CStringArray& tabelle, std::size_t echo, Breitenbericht& b) {
  struct Kopfzeile {
    const char* anfang;
    Feld feld;
    std::size_t breite;
  };
  static const Kopfzeile kopf[] = {
      {"    Summe    ", SUMME, 8},
      {"    Lagerstättentemperatur              (°C):", TEMPERATUR, 10},
      {"    Kopffliesstemperatur                (°C):", KOPFTEMPERATUR, 10},
      {"    Original Gas in Place           (Mio m3):", OGIP, 10},
      {"    Initialer Lagerstättendruck        (bar):", INITIALDRUCK, 10},
      {"    Initialer Z- Wert Zi                 (-):", ZI, 10},
      {"    Initialer Formationsvolumenfaktor Bgi(-):", BGI, 10},
      {"    Wasserinvasion WE               (Mio m3):", WASSERINVASION, 10},
      {"    Bohrungsanzahl                       (-):", BOHRUNGSANZAHL, 10},
      {"    Mittlerer C-Wert: ", MITTEL_C, 7},
  };
  static const char* const komponenten[] = {" H2S", " CO2", " N2", " CH4", " C2H6", " C3H8", " iC4H10", " nC4H10",
                                            " iC5H12", " nC5H12", " C6H14", " C7H16", " C8H18", " C9H20", " C10H22"};
  static constexpr std::size_t tabellenbreite[] = {13, 9, 8, 11, 11, 8, 9};
  bool tabelle_begonnen = false;
  for (std::size_t i = 0; i < tabelle.size(); ++i) {
    if (i == echo) continue;
    const std::string& z = tabelle[i];
    const std::string_view s(z);
    if (Beginnt(s, "      (Mio m3)  (m3/h)")) tabelle_begonnen = true;
    for (const Kopfzeile& k : kopf)
      if (Beginnt(s, k.anfang)) b.Pruefen(k.feld, ZahlNach(s, k.anfang), k.breite, z);
    if (!tabelle_begonnen && s.size() > 15 && Beginnt(s, "   ")) {
      for (const char* name : komponenten) {
        const std::string label = Formatiere("   %-12s", name);
        if (Beginnt(s, label)) b.Pruefen(KOMPONENTE, ZahlNach(s, label), 6, z);
      }
    }
    if (Beginnt(s, "    Vertikaler Druckverlust A1: ")) {
      b.Pruefen(A1, ZahlNach(s, "    Vertikaler Druckverlust A1: ", " B1: "), 7, z);
      const std::size_t p = s.rfind(" B1: ");
      if (p != std::string_view::npos) b.Pruefen(B1, s.substr(p + 5), 5, z);
    }
    if (Beginnt(s, "FALSCHE A1,B1-WERTE bei GP:")) {
      const std::size_t d = s.find(" DRUCK:"), r = s.find(" RATE:");
      if (d != std::string_view::npos && r != std::string_view::npos && d < r) {
        b.Pruefen(FALSCH_GP, s.substr(27, d - 27), 5, z);
        b.Pruefen(FALSCH_DRUCK, s.substr(d + 7, r - d - 7), 4, z);
        b.Pruefen(FALSCH_RATE, s.substr(r + 6), 4, z);
      }
    }
    if (Beginnt(s, " C-WERT negativ bei GP: "))
      b.Pruefen(NEGATIV_GP, ZahlNach(s, " C-WERT negativ bei GP: ", ".Er wurde"), 5, z);
    if (tabelle_begonnen) {
      const std::vector<std::string_view> w = Woerter(s);
      bool zahlen = w.size() == 7;
      for (const auto& x : w) zahlen = zahlen && Zahlwort(x);
      if (zahlen) {
        for (std::size_t k = 0; k < 7; ++k) b.Pruefen(static_cast<Feld>(T_GP + k), w[k], tabellenbreite[k], z);
        // The widths are printf's minimum widths: a value that needs more digits widens its field by exactly
        // those digits and is never cut or padded otherwise, so the line is what printf makes of its values.
        double v[7];
        for (std::size_t k = 0; k < 7; ++k) v[k] = std::strtod(std::string(w[k]).c_str(), nullptr);
        FUZZ_PRUEFE(Formatiere("%13.3f %9.1f %8.2f %11.2f %11.2f %8.2f %9.3f", v[0], v[1], v[2], v[3], v[4], v[5],
                               v[6]) == z,
                    Sichtbar(z));
      }
    }
  }
}

std::string EingabenText(const CZelvorDoc& d) {
  std::string t = "Komponenten:";
  for (const float k : d.m_Komponenten) t += Formatiere(" %.9g", static_cast<double>(k));
  t += Formatiere(
      "\n  Temperatur %.9g  Kopftemperatur %.9g  OGIP %.9g  Initialdruck %.9g  Wasserinvasion %.9g\n"
      "  A1 %.17g  B1 %.17g  Bohrungsanzahl %d  VariablerC %d  GrafikRaten %d  Injektion %d\n  Ratenzeilen (%zu):",
      static_cast<double>(d.m_Temperatur), static_cast<double>(d.m_Kopftemperatur), static_cast<double>(d.m_OGIP),
      static_cast<double>(d.m_Initialdruck), static_cast<double>(d.m_Wasserinvasion), d.m_A1, d.m_B1,
      d.m_Bohrungsanzahl, d.m_bVariablerC, d.m_bGrafikRaten, d.m_bInjektion, d.m_Ratenzeilen.size());
  for (std::size_t i = 0; i < d.m_Ratenzeilen.size() && i < 5; ++i) t += "\n    \"" + Sichtbar(d.m_Ratenzeilen[i]) + "\"";
  if (d.m_Ratenzeilen.size() > 5) t += "\n    ...";
  return t;
}

std::string Tabelle(const CStringArray& t) {
  std::string r;
  for (const std::string& z : t) r += "\n  |" + Sichtbar(z, 120);
  return r;
}

}  // namespace
}  // namespace zelvor::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace zelvor;
  using namespace zelvor::fuzz;
  static const bool breitenMelden = std::getenv("ZELVOR_FUZZ_BREITEN") != nullptr;

  CZelvorDoc doc;
  DokumentAufbauen(daten, groesse, doc);
  // Captions of an earlier run: only a complete run may replace them.
  doc.m_TextXAchse = doc.m_TextYAchse = doc.m_TextKurve1 = doc.m_TextKurve2 = "vorher";
  const CZelvorDoc eingaben = doc;

  const bool vollstaendig = doc.Auswertung();
  const CStringArray& t = doc.m_Ergebnis;
  static const bool tabelleZeigen = std::getenv("ZELVOR_FUZZ_TABELLE") != nullptr;
  if (tabelleZeigen) std::fprintf(stderr, "%s%s\n", EingabenText(eingaben).c_str(), Tabelle(t).c_str());
  FUZZ_PRUEFE(GespeicherteFelderGleich(doc, eingaben) && doc.m_bVariablerC == eingaben.m_bVariablerC &&
                  doc.m_bGrafikRaten == eingaben.m_bGrafikRaten && doc.m_bRechnen == eingaben.m_bRechnen,
              "die Auswertung hat Eingaben verändert");
  FUZZ_PRUEFE(!t.empty(), "");
  FUZZ_PRUEFE(t[0] == "    Name der Gasbohrung: " + doc.m_Gasbohrung.substr(0, doc.m_Gasbohrung.find('\0')),
              Sichtbar(t[0]));
  const std::size_t n = doc.m_Ratenzeilen.size();
  FUZZ_PRUEFE(doc.m_MaxWerte >= 0 && doc.m_MaxWerte <= MAX_KURVENWERTE &&
                  static_cast<std::size_t>(doc.m_MaxWerte) <= n,
              std::to_string(doc.m_MaxWerte));
  const auto maxWerte = static_cast<std::size_t>(doc.m_MaxWerte);

  // Where the table ends, and which line (if any) is the offending rate line's own text.
  std::size_t echo = t.size();
  std::size_t abbruchzeilen = 0;
  for (std::size_t i = 1; i < t.size(); ++i)
    if (IstAbbruchzeile(t[i])) ++abbruchzeilen;
  if (vollstaendig) {
    FUZZ_PRUEFE(abbruchzeilen == 0, Tabelle(t));
    std::size_t m = t.size();
    while (m > 0 && !Beginnt(t[m - 1], "    Mittlerer C-Wert:")) --m;
    FUZZ_PRUEFE(m >= 2 && t[m - 2].empty(), Tabelle(t));
    const std::size_t danach = t.size() - m;
    FUZZ_PRUEFE(danach == 0 || danach == 2, Tabelle(t));
    if (danach == 2) {
      FUZZ_PRUEFE(doc.m_bVariablerC, Tabelle(t));
      FUZZ_PRUEFE(t[m] == "    Die Raten werden mit variablen C-Werten berechnet, d.h.", Tabelle(t));
      FUZZ_PRUEFE(Beginnt(t[m + 1], "    C-Wert = "), Tabelle(t));
    } else if (doc.m_bVariablerC && !doc.m_bGrafikRaten) {
      for (std::size_t k = 0; k < maxWerte; ++k) FUZZ_PRUEFE(!(doc.m_Kurve1Y[k] > 0.0f), Tabelle(t));
    }
    FUZZ_PRUEFE(maxWerte == std::min<std::size_t>(n, MAX_KURVENWERTE), std::to_string(maxWerte));
    FUZZ_PRUEFE(doc.m_TextXAchse == "Kumulative Gasproduktion Gp (Mio m3)", "");
    if (doc.m_bGrafikRaten) {
      FUZZ_PRUEFE(doc.m_TextYAchse == "Raten" && doc.m_TextKurve1 == "Raten (gemessen)" &&
                      doc.m_TextKurve2 == "Raten (berechnet)",
                  "");
    } else {
      FUZZ_PRUEFE(doc.m_TextYAchse == "C-Werte" && doc.m_TextKurve1 == "C-Werte berechnet" &&
                      doc.m_TextKurve2 == (doc.m_bVariablerC ? "C-Werte  Ausgleich" : "C-Werte Mittelwert"),
                  "");
    }
  } else {
    FUZZ_PRUEFE(t.size() >= 3, Tabelle(t));
    std::size_t abbruch = t.size() - 1;
    if (!IstAbbruchzeile(t[abbruch]) || MitRatenzeile(t[t.size() - 2])) {
      abbruch = t.size() - 2;
      echo = t.size() - 1;
      FUZZ_PRUEFE(IstAbbruchzeile(t[abbruch]) && MitRatenzeile(t[abbruch]), Tabelle(t));
      FUZZ_PRUEFE(maxWerte < n && t[echo] == doc.m_Ratenzeilen[maxWerte], Tabelle(t));
      if (IstAbbruchzeile(t[echo])) --abbruchzeilen;
    } else {
      FUZZ_PRUEFE(!MitRatenzeile(t[abbruch]), Tabelle(t));
    }
    FUZZ_PRUEFE(abbruchzeilen == 1, Tabelle(t));
    for (std::size_t i = 0; i < t.size(); ++i)
      FUZZ_PRUEFE(!Beginnt(t[i], "    Mittlerer C-Wert:") || i == echo, Tabelle(t));
    FUZZ_PRUEFE(doc.m_TextXAchse == "vorher" && doc.m_TextYAchse == "vorher" && doc.m_TextKurve1 == "vorher" &&
                    doc.m_TextKurve2 == "vorher",
                "ein abgebrochener Lauf hat die Beschriftung ersetzt");
  }
  FUZZ_PRUEFE(doc.m_TextY2Achse.empty(), doc.m_TextY2Achse);

  // No number may come out as nan or inf; the name and a repeated rate line are the user's own text.
  for (std::size_t i = 1; i < t.size(); ++i) {
    if (i == echo || t[i] == "ABBRUCH!Die Ratenzeile enthält eine ungültige Zahl (nan oder inf)") continue;
    FUZZ_PRUEFE_FEHLER(!EnthaeltNanOderInf(t[i]), "naninf:" + Kennwort(t[i]),
                       "Zeile " + std::to_string(i) + ": " + Sichtbar(t[i]) + "\n" + EingabenText(eingaben));
  }

  for (std::size_t k = 0; k < static_cast<std::size_t>(MAX_KURVENWERTE); ++k) {
    if (k < maxWerte) {
      FUZZ_PRUEFE(BitGleich(doc.m_Kurve1X[k], doc.m_Kurve2X[k]), std::to_string(k));
    } else {
      FUZZ_PRUEFE(doc.m_Kurve1X[k] == 0.0f && doc.m_Kurve1Y[k] == 0.0f && doc.m_Kurve2X[k] == 0.0f &&
                      doc.m_Kurve2Y[k] == 0.0f,
                  std::to_string(k));
    }
  }

  Breitenbericht bericht;
  BreitenPruefen(t, echo, bericht);
  for (std::size_t k = 0; k < maxWerte; ++k) {
    if (!std::isfinite(doc.m_Kurve1X[k]) || !std::isfinite(doc.m_Kurve1Y[k]) || !std::isfinite(doc.m_Kurve2Y[k])) {
      Merken(NICHT_ENDLICH);
      bericht.funde.push_back(Formatiere("Grafikreihe nicht endlich: Wert %zu: %g %g %g", k,
                                         static_cast<double>(doc.m_Kurve1X[k]), static_cast<double>(doc.m_Kurve1Y[k]),
                                         static_cast<double>(doc.m_Kurve2Y[k])));
      break;
    }
  }
  if (breitenMelden && !bericht.funde.empty()) {
    std::string text = "BREITE " + EingabenText(eingaben);
    for (const std::string& f : bericht.funde) text += "\n  > " + f;
    std::fprintf(stderr, "%s\n", text.c_str());
  }

  // The graph view recomputes on every paint from what the last computation left.
  Skalierung s;
  Skalieren(s, doc.m_MaxWerte, doc.m_Kurve1X.data(), doc.m_Kurve1Y.data(), doc.m_Kurve2Y.data());
  Skalieren(s, doc.m_MaxWerte, doc.m_Kurve1X.data(), doc.m_Kurve1Y.data(), doc.m_Kurve2Y.data());
  Skalieren(s, 0, doc.m_Kurve1X.data(), doc.m_Kurve1Y.data(), doc.m_Kurve2Y.data());
  if (!XBereichLeer(s)) FUZZ_PRUEFE(s.xmax > s.xmin && s.deltax > 0, "");
  if (!YBereichLeer(s)) FUZZ_PRUEFE(s.ymax > s.ymin && s.deltay > 0, "");

  // The analyses built on the run: no nan or inf in their texts; a forecast's rows run forward in time
  // (and in Gp, or back for an injection well), its rates stay within Q_max.
  for (const std::string& zeile : LieferfaehigkeitText(LieferfaehigkeitBerechnen(doc.m_Lauf)))
    FUZZ_PRUEFE(!EnthaeltNanOderInf(zeile), zeile + "\n" + EingabenText(eingaben));
  const Prognoseeinstellungen einstellungen[] = {
      {}, {20.0f, 10000.0f, 100.0f, Prognosemodell::Gegendruck, 10}, {5.0f, 0.0f, 1.0f, Prognosemodell::Variabel, 20}};
  for (const Prognoseeinstellungen& pe : einstellungen) {
    const Foerderprognose p = PrognoseBerechnen(doc.m_Lauf, PrognoseEingabenAus(doc.m_Lauf, pe));
    for (const std::string& zeile : PrognoseText(p))
      FUZZ_PRUEFE(!EnthaeltNanOderInf(zeile), zeile + "\n" + EingabenText(eingaben));
    if (!p.Gemacht()) {
      FUZZ_PRUEFE(p.zeilen.empty(), p.meldung);
      continue;
    }
    FUZZ_PRUEFE(p.qMaxStart > p.eingaben.qEnde && p.zeilen.size() >= static_cast<std::size_t>(pe.schritte) + 1 &&
                    p.zeilen.size() <= static_cast<std::size_t>(pe.schritte) + 2,
                EingabenText(eingaben));
    for (std::size_t i = 0; i < p.zeilen.size(); ++i) {
      const Prognosezeile& z = p.zeilen[i];
      FUZZ_PRUEFE(z.q <= z.qMax && z.q > 0, PrognoseZeilentext(z) + "\n" + EingabenText(eingaben));
      // An injection well's forecast runs down in Gp as the storage fills.
      if (i > 0)
        FUZZ_PRUEFE((p.injektion ? z.gp <= p.zeilen[i - 1].gp : z.gp >= p.zeilen[i - 1].gp) &&
                        z.jahre >= p.zeilen[i - 1].jahre,
                    PrognoseZeilentext(z) + "\n" + EingabenText(eingaben));
    }
  }

  // The gas-in-place match: no nan or inf in its text, an interval around G* inside the search range,
  // and the forecast's range as text.
  const Gasvorratsabgleich a = GasvorratAbgleichen(doc.m_Lauf);
  for (const std::string& zeile : AbgleichText(a))
    FUZZ_PRUEFE(!EnthaeltNanOderInf(zeile), zeile + "\n" + EingabenText(eingaben));
  if (a.Gemacht()) {
    FUZZ_PRUEFE(a.gMin <= a.gUnten && a.gUnten <= a.g && a.g <= a.gOben && a.gOben <= a.gMax,
                AbgleichText(a).front() + "\n" + EingabenText(eingaben));
    const PrognoseEingaben pe = PrognoseEingabenAus(doc.m_Lauf, Prognoseeinstellungen{});
    if (const std::optional<Prognosebereich> b = PrognosebereichAus(doc.m_Lauf, pe, a))
      for (const std::string& zeile : PrognosebereichText(*b))
        FUZZ_PRUEFE(!EnthaeltNanOderInf(zeile), zeile + "\n" + EingabenText(eingaben));
  }
  return 0;
}
