// Workbooks in a build without liborcus (the Windows build): recognised, and refused with one sentence.
#include "import/Arbeitsmappe.h"

namespace zelvor {

bool IstZipArchiv(std::string_view inhalt) { return inhalt.substr(0, 4) == std::string_view("PK\x03\x04", 4); }

std::string ArbeitsmappeLesen(std::string_view /*inhalt*/, Tabelle& tabelle) {
  tabelle = {};
  return KEINE_ARBEITSMAPPEN;
}

}  // namespace zelvor
