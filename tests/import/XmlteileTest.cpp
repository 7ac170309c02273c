#include "import/Xmlteile.h"

#include <gtest/gtest.h>

namespace zelvor {
namespace {

TEST(Xmlteile, Umfang) {
  struct Fall {
    std::string xml;
    std::size_t tiefe, elemente;
  };
  std::string turm;
  for (int i = 0; i < 100000; ++i) turm += "<a>";
  const Fall faelle[] = {
      {"<a><b/><c>x</c></a>", 2, 3},
      {"<?xml version=\"1.0\"?><!-- <x><x> --><a><![CDATA[<b><b>]]></a>", 1, 1},
      {"<a x='>' y=\"/>\"><b>", 2, 2},
      {"<!DOCTYPE a [<!ELEMENT a ANY>]><a/>", 1, 1},
      {"<a></a></a></a><b><c>", 2, 3},
      {turm, 9, 9},  // counted only to just beyond the bound
      {"<a>" + std::string(1000, 'x') + "<b/><b/><b/><b/><b/><b/><b/><b/><b/><b/><b/><b/></a>", 2, 11},
  };
  for (const Fall& f : faelle) {
    const Xmlumfang u = XmlUmfang(f.xml, 8, 10);
    EXPECT_EQ(u.tiefe, f.tiefe) << f.xml.substr(0, 60);
    EXPECT_EQ(u.elemente, f.elemente) << f.xml.substr(0, 60);
  }
  EXPECT_TRUE(IstXml("\xEF\xBB\xBF \n<?xml?>"));
  EXPECT_FALSE(IstXml("application/vnd.oasis.opendocument.spreadsheet"));
}

// Cut to 10 rows and 4 columns.
TEST(Xmlteile, OdsWiederholungenGekuerzt) {
  struct Fall {
    const char* name;
    std::string xml, erwartet;
    std::vector<std::pair<std::size_t, std::size_t>> zeilen;  // the first table's repeated rows
  };
  const std::string t = "<table:table>", te = "</table:table>";
  const Fall faelle[] = {
      {"nichts zu kürzen", t + "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell/></table:table-row>" + te,
       "", {{0, 2}}},
      {"Zelle über die Spalten hinaus",
       t + "<table:table-row><table:table-cell table:number-columns-repeated=\"1000000000\" office:value=\"1\"/>"
           "<table:table-cell table:number-columns-repeated='7'/></table:table-row>" + te,
       t + "<table:table-row><table:table-cell table:number-columns-repeated=\"4\" office:value=\"1\"/>"
           "<table:table-cell table:number-columns-repeated='1'/></table:table-row>" + te,
       {}},
      {"Zeilen über das Blatt hinaus",
       t + "<table:table-row table:number-rows-repeated=\"3\"/><table:table-row table:number-rows-repeated=\"99999999999999999999\">"
           "<table:table-cell table:number-columns-repeated=\"3\"/></table:table-row>"
           "<table:table-row table:number-rows-repeated=\"5\"><table:table-cell table:number-columns-repeated=\"3\"/></table:table-row>" + te,
       t + "<table:table-row table:number-rows-repeated=\"3\"/><table:table-row table:number-rows-repeated=\"7\">"
           "<table:table-cell table:number-columns-repeated=\"3\"/></table:table-row>"
           "<table:table-row table:number-rows-repeated=\"1\"><table:table-cell table:number-columns-repeated=\"1\"/></table:table-row>" + te,
       {{0, 3}, {3, 7}}},
      {"keine positive Zahl", t + "<table:table-row table:number-rows-repeated=\"0\"/><table:table-row table:number-rows-repeated=\" 2\"/>" + te,
       t + "<table:table-row table:number-rows-repeated=\"1\"/><table:table-row table:number-rows-repeated=\"1\"/>" + te, {}},
      {"anderes Präfix, Spaltenvorlagen",
       "<t:table><t:table-column t:number-columns-repeated=\"1024\"/><t:table-row t:number-rows-repeated=\"1048576\"/></t:table>",
       "<t:table><t:table-column t:number-columns-repeated=\"4\"/><t:table-row t:number-rows-repeated=\"10\"/></t:table>",
       {{0, 10}}},
      {"zweite Tabelle zählt für sich",
       t + "<table:table-row table:number-rows-repeated=\"9\"/>" + te + t + "<table:table-row table:number-rows-repeated=\"20\"/>" + te,
       t + "<table:table-row table:number-rows-repeated=\"9\"/>" + te + t + "<table:table-row table:number-rows-repeated=\"10\"/>" + te,
       {{0, 9}}},
  };
  for (const Fall& f : faelle) {
    std::string xml = f.xml;
    std::vector<Zeilenwiederholung> wiederholt;
    EXPECT_EQ(OdsWiederholungenKuerzen(xml, 10, 4, wiederholt), !f.erwartet.empty()) << f.name;
    EXPECT_EQ(xml, f.erwartet.empty() ? f.xml : f.erwartet) << f.name;
    std::vector<std::pair<std::size_t, std::size_t>> zeilen;
    for (const Zeilenwiederholung& w : wiederholt) zeilen.emplace_back(w.zeile, w.anzahl);
    EXPECT_EQ(zeilen, f.zeilen) << f.name;
  }
}

}  // namespace
}  // namespace zelvor
