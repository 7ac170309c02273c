#include "doc/Dateizugriff.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/doc/DateiTestHilfen.h"

namespace zelvor {
namespace {

std::span<const unsigned char> Als(const std::string& s) {
  return {reinterpret_cast<const unsigned char*>(s.data()), s.size()};
}

// POSIX permissions, links and limits; Windows has its own tests (DateizugriffWindowsTest.cpp).
#ifndef _WIN32
mode_t Modus(const std::string& pfad) {
  struct stat st {};
  EXPECT_EQ(::stat(pfad.c_str(), &st), 0) << pfad;
  return st.st_mode & 07777;
}

TEST(DateizugriffTest, ReplacesContentAndKeepsPermissions) {
  test::TempVerzeichnis dir;
  const std::string pfad = dir / "well.zlv";
  ASSERT_EQ(DateiErsetzen(pfad, Als("neu")), "");  // a file that did not exist yet
  EXPECT_EQ(test::RohLesen(pfad), "neu");

  ASSERT_EQ(::chmod(pfad.c_str(), 0640), 0);
  ASSERT_EQ(DateiErsetzen(pfad, Als(std::string("zwei\0te", 7))), "");
  EXPECT_EQ(test::RohLesen(pfad), std::string("zwei\0te", 7));
  EXPECT_EQ(Modus(pfad), 0640u);
  ASSERT_EQ(DateiErsetzen(pfad, Als("")), "");
  EXPECT_EQ(test::RohLesen(pfad), "");
  EXPECT_EQ(dir.Eintraege(), std::vector<std::string>{"well.zlv"});
}

TEST(DateizugriffTest, ASymlinkStaysALinkToTheReplacedFile) {
  test::TempVerzeichnis dir;
  test::RohSchreiben(dir / "ziel.zlv", "alt");
  std::filesystem::create_symlink(dir / "ziel.zlv", dir / "link.zlv");
  ASSERT_EQ(DateiErsetzen(dir / "link.zlv", Als("neu")), "");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.zlv"));
  EXPECT_EQ(test::RohLesen(dir / "ziel.zlv"), "neu");
  EXPECT_EQ(dir.Eintraege(), (std::vector<std::string>{"link.zlv", "ziel.zlv"}));
}

#endif

// Tests run as root, where permission bits do not stop a write; these failures hold for root too.
TEST(DateizugriffTest, FailedWritesLeaveTheOldFileAndNoTemporaryFile) {
  test::TempVerzeichnis dir;
  const std::string unterverzeichnis = dir / "aus.txt";
  std::filesystem::create_directory(unterverzeichnis);
  std::string fehler = DateiErsetzen(unterverzeichnis, Als("x"));
  EXPECT_NE(fehler.find(unterverzeichnis), std::string::npos) << fehler;
  EXPECT_NE(fehler.find("Verzeichnis"), std::string::npos) << fehler;
  EXPECT_TRUE(std::filesystem::is_directory(unterverzeichnis));

  fehler = DateiErsetzen(dir / "fehlt/well.zlv", Als("x"));
  EXPECT_NE(fehler.find("kann nicht geschrieben werden"), std::string::npos) << fehler;
  EXPECT_FALSE(std::filesystem::exists(dir / "fehlt"));

  const std::string datei = dir / "datei";
  test::RohSchreiben(datei, "alt");
  EXPECT_NE(DateiErsetzen(datei + "/well.zlv", Als("x")), "");  // a file where a directory should be

  // A read-only file is a user's "do not overwrite", whoever runs the program.
  ASSERT_EQ(::chmod(datei.c_str(), 0444), 0);
  fehler = DateiErsetzen(datei, Als("neu"));
  EXPECT_NE(fehler.find("schreibgeschützt"), std::string::npos) << fehler;
  EXPECT_EQ(test::RohLesen(datei), "alt");
  EXPECT_EQ(dir.Eintraege(), (std::vector<std::string>{"aus.txt", "datei"}));
}

#ifndef _WIN32
// A write that breaks off halfway (the disk fills up) must not cost the previous file.
TEST(DateizugriffTest, AWriteThatBreaksOffKeepsThePreviousFile) {
  test::TempVerzeichnis dir;
  const std::string pfad = dir / "well.zlv";
  test::RohSchreiben(pfad, "alter Inhalt");

  rlimit vorher{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &vorher), 0);
  const auto signal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit grenze = vorher;
  grenze.rlim_cur = 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &grenze), 0);
  const std::string fehler = DateiErsetzen(pfad, Als(std::string(1000, 'n')));
  ::setrlimit(RLIMIT_FSIZE, &vorher);
  std::signal(SIGXFSZ, signal);

  EXPECT_NE(fehler.find(pfad), std::string::npos) << fehler;
  EXPECT_EQ(test::RohLesen(pfad), "alter Inhalt");
  EXPECT_EQ(dir.Eintraege(), std::vector<std::string>{"well.zlv"});
}

