#pragma once
// The tagged blocks after the well file's rate lines, each a 4-character tag (capital letters and
// digits), a 32-bit length of what follows and that many bytes. The reader finds the blocks it knows by
// their tags wherever they stand; whatever it cannot read (a block of a newer version, a damaged one,
// one of an unknown tag, bytes that are no block at all) is kept as it was, so that writing the well
// again carries it over untouched.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace zelvor {

// No file holds more; beyond them the rest counts as bytes that are no block.
inline constexpr std::size_t ZLV_MAX_BLOECKE = 64;

struct Blockfolge {
  std::vector<std::span<const unsigned char>> bloecke;  // each with its tag and length, in file order
  std::span<const unsigned char> rest;                  // after the last block: bytes that are no block
};

// Splits the bytes after the last rate line.
Blockfolge BloeckeTeilen(std::span<const unsigned char> bytes);

// The block's tag when `block` starts with one, "" otherwise.
std::string Blockkennung(std::span<const unsigned char> block);

// The one sentence that says what of the file was not read and is kept: `teile` names each part
// ("die Speichereinstellungen"); "" when there is none.
std::string NichtGelesenHinweis(const std::vector<std::string>& teile);

}  // namespace zelvor
