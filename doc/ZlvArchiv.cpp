#include "doc/ZlvArchiv.h"

#include <bit>
#include <cstdint>
#include <limits>
#include <utility>

#include "calc/Format.h"
#include "doc/Aquiferblock.h"
#include "doc/Aquifereinstellungen.h"
#include "doc/Dateizugriff.h"
#include "doc/Messdatenblock.h"
#include "doc/Prognoseblock.h"
#include "doc/Speicherblock.h"
#include "doc/Rueckgangsblock.h"
#include "doc/Speicherzusatzblock.h"
#include "doc/Windows1252.h"
#include "doc/ZlvArchivBloecke.h"

namespace zelvor {
namespace {

// Marks, after a first length byte of 0xFF, a text stored as 16-bit characters.
constexpr std::uint16_t MARKE_16BIT = 0xFFFE;
constexpr std::uint16_t LAENGE_32BIT = 0xFFFF;
constexpr std::uint16_t ANZAHL_32BIT = 0xFFFF;

// The fields the file holds, read into a copy first so that a damaged file leaves the document alone.
struct Felder {
  double a1 = 0.0;
  double b1 = 0.0;
  float ogip = 0.0f;
  float initialdruck = 0.0f;
  std::string gasbohrung;
  float temperatur = 0.0f;
  float wasserinvasion = 0.0f;
  float durchmesser = 0.0f;
  float bohrlochlaenge = 0.0f;
  float teufe = 0.0f;
  float kopftemperatur = 0.0f;
  std::int32_t injektion = 0;
  std::int32_t bohrungsanzahl = 0;
  Zusammensetzung komponenten{};
  CStringArray ratenzeilen;
};

class Leser {
 public:
  Leser(std::span<const unsigned char> bytes, std::string datei) : m_bytes(bytes), m_datei(std::move(datei)) {}

  // Names the value about to be read, for the message should it fail.
  void Feld(const char* name) {
    m_feld = name;
    m_zeile = 0;
  }
  void Ratenzeile(std::uint64_t nummer) { m_zeile = nummer; }

  bool Ganzzahl(std::uint64_t& wert, std::size_t breite) {
    if (RestBytes() < breite) return Abgeschnitten();
    wert = 0;
    for (std::size_t i = 0; i < breite; ++i) wert |= std::uint64_t{m_bytes[m_pos + i]} << (8 * i);
    m_pos += breite;
    return true;
  }
  bool Lies(std::uint8_t& w) { return Lies<std::uint8_t>(w); }
  bool Lies(std::uint16_t& w) { return Lies<std::uint16_t>(w); }
  bool Lies(std::uint32_t& w) { return Lies<std::uint32_t>(w); }
  bool Lies(std::int32_t& w) {
    std::uint32_t u = 0;
    if (!Lies(u)) return false;
    w = std::bit_cast<std::int32_t>(u);
    return true;
  }
  bool Lies(float& w) {
    std::uint32_t u = 0;
    if (!Lies(u)) return false;
    w = std::bit_cast<float>(u);
    return true;
  }
  bool Lies(double& w) {
    std::uint64_t u = 0;
    if (!Ganzzahl(u, 8)) return false;
    w = std::bit_cast<double>(u);
    return true;
  }

