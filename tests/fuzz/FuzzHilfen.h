#pragma once
// Shared by the fuzz targets: a check that stops the run with a readable reason, and byte-exact
// comparisons of documents (floats by their bits, so that NaN equals itself and -0 differs from 0).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "doc/CZelvorDoc.h"

namespace zelvor::fuzz {

// The fuzzer and the replay driver both treat abort() as a found fault and keep the input.
[[noreturn]] inline void Verletzt(const char* datei, int zeile, const char* bedingung, const std::string& info) {
  std::fprintf(stderr, "\n%s:%d: Eigenschaft verletzt: %s\n", datei, zeile, bedingung);
  if (!info.empty()) std::fprintf(stderr, "  %s\n", info.c_str());
  std::fflush(stderr);
  std::abort();
}

#define FUZZ_PRUEFE(bedingung, info)                                            \
  do {                                                                          \
    if (!(bedingung)) ::zelvor::fuzz::Verletzt(__FILE__, __LINE__, #bedingung, (info)); \
  } while (0)

// A fault already reported can be let through while fuzzing goes on, so that it does not hide others:
// ZELVOR_FUZZ_DULDEN holds the keys of such faults, separated by commas. Each is reported once on stderr.
// Replaying the corpora never sets it.
inline bool Geduldet(const std::string& schluessel) {
  static const char* const liste = std::getenv("ZELVOR_FUZZ_DULDEN");
  if (liste == nullptr) return false;
  const std::string l = std::string(",") + liste + ",";
  if (l.find("," + schluessel + ",") == std::string::npos) return false;
  static std::string gemeldet = ",";
  if (gemeldet.find("," + schluessel + ",") == std::string::npos) {
    gemeldet += schluessel + ",";
    std::fprintf(stderr, "Geduldet: %s\n", schluessel.c_str());
  }
  return true;
}

// Like FUZZ_PRUEFE, for a fault that has a key.
#define FUZZ_PRUEFE_FEHLER(bedingung, schluessel, info)                                          \
  do {                                                                                       \
    if (!(bedingung) && !::zelvor::fuzz::Geduldet(schluessel))                               \
      ::zelvor::fuzz::Verletzt(__FILE__, __LINE__, #bedingung, std::string(schluessel) + ": " + (info)); \
  } while (0)

template <typename T>
bool BitGleich(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// A message shows no control character of its file: a tab and the one line break of a quoting message
// ("...\n <line>") at most.
inline bool OhneSteuerzeichen(std::string_view meldung) {
  int umbrueche = 0;
  for (std::size_t i = 0; i < meldung.size(); ++i) {
    const auto c = static_cast<unsigned char>(meldung[i]);
    if (c == '\n') ++umbrueche;
    if ((c < 0x20 && c != '\t' && c != '\n') || c == 0x7F) return false;
    if (c == 0xC2 && i + 1 < meldung.size() && static_cast<unsigned char>(meldung[i + 1]) >= 0x80 &&
        static_cast<unsigned char>(meldung[i + 1]) <= 0x9F)
      return false;
  }
  return umbrueche <= 1;
}

// Printable form of a text for messages: control bytes and bytes above 0x7E as \xNN.
inline std::string Sichtbar(std::string_view s, std::size_t max = 200) {
  std::string r;
  for (std::size_t i = 0; i < s.size() && i < max; ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c >= 0x20 && c < 0x7F) {
      r += static_cast<char>(c);
    } else {
      char puffer[8];
      std::snprintf(puffer, sizeof puffer, "\\x%02X", c);
      r += puffer;
    }
  }
  if (s.size() > max) r += "...";
  return r;
}

// A rate line in the import layout "%10.3f  %10.1f %15.1f", rebuilt from its own three numbers.
inline bool Ziffer(char c) { return c >= '0' && c <= '9'; }

// "-?digits.digits" with exactly `stellen` decimals.
inline bool Festkomma(std::string_view t, std::size_t stellen) {
  std::size_t i = 0;
  if (i < t.size() && t[i] == '-') ++i;
  const std::size_t anfang = i;
  while (i < t.size() && Ziffer(t[i])) ++i;
  if (i == anfang || i >= t.size() || t[i] != '.') return false;
  ++i;
  const std::size_t nachkomma = i;
  while (i < t.size() && Ziffer(t[i])) ++i;
  return i == t.size() && i - nachkomma == stellen;
}

inline std::string Rechtsbuendig(std::string_view t, std::size_t breite) {
  std::string r;
  if (t.size() < breite) r.assign(breite - t.size(), ' ');
  r += t;
  return r;
}

inline bool ImportLayout(const std::string& zeile) {
  std::vector<std::string_view> teile;
  const std::string_view z(zeile);
  std::size_t i = 0;
  while (i < z.size()) {
    while (i < z.size() && z[i] == ' ') ++i;
    const std::size_t anfang = i;
    while (i < z.size() && z[i] != ' ') ++i;
    if (i > anfang) teile.push_back(z.substr(anfang, i - anfang));
  }
  if (teile.size() != 3 || !Festkomma(teile[0], 3) || !Festkomma(teile[1], 1) || !Festkomma(teile[2], 1))
    return false;
  return zeile == Rechtsbuendig(teile[0], 10) + "  " + Rechtsbuendig(teile[1], 10) + " " +
                      Rechtsbuendig(teile[2], 15);
}

// The fields the well file holds.
inline bool GespeicherteFelderGleich(const CZelvorDoc& a, const CZelvorDoc& b) {
  return BitGleich(a.m_A1, b.m_A1) && BitGleich(a.m_B1, b.m_B1) && BitGleich(a.m_OGIP, b.m_OGIP) &&
         BitGleich(a.m_Initialdruck, b.m_Initialdruck) && a.m_Gasbohrung == b.m_Gasbohrung &&
         BitGleich(a.m_Temperatur, b.m_Temperatur) && BitGleich(a.m_Wasserinvasion, b.m_Wasserinvasion) &&
         BitGleich(a.m_Durchmesser, b.m_Durchmesser) && BitGleich(a.m_Bohrlochlaenge, b.m_Bohrlochlaenge) &&
         BitGleich(a.m_Teufe, b.m_Teufe) && BitGleich(a.m_Kopftemperatur, b.m_Kopftemperatur) &&
         a.m_bInjektion == b.m_bInjektion && a.m_Bohrungsanzahl == b.m_Bohrungsanzahl &&
         BitGleich(a.m_Komponenten, b.m_Komponenten) && a.m_Ratenzeilen == b.m_Ratenzeilen &&
         BitGleich(a.m_Prognose, b.m_Prognose) && ZeilendatenGleich(a.m_RatenDatum, b.m_RatenDatum) &&
         a.m_Messungen == b.m_Messungen && a.m_Speicher == b.m_Speicher && a.m_FremdeBloecke == b.m_FremdeBloecke;
}

// Everything else: the settings not kept in the file and the products of an evaluation.
inline bool UebrigeFelderGleich(const CZelvorDoc& a, const CZelvorDoc& b) {
  return BitGleich(a.m_WGV, b.m_WGV) && a.m_bVariablerC == b.m_bVariablerC && a.m_bRechnen == b.m_bRechnen &&
         a.m_bGrafikRaten == b.m_bGrafikRaten && a.m_TextYAchse == b.m_TextYAchse &&
         a.m_TextY2Achse == b.m_TextY2Achse && a.m_TextXAchse == b.m_TextXAchse &&
         a.m_TextKurve1 == b.m_TextKurve1 && a.m_TextKurve2 == b.m_TextKurve2 && a.m_MaxWerte == b.m_MaxWerte &&
         BitGleich(a.m_Kurve1X, b.m_Kurve1X) && BitGleich(a.m_Kurve1Y, b.m_Kurve1Y) &&
         BitGleich(a.m_Kurve2X, b.m_Kurve2X) && BitGleich(a.m_Kurve2Y, b.m_Kurve2Y) && a.m_Ergebnis == b.m_Ergebnis;
}

inline bool DokumenteGleich(const CZelvorDoc& a, const CZelvorDoc& b) {
  return GespeicherteFelderGleich(a, b) && UebrigeFelderGleich(a, b);
}

}  // namespace zelvor::fuzz
