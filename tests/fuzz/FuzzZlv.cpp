// Fuzz target for the well file reader and writer.
// A small reader of its own walks the same layout and says whether the image is complete, where it ends
// and whether every prefix is written the way the writer writes it ("canonical"); ZlvLesen must agree
// with it. A canonical image keeps its bytes up to the last rate line; every block after them that the
// program cannot read ends the written file unchanged; any accepted image reaches a fixed point after
// one write.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "FuzzHilfen.h"
#include "doc/Prognoseblock.h"
#include "doc/Windows1252.h"
#include "doc/ZlvArchiv.h"

namespace zelvor::fuzz {
namespace {

struct Modell {
  ZlvStatus status = ZlvStatus::Ok;
  bool kanonisch = true;
  std::size_t ende = 0;  // bytes the reader takes
  std::string name;      // Windows-1252
  std::vector<std::string> zeilen;
  Prognoseeinstellungen prognose;  // the block's settings, or the defaults
  bool mitPrognoseblock = false;   // the first block is a sound forecast block of version 1
};

class ModellLeser {
 public:
  ModellLeser(const std::uint8_t* daten, std::size_t groesse, Modell& m) : m_d(daten), m_n(groesse), m_m(m) {}

  bool Zahl(std::uint64_t& w, std::size_t breite) {
    if (m_n - m_pos < breite) return Fehler(ZlvStatus::Abgeschnitten);
    w = 0;
    for (std::size_t i = 0; i < breite; ++i) w |= std::uint64_t{m_d[m_pos + i]} << (8 * i);
    m_pos += breite;
    return true;
  }
  bool Ueberspringen(std::size_t breite) {
    std::uint64_t w = 0;
    for (; breite >= 8; breite -= 8)
      if (!Zahl(w, 8)) return false;
    return breite == 0 || Zahl(w, breite);
  }

  bool Text(std::string& cp1252) {
    std::uint64_t b = 0, w = 0, laenge = 0;
    bool breit = false;
    if (!Zahl(b, 1)) return false;
    if (b < 0xFF) {
      laenge = b;
    } else {
      if (!Zahl(w, 2)) return false;
      if (w == 0xFFFE) {
        breit = true;
        m_m.kanonisch = false;  // the writer never writes 16-bit texts
        if (!Zahl(b, 1)) return false;
        if (b < 0xFF) {
          laenge = b;
        } else {
          if (!Zahl(w, 2)) return false;
          if (w == 0xFFFE) return Fehler(ZlvStatus::UnerwartetesFormat);
          if (!LangeLaenge(w, laenge)) return false;
        }
      } else if (!LangeLaenge(w, laenge)) {
        return false;
      }
    }
    const std::uint64_t bytes = breit ? 2 * laenge : laenge;
    if (bytes > m_n - m_pos)
      return Fehler(bytes > ZLV_MAX_BYTES ? ZlvStatus::UnerwartetesFormat : ZlvStatus::Abgeschnitten);
    cp1252.clear();
    if (!breit) {
      cp1252.assign(reinterpret_cast<const char*>(m_d + m_pos), static_cast<std::size_t>(laenge));
    } else {
      for (std::size_t i = 0; i < laenge; ++i) {
        const char32_t z = static_cast<char32_t>(m_d[m_pos + 2 * i] | (m_d[m_pos + 2 * i + 1] << 8));
        unsigned char byte = 0;
        if (!Windows1252Byte(z, byte)) return Fehler(ZlvStatus::UnerwartetesFormat);
        cp1252 += static_cast<char>(byte);
      }
    }
    m_pos += static_cast<std::size_t>(bytes);
    return true;
  }

  bool Anzahl(std::uint64_t& n) {
    if (!Zahl(n, 2)) return false;
    if (n == 0xFFFF) {
      if (!Zahl(n, 4)) return false;
      if (n < 0xFFFF) m_m.kanonisch = false;
    }
    if (n > ZLV_MAX_RATENZEILEN) return Fehler(ZlvStatus::UnerwartetesFormat);
    return true;
  }

  std::size_t Position() const { return m_pos; }