  bool Text(std::string& utf8) {
    std::uint64_t laenge = 0;
    bool breit = false;
    if (!Laenge(laenge, breit, true)) return false;
    const std::uint64_t bytes = breit ? 2 * laenge : laenge;
    if (bytes > RestBytes()) {
      // Nothing is allocated before this check; a length no accepted file could hold is not a cut-off file.
      if (bytes > ZLV_MAX_BYTES) return Unerwartet(Formatiere("die Länge %llu ist unmöglich groß",
                                                              static_cast<unsigned long long>(laenge)));
      return Abgeschnitten();
    }
    std::string cp1252;
    const auto n = static_cast<std::size_t>(laenge);
    if (!breit) {
      cp1252.assign(reinterpret_cast<const char*>(m_bytes.data() + m_pos), n);
    } else {
      // 16-bit texts are taken only when every character can be written back as Windows-1252.
      cp1252.reserve(n);
      for (std::size_t i = 0; i < n; ++i) {
        const auto einheit = static_cast<char32_t>(m_bytes[m_pos + 2 * i] | (m_bytes[m_pos + 2 * i + 1] << 8));
        unsigned char b = 0;
        if (!Windows1252Byte(einheit, b)) {  // also every surrogate, so no character beyond U+FFFF
          return Unerwartet("der Text enthält Zeichen, die nicht gespeichert werden können");
        }
        cp1252 += static_cast<char>(b);
      }
    }
    m_pos += static_cast<std::size_t>(bytes);
    utf8 = Windows1252NachUtf8(cp1252);
    return true;
  }

  bool Anzahl(std::uint64_t& n) {
    std::uint16_t kurz = 0;
    if (!Lies(kurz)) return false;
    n = kurz;
    if (kurz == ANZAHL_32BIT) {
      std::uint32_t lang = 0;
      if (!Lies(lang)) return false;
      n = lang;
    }
    // Each line takes at least its length byte, so no file we accept holds more lines than this.
    if (n > ZLV_MAX_RATENZEILEN) {
      return Unerwartet(Formatiere("die Anzahl %llu ist unmöglich groß", static_cast<unsigned long long>(n)));
    }
    return true;
  }

  ZlvErgebnis Fehler() const { return {m_status, m_meldung, ""}; }
  std::span<const unsigned char> Rest() const { return m_bytes.subspan(m_pos); }

 private:
  template <typename T>
  bool Lies(T& w) {
    std::uint64_t u = 0;
    if (!Ganzzahl(u, sizeof(T))) return false;
    w = static_cast<T>(u);
    return true;
  }

  // One byte below 0xFF is the length; else a word, where 0xFFFF announces a 32-bit length and
  // 0xFFFE a text of 16-bit characters whose length follows in the same scheme.
  bool Laenge(std::uint64_t& laenge, bool& breit, bool markeErlaubt) {
    std::uint8_t b = 0;
    if (!Lies(b)) return false;
    laenge = b;
    if (b < 0xFF) return true;
    std::uint16_t w = 0;
    if (!Lies(w)) return false;
    laenge = w;
    if (w == MARKE_16BIT) {
      if (!markeErlaubt) return Unerwartet("die Kennung für 16-Bit-Zeichen steht doppelt");
      breit = true;
      return Laenge(laenge, breit, false);
    }
    if (w == LAENGE_32BIT) {
      std::uint32_t d = 0;
      if (!Lies(d)) return false;
      laenge = d;
    }
    return true;
  }

  std::size_t RestBytes() const { return m_bytes.size() - m_pos; }

  std::string Ort() const {
    if (m_zeile > 0) return Formatiere("in Ratenzeile %llu", static_cast<unsigned long long>(m_zeile));
    return std::string("im Feld \"") + m_feld + "\"";
  }

  bool Abgeschnitten() {
    m_status = ZlvStatus::Abgeschnitten;
    m_meldung = m_datei + " ist unvollständig: sie endet " + Ort() + ".";
    return false;
  }

  bool Unerwartet(const std::string& grund) {
    m_status = ZlvStatus::UnerwartetesFormat;
    m_meldung = m_datei + " hat ein unerwartetes Format: " + grund + " (" + Ort() + ").";
    return false;
  }

