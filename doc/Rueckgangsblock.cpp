#include "doc/Rueckgangsblock.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "doc/Blockbytes.h"

namespace zelvor {
namespace {

constexpr unsigned char KENNUNG[4] = {'Z', 'R', 'U', 'E'};
constexpr std::uint16_t VERSION = 1;
constexpr std::size_t FEST_BYTES = 2 + 1 + 1 + 4 + 4 + 4 + 4;  // after tag and length, before the lines

using block::Anhaengen;
using block::Wert;

}  // namespace

std::size_t RueckgangsblockBytes(const Rueckgangseinstellungen& e) {
  return e.Standard() ? 0 : 8 + FEST_BYTES + 4 * e.ausreisser.size();
}

void RueckgangsblockAnhaengen(const Rueckgangseinstellungen& e, std::vector<unsigned char>& bytes) {
  if (e.Standard()) return;
  bytes.insert(bytes.end(), std::begin(KENNUNG), std::end(KENNUNG));
  Anhaengen(bytes, static_cast<std::uint32_t>(FEST_BYTES + 4 * e.ausreisser.size()), 4);
  Anhaengen(bytes, VERSION, 2);
  Anhaengen(bytes, static_cast<std::uint32_t>(e.modell), 1);
  Anhaengen(bytes, e.ab ? 1u : 0u, 1);
  Anhaengen(bytes, std::bit_cast<std::uint32_t>(e.ab.value_or(0)), 4);
  Anhaengen(bytes, std::bit_cast<std::uint32_t>(e.qGrenze), 4);
  Anhaengen(bytes, std::bit_cast<std::uint32_t>(e.endabfall), 4);
  Anhaengen(bytes, static_cast<std::uint32_t>(e.ausreisser.size()), 4);
  for (const std::int32_t z : e.ausreisser) Anhaengen(bytes, static_cast<std::uint32_t>(z), 4);
}

std::optional<Rueckgangseinstellungen> RueckgangsblockLesen(std::span<const unsigned char> block) {
  if (block.size() < 8 || std::memcmp(block.data(), KENNUNG, sizeof KENNUNG) != 0) return std::nullopt;
  const std::size_t laenge = Wert(block.data() + 4, 4);
  if (laenge > block.size() - 8 || laenge < FEST_BYTES) return std::nullopt;
  const unsigned char* p = block.data() + 8;
  if (Wert(p, 2) != VERSION || p[2] >= RUECKGANGSMODELL_ANZAHL || p[3] > 1) return std::nullopt;
  const std::size_t n = Wert(p + 16, 4);
  if (n > RUECKGANG_MAX_AUSREISSER || laenge != FEST_BYTES + 4 * n) return std::nullopt;
  Rueckgangseinstellungen e;
  e.modell = static_cast<Rueckgangsmodell>(p[2]);
  if (p[3] == 1) e.ab = std::bit_cast<std::int32_t>(Wert(p + 4, 4));
  e.qGrenze = std::bit_cast<float>(Wert(p + 8, 4));
  e.endabfall = std::bit_cast<float>(Wert(p + 12, 4));
  e.ausreisser.reserve(n);
  for (std::size_t i = 0; i < n; ++i) e.ausreisser.push_back(std::bit_cast<std::int32_t>(Wert(p + FEST_BYTES + 4 * i, 4)));
  if (RueckgangseinstellungenPruefen(e)) return std::nullopt;
  return e;
}

}  // namespace zelvor
