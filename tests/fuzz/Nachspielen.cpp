// Runs every file of the given folders (or the given files) once through a fuzz target, without libFuzzer,
// so that any compiler and the sanitizer build can re-check the corpora. A fault aborts, as under the
// fuzzer; the exit status is 1 when an argument names nothing readable or a folder holds no file.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse);

namespace {

bool Lesen(const std::filesystem::path& pfad, std::vector<std::uint8_t>& inhalt) {
  std::ifstream datei(pfad, std::ios::binary);
  if (!datei) return false;
  inhalt.assign(std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>());
  return !datei.bad();
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc < 2) {
    std::fprintf(stderr, "Aufruf: %s ORDNER|DATEI...\n", argv[0]);
    return 2;
  }
  const bool einzeln = std::getenv("ZELVOR_NACHSPIELEN_EINZELN") != nullptr;
  const auto anfang = std::chrono::steady_clock::now();
  std::size_t anzahl = 0;
  int status = 0;
  for (int a = 1; a < argc; ++a) {
    const fs::path arg = argv[a];
    std::vector<fs::path> dateien;
    std::error_code fehler;
    if (fs::is_directory(arg, fehler)) {
      for (const auto& e : fs::directory_iterator(arg, fehler))
        if (e.is_regular_file()) dateien.push_back(e.path());
      if (dateien.empty()) {
        std::fprintf(stderr, "%s: keine Dateien\n", arg.c_str());
        status = 1;
      }
    } else {
      dateien.push_back(arg);
    }
    // A fixed order, so that a failing run can be repeated exactly.
    std::sort(dateien.begin(), dateien.end());
    std::vector<std::uint8_t> inhalt;
    for (const fs::path& p : dateien) {
      if (!Lesen(p, inhalt)) {
        std::fprintf(stderr, "%s: nicht lesbar\n", p.c_str());
        status = 1;
        continue;
      }
      if (einzeln) std::fprintf(stderr, "%s\n", p.c_str());
      // Through a copy of exactly the file's size, so that reading past the end is caught; never a null
      // pointer, as libFuzzer hands over none either.
      static const std::uint8_t leer = 0;
      std::vector<std::uint8_t> genau(inhalt);
      LLVMFuzzerTestOneInput(genau.empty() ? &leer : genau.data(), genau.size());
      ++anzahl;
    }
  }
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - anfang).count();
  std::printf("%zu Eingaben in %lld ms\n", anzahl, static_cast<long long>(ms));
  return status;
}