  std::span<const unsigned char> m_bytes;
  std::size_t m_pos = 0;
  std::string m_datei;
  const char* m_feld = "";
  std::uint64_t m_zeile = 0;  // 1-based; 0 while outside the rate lines
  ZlvStatus m_status = ZlvStatus::Ok;
  std::string m_meldung;
};

template <typename T>
bool Lies(Leser& l, const char* feld, T& wert) {
  l.Feld(feld);
  return l.Lies(wert);
}

bool FelderLesen(Leser& l, Felder& f) {
  if (!Lies(l, "A1", f.a1) || !Lies(l, "B1", f.b1) || !Lies(l, "OGIP", f.ogip) ||
      !Lies(l, "Initialdruck", f.initialdruck)) {
    return false;
  }
  l.Feld("Gasbohrung");
  if (!l.Text(f.gasbohrung)) return false;
  if (!Lies(l, "Temperatur", f.temperatur) || !Lies(l, "Wasserinvasion", f.wasserinvasion) ||
      !Lies(l, "Durchmesser", f.durchmesser) || !Lies(l, "Bohrlochlänge", f.bohrlochlaenge) ||
      !Lies(l, "Teufe", f.teufe) || !Lies(l, "Kopftemperatur", f.kopftemperatur) ||
      !Lies(l, "Injektion", f.injektion) || !Lies(l, "Bohrungsanzahl", f.bohrungsanzahl)) {
    return false;
  }
  for (float& k : f.komponenten) {
    if (!Lies(l, "Zusammensetzung", k)) return false;
  }
  l.Feld("Anzahl der Ratenzeilen");
  std::uint64_t n = 0;
  if (!l.Anzahl(n)) return false;
  // No reserve from the count: a cut-off or hostile file ends the loop long before n.
  for (std::uint64_t i = 0; i < n; ++i) {
    l.Ratenzeile(i + 1);
    std::string zeile;
    if (!l.Text(zeile)) return false;
    f.ratenzeilen.push_back(std::move(zeile));
  }
  return true;
}

// The blocks after the last rate line: each the program knows is taken by its tag wherever it stands
// (the first sound one of a tag); every other block and any bytes that are no block are kept as they
// are, for the file to be written with them, and named for the hint.
struct Bloecke {
  Prognoseeinstellungen prognose;
  Messdaten messdaten;
  Speichereinstellungen speicher;
  Aquiferdaten aquifer;
  Rueckgangseinstellungen rueckgang;
  std::vector<unsigned char> fremd;
  std::vector<std::string> nichtGelesen;
};

const char* Inhaltsname(const std::string& kennung) {
  if (kennung == "ZFPG") return "die Prognoseeinstellungen";
  if (kennung == "ZDAT") return "die Datumsangaben und Schließdruckmessungen";
  if (kennung == "ZSPE") return "die Speichereinstellungen";
  if (kennung == "ZSPA") return "die Einstellungen der Speicheranlage";
  if (kennung == "ZAQU") return "die Aquifereinstellungen";
  if (kennung == "ZRUE") return "die Einstellungen des Förderrückgangs";
  return nullptr;
}

Bloecke BloeckeLesen(std::span<const unsigned char> rest, std::size_t zeilen) {
  Bloecke b;
  bool prognose = false, messdaten = false, speicher = false, zusatz = false, aquifer = false, rueckgang = false;
  Speichereinstellungen anlage;  // the facility's fields, put beside the storage block's after the loop
  const Blockfolge folge = BloeckeTeilen(rest);
  for (const std::span<const unsigned char> block : folge.bloecke) {
    const std::string kennung = Blockkennung(block);
    bool genommen = false;
    if (kennung == "ZFPG" && !prognose) {
      const auto e = PrognoseblockLesen(block);
      if (e) b.prognose = *e;
      genommen = prognose = e.has_value();
    } else if (kennung == "ZDAT" && !messdaten) {
      auto m = MessdatenblockLesen(block, zeilen);
      if (m) b.messdaten = std::move(*m);
      genommen = messdaten = m.has_value();
    } else if (kennung == "ZSPE" && !speicher) {
      auto s = SpeicherblockLesen(block);
      if (s) b.speicher = std::move(*s);
      genommen = speicher = s.has_value();
    } else if (kennung == "ZSPA" && !zusatz) {
      genommen = zusatz = SpeicherzusatzblockLesen(block, anlage);
    } else if (kennung == "ZAQU" && !aquifer) {
      const std::optional<Aquiferdaten> a = AquiferblockLesen(block);
      if (a) b.aquifer = *a;
      genommen = aquifer = a.has_value();
    } else if (kennung == "ZRUE" && !rueckgang) {
      auto r = RueckgangsblockLesen(block);
      if (r) b.rueckgang = std::move(*r);
      genommen = rueckgang = r.has_value();
    }
    if (genommen) continue;
    b.fremd.insert(b.fremd.end(), block.begin(), block.end());
    const char* name = Inhaltsname(kennung);
    b.nichtGelesen.push_back(name ? name : "ein Block \"" + kennung + "\" unbekannter Art");
  }
  if (!folge.rest.empty()) {
    b.fremd.insert(b.fremd.end(), folge.rest.begin(), folge.rest.end());
    b.nichtGelesen.push_back(Formatiere("%zu Bytes am Ende", folge.rest.size()));
  }
  b.speicher.eigeneStandardziele = anlage.eigeneStandardziele;
  b.speicher.qAnlageEin = anlage.qAnlageEin;
  b.speicher.qAnlageAus = anlage.qAnlageAus;
  b.speicher.anlage = std::move(anlage.anlage);
  return b;
}

ZlvErgebnis Lesen(std::span<const unsigned char> bytes, CZelvorDoc& doc, std::string datei) {
  Leser leser(bytes, std::move(datei));
  Felder f;
  if (!FelderLesen(leser, f)) return leser.Fehler();
  // A block that cannot be read costs only what it holds, and only until a program that can read it
  // opens the file: the well itself opens, and the block is written back unchanged.
  Bloecke b = BloeckeLesen(leser.Rest(), f.ratenzeilen.size());
  const Prognoseeinstellungen prognose = b.prognose;
  Messdaten messdaten = std::move(b.messdaten);
  Speichereinstellungen speicher = std::move(b.speicher);
  doc.m_A1 = f.a1;
  doc.m_B1 = f.b1;
  doc.m_OGIP = f.ogip;
  doc.m_Initialdruck = f.initialdruck;
  doc.m_Gasbohrung = std::move(f.gasbohrung);
  doc.m_Temperatur = f.temperatur;
  doc.m_Wasserinvasion = f.wasserinvasion;
  doc.m_Durchmesser = f.durchmesser;
  doc.m_Bohrlochlaenge = f.bohrlochlaenge;
  doc.m_Teufe = f.teufe;
  doc.m_Kopftemperatur = f.kopftemperatur;
  doc.m_bInjektion = f.injektion;
  doc.m_Bohrungsanzahl = f.bohrungsanzahl;
  doc.m_Komponenten = f.komponenten;
  doc.m_Ratenzeilen = std::move(f.ratenzeilen);
  doc.m_Prognose = prognose;
  doc.m_RatenDatum = std::move(messdaten.daten);
  doc.m_Messungen = std::move(messdaten.messungen);
  doc.m_Speicher = std::move(speicher);
  doc.m_Aquifer = b.aquifer;
  doc.m_Rueckgang = std::move(b.rueckgang);
  doc.m_FremdeBloecke = std::move(b.fremd);
  doc.NachDemLaden();
  ZlvErgebnis r;
  r.hinweis = NichtGelesenHinweis(b.nichtGelesen);
  return r;
}

class Schreiber {
 public:
  explicit Schreiber(std::vector<unsigned char>& bytes) : m_bytes(bytes) {}

