#pragma once
// What a zip archive (an .xlsx or .ods workbook) would unpack to, told from its central directory before
// any of it is inflated: a small archive that inflates to gigabytes (a zip bomb) is refused unread.
#include <cstdint>
#include <string>
#include <string_view>

namespace zelvor {

struct Zipgrenzen {
  std::uint64_t eintraege = 2000;                  // files in the archive
  std::uint64_t entpackt = 64ull * 1024 * 1024;    // bytes of all files unpacked together
};

// "" when the central directory is whole and within the limits (each entry's local header is checked
// against it too), else a German message. Zip64 archives, which no workbook of this size needs, are refused.
std::string ZipverzeichnisPruefen(std::string_view archiv, const Zipgrenzen& grenzen = {});

}  // namespace zelvor
