#pragma once
// The well file (*.zlv): the stored fields of CZelvorDoc as one fixed sequence of little-endian values,
// no header, no version; after the rate lines tagged blocks (doc/ZlvArchivBloecke.h): the forecast
// settings (doc/Prognoseblock.h), the dates and surveys (doc/Messdatenblock.h) and the storage settings
// (doc/Speicherblock.h), each only when it holds something, in that order, then the blocks this program
// could not read, carried over unchanged. Texts are Windows-1252 on disk and UTF-8 in memory.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "doc/CZelvorDoc.h"

namespace zelvor {

// No real well comes near this; it only bounds what a damaged or foreign file can make us read.
inline constexpr std::size_t ZLV_MAX_BYTES = 64u * 1024u * 1024u;
// More rate lines than any well could use; the bound keeps a hostile file from costing gigabytes of
// empty strings.
inline constexpr std::size_t ZLV_MAX_RATENZEILEN = 1000000;

enum class ZlvStatus { Ok, Abgeschnitten, UnerwartetesFormat, Unlesbar };

struct ZlvErgebnis {
  ZlvStatus status = ZlvStatus::Ok;
  std::string meldung;  // one line for the user, empty on Ok
  // On Ok: one sentence for the user when part of the file could not be read (a newer version's or a
  // damaged block), which the well keeps unchanged; else empty.
  std::string hinweis;
};

// Parses a whole file image. On success the stored fields replace those of doc (the rate lines become
// exactly the lines read) and doc.NachDemLaden() runs; on any failure doc is not touched.
// A file that ends too early is Abgeschnitten; anything no well file can hold is UnerwartetesFormat.
// After the last rate line each sound block is taken by its tag (else its defaults); what cannot be read
// goes unchanged into doc.m_FremdeBloecke, and the answer's hinweis names it.
ZlvErgebnis ZlvLesen(std::span<const unsigned char> bytes, CZelvorDoc& doc);

// Serialises the stored fields. "" on success; a text Windows-1252 cannot represent is refused with a
// message rather than saved wrongly.
std::string ZlvSchreiben(const CZelvorDoc& doc, std::vector<unsigned char>& bytes);

// True when both wells would be saved as the same file: what the file keeps agrees, whatever differs in
// what it does not keep (the water-gas ratio, the options, the results). A well that cannot be saved
// agrees with nothing.
bool ZlvGleich(const CZelvorDoc& a, const CZelvorDoc& b);

// Unlesbar when the file cannot be opened, read, or is larger than ZLV_MAX_BYTES.
ZlvErgebnis ZlvDateiLaden(const std::string& pfad, CZelvorDoc& doc);

// Writes atomically (see DateiErsetzen); "" on success.
std::string ZlvDateiSpeichern(const std::string& pfad, const CZelvorDoc& doc);

}  // namespace zelvor