  void Ganzzahl(std::uint64_t wert, std::size_t breite) {
    for (std::size_t i = 0; i < breite; ++i) m_bytes.push_back(static_cast<unsigned char>(wert >> (8 * i)));
  }
  void Schreib(double w) { Ganzzahl(std::bit_cast<std::uint64_t>(w), 8); }
  void Schreib(float w) { Ganzzahl(std::bit_cast<std::uint32_t>(w), 4); }
  void Schreib(std::int32_t w) { Ganzzahl(std::bit_cast<std::uint32_t>(w), 4); }

  void Text(const std::string& cp1252) {
    const std::size_t l = cp1252.size();
    if (l < 0xFF) {
      Ganzzahl(l, 1);
    } else if (l < MARKE_16BIT) {
      Ganzzahl(0xFF, 1);
      Ganzzahl(l, 2);
    } else {
      Ganzzahl(0xFF, 1);
      Ganzzahl(LAENGE_32BIT, 2);
      Ganzzahl(l, 4);
    }
    m_bytes.insert(m_bytes.end(), cp1252.begin(), cp1252.end());
  }

  void Anzahl(std::size_t n) {
    if (n < ANZAHL_32BIT) {
      Ganzzahl(n, 2);
    } else {
      Ganzzahl(ANZAHL_32BIT, 2);
      Ganzzahl(n, 4);
    }
  }

