#include "doc/Aquiferblock.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "calc/Datum.h"
#include "doc/CZelvorDoc.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {
namespace {

using Bytes = std::vector<unsigned char>;

CZelvorDoc Beispiel() {
  std::ifstream f(std::string(ZELVOR_EXAMPLES_DIR) + "/speicher.zlv", std::ios::binary);
  const Bytes datei{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  CZelvorDoc doc;
  EXPECT_EQ(ZlvLesen(datei, doc).status, ZlvStatus::Ok);
  return doc;
}

Bytes Schreiben(const CZelvorDoc& doc) {
  Bytes b;
  EXPECT_EQ(ZlvSchreiben(doc, b), "");
  return b;
}

Aquiferdaten Hurst() {
  Aquiferdaten a;
  a.modell = Aquifermodell::Hurst;
  a.winkel = 140;
  a.radius = 2804.16;
  a.radienverhaeltnis = AQUIFER_UNENDLICH;
  a.maechtigkeit = 30.48;
  a.porositaet = 0.25;
  a.permeabilitaet = 200;
  a.kompressibilitaet = 1.0152e-4;
  a.viskositaet = 0.55;
  a.haftwassersaettigung = 0.2;
  a.wgv = 12.5;
  a.foerderbeginn = TagAusDatum(1998, 3, 1);
  return a;
}

TEST(Aquiferblock, WrittenOnlyWithAModelAfterEverythingOlderReadersKnow) {
  CZelvorDoc doc = Beispiel();
  const Bytes alt = Schreiben(doc);
  doc.m_Aquifer.radius = 5000;  // data without a model: nothing of it is kept
  EXPECT_EQ(Schreiben(doc), alt);
  EXPECT_EQ(AquiferblockBytes(doc.m_Aquifer), 0u);

  const Aquiferdaten a = Hurst();
  doc.m_Aquifer = a;
  const Bytes neu = Schreiben(doc);
  ASSERT_EQ(neu.size(), alt.size() + AquiferblockBytes(a));
  EXPECT_TRUE(std::equal(alt.begin(), alt.end(), neu.begin()));
  EXPECT_EQ(std::memcmp(neu.data() + alt.size(), "ZAQU", 4), 0);
  CZelvorDoc gelesen;
  const ZlvErgebnis r = ZlvLesen(neu, gelesen);
  ASSERT_EQ(r.status, ZlvStatus::Ok);
  EXPECT_EQ(r.hinweis, "");
  EXPECT_EQ(gelesen.m_Aquifer, a);
  EXPECT_TRUE(gelesen.m_FremdeBloecke.empty());
  EXPECT_EQ(Schreiben(gelesen), neu);
  // Opening a well without the block, or a new well, leaves no aquifer of the previous one behind.
  ZlvLesen(alt, gelesen);
  EXPECT_EQ(gelesen.m_Aquifer, Aquiferdaten{});
  ZlvLesen(neu, gelesen);
  gelesen.NeuesDokument();
  EXPECT_EQ(gelesen.m_Aquifer, Aquiferdaten{});
}

// Offsets within the block: 8 tag and length, then version, model, form, flags, day, the doubles.
constexpr std::size_t VERSION = 8, MODELL = 10, FLAGS = 12, TAG = 13, ZAHLEN = 17;

void Double(Bytes& b, std::size_t stelle, double w) {
  const auto u = std::bit_cast<std::uint64_t>(w);
  for (int i = 0; i < 8; ++i) b[stelle + i] = static_cast<unsigned char>(u >> (8 * i));
}

// A damaged block, or one of another version, costs only the aquifer settings: the well opens, says
// so, and a save writes the block back as it was.
TEST(Aquiferblock, ADamagedBlockCostsOnlyItsSettings) {
  CZelvorDoc doc = Beispiel();
  const Bytes alt = Schreiben(doc);
  doc.m_Aquifer = Hurst();
  const Bytes gut = Schreiben(doc);
  const std::size_t anfang = alt.size();
  struct Fall {
    const char* was;
    void (*kaputt)(Bytes&, std::size_t);
  };
  const Fall faelle[] = {
      {"version 2", [](Bytes& d, std::size_t b) { d[b + VERSION] = 2; }},
      {"model none", [](Bytes& d, std::size_t b) { d[b + MODELL] = 0; }},
      {"unknown flag", [](Bytes& d, std::size_t b) { d[b + FLAGS] |= 2; }},
      {"day without flag", [](Bytes& d, std::size_t b) { d[b + FLAGS] = 0; }},
      {"day out of range", [](Bytes& d, std::size_t b) { d[b + TAG + 3] = 0x7F; }},
      {"angle NaN", [](Bytes& d, std::size_t b) { Double(d, b + ZAHLEN, std::nan("")); }},
      {"ratio 1", [](Bytes& d, std::size_t b) { Double(d, b + ZAHLEN + 16, 1); }},
      {"radius inf", [](Bytes& d, std::size_t b) { Double(d, b + ZAHLEN + 8, AQUIFER_UNENDLICH); }},
      {"porosity 2", [](Bytes& d, std::size_t b) { Double(d, b + ZAHLEN + 48, 2); }},
      {"longer", [](Bytes& d, std::size_t b) { d[b + 4] += 1; d.push_back(0); }},
  };
  for (const Fall& f : faelle) {
    Bytes d = gut;
    f.kaputt(d, anfang);
    CZelvorDoc gelesen;
    const ZlvErgebnis r = ZlvLesen(d, gelesen);
    ASSERT_EQ(r.status, ZlvStatus::Ok) << f.was;
    EXPECT_EQ(gelesen.m_Aquifer, Aquiferdaten{}) << f.was;
    EXPECT_EQ(gelesen.m_Speicher, doc.m_Speicher) << f.was;
    EXPECT_NE(r.hinweis.find("die Aquifereinstellungen"), std::string::npos) << f.was << r.hinweis;
    EXPECT_EQ(Schreiben(gelesen), d) << f.was;
  }
}

TEST(Aquiferblock, WhatTheReaderWouldRefuseIsNotWritten) {
  CZelvorDoc doc = Beispiel();
  doc.m_Aquifer = Hurst();
  doc.m_Aquifer.porositaet = std::nan("");
  Bytes b;
  EXPECT_EQ(ZlvSchreiben(doc, b), "Die Aquifereinstellungen können nicht gespeichert werden: Die Porosität muss "
                                  "zwischen 0 und 1 liegen.");
  doc.m_Aquifer.modell = Aquifermodell::Keiner;  // not written at all: nothing to refuse
  EXPECT_EQ(ZlvSchreiben(doc, b), "");
}

}  // namespace
}  // namespace zelvor
