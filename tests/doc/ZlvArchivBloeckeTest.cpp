#include "doc/ZlvArchivBloecke.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "doc/CZelvorDoc.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes Datei(const std::string& name) {
  std::ifstream f(std::string(ZELVOR_EXAMPLES_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

Bytes Schreiben(const CZelvorDoc& doc) {
  Bytes b;
  EXPECT_EQ(ZlvSchreiben(doc, b), "");
  return b;
}

// The storage example: its rate lines, then the forecast, dates and storage blocks.
struct Zerlegt {
  Bytes kopf;
  std::vector<Bytes> bloecke;  // ZFPG, ZDAT, ZSPE
};

Zerlegt Speicherbeispiel() {
  const Bytes datei = Datei("speicher.zlv");
  CZelvorDoc doc;
  EXPECT_EQ(ZlvLesen(datei, doc).status, ZlvStatus::Ok);
  CZelvorDoc ohne = doc;
  ohne.m_Prognose = {};
  ohne.m_RatenDatum.clear();
  ohne.m_Messungen.clear();
  ohne.m_Speicher = {};
  Zerlegt z;
  z.kopf = Schreiben(ohne);
  const Blockfolge f = BloeckeTeilen(std::span(datei).subspan(z.kopf.size()));
  for (const auto& b : f.bloecke) z.bloecke.emplace_back(b.begin(), b.end());
  EXPECT_TRUE(f.rest.empty());
  return z;
}

Bytes Zusammen(const Bytes& kopf, const std::vector<Bytes>& teile) {
  Bytes b = kopf;
  for (const Bytes& t : teile) b.insert(b.end(), t.begin(), t.end());
  return b;
}

Bytes Block(const std::string& kennung, const Bytes& inhalt) {
  Bytes b(kennung.begin(), kennung.end());
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(inhalt.size() >> (8 * i)));
  b.insert(b.end(), inhalt.begin(), inhalt.end());
  return b;
}

// Every well file the program wrote stays byte for byte what it was when written again unchanged.
TEST(ZlvArchivBloecke, ExamplesAreWrittenBackByteForByte) {
  for (const char* name : {"suessgas.zlv", "sauergas.zlv", "injektion.zlv", "mehrraten.zlv", "speicher.zlv"}) {
    const Bytes datei = Datei(name);
    CZelvorDoc doc;
    const ZlvErgebnis r = ZlvLesen(datei, doc);
    ASSERT_EQ(r.status, ZlvStatus::Ok) << name;
    EXPECT_EQ(r.hinweis, "") << name;
    EXPECT_EQ(Schreiben(doc), datei) << name;
  }
}

// The known blocks are found by their tags in any order, also behind an unknown block, which is kept;
// the file is written back in the order older readers expect, the unknown block after the known ones.
TEST(ZlvArchivBloecke, BlocksAreFoundInEveryOrder) {
  const Zerlegt z = Speicherbeispiel();
  ASSERT_EQ(z.bloecke.size(), 3u);
  const Bytes fremd = Block("ZNEU", {1, 0, 'n', 'e', 'u'});
  CZelvorDoc soll;
  ASSERT_EQ(ZlvLesen(Datei("speicher.zlv"), soll).status, ZlvStatus::Ok);
  std::vector<Bytes> teile = z.bloecke;
  teile.push_back(fremd);
  std::vector<int> ordnung{0, 1, 2, 3};
  do {
    std::vector<Bytes> folge;
    for (int i : ordnung) folge.push_back(teile[i]);
    CZelvorDoc doc;
    const ZlvErgebnis r = ZlvLesen(Zusammen(z.kopf, folge), doc);
    ASSERT_EQ(r.status, ZlvStatus::Ok);
    EXPECT_EQ(doc.m_Prognose, soll.m_Prognose);
    EXPECT_EQ(doc.m_Messungen, soll.m_Messungen);
    EXPECT_TRUE(ZeilendatenGleich(doc.m_RatenDatum, soll.m_RatenDatum));
    EXPECT_EQ(doc.m_Speicher, soll.m_Speicher);
    EXPECT_EQ(doc.m_FremdeBloecke, fremd);
    EXPECT_NE(r.hinweis.find("ein Block \"ZNEU\" unbekannter Art"), std::string::npos) << r.hinweis;
    EXPECT_EQ(Schreiben(doc), Zusammen(z.kopf, teile));
  } while (std::next_permutation(ordnung.begin(), ordnung.end()));
}

// A block the program cannot read opens the well without it, names it in one sentence, and goes back
// into the file unchanged; what it can read beside it is read.
TEST(ZlvArchivBloecke, UnreadableBlocksAreKeptUnchanged) {
  const Zerlegt z = Speicherbeispiel();
  const auto version = [](Bytes b, unsigned char v) {
    b[8] = v;
    return b;
  };
  const auto laenge = [](Bytes b, unsigned char delta) {
    b[4] = static_cast<unsigned char>(b[4] + delta);
    return b;
  };
  struct Fall {
    const char* was;
    std::size_t block;  // which of the three is damaged
    Bytes neu;
    const char* teil;   // as the hint names it
  } faelle[] = {
      {"Prognose Version 3", 0, version(z.bloecke[0], 3), "die Prognoseeinstellungen"},
      {"Daten Version 2", 1, version(z.bloecke[1], 2), "die Datumsangaben und Schließdruckmessungen"},
      {"Speicher Version 2", 2, version(z.bloecke[2], 2), "die Speichereinstellungen"},
      {"Daten zu kurz", 1, laenge(z.bloecke[1], 0xFF), "die Datumsangaben und Schließdruckmessungen"},
      {"Speicher zu lang", 2, laenge(z.bloecke[2], 1), "58 Bytes am Ende"},
  };
  for (const Fall& f : faelle) {
    std::vector<Bytes> teile = z.bloecke;
    teile[f.block] = f.neu;
    const Bytes datei = Zusammen(z.kopf, teile);
    CZelvorDoc doc;
    const ZlvErgebnis r = ZlvLesen(datei, doc);
    ASSERT_EQ(r.status, ZlvStatus::Ok) << f.was;
    EXPECT_NE(r.hinweis.find(f.teil), std::string::npos) << f.was << ": " << r.hinweis;
    EXPECT_NE(r.hinweis.find("neueren Programmversion oder ist beschädigt"), std::string::npos) << r.hinweis;
    EXPECT_FALSE(doc.m_FremdeBloecke.empty()) << f.was;
    // The blocks before the damaged one are read.
    if (f.block > 0) {
      EXPECT_NE(doc.m_Prognose, Prognoseeinstellungen{}) << f.was;
    }
    if (f.block > 1) {
      EXPECT_FALSE(doc.m_Messungen.empty()) << f.was;
    }
    // Nothing is lost: a block cut wrongly stays in the file as it was, and read again it is the same.
    const Bytes geschrieben = Schreiben(doc);
    EXPECT_TRUE(std::search(geschrieben.begin(), geschrieben.end(), doc.m_FremdeBloecke.begin(),
                            doc.m_FremdeBloecke.end()) != geschrieben.end())
        << f.was;
    CZelvorDoc wieder;
    ASSERT_EQ(ZlvLesen(geschrieben, wieder).status, ZlvStatus::Ok);
    EXPECT_EQ(wieder.m_FremdeBloecke, doc.m_FremdeBloecke) << f.was;
    EXPECT_EQ(Schreiben(wieder), geschrieben) << f.was;
  }
  // A length that runs past the file leaves every byte from there on as it was.
  std::vector<Bytes> teile = z.bloecke;
  teile[0][7] = 0x7F;
  const Bytes datei = Zusammen(z.kopf, teile);
  CZelvorDoc doc;
  ASSERT_EQ(ZlvLesen(datei, doc).status, ZlvStatus::Ok);
  EXPECT_EQ(Schreiben(doc), datei);
  // A new well forgets them.
  doc.StandardwerteSetzen();
  EXPECT_TRUE(doc.m_FremdeBloecke.empty());
}

// Storage settings given before the working gas are a block the reader takes.
TEST(ZlvArchivBloecke, StorageSettingsWithoutWorkingGasRoundTrip) {
  CZelvorDoc doc;
  ASSERT_EQ(ZlvLesen(Datei("injektion.zlv"), doc).status, ZlvStatus::Ok);
  ASSERT_FALSE(KissengasSetzen(doc.m_Speicher, "1150"));
  ASSERT_FALSE(doc.m_Speicher.Gesetzt());
  CZelvorDoc gelesen;
  const ZlvErgebnis r = ZlvLesen(Schreiben(doc), gelesen);
  ASSERT_EQ(r.status, ZlvStatus::Ok);
  EXPECT_EQ(r.hinweis, "");
  EXPECT_EQ(gelesen.m_Speicher.kissengas, 1150.0f);
  ASSERT_FALSE(ArbeitsgasSetzen(gelesen.m_Speicher, "200"));
  CZelvorDoc beides;
  ASSERT_EQ(ZlvLesen(Schreiben(gelesen), beides).status, ZlvStatus::Ok);
  EXPECT_EQ(beides.m_Speicher.kissengas, 1150.0f);
  EXPECT_EQ(beides.m_Speicher.arbeitsgas, 200.0f);
}

}  // namespace
}  // namespace zelvor