 private:
  // After 0xFF: the word w is the length, or 0xFFFF announces a 32-bit one.
  bool LangeLaenge(std::uint64_t w, std::uint64_t& laenge) {
    if (w == 0xFFFF) {
      if (!Zahl(laenge, 4)) return false;
      if (laenge < 0xFFFE) m_m.kanonisch = false;
    } else {
      laenge = w;
      if (laenge < 0xFF) m_m.kanonisch = false;
    }
    return true;
  }

  bool Fehler(ZlvStatus s) {
    m_m.status = s;
    return false;
  }

  const std::uint8_t* m_d;
  std::size_t m_n;
  std::size_t m_pos = 0;
  Modell& m_m;
};

Modell Modellieren(const std::uint8_t* daten, std::size_t groesse) {
  Modell m;
  ModellLeser l(daten, groesse, m);
  std::uint64_t n = 0;
  if (!l.Ueberspringen(8 + 8 + 4 + 4) || !l.Text(m.name) || !l.Ueberspringen(6 * 4 + 4 + 4 + 15 * 4) ||
      !l.Anzahl(n)) {
    return m;
  }
  for (std::uint64_t i = 0; i < n; ++i) {
    std::string z;
    if (!l.Text(z)) return m;
    m.zeilen.push_back(std::move(z));
  }
  m.ende = l.Position();
  // A forecast block counts when its tag, length and version are those of the layout and its values
  // lie in the settings' ranges.
  const std::uint8_t* b = daten + m.ende;
  const std::size_t rest = groesse - m.ende;
  const auto wort = [b](std::size_t i, std::size_t breite) {
    std::uint32_t w = 0;
    for (std::size_t k = 0; k < breite; ++k) w |= std::uint32_t{b[i + k]} << (8 * k);
    return w;
  };
  if (rest >= 30 && std::memcmp(b, "ZFPG", 4) == 0 && wort(4, 4) == 22 && wort(8, 2) == 1) {
    Prognoseeinstellungen e;
    std::memcpy(&e.pMin, b + 10, 4);
    std::memcpy(&e.qPlan, b + 14, 4);
    std::memcpy(&e.qEnde, b + 18, 4);
    std::memcpy(&e.modell, b + 22, 4);
    std::memcpy(&e.schritte, b + 26, 4);
    if (!PrognoseeinstellungenPruefen(e)) {
      m.prognose = e;
      m.mitPrognoseblock = true;
    }
  }
  return m;
}

// A document whose every field differs from what a read sets, so that a change cannot hide.
CZelvorDoc Ausgangsdokument() {
  CZelvorDoc doc;
  doc.StandardwerteSetzen();
  doc.m_Ratenzeilen = {"1 2 3", "vorher"};
  doc.m_WGV = 7.5f;
  doc.m_bVariablerC = 1;
  doc.m_bGrafikRaten = 1;
  doc.m_bRechnen = 0;
  doc.m_Ergebnis = {"    Name der Gasbohrung: vorher", ""};
  // Moved in rather than assigned from literals: g++ 12 at -O3 sees a false overlap in the in-place
  // copy of a short literal (-Wrestrict) and would fail a warnings-as-errors Release build.
  doc.m_TextXAchse = std::string("x");
  doc.m_TextYAchse = std::string("y");
  doc.m_TextY2Achse = std::string("y2");
  doc.m_TextKurve1 = std::string("k1");
  doc.m_TextKurve2 = std::string("k2");
  doc.m_MaxWerte = 2;
  doc.m_Kurve1X[0] = 1.0f;
  doc.m_Kurve1Y[1] = 2.0f;
  doc.m_Kurve2X[0] = 3.0f;
  doc.m_Kurve2Y[1] = 4.0f;
  doc.m_Prognose.schritte = 77;
  return doc;
}

std::string StatusText(ZlvStatus s) {
  switch (s) {
    case ZlvStatus::Ok: return "Ok";
    case ZlvStatus::Abgeschnitten: return "Abgeschnitten";
    case ZlvStatus::UnerwartetesFormat: return "UnerwartetesFormat";
    case ZlvStatus::Unlesbar: return "Unlesbar";
  }
  return "?";
}

}  // namespace
}  // namespace zelvor::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  using namespace zelvor;
  using namespace zelvor::fuzz;
  static const CZelvorDoc ausgang = Ausgangsdokument();

  const Modell m = Modellieren(daten, groesse);
  CZelvorDoc doc = ausgang;
  const ZlvErgebnis e = ZlvLesen(std::span<const unsigned char>(daten, groesse), doc);
  FUZZ_PRUEFE(e.status == m.status,
              "gelesen: " + StatusText(e.status) + " (" + e.meldung + "), erwartet: " + StatusText(m.status));

  if (e.status != ZlvStatus::Ok) {
    FUZZ_PRUEFE(!e.meldung.empty(), "");
    FUZZ_PRUEFE(DokumenteGleich(doc, ausgang), "ein gescheitertes Lesen hat das Dokument verändert");
    return 0;
  }
  FUZZ_PRUEFE(e.meldung.empty(), e.meldung);

  // What the file holds, as the own reader found it.
  FUZZ_PRUEFE(doc.m_Gasbohrung == Windows1252NachUtf8(m.name), Sichtbar(doc.m_Gasbohrung));
  FUZZ_PRUEFE(doc.m_Ratenzeilen.size() == m.zeilen.size(), "");
  for (std::size_t i = 0; i < m.zeilen.size(); ++i)
    FUZZ_PRUEFE(doc.m_Ratenzeilen[i] == Windows1252NachUtf8(m.zeilen[i]), Sichtbar(doc.m_Ratenzeilen[i]));
  // Found by its tag: a sound first block is taken; without one, another may stand later.
  if (m.mitPrognoseblock) FUZZ_PRUEFE(BitGleich(doc.m_Prognose, m.prognose), "die Prognoseeinstellungen weichen ab");

  // The settings the file does not keep are reset, the products of the last evaluation stay.
  FUZZ_PRUEFE(doc.m_bVariablerC == 0 && doc.m_bGrafikRaten == 0 && doc.m_bRechnen == 1 && doc.m_WGV == 0.0f, "");
  CZelvorDoc vergleich = doc;
  vergleich.m_bVariablerC = ausgang.m_bVariablerC;
  vergleich.m_bGrafikRaten = ausgang.m_bGrafikRaten;
  vergleich.m_bRechnen = ausgang.m_bRechnen;
  vergleich.m_WGV = ausgang.m_WGV;
  FUZZ_PRUEFE(UebrigeFelderGleich(vergleich, ausgang), "das Lesen hat Felder außerhalb der Datei verändert");

  // What could not be read is kept, and said.
  FUZZ_PRUEFE(e.hinweis.empty() == doc.m_FremdeBloecke.empty(), e.hinweis);
  FUZZ_PRUEFE(doc.m_FremdeBloecke.size() <= groesse - m.ende, "");
  FUZZ_PRUEFE(OhneSteuerzeichen(e.hinweis), Sichtbar(e.hinweis));

  std::vector<unsigned char> geschrieben;
  const std::string fehler = ZlvSchreiben(doc, geschrieben);
  FUZZ_PRUEFE(fehler.empty(), fehler);

  // The rate lines' part as it was; the blocks the program writes, then what it could not read, unchanged.
  if (m.kanonisch)
    FUZZ_PRUEFE(geschrieben.size() >= m.ende && std::memcmp(geschrieben.data(), daten, m.ende) == 0,
                "geschrieben " + std::to_string(geschrieben.size()) + " Bytes, bis zur letzten Ratenzeile " +
                    std::to_string(m.ende));
  const std::vector<unsigned char>& fremd = doc.m_FremdeBloecke;
  FUZZ_PRUEFE(geschrieben.size() >= fremd.size() &&
                  std::equal(fremd.begin(), fremd.end(), geschrieben.end() - static_cast<std::ptrdiff_t>(fremd.size())),
              "die nicht gelesenen Blöcke stehen nicht unverändert am Ende");

  // Reading what was written gives the same well, the same blocks kept, and the same bytes again.
  CZelvorDoc wieder = ausgang;
  const ZlvErgebnis e2 = ZlvLesen(geschrieben, wieder);
  FUZZ_PRUEFE(e2.status == ZlvStatus::Ok, e2.meldung);
  FUZZ_PRUEFE(GespeicherteFelderGleich(wieder, doc), "");
  std::vector<unsigned char> nochmal;
  FUZZ_PRUEFE(ZlvSchreiben(wieder, nochmal).empty(), "");
  FUZZ_PRUEFE(nochmal == geschrieben, "");
  return 0;
}
