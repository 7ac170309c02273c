#include "doc/Prognoseblock.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace zelvor {
namespace {

constexpr unsigned char KENNUNG[4] = {'Z', 'F', 'P', 'G'};
constexpr std::uint16_t VERSION = 1;
constexpr std::uint32_t INHALT_BYTES = PROGNOSEBLOCK_BYTES - 8;  // after tag and length

void Anhaengen(std::vector<unsigned char>& b, std::uint32_t wert, std::size_t breite) {
  for (std::size_t i = 0; i < breite; ++i) b.push_back(static_cast<unsigned char>(wert >> (8 * i)));
}

std::uint32_t Wert(const unsigned char* p, std::size_t breite) {
  std::uint32_t w = 0;
  for (std::size_t i = 0; i < breite; ++i) w |= std::uint32_t{p[i]} << (8 * i);
  return w;
}

}  // namespace

void PrognoseblockAnhaengen(const Prognoseeinstellungen& e, std::vector<unsigned char>& bytes) {
  if (e == Prognoseeinstellungen{}) return;
  bytes.insert(bytes.end(), std::begin(KENNUNG), std::end(KENNUNG));
  Anhaengen(bytes, INHALT_BYTES, 4);
  Anhaengen(bytes, VERSION, 2);
  Anhaengen(bytes, std::bit_cast<std::uint32_t>(e.pMin), 4);
  Anhaengen(bytes, std::bit_cast<std::uint32_t>(e.qPlan), 4);
  Anhaengen(bytes, std::bit_cast<std::uint32_t>(e.qEnde), 4);
  Anhaengen(bytes, static_cast<std::uint32_t>(e.modell), 4);
  Anhaengen(bytes, static_cast<std::uint32_t>(e.schritte), 4);
}

std::optional<Prognoseeinstellungen> PrognoseblockLesen(std::span<const unsigned char> rest) {
  if (rest.size() < PROGNOSEBLOCK_BYTES) return std::nullopt;
  const unsigned char* p = rest.data();
  if (std::memcmp(p, KENNUNG, sizeof KENNUNG) != 0) return std::nullopt;
  if (Wert(p + 4, 4) != INHALT_BYTES || Wert(p + 8, 2) != VERSION) return std::nullopt;
  Prognoseeinstellungen e;
  e.pMin = std::bit_cast<float>(Wert(p + 10, 4));
  e.qPlan = std::bit_cast<float>(Wert(p + 14, 4));
  e.qEnde = std::bit_cast<float>(Wert(p + 18, 4));
  e.modell = static_cast<Prognosemodell>(std::bit_cast<std::int32_t>(Wert(p + 22, 4)));
  e.schritte = std::bit_cast<std::int32_t>(Wert(p + 26, 4));
  if (PrognoseeinstellungenPruefen(e)) return std::nullopt;
  return e;
}

}  // namespace zelvor
