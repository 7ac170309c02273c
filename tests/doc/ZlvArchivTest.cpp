#include "doc/ZlvArchiv.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif
#include <unistd.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/doc/DateiTestHilfen.h"

namespace zelvor {
namespace {

using Bytes = std::vector<unsigned char>;

void Anhaengen(Bytes& b, std::initializer_list<int> werte) {
  for (const int w : werte) b.push_back(static_cast<unsigned char>(w));
}
void Anhaengen(Bytes& b, const std::string& s) { b.insert(b.end(), s.begin(), s.end()); }
void Nullen(Bytes& b, std::size_t n) { b.insert(b.end(), n, 0); }

CZelvorDoc Standard() {
  CZelvorDoc doc;
  doc.StandardwerteSetzen();
  return doc;
}

Bytes Speichern(const CZelvorDoc& doc) {
  Bytes bytes;
  const std::string fehler = ZlvSchreiben(doc, bytes);
  EXPECT_EQ(fehler, "");
  return bytes;
}

// A well that exercises every stored field with a value no default has.
CZelvorDoc Beispiel() {
  CZelvorDoc doc = Standard();
  doc.m_A1 = 1.25e-7;
  doc.m_B1 = -0.0;
  doc.m_OGIP = 1234.5f;
  doc.m_Initialdruck = 287.25f;
  doc.m_Gasbohrung = "Süd-Ost 3 (€)";
  doc.m_Temperatur = 101.5f;
  doc.m_Wasserinvasion = 0.125f;
  doc.m_Durchmesser = 7.62f;
  doc.m_Bohrlochlaenge = 3210.0f;
  doc.m_Teufe = 3105.5f;
  doc.m_Kopftemperatur = 18.0f;
  doc.m_bInjektion = 1;
  doc.m_Bohrungsanzahl = 3;
  for (int i = 0; i < KOMPONENTEN_ANZAHL; ++i) doc.m_Komponenten[static_cast<std::size_t>(i)] = 0.5f * float(i + 1);
  doc.m_Ratenzeilen = {"  0.000           1000.00            150.00", "     12.500      25000.0           140.0", ""};
  return doc;
}

// Everything a load may change or must leave alone, bit for bit.
struct Abbild {
  Bytes gespeichert;
  std::uint32_t wgv;
  BOOL variablerC, grafikRaten, rechnen;
  CStringArray ergebnis;
  std::int32_t maxWerte;
  bool operator==(const Abbild&) const = default;
};
Abbild AbbildVon(const CZelvorDoc& doc) {
  return {Speichern(doc), std::bit_cast<std::uint32_t>(doc.m_WGV), doc.m_bVariablerC, doc.m_bGrafikRaten,
          doc.m_bRechnen, doc.m_Ergebnis, doc.m_MaxWerte};
}

// A document in a state no load would produce, to see that a refused file leaves it alone.
CZelvorDoc Vorher() {
  CZelvorDoc doc = Standard();
  doc.m_Gasbohrung = "vorher";
  doc.m_Ratenzeilen = {"1 2 3", "4 5 6", "7 8 9", "10 11 12", "13 14 15"};
  doc.m_WGV = 4.5f;
  doc.m_bVariablerC = 1;
  doc.m_bGrafikRaten = 1;
  doc.m_bRechnen = 0;
  doc.m_Ergebnis = {"alte Ergebniszeile"};
  doc.m_MaxWerte = 7;
  return doc;
}

TEST(ZlvArchivTest, DefaultWellIsTheDocumented128Bytes) {
  Bytes erwartet;
  Nullen(erwartet, 8);                                   // A1 = 0.0
  Anhaengen(erwartet, {0, 0, 0, 0, 0, 0, 0xF0, 0x3F});  // B1 = 1.0
  Nullen(erwartet, 4);                                   // OGIP
  Anhaengen(erwartet, {0, 0, 0x80, 0x3F});               // Initialdruck = 1.0
  Anhaengen(erwartet, {9});
  Anhaengen(erwartet, std::string("Bohrung 1"));
  Nullen(erwartet, 24);                      // six floats
  Anhaengen(erwartet, {0, 0, 0, 0});         // no injection
  Anhaengen(erwartet, {1, 0, 0, 0});         // one well
  Nullen(erwartet, 12);                      // H2S, CO2, N2
  Anhaengen(erwartet, {0, 0, 0xC8, 0x42});  // CH4 = 100.0
  Nullen(erwartet, 44);
  Anhaengen(erwartet, {0, 0});  // no rate lines
  ASSERT_EQ(erwartet.size(), 128u);
  EXPECT_EQ(Speichern(Standard()), erwartet);
}

TEST(ZlvArchivTest, FieldOrderAndLittleEndianLayout) {
  CZelvorDoc doc = Standard();
  doc.m_Gasbohrung = "AB";
  doc.m_Temperatur = 1.0f;       // 0x3F800000
  doc.m_Kopftemperatur = -2.0f;  // 0xC0000000
  doc.m_bInjektion = 1;
  doc.m_Bohrungsanzahl = -2;
  doc.m_Komponenten[14] = 0.5f;  // 0x3F000000
  doc.m_Ratenzeilen = {"x", "yz"};
  const Bytes b = Speichern(doc);
  ASSERT_EQ(b.size(), 119u + 2 + (1 + 1) + (1 + 2));
  const std::size_t n = 2;
  EXPECT_EQ(b[24], 2);
  EXPECT_EQ((Bytes{b[25 + n], b[26 + n], b[27 + n], b[28 + n]}), (Bytes{0, 0, 0x80, 0x3F}));
  EXPECT_EQ((Bytes{b[45 + n], b[46 + n], b[47 + n], b[48 + n]}), (Bytes{0, 0, 0, 0xC0}));
  EXPECT_EQ((Bytes{b[49 + n], b[50 + n], b[51 + n], b[52 + n]}), (Bytes{1, 0, 0, 0}));
  EXPECT_EQ((Bytes{b[53 + n], b[54 + n], b[55 + n], b[56 + n]}), (Bytes{0xFE, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ((Bytes{b[113 + n], b[114 + n], b[115 + n], b[116 + n]}), (Bytes{0, 0, 0, 0x3F}));
  EXPECT_EQ((Bytes(b.begin() + 117 + n, b.end())), (Bytes{2, 0, 1, 'x', 2, 'y', 'z'}));
}

TEST(ZlvArchivTest, EveryStoredValueRoundTripsBitForBit) {
  CZelvorDoc quelle = Beispiel();
  // Values a text round trip would lose: NaN payloads (quiet and signalling), negative zero, denormals.
  quelle.m_A1 = std::bit_cast<double>(std::uint64_t{0x7FF4000000000123});
  quelle.m_OGIP = std::bit_cast<float>(std::uint32_t{0x7FC12345});
  quelle.m_Initialdruck = std::bit_cast<float>(std::uint32_t{0xFF800001});
  quelle.m_Temperatur = -0.0f;
  quelle.m_Teufe = std::bit_cast<float>(std::uint32_t{0x00000001});
  quelle.m_Komponenten[0] = std::bit_cast<float>(std::uint32_t{0x7F800000});
  const Bytes bytes = Speichern(quelle);

  CZelvorDoc ziel = Vorher();
  const ZlvErgebnis r = ZlvLesen(bytes, ziel);
  ASSERT_EQ(r.status, ZlvStatus::Ok) << r.meldung;
  EXPECT_EQ(r.meldung, "");
  EXPECT_EQ(std::bit_cast<std::uint64_t>(ziel.m_A1), std::bit_cast<std::uint64_t>(quelle.m_A1));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(ziel.m_B1), std::bit_cast<std::uint64_t>(-0.0));
  EXPECT_EQ(std::bit_cast<std::uint32_t>(ziel.m_OGIP), 0x7FC12345u);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(ziel.m_Initialdruck), 0xFF800001u);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(ziel.m_Temperatur), 0x80000000u);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(ziel.m_Teufe), 1u);
  EXPECT_EQ(ziel.m_Gasbohrung, "Süd-Ost 3 (€)");
  EXPECT_EQ(ziel.m_Ratenzeilen, quelle.m_Ratenzeilen);  // five lines before, exactly the three read now
  EXPECT_EQ(ziel.m_bInjektion, 1);
  EXPECT_EQ(ziel.m_Bohrungsanzahl, 3);
  EXPECT_EQ(Speichern(ziel), bytes);  // covers every remaining stored field

