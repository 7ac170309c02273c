#pragma once
// The little-endian numbers of the well file's tagged blocks after the rate lines.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelvor::block {

// The lowest `breite` bytes of wert, lowest first.
inline void Anhaengen(std::vector<unsigned char>& b, std::uint32_t wert, std::size_t breite) {
  for (std::size_t i = 0; i < breite; ++i) b.push_back(static_cast<unsigned char>(wert >> (8 * i)));
}

inline std::uint32_t Wert(const unsigned char* p, std::size_t breite) {
  std::uint32_t w = 0;
  for (std::size_t i = 0; i < breite; ++i) w |= std::uint32_t{p[i]} << (8 * i);
  return w;
}

}  // namespace zelvor::block
