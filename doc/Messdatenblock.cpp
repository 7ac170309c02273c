#include "doc/Messdatenblock.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "calc/Format.h"
#include "doc/Blockbytes.h"

namespace zelvor {
namespace {

constexpr unsigned char KENNUNG[4] = {'Z', 'D', 'A', 'T'};
constexpr std::uint16_t VERSION = 1;
constexpr std::size_t MESSUNG_BYTES = 4 + 4 + 4 + 1;

using block::Anhaengen;
using block::Wert;

std::uint32_t TagWert(std::optional<Tag> t) { return std::bit_cast<std::uint32_t>(t ? *t : KEIN_TAG); }

// A stored day: KEIN_TAG, or a day in the range of dates; anything else makes the block unsound.
bool TagLesen(std::uint32_t wert, std::optional<Tag>& t) {
  const auto tag = std::bit_cast<std::int32_t>(wert);
  if (tag == KEIN_TAG) {
    t.reset();
    return true;
  }
  if (!TagImBereich(tag)) return false;
  t = tag;
  return true;
}

}  // namespace

bool MessungSinnvoll(const Schliessdruckmessung& m) {
  return std::isfinite(m.gp) && m.gp >= 0.0f && m.gp <= MAX_MESS_GP && std::isfinite(m.druck) && m.druck > 0.0f &&
         m.druck < MAX_MESSDRUCK && (m.art == Messart::Sohle || m.art == Messart::Kopf);
}

std::string MessungsgrenzenText() {
  return Formatiere("Gp muss zwischen 0 und %.0f Mio m3 liegen, der Druck über 0 und unter %.0f bar",
                    static_cast<double>(MAX_MESS_GP), static_cast<double>(MAX_MESSDRUCK));
}

void MessdatenblockAnhaengen(const Messdaten& m, std::size_t zeilen, std::vector<unsigned char>& bytes) {
  std::size_t n = std::min(m.daten.size(), zeilen);
  while (n > 0 && !m.daten[n - 1]) --n;  // trailing undated lines need no entry
  if (n == 0 && m.messungen.empty()) return;
  bytes.insert(bytes.end(), std::begin(KENNUNG), std::end(KENNUNG));
  Anhaengen(bytes, static_cast<std::uint32_t>(2 + 4 + 4 * n + 4 + MESSUNG_BYTES * m.messungen.size()), 4);
  Anhaengen(bytes, VERSION, 2);
  Anhaengen(bytes, static_cast<std::uint32_t>(n), 4);
  for (std::size_t i = 0; i < n; ++i) Anhaengen(bytes, TagWert(m.daten[i]), 4);
  Anhaengen(bytes, static_cast<std::uint32_t>(m.messungen.size()), 4);
  for (const Schliessdruckmessung& s : m.messungen) {
    Anhaengen(bytes, TagWert(s.datum), 4);
    Anhaengen(bytes, std::bit_cast<std::uint32_t>(s.gp), 4);
    Anhaengen(bytes, std::bit_cast<std::uint32_t>(s.druck), 4);
    Anhaengen(bytes, static_cast<std::uint32_t>(s.art), 1);
  }
}

std::optional<Messdaten> MessdatenblockLesen(std::span<const unsigned char> rest, std::size_t zeilen) {
  if (rest.size() < 4 + 4 + 2 + 4 + 4) return std::nullopt;
  const unsigned char* p = rest.data();
  if (std::memcmp(p, KENNUNG, sizeof KENNUNG) != 0) return std::nullopt;
  const std::size_t laenge = Wert(p + 4, 4);
  // At least the version and both counts, and no more than the rest holds.
  if (Wert(p + 8, 2) != VERSION || laenge < 2 + 4 + 4 || laenge > rest.size() - 8) return std::nullopt;
  const unsigned char* const ende = p + 8 + laenge;
  p += 10;
  const std::size_t n = Wert(p, 4);
  p += 4;
  // The counts are checked against the length before anything is reserved.
  if (n > zeilen || n > static_cast<std::size_t>(ende - p) / 4) return std::nullopt;
  Messdaten m;
  m.daten.resize(n);
  for (std::size_t i = 0; i < n; ++i, p += 4)
    if (!TagLesen(Wert(p, 4), m.daten[i])) return std::nullopt;
  if (ende - p < 4) return std::nullopt;
  const std::size_t k = Wert(p, 4);
  p += 4;
  if (k > MAX_MESSUNGEN || k * MESSUNG_BYTES != static_cast<std::size_t>(ende - p)) return std::nullopt;
  m.messungen.resize(k);
  for (Schliessdruckmessung& s : m.messungen) {
    if (!TagLesen(Wert(p, 4), s.datum)) return std::nullopt;
    s.gp = std::bit_cast<float>(Wert(p + 4, 4));
    s.druck = std::bit_cast<float>(Wert(p + 8, 4));
    s.art = static_cast<Messart>(p[12]);
    if (!MessungSinnvoll(s)) return std::nullopt;
    p += MESSUNG_BYTES;
  }
  return m;
}

}  // namespace zelvor