#endif

TEST(DateizugriffTest, ReadingHonoursTheSizeLimit) {
  test::TempVerzeichnis dir;
  const std::string pfad = dir / "d";
  test::RohSchreiben(pfad, std::string("ab\0\xFF", 4));
  std::vector<unsigned char> inhalt{9, 9};
  ASSERT_EQ(DateiLesen(pfad, inhalt, 4), "");
  EXPECT_EQ(inhalt, (std::vector<unsigned char>{'a', 'b', 0, 0xFF}));

  const std::string fehler = DateiLesen(pfad, inhalt, 3);
  EXPECT_NE(fehler.find("zu groß"), std::string::npos) << fehler;
  EXPECT_TRUE(inhalt.empty());

  EXPECT_EQ(DateiLesen(dir / "fehlt", inhalt, 100), "Die Datei \"" + (dir / "fehlt") + "\" kann nicht geöffnet werden.");
  EXPECT_NE(DateiLesen(dir.pfad().string(), inhalt, 100), "");

  test::RohSchreiben(pfad, "");
  ASSERT_EQ(DateiLesen(pfad, inhalt, 0), "");
  EXPECT_TRUE(inhalt.empty());
}

// A pipe without a writer would block an open for ever, a device never end: neither is opened.
TEST(DateizugriffTest, OnlyRegularFilesAreRead) {
  test::TempVerzeichnis dir;
#ifdef _WIN32
  const std::string geraet = "NUL", rohr = dir.pfad().string();  // no named pipes in folders
#else
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  const std::string geraet = "/dev/zero", rohr = dir / "fifo";
#endif
  std::vector<unsigned char> inhalt;
  for (const std::string& pfad : {rohr, geraet, dir.pfad().string()})
    EXPECT_EQ(DateiLesen(pfad, inhalt, 100), "Die Datei \"" + pfad + "\" ist keine gewöhnliche Datei.");
  EXPECT_EQ(KeineGewoehnlicheDatei(dir / "fehlt"), "");  // the open says why it fails
}

#ifndef _WIN32
// A dangling link is written through, also along a chain: its target is created, the links stay. A
// loop is refused.
TEST(DateizugriffTest, ADanglingLinkStaysALink) {
  test::TempVerzeichnis dir;
  std::filesystem::create_directory(dir / "ziele");
  std::filesystem::create_symlink("ziele/neu.csv", dir / "link.csv");
  std::filesystem::create_symlink("link.csv", dir / "kette.csv");
  ASSERT_EQ(DateiErsetzen(dir / "kette.csv", Als("neu")), "");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "kette.csv") && std::filesystem::is_symlink(dir / "link.csv"));
  EXPECT_EQ(test::RohLesen(dir / "ziele/neu.csv"), "neu");

  std::filesystem::create_symlink("kreis_b", dir / "kreis_a");
  std::filesystem::create_symlink("kreis_a", dir / "kreis_b");
  EXPECT_NE(DateiErsetzen(dir / "kreis_a", Als("x")).find("Verknüpfungen"), std::string::npos);
  EXPECT_EQ(dir.Eintraege(), (std::vector<std::string>{"kette.csv", "kreis_a", "kreis_b", "link.csv", "ziele"}));
}
#endif

// The lock waits for its holder, refuses after the wait, and is free once the holder is gone.
TEST(DateizugriffTest, TheLockWaitsThenRefuses) {
  test::TempVerzeichnis dir;
  const std::string pfad = dir / "well.zlv";
  auto erste = std::make_unique<Dateisperre>();
  ASSERT_EQ(DateiSperren(pfad, *erste, std::chrono::milliseconds(0)), "");
  Dateisperre zweite;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(DateiSperren(pfad, zweite, std::chrono::milliseconds(200)),
            "Die Datei \"" + pfad + "\" wird gerade von einem anderen Aufruf geändert; bitte warten und noch einmal versuchen.");
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
  erste.reset();
  EXPECT_EQ(DateiSperren(pfad, zweite, std::chrono::milliseconds(0)), "");
  EXPECT_TRUE(zweite.Gehalten());
}

}  // namespace
}  // namespace zelvor