 private:
  std::vector<unsigned char>& m_bytes;
};

constexpr std::uint64_t MAX_32BIT = std::numeric_limits<std::uint32_t>::max();

// "" when the text can be stored; else why not, after `was` ("Der Name der Gasbohrung").
std::string Speicherbar(const std::string& utf8, const std::string& was, std::string& cp1252) {
  if (!Utf8NachWindows1252(utf8, cp1252)) {
    return was + " enthält Zeichen, die nicht gespeichert werden können: " + NichtDarstellbareZeichen(utf8);
  }
  if (cp1252.size() > MAX_32BIT) return was + " ist zu lang, um gespeichert zu werden.";
  return "";
}

}  // namespace

ZlvErgebnis ZlvLesen(std::span<const unsigned char> bytes, CZelvorDoc& doc) {
  return Lesen(bytes, doc, "Die Datei");
}

std::string ZlvSchreiben(const CZelvorDoc& doc, std::vector<unsigned char>& bytes) {
  bytes.clear();
  std::string name;
  if (auto fehler = Speicherbar(doc.m_Gasbohrung, "Der Name der Gasbohrung", name); !fehler.empty()) {
    return fehler;
  }
  // What the reader would refuse is not written: a saved well must open again.
  if (doc.m_Ratenzeilen.size() > ZLV_MAX_RATENZEILEN)
    return Formatiere("Es gibt zu viele Ratenzeilen, um sie zu speichern (höchstens %zu).", ZLV_MAX_RATENZEILEN);
  CStringArray zeilen(doc.m_Ratenzeilen.size());
  std::size_t gesamt = 119 + name.size();
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    const std::string was = Formatiere("Die Ratenzeile %zu", i + 1);
    if (auto fehler = Speicherbar(doc.m_Ratenzeilen[i], was, zeilen[i]); !fehler.empty()) return fehler;
    gesamt += 7 + zeilen[i].size();
  }
  if (const auto fehler = PrognoseeinstellungenPruefen(doc.m_Prognose))
    return "Die Prognoseeinstellungen können nicht gespeichert werden: " + *fehler;
  gesamt += PROGNOSEBLOCK_V2_BYTES;
  if (doc.m_Messungen.size() > MAX_MESSUNGEN)
    return Formatiere("Es gibt zu viele Schließdruckmessungen, um sie zu speichern (höchstens %zu).", MAX_MESSUNGEN);
  for (const std::optional<Tag>& t : doc.m_RatenDatum)
    if (t && !TagImBereich(*t)) return "Ein Datum der Ratenzeilen liegt außerhalb der Jahre 1900 bis 2199.";
  for (const Schliessdruckmessung& m : doc.m_Messungen)
    if (!MessungSinnvoll(m) || (m.datum && !TagImBereich(*m.datum))) return "Eine Schließdruckmessung hat keinen gültigen Wert und kann nicht gespeichert werden.";
  gesamt += 18 + 4 * zeilen.size() + 13 * doc.m_Messungen.size();
  if (doc.m_Aquifer.Gesetzt())
    if (const auto fehler = AquiferwerteZulaessig(doc.m_Aquifer))
      return "Die Aquifereinstellungen können nicht gespeichert werden: " + *fehler;
  gesamt += SpeicherblockBytes(doc.m_Speicher) + SpeicherzusatzblockBytes(doc.m_Speicher) +
            AquiferblockBytes(doc.m_Aquifer) + doc.m_FremdeBloecke.size();
  if (const auto fehler = RueckgangseinstellungenPruefen(doc.m_Rueckgang))
    return "Die Einstellungen des Förderrückgangs können nicht gespeichert werden: " + *fehler;
  gesamt += RueckgangsblockBytes(doc.m_Rueckgang);
  if (gesamt > ZLV_MAX_BYTES) return "Die Bohrung ist zu groß, um gespeichert zu werden.";

