#pragma once
// What a zip archive (an .xlsx or .ods workbook) would unpack to, told from its central directory before
// any of it is inflated: a small archive that inflates to gigabytes (a zip bomb) is refused unread.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvor {

struct Zipgrenzen {
  std::uint64_t eintraege = 2000;                  // files in the archive
  std::uint64_t entpackt = 64ull * 1024 * 1024;    // bytes of all files unpacked together
};

struct Zipeintrag {
  std::string name;
  std::uint16_t methode = 0;  // 0 stored, 8 deflated
  std::uint32_t crc = 0, gepackt = 0, entpackt = 0;
  std::size_t daten = 0;  // where the packed bytes start in the archive
};

// "" and the entries when the central directory is whole and within the limits (each entry's local
// header is checked against it too), else a German message. Zip64 archives, which no workbook of this
// size needs, are refused.
std::string ZipverzeichnisLesen(std::string_view archiv, std::vector<Zipeintrag>& eintraege,
                                const Zipgrenzen& grenzen = {});

inline std::string ZipverzeichnisPruefen(std::string_view archiv, const Zipgrenzen& grenzen = {}) {
  std::vector<Zipeintrag> eintraege;
  return ZipverzeichnisLesen(archiv, eintraege, grenzen);
}

// Relationship targets written as absolute part names (Target="/xl/worksheets/sheet1.xml", as Python's
// openpyxl writes them) made relative to the part's folder, as Excel writes them and liborcus finds them.
// The rewritten archive, or nothing when no target needed it (or a relationship part cannot be unpacked).
std::optional<std::string> BeziehungszieleRelativ(std::string_view archiv, const std::vector<Zipeintrag>& eintraege);

}  // namespace zelvor
