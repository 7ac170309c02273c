#pragma once
// Scratch directories and raw file access for the file tests.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace zelvor::test {

class TempVerzeichnis {
 public:
  TempVerzeichnis() {
#ifdef _WIN32
    // No mkdtemp: a random name, taken when no one has it yet.
    std::random_device zufall;
    for (int versuch = 0; versuch < 100 && m_pfad.empty(); ++versuch) {
      const auto p = std::filesystem::temp_directory_path() / ("zelvor-test-" + std::to_string(zufall()));
      if (std::filesystem::create_directory(p)) m_pfad = p;
    }
    if (m_pfad.empty()) ADD_FAILURE() << "no temporary directory";
#else
    std::string muster = (std::filesystem::temp_directory_path() / "zelvor-test-XXXXXX").string();
    if (::mkdtemp(muster.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    m_pfad = muster;
#endif
  }
  ~TempVerzeichnis() {
    std::error_code ec;
    std::filesystem::remove_all(m_pfad, ec);
  }
  TempVerzeichnis(const TempVerzeichnis&) = delete;
  TempVerzeichnis& operator=(const TempVerzeichnis&) = delete;

  std::string operator/(const std::string& name) const {
    return (m_pfad / std::filesystem::path(std::u8string(name.begin(), name.end()))).string();
  }
  const std::filesystem::path& pfad() const { return m_pfad; }

  // Names of everything in the directory, to catch left-over temporary files.
  std::vector<std::string> Eintraege() const {
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(m_pfad)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
  }

 private:
  std::filesystem::path m_pfad;
};

inline std::string RohLesen(const std::string& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void RohSchreiben(const std::string& pfad, const std::string& inhalt) {
  std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
  f.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
}

}  // namespace zelvor::test
