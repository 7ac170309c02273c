#include "cli/Maskierung.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zelvor::cli {
namespace {

TEST(Maskierung, ShowsEveryValueOnOneLineAndSetTakesItBack) {
  struct Fall {
    std::string wert, gezeigt;
  };
  const Fall faelle[] = {
      {"Süd 3 %d", "Süd 3 %d"},
      {"A\nRatenzeile=1 2 3", "A\\nRatenzeile=1 2 3"},
      {"rot\x1b[31m\r\t", "rot\\x1B[31m\\r\\t"},
      {"C:\\wells\\n1", "C:\\\\wells\\\\n1"},
      {"\x7f und \xc2\x9b", "\\x7F und \\xC2\\x9B"},  // DEL and the C1 escape U+009B
      {"\xc2\xa0", "\xc2\xa0"},                       // a no-break space is no control character
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(Maskiert(f.wert), f.gezeigt) << f.wert;
    EXPECT_EQ(Demaskiert(f.gezeigt), f.wert) << f.gezeigt;
  }
  // What set is given by hand: a backslash before anything else stays, a short \x stays as typed.
  EXPECT_EQ(Demaskiert("a\\b\\x4"), "a\\b\\x4");
  EXPECT_EQ(Demaskiert("\\x41\\"), "A\\");
}

TEST(Maskierung, TheTerminalGetsNoControlCharacter) {
  EXPECT_EQ(Sichtbar("    Name der Gasbohrung: A\\B\tC"), "    Name der Gasbohrung: A\\B\tC");
  EXPECT_EQ(Sichtbar("A\nB\x1b]0;x\x07"), "A\\x0AB\\x1B]0;x\\x07");

  std::ostringstream ziel;
  SichtbarerStrom strom(ziel.rdbuf());
  std::ostream aus(&strom);
  aus << "Zeile 1\n\x1b[2J" << "halb \xc2";  // a C1 character split between two writes
  aus << "\x9b" << "m und \xc2" << "\xa9\n";
  aus.flush();
  EXPECT_EQ(ziel.str(), "Zeile 1\n\\x1B[2Jhalb \\xC2\\x9Bm und \xc2\xa9\n");
}

}  // namespace
}  // namespace zelvor::cli
