#include "doc/Speicherblock.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "doc/Blockbytes.h"

namespace zelvor {
namespace {

constexpr unsigned char KENNUNG[4] = {'Z', 'S', 'P', 'E'};
constexpr std::uint16_t VERSION = 1;
constexpr std::size_t FEST_BYTES = 2 + 4 * 4 + 4 * 2 + 4 + 2;  // after tag and length
constexpr std::size_t ZIEL_BYTES = 2 + 4;
constexpr std::int32_t KEIN_START = INT32_MIN;

using block::Anhaengen;
using block::Wert;

bool Endlich(float w, double max) { return std::isfinite(w) && w >= 0.0f && w <= max; }

bool TagGueltig(Jahrestag t) { return TagAusDatum(2000, t.monat, t.tag).has_value(); }

std::optional<Speichereinstellungen> Inhalt(const unsigned char* p, std::size_t laenge) {
  if (laenge < FEST_BYTES || Wert(p, 2) != VERSION) return std::nullopt;
  Speichereinstellungen s;
  p += 2;
  for (float* f : {&s.arbeitsgas, &s.kissengas, &s.brennwert, &s.qAusspeisung}) {
    *f = std::bit_cast<float>(Wert(p, 4));
    p += 4;
  }
  for (Jahrestag* t : {&s.einBeginn, &s.einEnde, &s.ausBeginn, &s.ausEnde}) {
    *t = {p[0], p[1]};
    p += 2;
    if (!TagGueltig(*t)) return std::nullopt;
  }
  const auto start = std::bit_cast<std::int32_t>(Wert(p, 4));
  p += 4;
  if (start != KEIN_START) {
    if (!TagImBereich(start)) return std::nullopt;
    s.start = start;
  }
  const std::size_t n = Wert(p, 2);
  p += 2;
  if (n > SPEICHER_ZIELE_MAX || laenge != FEST_BYTES + n * ZIEL_BYTES) return std::nullopt;
  s.ziele.clear();
  for (std::size_t i = 0; i < n; ++i, p += ZIEL_BYTES) {
    const Speicherziel z{{p[0], p[1]}, std::bit_cast<float>(Wert(p + 2, 4))};
    if (!TagGueltig(z.tag) || !Endlich(z.prozent, 100)) return std::nullopt;
    s.ziele.push_back(z);
  }
  // A working gas of 0 is one not given yet: the other values set before it are kept.
  if (!Endlich(s.arbeitsgas, SPEICHER_VOLUMEN_MAX) ||
      !Endlich(s.kissengas, SPEICHER_VOLUMEN_MAX) || !Endlich(s.brennwert, SPEICHER_BRENNWERT_MAX) ||
      !Endlich(s.qAusspeisung, 500000))
    return std::nullopt;
  return s;
}

}  // namespace

std::size_t SpeicherblockBytes(const Speichereinstellungen& s) {
  return s == Speichereinstellungen{} ? 0 : 8 + FEST_BYTES + ZIEL_BYTES * s.ziele.size();
}

void SpeicherblockAnhaengen(const Speichereinstellungen& s, std::vector<unsigned char>& bytes) {
  if (s == Speichereinstellungen{}) return;
  bytes.insert(bytes.end(), std::begin(KENNUNG), std::end(KENNUNG));
  Anhaengen(bytes, static_cast<std::uint32_t>(FEST_BYTES + ZIEL_BYTES * s.ziele.size()), 4);
  Anhaengen(bytes, VERSION, 2);
  for (float f : {s.arbeitsgas, s.kissengas, s.brennwert, s.qAusspeisung})
    Anhaengen(bytes, std::bit_cast<std::uint32_t>(f), 4);
  for (Jahrestag t : {s.einBeginn, s.einEnde, s.ausBeginn, s.ausEnde}) {
    Anhaengen(bytes, static_cast<std::uint32_t>(t.monat), 1);
    Anhaengen(bytes, static_cast<std::uint32_t>(t.tag), 1);
  }
  Anhaengen(bytes, std::bit_cast<std::uint32_t>(s.start.value_or(KEIN_START)), 4);
  Anhaengen(bytes, static_cast<std::uint32_t>(s.ziele.size()), 2);
  for (const Speicherziel& z : s.ziele) {
    Anhaengen(bytes, static_cast<std::uint32_t>(z.tag.monat), 1);
    Anhaengen(bytes, static_cast<std::uint32_t>(z.tag.tag), 1);
    Anhaengen(bytes, std::bit_cast<std::uint32_t>(z.prozent), 4);
  }
}

std::optional<Speichereinstellungen> SpeicherblockLesen(std::span<const unsigned char> block) {
  if (block.size() < 8 || std::memcmp(block.data(), KENNUNG, sizeof KENNUNG) != 0) return std::nullopt;
  const std::size_t laenge = Wert(block.data() + 4, 4);
  if (laenge > block.size() - 8) return std::nullopt;
  return Inhalt(block.data() + 8, laenge);
}

}  // namespace zelvor
