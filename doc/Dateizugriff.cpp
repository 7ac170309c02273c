#include "doc/Dateizugriff.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <thread>

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
    case ELOOP:
      return "zu viele symbolische Verknüpfungen hintereinander";
    default:
      return std::strerror(fehler);
  }
}

std::string KeineGewoehnlicheDateiMeldung(const std::string& pfad) {
  return "Die Datei \"" + pfad + "\" ist keine gewöhnliche Datei.";
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

// A symbolic link stays a link: the file it points to is the one replaced, and a dangling link's target
// is created. A chain is followed link by link, as the system would; a loop stays a link (refused).
std::string Ziel(const std::string& pfad) {
  std::string ziel = pfad;
  for (int schritt = 0; schritt < 40; ++schritt) {
    struct stat st {};
    if (::lstat(ziel.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return ziel;
    if (char* aufgeloest = ::realpath(ziel.c_str(), nullptr)) {
      std::string ganz(aufgeloest);
      std::free(aufgeloest);
      return ganz;
    }
    char verweis[4096];
    const ssize_t n = ::readlink(ziel.c_str(), verweis, sizeof verweis);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof verweis) return ziel;
    const std::string naechstes(verweis, static_cast<std::size_t>(n));
    ziel = naechstes.front() == '/' ? naechstes : Verzeichnis(ziel) + "/" + naechstes;
  }
  return ziel;
}

bool IstLink(const std::string& pfad) {
  struct stat st {};
  return ::lstat(pfad.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
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
  if (std::string keine = KeineGewoehnlicheDatei(pfad); !keine.empty()) return keine;
  // Not blocking, should the file have been swapped for a pipe since the check; fstat then tells.
  Deskriptor fd(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) return nichtGeoeffnet;
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return nichtGeoeffnet;
  if (!S_ISREG(st.st_mode)) return KeineGewoehnlicheDateiMeldung(pfad);
  const std::string zuGross = "Die Datei \"" + pfad + "\" ist zu groß (mehr als " +
                              std::to_string(maxBytes) + " Bytes).";
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) return zuGross;

  // Read in pieces up to one byte past the limit: the size may change while reading.
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
  // Renaming over a link would replace it; a link whose end cannot be found is not written.
  if (IstLink(ziel)) return NichtGeschrieben(pfad, Grund(ELOOP));
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

std::string KeineGewoehnlicheDatei(const std::string& pfad) {
  struct stat st {};
  if (::stat(pfad.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return "";
  return KeineGewoehnlicheDateiMeldung(pfad);
}

bool DieselbeDatei(const std::string& a, const std::string& b) {
  struct stat sa {}, sb {};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

Dateistand DateistandLesen(const std::string& pfad) {
  struct stat st {};
  if (::stat(pfad.c_str(), &st) != 0) return {};
  return {true, static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
          static_cast<std::uint64_t>(st.st_size),
          static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

Dateisperre::~Dateisperre() {
  if (m_griff >= 0) ::close(static_cast<int>(m_griff));  // closing releases the lock
}

std::string DateiSperren(const std::string& pfad, Dateisperre& sperre, std::chrono::milliseconds warten) {
  // The lock sits on the folder of the file that will be replaced: the file itself gets a new inode with
  // every save (a lock on the old one would let the next writer in), and may not exist yet.
  const int fd = ::open(Verzeichnis(Ziel(pfad)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return "";  // the write itself will tell why the folder cannot be used
  const auto ende = std::chrono::steady_clock::now() + warten;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= ende) {
      const bool belegt = errno == EWOULDBLOCK;
      ::close(fd);
      if (!belegt) return "";  // no locks on this file system: nothing to wait for
      return "Die Datei \"" + pfad +
             "\" wird gerade von einem anderen Aufruf geändert; bitte warten und noch einmal versuchen.";
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (sperre.m_griff >= 0) ::close(static_cast<int>(sperre.m_griff));
  sperre.m_griff = fd;
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