  bytes.reserve(gesamt);
  Schreiber s(bytes);
  s.Schreib(doc.m_A1);
  s.Schreib(doc.m_B1);
  s.Schreib(doc.m_OGIP);
  s.Schreib(doc.m_Initialdruck);
  s.Text(name);
  s.Schreib(doc.m_Temperatur);
  s.Schreib(doc.m_Wasserinvasion);
  s.Schreib(doc.m_Durchmesser);
  s.Schreib(doc.m_Bohrlochlaenge);
  s.Schreib(doc.m_Teufe);
  s.Schreib(doc.m_Kopftemperatur);
  s.Schreib(doc.m_bInjektion);
  s.Schreib(doc.m_Bohrungsanzahl);
  for (const float k : doc.m_Komponenten) s.Schreib(k);
  s.Anzahl(zeilen.size());
  for (const std::string& z : zeilen) s.Text(z);
  PrognoseblockAnhaengen(doc.m_Prognose, bytes);
  MessdatenblockAnhaengen({doc.m_RatenDatum, doc.m_Messungen}, zeilen.size(), bytes);
  SpeicherblockAnhaengen(doc.m_Speicher, bytes);
  SpeicherzusatzblockAnhaengen(doc.m_Speicher, bytes);
  AquiferblockAnhaengen(doc.m_Aquifer, bytes);
  RueckgangsblockAnhaengen(doc.m_Rueckgang, bytes);
  // After the blocks written here, so that older readers find theirs where they always stood.
  bytes.insert(bytes.end(), doc.m_FremdeBloecke.begin(), doc.m_FremdeBloecke.end());
  return "";
}

ZlvErgebnis ZlvDateiLaden(const std::string& pfad, CZelvorDoc& doc) {
  std::vector<unsigned char> inhalt;
  if (std::string fehler = DateiLesen(pfad, inhalt, ZLV_MAX_BYTES); !fehler.empty()) {
    return {ZlvStatus::Unlesbar, std::move(fehler), ""};
  }
  return Lesen(inhalt, doc, "Die Datei \"" + pfad + "\"");
}

bool ZlvGleich(const CZelvorDoc& a, const CZelvorDoc& b) {
  std::vector<unsigned char> bytesA, bytesB;
  return ZlvSchreiben(a, bytesA).empty() && ZlvSchreiben(b, bytesB).empty() && bytesA == bytesB;
}

std::string ZlvDateiSpeichern(const std::string& pfad, const CZelvorDoc& doc) {
  std::vector<unsigned char> bytes;
  if (std::string fehler = ZlvSchreiben(doc, bytes); !fehler.empty()) return fehler;
  return DateiErsetzen(pfad, bytes);
}

}  // namespace zelvor
