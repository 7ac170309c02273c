#pragma once
// Stored zip archives made byte by byte for the tests, with the knobs a crafted archive turns.
#include <cstdint>
#include <string>
#include <vector>

#include <zlib.h>

namespace zelvor::test {

struct Zipteil {
  std::string name, daten;
  bool beschreiber = false;  // sizes and checksum after the data, as streaming writers put them
};

inline void Le(std::string& z, std::uint32_t w, int bytes) {
  for (int i = 0; i < bytes; ++i) z += static_cast<char>((w >> (8 * i)) & 0xFF);
}

struct Zipbau {
  std::string lokal;                    // local headers and data, one entry after the other
  std::vector<std::string> eintraege;   // the central directory's records
  std::vector<std::uint32_t> offsets;   // where each entry's local header starts

  explicit Zipbau(const std::vector<Zipteil>& teile) {
    for (const Zipteil& t : teile) {
      const auto crc = static_cast<std::uint32_t>(
          crc32(0, reinterpret_cast<const Bytef*>(t.daten.data()), static_cast<uInt>(t.daten.size())));
      const auto n = static_cast<std::uint32_t>(t.daten.size());
      offsets.push_back(static_cast<std::uint32_t>(lokal.size()));
      Le(lokal, 0x04034b50, 4);
      Le(lokal, 20, 2);
      Le(lokal, t.beschreiber ? 8 : 0, 2);
      Le(lokal, 0, 2);  // stored
      Le(lokal, 0, 4);
      Le(lokal, t.beschreiber ? 0 : crc, 4);
      Le(lokal, t.beschreiber ? 0 : n, 4);
      Le(lokal, t.beschreiber ? 0 : n, 4);
      Le(lokal, static_cast<std::uint32_t>(t.name.size()), 2);
      Le(lokal, 0, 2);
      lokal += t.name + t.daten;
      if (t.beschreiber) {
        Le(lokal, 0x08074b50, 4);
        Le(lokal, crc, 4);
        Le(lokal, n, 4);
        Le(lokal, n, 4);
      }
      std::string e;
      Le(e, 0x02014b50, 4);
      Le(e, 20, 2);
      Le(e, 20, 2);
      Le(e, t.beschreiber ? 8 : 0, 2);
      Le(e, 0, 2);
      Le(e, 0, 4);
      Le(e, crc, 4);
      Le(e, n, 4);
      Le(e, n, 4);
      Le(e, static_cast<std::uint32_t>(t.name.size()), 2);
      for (int i = 0; i < 4; ++i) Le(e, 0, 2);  // extra, comment, disk, internal attributes
      Le(e, 0, 4);
      Le(e, offsets.back(), 4);
      eintraege.push_back(e + t.name);
    }
  }

  // The record of entry i pointing at another local header.
  void Verweisen(std::size_t i, std::uint32_t offset) {
    for (int b = 0; b < 4; ++b) eintraege[i][42 + static_cast<std::size_t>(b)] = static_cast<char>((offset >> (8 * b)) & 0xFF);
  }

  // The archive; `gezaehlt` records counted by the end record (all when negative).
  std::string Archiv(int gezaehlt = -1, const std::string& kommentar = "") const {
    std::string verzeichnis;
    for (const std::string& e : eintraege) verzeichnis += e;
    const auto anzahl = static_cast<std::uint32_t>(gezaehlt < 0 ? static_cast<int>(eintraege.size()) : gezaehlt);
    std::string a = lokal + verzeichnis;
    Le(a, 0x06054b50, 4);
    Le(a, 0, 4);
    Le(a, anzahl, 2);
    Le(a, anzahl, 2);
    Le(a, static_cast<std::uint32_t>(verzeichnis.size()), 4);
    Le(a, static_cast<std::uint32_t>(lokal.size()), 4);
    Le(a, static_cast<std::uint32_t>(kommentar.size()), 2);
    return a + kommentar;
  }
};

}  // namespace zelvor::test
