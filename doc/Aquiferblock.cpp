#include "doc/Aquiferblock.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "doc/Aquifereinstellungen.h"
#include "doc/Blockbytes.h"

namespace zelvor {
namespace {

constexpr unsigned char KENNUNG[4] = {'Z', 'A', 'Q', 'U'};
constexpr std::uint16_t VERSION = 1;
constexpr std::size_t ZAHLEN = 14;
constexpr std::size_t INHALT_BYTES = 2 + 1 + 1 + 1 + 4 + 8 * ZAHLEN;  // after tag and length
constexpr unsigned FOERDERBEGINN_GEGEBEN = 1;

// The doubles in their order in the block.
constexpr double Aquiferdaten::*FELDER[ZAHLEN] = {
    &Aquiferdaten::winkel,         &Aquiferdaten::radius,
    &Aquiferdaten::radienverhaeltnis, &Aquiferdaten::breite,
    &Aquiferdaten::laenge,         &Aquiferdaten::maechtigkeit,
    &Aquiferdaten::porositaet,     &Aquiferdaten::permeabilitaet,
    &Aquiferdaten::kompressibilitaet, &Aquiferdaten::viskositaet,
    &Aquiferdaten::volumen,        &Aquiferdaten::formationskompressibilitaet,
    &Aquiferdaten::haftwassersaettigung, &Aquiferdaten::wgv,
};

using block::Anhaengen;
using block::Wert;

std::uint64_t Wert64(const unsigned char* p) { return Wert(p, 4) | std::uint64_t{Wert(p + 4, 4)} << 32; }

}  // namespace

std::size_t AquiferblockBytes(const Aquiferdaten& a) { return a.Gesetzt() ? 8 + INHALT_BYTES : 0; }

void AquiferblockAnhaengen(const Aquiferdaten& a, std::vector<unsigned char>& bytes) {
  if (!a.Gesetzt()) return;
  bytes.insert(bytes.end(), std::begin(KENNUNG), std::end(KENNUNG));
  Anhaengen(bytes, static_cast<std::uint32_t>(INHALT_BYTES), 4);
  Anhaengen(bytes, VERSION, 2);
  Anhaengen(bytes, static_cast<std::uint32_t>(a.modell), 1);
  Anhaengen(bytes, static_cast<std::uint32_t>(a.form), 1);
  Anhaengen(bytes, a.foerderbeginn ? FOERDERBEGINN_GEGEBEN : 0u, 1);
  Anhaengen(bytes, std::bit_cast<std::uint32_t>(a.foerderbeginn.value_or(0)), 4);
  for (double Aquiferdaten::*feld : FELDER) {
    const auto w = std::bit_cast<std::uint64_t>(a.*feld);
    Anhaengen(bytes, static_cast<std::uint32_t>(w), 4);
    Anhaengen(bytes, static_cast<std::uint32_t>(w >> 32), 4);
  }
}

std::optional<Aquiferdaten> AquiferblockLesen(std::span<const unsigned char> block) {
  if (block.size() < 8 || std::memcmp(block.data(), KENNUNG, sizeof KENNUNG) != 0) return std::nullopt;
  const std::size_t laenge = Wert(block.data() + 4, 4);
  if (laenge != INHALT_BYTES || block.size() - 8 < laenge) return std::nullopt;
  const unsigned char* p = block.data() + 8;
  if (Wert(p, 2) != VERSION) return std::nullopt;
  const unsigned modell = p[2], form = p[3], flags = p[4];
  const auto tag = std::bit_cast<std::int32_t>(Wert(p + 5, 4));
  // A block is written only with a model; flags beyond the one known, or a day without its flag, are
  // not of this version.
  if (modell < 1 || modell > 3 || form > 1 || (flags & ~FOERDERBEGINN_GEGEBEN) != 0) return std::nullopt;
  if (!(flags & FOERDERBEGINN_GEGEBEN) && tag != 0) return std::nullopt;
  Aquiferdaten a;
  a.modell = static_cast<Aquifermodell>(modell);
  a.form = static_cast<Aquiferform>(form);
  if (flags & FOERDERBEGINN_GEGEBEN) a.foerderbeginn = tag;
  for (std::size_t i = 0; i < ZAHLEN; ++i) a.*FELDER[i] = std::bit_cast<double>(Wert64(p + 9 + 8 * i));
  if (AquiferwerteZulaessig(a)) return std::nullopt;
  return a;
}

}  // namespace zelvor