  // Not in the file: reset by the load ...
  EXPECT_EQ(ziel.m_WGV, 0.0f);
  EXPECT_EQ(ziel.m_bVariablerC, 0);
  EXPECT_EQ(ziel.m_bGrafikRaten, 0);
  EXPECT_EQ(ziel.m_bRechnen, 1);
  // ... or left as they were.
  EXPECT_EQ(ziel.m_Ergebnis, CStringArray{"alte Ergebniszeile"});
  EXPECT_EQ(ziel.m_MaxWerte, 7);
}

TEST(ZlvArchivTest, TextsAreWindows1252OnDisk) {
  CZelvorDoc doc = Standard();
  doc.m_Gasbohrung = "Müller €";
  doc.m_Ratenzeilen = {"ä"};
  const Bytes b = Speichern(doc);
  EXPECT_EQ((Bytes(b.begin() + 24, b.begin() + 33)), (Bytes{8, 'M', 0xFC, 'l', 'l', 'e', 'r', ' ', 0x80}));
  EXPECT_EQ((Bytes(b.end() - 4, b.end())), (Bytes{1, 0, 1, 0xE4}));

  // Bytes Windows leaves unassigned still load and save unchanged.
  Bytes roh = Speichern(Standard());
  roh[25] = 0x81;
  roh[26] = 0x9D;
  CZelvorDoc geladen;
  ASSERT_EQ(ZlvLesen(roh, geladen).status, ZlvStatus::Ok);
  EXPECT_EQ(Speichern(geladen), roh);
}

TEST(ZlvArchivTest, LengthAndCountPrefixFormsAtTheirBoundaries) {
  struct Fall {
    std::size_t laenge;
    Bytes praefix;
  };
  const Fall faelle[] = {
      {254, {0xFE}},
      {255, {0xFF, 0xFF, 0x00}},
      {65533, {0xFF, 0xFD, 0xFF}},
      {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
      {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
  };
  for (const Fall& f : faelle) {
    CZelvorDoc doc = Standard();
    doc.m_Gasbohrung = std::string(f.laenge, 'x');
    doc.m_Ratenzeilen = {std::string(f.laenge, 'r')};
    const Bytes b = Speichern(doc);
    const std::size_t p = f.praefix.size();
    ASSERT_EQ(b.size(), 118 + 2 * (p + f.laenge)) << f.laenge;
    EXPECT_EQ((Bytes(b.begin() + 24, b.begin() + 24 + static_cast<long>(p))), f.praefix) << f.laenge;
    // Every later offset moves with the prefix: CH4 and the rate line's own prefix.
    EXPECT_EQ(b[24 + p + f.laenge + 24 + 8 + 12 + 3], 0x42) << f.laenge;
    EXPECT_EQ((Bytes(b.begin() + static_cast<long>(118 + p + f.laenge),
                     b.begin() + static_cast<long>(118 + p + f.laenge + p))),
              f.praefix)
        << f.laenge;
    CZelvorDoc geladen;
    ASSERT_EQ(ZlvLesen(b, geladen).status, ZlvStatus::Ok) << f.laenge;
    EXPECT_EQ(geladen.m_Gasbohrung, doc.m_Gasbohrung);
    EXPECT_EQ(geladen.m_Ratenzeilen, doc.m_Ratenzeilen);
  }

  for (const std::size_t anzahl : {std::size_t{65534}, std::size_t{65535}, std::size_t{65536}}) {
    CZelvorDoc doc = Standard();
    doc.m_Ratenzeilen.assign(anzahl, "");
    const Bytes b = Speichern(doc);
    const auto byte = [&](int i) { return static_cast<unsigned char>(anzahl >> (8 * i)); };
    const Bytes praefix =
        anzahl < 65535 ? Bytes{0xFE, 0xFF} : Bytes{0xFF, 0xFF, byte(0), byte(1), byte(2), byte(3)};
    EXPECT_EQ((Bytes(b.begin() + 126, b.begin() + 126 + static_cast<long>(praefix.size()))), praefix) << anzahl;
    EXPECT_EQ(b.size(), 126 + praefix.size() + anzahl);
    CZelvorDoc geladen;
    ASSERT_EQ(ZlvLesen(b, geladen).status, ZlvStatus::Ok) << anzahl;
    EXPECT_EQ(geladen.m_Ratenzeilen.size(), anzahl);
  }
}

TEST(ZlvArchivTest, BytesAfterTheLastRateLineAreIgnored) {
  Bytes b = Speichern(Beispiel());
  Anhaengen(b, {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3});
  CZelvorDoc doc;
  ASSERT_EQ(ZlvLesen(b, doc).status, ZlvStatus::Ok);
  // The well is read as without them, and a save carries them over as they were.
  CZelvorDoc ohne = doc;
  ohne.m_FremdeBloecke.clear();
  EXPECT_EQ(Speichern(ohne), Speichern(Beispiel()));
  EXPECT_EQ(Speichern(doc), b);
}

TEST(ZlvArchivTest, EveryCutOffFileIsRefusedAndLeavesTheDocumentAlone) {
  CZelvorDoc langerName = Beispiel();
  langerName.m_Gasbohrung = std::string(300, 'n');
  Bytes sechzehnBit = Speichern(Standard());  // name "Bohrung 1" as 16-bit characters
  sechzehnBit.erase(sechzehnBit.begin() + 24, sechzehnBit.begin() + 34);
  Bytes name16 = {0xFF, 0xFE, 0xFF, 9};
  for (const char c : std::string("Bohrung 1")) Anhaengen(name16, {c, 0});
  sechzehnBit.insert(sechzehnBit.begin() + 24, name16.begin(), name16.end());

  const CZelvorDoc vorher = Vorher();
  const Abbild erwartet = AbbildVon(vorher);
  for (const Bytes& ganz : {Speichern(Beispiel()), Speichern(langerName), sechzehnBit}) {
    {
      CZelvorDoc doc = vorher;
      ASSERT_EQ(ZlvLesen(ganz, doc).status, ZlvStatus::Ok);
    }
    for (std::size_t n = 0; n < ganz.size(); ++n) {
      CZelvorDoc doc = vorher;
      // Read from a copy of exactly n bytes, so that the sanitizers see any read past the end.
      const Bytes teil(ganz.begin(), ganz.begin() + static_cast<long>(n));
      const ZlvErgebnis r = ZlvLesen(teil, doc);
      ASSERT_EQ(r.status, ZlvStatus::Abgeschnitten) << "cut at " << n << ": " << r.meldung;
      ASSERT_NE(r.meldung.find("unvollständig"), std::string::npos) << r.meldung;
      ASSERT_TRUE(AbbildVon(doc) == erwartet) << "document changed, cut at " << n;
    }
  }
}

TEST(ZlvArchivTest, MessagesNameWhereTheFileEnds) {
  const Bytes ganz = Speichern(Beispiel());
  CZelvorDoc doc;
  EXPECT_EQ(ZlvLesen(Bytes(ganz.begin(), ganz.begin() + 3), doc).meldung,
            "Die Datei ist unvollständig: sie endet im Feld \"A1\".");
  EXPECT_EQ(ZlvLesen(Bytes(ganz.begin(), ganz.begin() + 30), doc).meldung,
            "Die Datei ist unvollständig: sie endet im Feld \"Gasbohrung\".");
  EXPECT_EQ(ZlvLesen(Bytes(ganz.begin(), ganz.end() - 1), doc).meldung,
            "Die Datei ist unvollständig: sie endet in Ratenzeile 3.");
}

// Caps the address space while a hostile file is read, so that a huge allocation fails the test
// instead of quietly succeeding through overcommit. Not under AddressSanitizer, which needs far more,
// and not on Windows, which has no such limit (the refusals are checked all the same).
#ifdef _WIN32
class Speichergrenze {
 public:
  Speichergrenze() {}
};
#else
class Speichergrenze {
 public:
  Speichergrenze() {
#if !defined(__SANITIZE_ADDRESS__)
    long seiten = 0;
    std::ifstream("/proc/self/statm") >> seiten;
    if (seiten <= 0 || ::getrlimit(RLIMIT_AS, &m_vorher) != 0) return;
    rlimit grenze = m_vorher;
    const auto aktuell = static_cast<rlim_t>(seiten) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
    grenze.rlim_cur = aktuell + (512u << 20);
    if (m_vorher.rlim_cur != RLIM_INFINITY && m_vorher.rlim_cur < grenze.rlim_cur) return;
    m_aktiv = ::setrlimit(RLIMIT_AS, &grenze) == 0;
#endif
  }
  ~Speichergrenze() {
    if (m_aktiv) ::setrlimit(RLIMIT_AS, &m_vorher);
  }
  Speichergrenze(const Speichergrenze&) = delete;
  Speichergrenze& operator=(const Speichergrenze&) = delete;

 private:
  rlimit m_vorher{};
  bool m_aktiv = false;
};
#endif

TEST(ZlvArchivTest, HostileLengthsAndCountsAreRefusedWithoutAllocating) {
  const Bytes standard = Speichern(Standard());
  const auto mitName = [&](const Bytes& praefix, std::size_t rest) {
    Bytes b(standard.begin(), standard.begin() + 24);
    for (const unsigned char c : praefix) b.push_back(c);  // insert() trips a false -Warray-bounds at -O3
    b.resize(b.size() + rest, 'x');
    return b;
  };
  const auto mitAnzahl = [&](const Bytes& anzahl, std::size_t rest) {
    Bytes b(standard.begin(), standard.end() - 2);
    b.insert(b.end(), anzahl.begin(), anzahl.end());
    b.insert(b.end(), rest, 0);
    return b;
  };
  struct Fall {
    const char* name;
    Bytes datei;
    ZlvStatus status;
  };
  const Fall faelle[] = {
      {"32-bit name length", mitName({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 200), ZlvStatus::UnerwartetesFormat},
      {"32-bit 16-bit-char length",
       mitName({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 200), ZlvStatus::UnerwartetesFormat},
      {"length just over the limit", mitName({0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x04}, 200),
       ZlvStatus::UnerwartetesFormat},
      {"16-bit length beyond the end", mitName({0xFF, 0xFD, 0xFF}, 200), ZlvStatus::Abgeschnitten},
      {"16-bit marker twice", mitName({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF}, 200), ZlvStatus::UnerwartetesFormat},
      {"32-bit count", mitAnzahl({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 10), ZlvStatus::UnerwartetesFormat},
      {"16-bit count beyond the end", mitAnzahl({0xFE, 0xFF}, 10), ZlvStatus::Abgeschnitten},
      {"more rate lines than any well", mitAnzahl({0xFF, 0xFF, 0x41, 0x42, 0x0F, 0x00}, 1000001),
       ZlvStatus::UnerwartetesFormat},
      {"32-bit rate line length", mitAnzahl({1, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, 10),
       ZlvStatus::UnerwartetesFormat},
  };
  const Abbild erwartet = AbbildVon(Vorher());
  for (const Fall& f : faelle) {
    CZelvorDoc doc = Vorher();
    ZlvErgebnis r;
    {
      Speichergrenze grenze;
      r = ZlvLesen(f.datei, doc);
    }
    EXPECT_EQ(r.status, f.status) << f.name << ": " << r.meldung;
    EXPECT_FALSE(r.meldung.empty()) << f.name;
    EXPECT_TRUE(AbbildVon(doc) == erwartet) << f.name;
  }
}

Bytes Utf16(const std::u16string& s) {
  Bytes b;
  for (const char16_t c : s) Anhaengen(b, {c & 0xFF, c >> 8});
  return b;
}

// A file whose name and one rate line are stored as 16-bit characters with the given prefixes.
Bytes Mit16BitTexten(const Bytes& namePraefix, const std::u16string& name, const std::u16string& zeile) {
  const Bytes standard = Speichern(Standard());
  Bytes b(standard.begin(), standard.begin() + 24);
  b.insert(b.end(), namePraefix.begin(), namePraefix.end());
  const Bytes n = Utf16(name);
  b.insert(b.end(), n.begin(), n.end());
  b.insert(b.end(), standard.begin() + 34, standard.end() - 2);
  Anhaengen(b, {1, 0, 0xFF, 0xFE, 0xFF, static_cast<int>(zeile.size())});
  const Bytes z = Utf16(zeile);
  b.insert(b.end(), z.begin(), z.end());
  return b;
}

TEST(ZlvArchivTest, SixteenBitTextsLoadWhenWindows1252CanHoldThem) {
  const std::u16string name = u"Süd € Œ";
  for (const Bytes& praefix : {Bytes{0xFF, 0xFE, 0xFF, 7}, Bytes{0xFF, 0xFE, 0xFF, 0xFF, 7, 0},
                               Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 7, 0, 0, 0}}) {
    CZelvorDoc doc;
    const ZlvErgebnis r = ZlvLesen(Mit16BitTexten(praefix, name, u"1.0 2.0 3.0"), doc);
    ASSERT_EQ(r.status, ZlvStatus::Ok) << r.meldung;
    EXPECT_EQ(doc.m_Gasbohrung, "Süd € Œ");
    EXPECT_EQ(doc.m_Ratenzeilen, CStringArray{"1.0 2.0 3.0"});
    EXPECT_EQ(doc.m_Komponenten[3], 100.0f);  // later fields still in place
    // Saved again in single-byte characters.
    const Bytes neu = Speichern(doc);
    EXPECT_EQ((Bytes(neu.begin() + 24, neu.begin() + 32)), (Bytes{7, 'S', 0xFC, 'd', ' ', 0x80, ' ', 0x8C}));
  }

  const Abbild erwartet = AbbildVon(Vorher());
  for (const std::u16string& falsch : {std::u16string(u"Bohrung α"), std::u16string(u"x\xD800y"),
                                       std::u16string(u"Gas 🔥")}) {
    CZelvorDoc doc = Vorher();
    const Bytes datei = Mit16BitTexten({0xFF, 0xFE, 0xFF, static_cast<unsigned char>(falsch.size())}, falsch, u"");
    const ZlvErgebnis r = ZlvLesen(datei, doc);
    EXPECT_EQ(r.status, ZlvStatus::UnerwartetesFormat) << r.meldung;
    EXPECT_NE(r.meldung.find("Gasbohrung"), std::string::npos) << r.meldung;
    EXPECT_TRUE(AbbildVon(doc) == erwartet);
  }
}

TEST(ZlvArchivTest, TextsWindows1252CannotHoldAreNotSaved) {
  CZelvorDoc doc = Standard();
  Bytes bytes;
  doc.m_Gasbohrung = "Bohrung α";
  EXPECT_EQ(ZlvSchreiben(doc, bytes),
            "Der Name der Gasbohrung enthält Zeichen, die nicht gespeichert werden können: α");
  doc.m_Gasbohrung = "Bohrung \xC3";  // invalid UTF-8
  EXPECT_NE(ZlvSchreiben(doc, bytes).find("Gasbohrung"), std::string::npos);
  doc.m_Gasbohrung = "Bohrung 1";
  doc.m_Ratenzeilen = {"1 2 3", "4 5 6 ω"};
  EXPECT_EQ(ZlvSchreiben(doc, bytes), "Die Ratenzeile 2 enthält Zeichen, die nicht gespeichert werden können: ω");
}

TEST(ZlvArchivTest, FilesSaveAtomicallyAndLoadWithClearMessages) {
  test::TempVerzeichnis dir;
  const std::string pfad = dir / "brunnen.zlv";
  ASSERT_EQ(ZlvDateiSpeichern(pfad, Beispiel()), "");
  EXPECT_EQ(test::RohLesen(pfad).size(), Speichern(Beispiel()).size());
  CZelvorDoc doc = Vorher();
  ASSERT_EQ(ZlvDateiLaden(pfad, doc).status, ZlvStatus::Ok);
  EXPECT_EQ(Speichern(doc), Speichern(Beispiel()));

  // A name that cannot be stored leaves the previous file as it was.
  CZelvorDoc falsch = Beispiel();
  falsch.m_Gasbohrung = "α";
  EXPECT_NE(ZlvDateiSpeichern(pfad, falsch), "");
  EXPECT_EQ(test::RohLesen(pfad).size(), Speichern(Beispiel()).size());
  EXPECT_EQ(dir.Eintraege(), std::vector<std::string>{"brunnen.zlv"});

  const Abbild erwartet = AbbildVon(Vorher());
  const auto laden = [&](const std::string& p) {
    CZelvorDoc d = Vorher();
    const ZlvErgebnis r = ZlvDateiLaden(p, d);
    EXPECT_TRUE(AbbildVon(d) == erwartet) << p;
    return r;
  };
  const ZlvErgebnis fehlt = laden(dir / "fehlt.zlv");
  EXPECT_EQ(fehlt.status, ZlvStatus::Unlesbar);
  EXPECT_EQ(fehlt.meldung, "Die Datei \"" + (dir / "fehlt.zlv") + "\" kann nicht geöffnet werden.");
  EXPECT_EQ(laden(dir.pfad().string()).status, ZlvStatus::Unlesbar);

  // Too large: refused from its size, before anything is read (the file is sparse).
  const std::string riesig = dir / "riesig.zlv";
  test::RohSchreiben(riesig, "");
  ASSERT_EQ(::truncate(riesig.c_str(), static_cast<off_t>(ZLV_MAX_BYTES + 1)), 0);
  const ZlvErgebnis gross = laden(riesig);
  EXPECT_EQ(gross.status, ZlvStatus::Unlesbar);
  EXPECT_NE(gross.meldung.find("zu groß"), std::string::npos) << gross.meldung;

  const std::string kurz = dir / "kurz.zlv";
  test::RohSchreiben(kurz, std::string(100, '\0'));
  const ZlvErgebnis abgeschnitten = laden(kurz);
  EXPECT_EQ(abgeschnitten.status, ZlvStatus::Abgeschnitten);
  EXPECT_EQ(abgeschnitten.meldung, "Die Datei \"" + kurz + "\" ist unvollständig: sie endet im Feld \"Zusammensetzung\".");
}

TEST(ZlvArchivTest, NothingIsSavedThatCouldNotBeOpenedAgain) {
  CZelvorDoc doc = Standard();
  doc.m_Ratenzeilen.assign(ZLV_MAX_RATENZEILEN + 1, "");
  Bytes bytes;
  EXPECT_NE(ZlvSchreiben(doc, bytes), "");
  doc.m_Ratenzeilen.assign(ZLV_MAX_RATENZEILEN, "");
  ASSERT_EQ(ZlvSchreiben(doc, bytes), "");
  CZelvorDoc gelesen;
  EXPECT_EQ(ZlvLesen(bytes, gelesen).status, ZlvStatus::Ok);
  EXPECT_EQ(gelesen.m_Ratenzeilen.size(), ZLV_MAX_RATENZEILEN);
  doc.m_Ratenzeilen.assign(2, std::string(ZLV_MAX_BYTES / 2, 'x'));
  EXPECT_NE(ZlvSchreiben(doc, bytes), "");
}

}  // namespace
// After an open the well counts as modified exactly when it no longer matches its file: what the file
// keeps decides, what it does not keep (water-gas ratio, options, results) does not.
TEST(ZlvArchivTest, AWellMatchesItsFileExactlyWhenItWouldBeSavedAlike) {
  const struct {
    const char* fall;
    void (*aendern)(CZelvorDoc&);
    bool gleich;
  } faelle[] = {
      {"unverändert", [](CZelvorDoc&) {}, true},
      {"OGIP", [](CZelvorDoc& d) { d.m_OGIP += 50.0f; }, false},
      {"Name nur in der Schreibweise", [](CZelvorDoc& d) { d.m_Gasbohrung = "BOHRUNG 1"; }, false},
      {"Ratenzeile", [](CZelvorDoc& d) { d.m_Ratenzeilen.push_back("1 2 3"); }, false},
      {"Prognose", [](CZelvorDoc& d) { d.m_Prognose.qEnde += 1.0f; }, false},
      {"A1 in der letzten Stelle", [](CZelvorDoc& d) { d.m_A1 = std::nextafter(d.m_A1, 1.0); }, false},
      {"WGV, nicht gespeichert", [](CZelvorDoc& d) { d.m_WGV = 5.0f; }, true},
      {"Optionen, nicht gespeichert", [](CZelvorDoc& d) { d.m_bVariablerC = d.m_bGrafikRaten = 1; }, true},
      {"Ergebnisse", [](CZelvorDoc& d) { d.m_Ergebnis = {"x"}; }, true},
      {"nicht speicherbar", [](CZelvorDoc& d) { d.m_Gasbohrung = "α"; }, false},
  };
  for (const auto& f : faelle) {
    CZelvorDoc nachher = Standard();
    f.aendern(nachher);
    EXPECT_EQ(ZlvGleich(Standard(), nachher), f.gleich) << f.fall;
  }
}

}  // namespace zelvor
