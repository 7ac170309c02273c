#pragma once
// The XML parts of a workbook looked at before liborcus reads them: how deep their elements nest, and
// in an .ods sheet the repeats of rows and cells cut to what the import can keep, so that neither a
// tower of unclosed elements nor a cell repeated a billion times costs the parser memory or time.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelvor {

// No workbook program nests its elements more than a few dozen deep.
inline constexpr std::size_t MAX_XML_TIEFE = 256;
// Elements of all parts of one workbook together: liborcus's .ods reader keeps about 150 bytes for each
// until it is done, so this bounds an import's memory to a few hundred megabytes. A first sheet of 3000
// rows needs a few ten thousand.
inline constexpr std::size_t MAX_XML_ELEMENTE = 2'000'000;

// True when the text starts (after a byte order mark and blanks) with a tag: an XML part.
bool IstXml(std::string_view text);

struct Xmlumfang {
  std::size_t tiefe = 0;     // the deepest nesting of elements
  std::size_t elemente = 0;  // start tags
};

// The size of the text's element tree, counted no further than just beyond `tiefe` levels or
// `elemente` elements.
Xmlumfang XmlUmfang(std::string_view xml, std::size_t tiefe, std::size_t elemente);

// A row of the first table that stands for `anzahl` equal rows from row `zeile` (counted from 0).
struct Zeilenwiederholung {
  std::size_t zeile = 0, anzahl = 1;
};

// Cuts table:number-rows-repeated and table:number-columns-repeated of an .ods content part so that no
// row lies beyond `zeilen` rows and no cell beyond `spalten` columns (a row or cell beyond counts once;
// a value that is no positive number counts once too), and lists the first table's repeated rows as
// they now stand. True when the text changed.
bool OdsWiederholungenKuerzen(std::string& xml, std::size_t zeilen, std::size_t spalten,
                              std::vector<Zeilenwiederholung>& wiederholt);

// Whether a workbook part says that its day numbers count from 1 January 1904 (<workbookPr
// date1904="1"/>, Excel for Mac's epoch) rather than from 1900.
bool Datum1904(std::string_view xml);

// Cells of an .xlsx sheet whose value liborcus would lose, turned into cells whose stored result is their
// text: ISO date cells (t="d", "2023-11-01T00:00:00", read as empty) as "2023-11-01" (a time of day
// dropped, as a day number's fraction is; a value of another shape kept as it stands), and number cells
// whose value is no number ("INF", read as NaN; "1e400", beyond double precision) as that value, so that a message shows what the cell
// held. True when the text changed.
bool XlsxWerteAlsText(std::string& xml);

}  // namespace zelvor
