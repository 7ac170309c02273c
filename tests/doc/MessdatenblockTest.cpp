#include "doc/Messdatenblock.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "doc/Prognoseblock.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes Speichern(const CZelvorDoc& doc) {
  Bytes b;
  EXPECT_EQ(ZlvSchreiben(doc, b), "");
  return b;
}

CZelvorDoc Suessgas() {
  CZelvorDoc doc;
  EXPECT_EQ(ZlvDateiLaden(ZELVOR_EXAMPLES_DIR "/suessgas.zlv", doc).status, ZlvStatus::Ok);
  return doc;
}

CZelvorDoc Datiert() {
  CZelvorDoc doc = Suessgas();
  doc.m_RatenDatum = {TagAusDatum(2020, 1, 15), std::nullopt, TagAusDatum(2021, 2, 28)};
  doc.m_Messungen = {{TagAusDatum(2019, 6, 1), 0.0f, 251.5f, Messart::Sohle},
                     {std::nullopt, 120.0f, 190.25f, Messart::Kopf}};
  doc.m_Prognose.pMin = 40.0f;
  doc.m_Prognose.pMax = 280.0f;  // the settings block's second version
  return doc;
}

TEST(Messdatenblock, RundreiseUndAlteLeser) {
  // A well without dates and surveys keeps its file's bytes.
  std::ifstream f(ZELVOR_EXAMPLES_DIR "/suessgas.zlv", std::ios::binary);
  const Bytes datei{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  EXPECT_EQ(Speichern(Suessgas()), datei);

  const CZelvorDoc datiert = Datiert();
  const Bytes b = Speichern(datiert);
  CZelvorDoc geladen;
  ASSERT_EQ(ZlvLesen(b, geladen).status, ZlvStatus::Ok);
  EXPECT_TRUE(ZeilendatenGleich(geladen.m_RatenDatum, datiert.m_RatenDatum));
  EXPECT_EQ(geladen.m_Messungen, datiert.m_Messungen);
  EXPECT_EQ(geladen.m_Prognose, datiert.m_Prognose);
  EXPECT_EQ(Speichern(geladen), b);

  // Today's reader takes the settings block after the rate lines and nothing after it.
  CZelvorDoc ohne = Suessgas();
  const std::span<const unsigned char> rest = std::span(b).subspan(Speichern(ohne).size());
  EXPECT_EQ(PrognoseblockLesen(rest), datiert.m_Prognose);
  // Without settings, the dates block comes first, and an old reader keeps the defaults.
  CZelvorDoc nurDaten = Datiert();
  nurDaten.m_Prognose = {};
  const Bytes n = Speichern(nurDaten);
  EXPECT_FALSE(PrognoseblockLesen(std::span(n).subspan(Speichern(ohne).size())));
  ASSERT_EQ(ZlvLesen(n, geladen).status, ZlvStatus::Ok);
  EXPECT_EQ(geladen.m_Messungen, datiert.m_Messungen);
}

// A damaged block costs its dates and surveys, never the well or its settings.
TEST(Messdatenblock, UnsoundBlocksAreIgnored) {
  const CZelvorDoc datiert = Datiert();
  const Bytes b = Speichern(datiert);
  const std::size_t anfang = b.size() - (18 + 3 * 4 + 2 * 13);
  ASSERT_EQ(b[anfang], 'Z');
  ASSERT_EQ(b[anfang + 1], 'D');
  struct Schaden {
    std::size_t stelle;
    unsigned char wert;
  };
  for (const Schaden s : {Schaden{anfang + 4, 0xFF}, Schaden{anfang + 4, 0}, Schaden{anfang + 8, 2}, Schaden{anfang + 10, 200},
                          Schaden{anfang + 10, 2}, Schaden{anfang + 27, 0xFF}, Schaden{b.size() - 1, 7},
                          Schaden{b.size() - 2, 0xFF}}) {
    Bytes kaputt = b;
    kaputt[s.stelle] = s.wert;
    CZelvorDoc geladen;
    ASSERT_EQ(ZlvLesen(kaputt, geladen).status, ZlvStatus::Ok) << s.stelle;
    EXPECT_TRUE(geladen.m_RatenDatum.empty()) << s.stelle;
    EXPECT_TRUE(geladen.m_Messungen.empty()) << s.stelle;
    EXPECT_EQ(geladen.m_Prognose, datiert.m_Prognose) << s.stelle;
  }
  // Cut anywhere inside the block: the same.
  for (std::size_t n = anfang; n < b.size(); ++n) {
    CZelvorDoc geladen;
    ASSERT_EQ(ZlvLesen(std::span(b).first(n), geladen).status, ZlvStatus::Ok) << n;
    EXPECT_TRUE(geladen.m_Messungen.empty()) << n;
  }
}

}  // namespace
}  // namespace zelvor
