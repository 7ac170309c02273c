#pragma once
// What a zip archive (an .xlsx or .ods workbook) would unpack to, told from its central directory and its
// local headers before any of it is inflated: a small archive that inflates to gigabytes (a zip bomb) is
// refused unread, and so is one whose two descriptions of its entries disagree.
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
  std::uint16_t flags = 0;
  std::uint32_t crc = 0, gepackt = 0, entpackt = 0;
  std::size_t lokal = 0;  // where its local header starts in the archive
  std::size_t daten = 0;  // where the packed bytes start in the archive
};

// "" and the entries when the archive is exactly what its central directory says, within the limits,
// else a German message. Exactly: one end record closing the archive, the directory right before it
// holding as many records as the end record counts, and the entries' local headers (each agreeing with
// its record) with their data lying one after the other from the archive's first byte to the
// directory, no entry overlapping another, no name twice. Zip64 and encrypted archives, which no
// workbook of this size needs, are refused.
std::string ZipverzeichnisLesen(std::string_view archiv, std::vector<Zipeintrag>& eintraege,
                                const Zipgrenzen& grenzen = {});

inline std::string ZipverzeichnisPruefen(std::string_view archiv, const Zipgrenzen& grenzen = {}) {
  std::vector<Zipeintrag> eintraege;
  return ZipverzeichnisLesen(archiv, eintraege, grenzen);
}

// An entry of an archive ZipverzeichnisLesen accepted, unpacked: nothing when its data do not inflate
// to exactly its size and checksum.
std::optional<std::string> ZipeintragEntpacken(std::string_view archiv, const Zipeintrag& eintrag);

// The archive written anew with the entries in the same order, those with a text in `ersetzt` (one slot
// per entry) stored unpacked with that text, the others copied as they are. Nothing when it would hold
// more than `max` bytes of data.
std::optional<std::string> ZipNeuSchreiben(std::string_view archiv, const std::vector<Zipeintrag>& eintraege,
                                           const std::vector<std::optional<std::string>>& ersetzt,
                                           std::uint64_t max);

// Relationship targets written as absolute part names (Target="/xl/worksheets/sheet1.xml", as Python's
// openpyxl writes them) made relative to the folder of the relationship part `name`, as Excel writes
// them and liborcus finds them. True when a target was changed.
bool BeziehungszieleRelativ(std::string& text, const std::string& name);

}  // namespace zelvor
