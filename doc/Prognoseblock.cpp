#include "doc/Prognoseblock.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "doc/Blockbytes.h"

namespace zelvor {
namespace {

constexpr unsigned char KENNUNG[4] = {'Z', 'F', 'P', 'G'};
constexpr std::uint32_t INHALT_BYTES[3] = {0, PROGNOSEBLOCK_BYTES - 8, PROGNOSEBLOCK_V2_BYTES - 8};  // by version

using block::Anhaengen;
using block::Wert;

}  // namespace

void PrognoseblockAnhaengen(const Prognoseeinstellungen& e, std::vector<unsigned char>& bytes) {
  if (e == Prognoseeinstellungen{}) return;
  const std::uint16_t version = e.InjektionStandard() ? 1 : 2;
  bytes.insert(bytes.end(), std::begin(KENNUNG), std::end(KENNUNG));
  Anhaengen(bytes, INHALT_BYTES[version], 4);
  Anhaengen(bytes, version, 2);
  for (float f : {e.pMin, e.qPlan, e.qEnde}) Anhaengen(bytes, std::bit_cast<std::uint32_t>(f), 4);
  Anhaengen(bytes, static_cast<std::uint32_t>(e.modell), 4);
  Anhaengen(bytes, static_cast<std::uint32_t>(e.schritte), 4);
  if (version == 1) return;
  for (float f : {e.pMax, e.qInjektion, e.qMindest, e.pResMax}) Anhaengen(bytes, std::bit_cast<std::uint32_t>(f), 4);
}

std::optional<Prognoseeinstellungen> PrognoseblockLesen(std::span<const unsigned char> rest) {
  if (rest.size() < PROGNOSEBLOCK_BYTES) return std::nullopt;
  const unsigned char* p = rest.data();
  if (std::memcmp(p, KENNUNG, sizeof KENNUNG) != 0) return std::nullopt;
  const std::uint32_t version = Wert(p + 8, 2);
  if (version < 1 || version > 2 || Wert(p + 4, 4) != INHALT_BYTES[version] || rest.size() < INHALT_BYTES[version] + 8)
    return std::nullopt;
  Prognoseeinstellungen e;
  e.pMin = std::bit_cast<float>(Wert(p + 10, 4));
  e.qPlan = std::bit_cast<float>(Wert(p + 14, 4));
  e.qEnde = std::bit_cast<float>(Wert(p + 18, 4));
  e.modell = static_cast<Prognosemodell>(std::bit_cast<std::int32_t>(Wert(p + 22, 4)));
  e.schritte = std::bit_cast<std::int32_t>(Wert(p + 26, 4));
  if (version == 2) {
    e.pMax = std::bit_cast<float>(Wert(p + 30, 4));
    e.qInjektion = std::bit_cast<float>(Wert(p + 34, 4));
    e.qMindest = std::bit_cast<float>(Wert(p + 38, 4));
    e.pResMax = std::bit_cast<float>(Wert(p + 42, 4));
  }
  if (PrognoseeinstellungenPruefen(e)) return std::nullopt;
  return e;
}

}  // namespace zelvor
