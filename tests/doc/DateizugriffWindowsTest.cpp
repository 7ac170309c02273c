// What only Windows has: a file another program holds open, the read-only attribute, UTF-8 paths
// handed to the UTF-16 system calls.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DateiTestHilfen.h"
#include "doc/CZelvorDoc.h"
#include "doc/Dateizugriff.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {
namespace {

std::span<const unsigned char> Als(const std::string& s) {
  return {reinterpret_cast<const unsigned char*>(s.data()), s.size()};
}

HANDLE Oeffnen(const std::string& pfad, DWORD teilen) {
  return ::CreateFileW(Utf16(pfad).c_str(), GENERIC_READ, teilen, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// An editor that holds the file without letting it be deleted keeps it as it is; one that shares
// deletion (as most readers do) sees it replaced.
TEST(DateizugriffWindows, AFileHeldOpenIsReplacedOnlyWhereTheHolderAllowsIt) {
  struct Fall {
    DWORD teilen;
    bool ersetzt;
  };
  for (const Fall& f : {Fall{FILE_SHARE_READ, false}, Fall{FILE_SHARE_READ | FILE_SHARE_WRITE, false},
                        Fall{FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, true}}) {
    test::TempVerzeichnis dir;
    const std::string pfad = dir / "well.zlv";
    test::RohSchreiben(pfad, "alt");
    const HANDLE h = Oeffnen(pfad, f.teilen);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    const std::string fehler = DateiErsetzen(pfad, Als("neu"));
    ::CloseHandle(h);
    if (f.ersetzt) {
      EXPECT_EQ(fehler, "") << f.teilen;
      EXPECT_EQ(test::RohLesen(pfad), "neu");
    } else {
      EXPECT_NE(fehler.find("in einem anderen Programm geöffnet"), std::string::npos) << f.teilen << ": " << fehler;
      EXPECT_EQ(test::RohLesen(pfad), "alt");
    }
    EXPECT_EQ(dir.Eintraege(), std::vector<std::string>{"well.zlv"}) << f.teilen;
  }
}

TEST(DateizugriffWindows, TheReadOnlyAttributeIsAUsersDoNotOverwrite) {
  test::TempVerzeichnis dir;
  const std::string pfad = dir / "well.zlv";
  test::RohSchreiben(pfad, "alt");
  ASSERT_TRUE(::SetFileAttributesW(Utf16(pfad).c_str(), FILE_ATTRIBUTE_READONLY));
  const std::string fehler = DateiErsetzen(pfad, Als("neu"));
  EXPECT_NE(fehler.find("schreibgeschützt"), std::string::npos) << fehler;
  EXPECT_EQ(test::RohLesen(pfad), "alt");
  ::SetFileAttributesW(Utf16(pfad).c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Folder and file names a German user gives; the well is saved and read back through them.
TEST(DateizugriffWindows, PathsWithUmlautsAndSpaces) {
  for (const std::string name : {"Bohrung Ä1.zlv", "größe ß/Feld Öl.zlv", "mit  zwei Leerzeichen/ü.zlv"}) {
    test::TempVerzeichnis dir;
    const std::string pfad = dir / name;
    const auto trenner = name.find('/');
    if (trenner != std::string::npos) {
      ASSERT_TRUE(::CreateDirectoryW(Utf16(dir / name.substr(0, trenner)).c_str(), nullptr)) << name;
    }
    ASSERT_EQ(DateiErsetzen(pfad, Als("x")), "") << name;
    std::vector<unsigned char> inhalt;
    ASSERT_EQ(DateiLesen(pfad, inhalt, 10), "") << name;
    EXPECT_EQ(inhalt, std::vector<unsigned char>{'x'});

    CZelvorDoc doc;
    doc.m_Gasbohrung = "Hemmelte Ö";
    ASSERT_EQ(ZlvDateiSpeichern(pfad, doc), "") << name;
    CZelvorDoc gelesen;
    EXPECT_EQ(ZlvDateiLaden(pfad, gelesen).status, ZlvStatus::Ok) << name;
    EXPECT_EQ(gelesen.m_Gasbohrung, "Hemmelte Ö");
  }
}

// zelvor-cli gets paths as the user types them, with either separator.
TEST(DateizugriffWindows, AnExistingFileIsReplacedWhateverTheSeparators) {
  test::TempVerzeichnis dir;
  const std::string pfad = dir / "Bohrung Ö.zlv";
  for (const char trenner : {'/', '\\'}) {
    test::RohSchreiben(pfad, "alt");
    std::string geschrieben = pfad;
    std::replace(geschrieben.begin(), geschrieben.end(), trenner == '/' ? '\\' : '/', trenner);
    EXPECT_EQ(DateiErsetzen(geschrieben, Als("neu")), "") << geschrieben;
    EXPECT_EQ(test::RohLesen(pfad), "neu") << geschrieben;
  }
  EXPECT_EQ(dir.Eintraege(), std::vector<std::string>{"Bohrung Ö.zlv"});
}

TEST(DateizugriffWindows, AScratchFileInTheTemporaryFolder) {
  const std::string a = ZwischendateiAnlegen(), b = ZwischendateiAnlegen();
  ASSERT_NE(a, "");
  EXPECT_NE(a, b);
  EXPECT_NE(::GetFileAttributesW(Utf16(a).c_str()), INVALID_FILE_ATTRIBUTES);
  ::DeleteFileW(Utf16(a).c_str());
  ::DeleteFileW(Utf16(b).c_str());
}

TEST(DateizugriffWindows, Utf16RoundTrip) {
  for (const std::string s : {"", "a", "Öl ß €", "\xF0\x9F\x9B\xA2"}) EXPECT_EQ(Utf8(Utf16(s)), s);
  EXPECT_EQ(Utf16("Ä"), std::wstring(L"\u00C4"));
}

}  // namespace
}  // namespace zelvor
