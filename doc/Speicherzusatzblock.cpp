#include "doc/Speicherzusatzblock.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "doc/Blockbytes.h"
#include "doc/Prognoseeinstellungen.h"
#include "doc/Windows1252.h"

namespace zelvor {
namespace {

constexpr unsigned char KENNUNG[4] = {'Z', 'S', 'P', 'A'};
constexpr std::uint16_t VERSION = 1;
constexpr std::size_t FEST_BYTES = 2 + 1 + 2 * 4 + 1;  // after tag and length, before the name

using block::Anhaengen;
using block::Wert;

bool Geschrieben(const Speichereinstellungen& s) {
  return s.eigeneStandardziele || !s.anlage.empty() || s.qAnlageEin != 0.0f || s.qAnlageAus != 0.0f;
}

bool Rate(float w) { return std::isfinite(w) && w >= 0.0f && w <= PROGNOSE_RATE_MAX; }

}  // namespace

std::size_t SpeicherzusatzblockBytes(const Speichereinstellungen& s) {
  return Geschrieben(s) ? 8 + FEST_BYTES + Utf8NachWindows1252Ersetzt(s.anlage).substr(0, SPEICHER_ANLAGE_MAX).size() : 0;
}

void SpeicherzusatzblockAnhaengen(const Speichereinstellungen& s, std::vector<unsigned char>& bytes) {
  if (!Geschrieben(s)) return;
  const std::string name = Utf8NachWindows1252Ersetzt(s.anlage).substr(0, SPEICHER_ANLAGE_MAX);
  bytes.insert(bytes.end(), std::begin(KENNUNG), std::end(KENNUNG));
  Anhaengen(bytes, static_cast<std::uint32_t>(FEST_BYTES + name.size()), 4);
  Anhaengen(bytes, VERSION, 2);
  Anhaengen(bytes, s.eigeneStandardziele ? 1u : 0u, 1);
  Anhaengen(bytes, std::bit_cast<std::uint32_t>(s.qAnlageEin), 4);
  Anhaengen(bytes, std::bit_cast<std::uint32_t>(s.qAnlageAus), 4);
  Anhaengen(bytes, static_cast<std::uint32_t>(name.size()), 1);
  bytes.insert(bytes.end(), name.begin(), name.end());
}

bool SpeicherzusatzblockLesen(std::span<const unsigned char> block, Speichereinstellungen& s) {
  if (block.size() < 8 || std::memcmp(block.data(), KENNUNG, sizeof KENNUNG) != 0) return false;
  const std::size_t laenge = Wert(block.data() + 4, 4);
  if (laenge > block.size() - 8) return false;
  const unsigned char* p = block.data() + 8;
  if (laenge < FEST_BYTES || Wert(p, 2) != VERSION || p[2] > 1) return false;
  const float ein = std::bit_cast<float>(Wert(p + 3, 4)), aus = std::bit_cast<float>(Wert(p + 7, 4));
  const std::size_t n = p[11];
  if (!Rate(ein) || !Rate(aus) || n > SPEICHER_ANLAGE_MAX || laenge != FEST_BYTES + n) return false;
  std::string name = Windows1252NachUtf8({reinterpret_cast<const char*>(p + FEST_BYTES), n});
  for (const unsigned char c : name)
    if (c < 0x20 || c == 0x7f) return false;
  s.eigeneStandardziele = p[2] == 1;
  s.qAnlageEin = ein;
  s.qAnlageAus = aus;
  s.anlage = std::move(name);
  return true;
}

}  // namespace zelvor
