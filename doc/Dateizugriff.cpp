#include "doc/Dateizugriff.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>

namespace zelvor {
namespace {

std::string Grund(int fehler) {
  switch (fehler) {
    case EACCES:
    case EPERM:
      return "keine Berechtigung";
    case ENOENT:
      return "die Datei oder ihr Verzeichnis existiert nicht";
    case ENOTDIR:
      return "ein Teil des Pfades ist kein Verzeichnis";
    case EISDIR:
      return "es ist ein Verzeichnis";
    case ENOSPC:
      return "kein Speicherplatz mehr frei";
#ifdef EDQUOT
    case EDQUOT:
      return "das Speicherkontingent ist erschöpft";
#endif
    case EROFS:
      return "das Dateisystem ist schreibgeschützt";
    case ENAMETOOLONG:
      return "der Name ist zu lang";
    case EFBIG:
      return "die Datei wird zu groß";
    default:
      return std::strerror(fehler);
  }
}

std::string NichtGeschrieben(const std::string& pfad, const std::string& grund) {
  return "Die Datei \"" + pfad + "\" kann nicht geschrieben werden: " + grund + ".";
}

class Deskriptor {
 public:
  explicit Deskriptor(int fd) : m_fd(fd) {}
  ~Deskriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  Deskriptor(const Deskriptor&) = delete;
  Deskriptor& operator=(const Deskriptor&) = delete;
  int get() const { return m_fd; }
  // Closes now and reports the result: a delayed write error can first show up here.
  int schliessen() {
    const int r = ::close(m_fd);
    m_fd = -1;
    return r;
  }

 private:
  int m_fd;
};

std::string Verzeichnis(const std::string& pfad) {
  const auto schraeg = pfad.find_last_of('/');
  if (schraeg == std::string::npos) return ".";
  if (schraeg == 0) return "/";
  return pfad.substr(0, schraeg);
}

// A symbolic link stays a link: the file it points to is the one replaced.
std::string Ziel(const std::string& pfad) {
  struct stat st {};
  if (::lstat(pfad.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return pfad;
  char* aufgeloest = ::realpath(pfad.c_str(), nullptr);
  if (aufgeloest == nullptr) return pfad;  // dangling: the rename below creates the file in its place
  std::string ziel(aufgeloest);
  std::free(aufgeloest);
  return ziel;
}

std::string TemporaererName(const std::string& verzeichnis) {
  static std::atomic<unsigned> zaehler{0};
  static const unsigned zufall = std::random_device{}();
  return verzeichnis + "/.zelvor-" + std::to_string(::getpid()) + "-" + std::to_string(zufall) + "-" +
         std::to_string(zaehler.fetch_add(1));
}

bool AllesSchreiben(int fd, std::span<const unsigned char> inhalt) {
  std::size_t geschrieben = 0;
  while (geschrieben < inhalt.size()) {
    const ssize_t n = ::write(fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    geschrieben += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::string DateiLesen(const std::string& pfad, std::vector<unsigned char>& inhalt, std::size_t maxBytes) {
  inhalt.clear();
  const std::string nichtGeoeffnet = "Die Datei \"" + pfad + "\" kann nicht geöffnet werden.";
  Deskriptor fd(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return nichtGeoeffnet;
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || S_ISDIR(st.st_mode)) return nichtGeoeffnet;
  const std::string zuGross = "Die Datei \"" + pfad + "\" ist zu groß (mehr als " +
                              std::to_string(maxBytes) + " Bytes).";
  if (S_ISREG(st.st_mode) && static_cast<std::uintmax_t>(st.st_size) > maxBytes) return zuGross;

  // Read in pieces up to one byte past the limit: the size may change while reading, and
  // pipes or devices have none.
  unsigned char puffer[65536];
  while (true) {
    const ssize_t n = ::read(fd.get(), puffer, sizeof puffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      inhalt.clear();
      return "Die Datei \"" + pfad + "\" kann nicht gelesen werden: " + Grund(errno) + ".";
    }
    if (n == 0) break;
    const auto anzahl = static_cast<std::size_t>(n);
    if (anzahl > maxBytes - inhalt.size()) {
      inhalt.clear();
      return zuGross;
    }
    inhalt.insert(inhalt.end(), puffer, puffer + anzahl);
  }
  return "";
}

std::string DateiErsetzen(const std::string& pfad, std::span<const unsigned char> inhalt) {
  const std::string ziel = Ziel(pfad);
  mode_t modus = 0666;  // narrowed by the umask when the file is new
  bool vorhanden = false;
  struct stat st {};
  if (::stat(ziel.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return NichtGeschrieben(pfad, Grund(EISDIR));
    if (!S_ISREG(st.st_mode)) return NichtGeschrieben(pfad, "es ist keine gewöhnliche Datei");
    if ((st.st_mode & 0222) == 0 || ::access(ziel.c_str(), W_OK) != 0) {
      return NichtGeschrieben(pfad, "sie ist schreibgeschützt");
    }
    modus = st.st_mode & 07777;
    vorhanden = true;
  } else if (errno != ENOENT) {
    return NichtGeschrieben(pfad, Grund(errno));
  }

  const std::string verzeichnis = Verzeichnis(ziel);
  std::string temp;
  int tempFd = -1;
  for (int versuch = 0; versuch < 100 && tempFd < 0; ++versuch) {
    temp = TemporaererName(verzeichnis);
    tempFd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modus);
    if (tempFd < 0 && errno != EEXIST) break;
  }
  if (tempFd < 0) return NichtGeschrieben(pfad, Grund(errno));
  Deskriptor fd(tempFd);

  auto fehlschlag = [&](int fehler) {
    ::unlink(temp.c_str());
    return NichtGeschrieben(pfad, Grund(fehler));
  };
  if (vorhanden) {
    // Owner and group where allowed (in a shared directory, the group); not worth failing over.
    // Before fchmod, which it would otherwise undo for set-id bits.
    if (::fchown(fd.get(), st.st_uid, st.st_gid) != 0) {
    }
    if (::fchmod(fd.get(), modus) != 0) return fehlschlag(errno);
  }
  if (!AllesSchreiben(fd.get(), inhalt)) return fehlschlag(errno);
  if (::fsync(fd.get()) != 0) return fehlschlag(errno);
  if (fd.schliessen() != 0) return fehlschlag(errno);
  if (::rename(temp.c_str(), ziel.c_str()) != 0) return fehlschlag(errno);

  // Make the rename itself durable; the data is already safe, so a failure here is not reported.
  const int dirFd = ::open(verzeichnis.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return "";
}

std::string ZwischendateiAnlegen() {
  std::error_code ec;
  std::string vorlage = (std::filesystem::temp_directory_path(ec) / "zelvor-XXXXXX").string();
  if (ec) vorlage = "/tmp/zelvor-XXXXXX";
  const int fd = ::mkstemp(vorlage.data());
  if (fd < 0) return "";
  ::close(fd);
  return vorlage;
}

}  // namespace zelvor
