#include "doc/ZlvArchivBloecke.h"

#include <algorithm>

#include "doc/Blockbytes.h"

namespace zelvor {
namespace {

constexpr std::size_t KOPF_BYTES = 4 + 4;

bool Kennungszeichen(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

}  // namespace

std::string Blockkennung(std::span<const unsigned char> block) {
  if (block.size() < 4) return "";
  for (std::size_t i = 0; i < 4; ++i)
    if (!Kennungszeichen(block[i])) return "";
  return std::string(block.begin(), block.begin() + 4);
}

Blockfolge BloeckeTeilen(std::span<const unsigned char> bytes) {
  Blockfolge f;
  while (bytes.size() >= KOPF_BYTES && f.bloecke.size() < ZLV_MAX_BLOECKE && !Blockkennung(bytes).empty()) {
    const std::size_t laenge = block::Wert(bytes.data() + 4, 4);
    if (laenge > bytes.size() - KOPF_BYTES) break;  // a length that runs past the file: no block
    f.bloecke.push_back(bytes.first(KOPF_BYTES + laenge));
    bytes = bytes.subspan(KOPF_BYTES + laenge);
  }
  f.rest = bytes;
  return f;
}

std::string NichtGelesenHinweis(const std::vector<std::string>& teile) {
  if (teile.empty()) return "";
  // Each part named once, however many blocks of it there are.
  std::vector<std::string> einmal;
  for (const std::string& t : teile)
    if (std::find(einmal.begin(), einmal.end(), t) == einmal.end()) einmal.push_back(t);
  std::string liste;
  for (std::size_t i = 0; i < einmal.size(); ++i)
    liste += (i == 0 ? "" : i + 1 == einmal.size() ? " und " : ", ") + einmal[i];
  return "Ein Teil der Datei (" + liste +
         ") stammt aus einer neueren Programmversion oder ist beschädigt und wurde nicht gelesen; beim Speichern "
         "bleibt er unverändert erhalten.";
}

}  // namespace zelvor
