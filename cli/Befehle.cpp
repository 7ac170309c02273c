#include "cli/Befehle.h"

#include <sys/stat.h>

#include <cerrno>
#include <chrono>

#include "calc/A1B1Vorschlag.h"
#include "calc/Auswertung.h"
#include "calc/Format.h"
#include "cli/Analyse.h"
#include "cli/Aquifer.h"
#include "cli/Argumente.h"
#include "cli/Feld.h"
#include "cli/Gasvorrat.h"
#include "cli/Json.h"
#include "cli/Maskierung.h"
#include "cli/Prognose.h"
#include "cli/Rueckgang.h"
#include "cli/Speicher.h"
#include "doc/Aquifereinstellungen.h"
#include "doc/CZelvorDoc.h"
#include "doc/Dateizugriff.h"
#include "doc/DokumentSpeicher.h"
#include "doc/Dokumenttitel.h"
#include "doc/Eingabepruefung.h"
#include "doc/ErgebnisDatei.h"
#include "doc/Programmversion.h"
#include "import/Meldungstext.h"
#include "import/Messungsimport.h"
#include "import/Ratenimport.h"
#include "doc/ZlvArchiv.h"
#include "export/Export.h"
#include "export/Exporttabellen.h"
#include "report/Grafikskalierung.h"

namespace zelvor::cli {
namespace {

constexpr const char* PROGRAMM = "zelvor-cli: ";

bool Laden(const std::string& pfad, CZelvorDoc& doc, std::ostream& err) {
  const ZlvErgebnis r = ZlvDateiLaden(pfad, doc);
  if (r.status == ZlvStatus::Ok) {
    if (!r.hinweis.empty()) err << PROGRAMM << "Hinweis: " << r.hinweis << '\n';
    return true;
  }
  Fehler(err, r.meldung);
  return false;
}

// A message box's text on one line: its line break (before the quoted line of a file) becomes ": ".
std::string EineZeile(std::string meldung) {
  for (std::size_t pos; (pos = meldung.find('\n')) != std::string::npos;) {
    std::size_t bis = pos + 1;
    while (bis < meldung.size() && meldung[bis] == ' ') ++bis;
    meldung.replace(pos, bis - pos, ": ");
  }
  return meldung;
}

// Replaces the rate lines as the input dialog's import does, from a rate file, a CSV or tab-separated
// text or a workbook. ERFOLG when lines were taken (the import's messages and status on stderr, one line
// each); when none could be, the reason in one line and ABGEBROCHEN (the well keeps its lines); FEHLER
// when the file cannot be opened.
int RatenImportieren(const std::string& pfad, CZelvorDoc& doc, std::ostream& err) {
  RatendateiImport imp = RatenImportLesen(pfad);
  const std::string name = SteuerzeichenSichtbar(pfad);
  if (!imp.geoeffnet) {
    if (const std::string keine = KeineGewoehnlicheDatei(pfad); !keine.empty()) return Fehler(err, keine);
    return Fehler(err, "Die Ratendatei \"" + name + "\" kann nicht geöffnet werden.");
  }
  if (imp.zeilen.empty()) {
    std::string meldung = "Aus \"" + name + "\" wurde keine Ratenzeile eingelesen; die Bohrung bleibt unverändert";
    meldung += imp.meldungen.empty() ? "." : ": " + EineZeile(imp.meldungen.front());
    Fehler(err, meldung);
    return ABGEBROCHEN;
  }
  for (const std::string& m : imp.meldungen) err << PROGRAMM << EineZeile(m) << '\n';
  if (!imp.status.empty()) err << imp.status << '\n';
  doc.m_Ratenzeilen = std::move(imp.zeilen);
  doc.m_RatenDatum = std::move(imp.daten);
  return ERFOLG;
}

std::string Json(const CZelvorDoc& doc, bool abgebrochen) {
  Skalierung s;  // as a newly created graph view scales the series
  Skalieren(s, doc.m_MaxWerte, doc.m_Kurve1X.data(), doc.m_Kurve1Y.data(), doc.m_Kurve2Y.data());
  const int n = doc.m_MaxWerte;
  std::string j = "{\n";
  j += "  \"Ergebnis\": " + JsonTextListe(doc.m_Ergebnis) + ",\n";
  j += std::string("  \"Abgebrochen\": ") + (abgebrochen ? "true" : "false") + ",\n";
  j += "  \"MaxWerte\": " + Formatiere("%d", n) + ",\n";
  j += "  \"Kurve1X\": " + JsonZahlenListe(doc.m_Kurve1X.data(), n) + ",\n";
  j += "  \"Kurve1Y\": " + JsonZahlenListe(doc.m_Kurve1Y.data(), n) + ",\n";
  j += "  \"Kurve2X\": " + JsonZahlenListe(doc.m_Kurve2X.data(), n) + ",\n";
  j += "  \"Kurve2Y\": " + JsonZahlenListe(doc.m_Kurve2Y.data(), n) + ",\n";
  j += "  \"TextYAchse\": " + JsonText(doc.m_TextYAchse) + ",\n";
  j += "  \"TextY2Achse\": " + JsonText(doc.m_TextY2Achse) + ",\n";
  j += "  \"TextXAchse\": " + JsonText(doc.m_TextXAchse) + ",\n";
  j += "  \"TextKurve1\": " + JsonText(doc.m_TextKurve1) + ",\n";
  j += "  \"TextKurve2\": " + JsonText(doc.m_TextKurve2) + ",\n";
  j += "  \"Skalierung\": {\"xmin\": " + JsonZahl(s.xmin) + ", \"xmax\": " + JsonZahl(s.xmax) +
       ", \"ymin\": " + JsonZahl(s.ymin) + ", \"ymax\": " + JsonZahl(s.ymax) + ", \"xstart\": " +
       JsonZahl(s.xstart) + ", \"ystart\": " + JsonZahl(s.ystart) + ", \"deltax\": " + JsonZahl(s.deltax) +
       ", \"deltay\": " + JsonZahl(s.deltay) + "}\n";
  return j + "}\n";
}

int Evaluate(const Argumente& a, std::ostream& out, std::ostream& err) {
  CZelvorDoc doc;
  const Lauf lauf = Auswerten(a, doc, err);
  if (lauf == Lauf::Fehler) return FEHLER;
  const bool abgebrochen = lauf == Lauf::Abgebrochen;
  if (a.json) {
    out << Json(doc, abgebrochen);
  } else {
    for (const std::string& zeile : doc.m_Ergebnis) out << Sichtbar(zeile) << '\n';
  }
  return abgebrochen ? ABGEBROCHEN : ERFOLG;
}

int Results(const Argumente& a, std::ostream& out, std::ostream& err) {
  CZelvorDoc doc;
  const Lauf lauf = Auswerten(a, doc, err);
  if (lauf == Lauf::Fehler) return FEHLER;
  const std::string pfad = a.ausgabe ? *a.ausgabe : ErgebnisDateiPfad("");
  if (const auto m = AusgabeUeberschreibtEingabe(pfad, a)) return Fehler(err, *m);
  const std::string fehler = ErgebnisseSchreiben(pfad, Dokumenttitel(a.datei), doc.m_Ergebnis);
  if (!fehler.empty()) return Fehler(err, fehler);
  if (pfad == ERGEBNISDATEI_NAME)
    out << ERGEBNISSE_GESCHRIEBEN << '\n';
  else
    out << "Die Ergebnisse sind in die Datei " << NameSichtbar(pfad) << " geschrieben!\n";
  return lauf == Lauf::Abgebrochen ? ABGEBROCHEN : ERFOLG;
}

int Export(const Argumente& a, std::ostream& out, std::ostream& err) {
  CZelvorDoc doc;
  const Lauf lauf = Auswerten(a, doc, err);
  if (lauf == Lauf::Fehler) return FEHLER;
  const Exportformat format = *ExportformatAus(*a.ausgabe, a.dialekt.has_value());  // checked with the arguments
  if (const auto m = AusgabeUeberschreibtEingabe(*a.ausgabe, a)) return Fehler(err, *m);
  const std::string fehler = ExportSchreiben(*a.ausgabe, ExporttabellenDesDokuments(doc), format);
  if (!fehler.empty()) return Fehler(err, fehler);
  out << "Die Tabellen sind in die Datei " << NameSichtbar(*a.ausgabe) << " exportiert.\n";
  return lauf == Lauf::Abgebrochen ? ABGEBROCHEN : ERFOLG;
}

int Propose(const Argumente& a, std::ostream& out, std::ostream& err) {
  Dateisperre sperre;
  if (a.uebernehmen) {
    if (const std::string m = DateiSperren(a.datei, sperre, SPERRE_WARTEN); !m.empty()) return Fehler(err, m);
  }
  CZelvorDoc doc;
  if (!Laden(a.datei, doc, err)) return FEHLER;
  float wgv = 0.0f;
  if (a.wgv) {
    if (const auto m = FloatLesen(*a.wgv, 0, 200, wgv)) return Fehler(err, "--wgv: " + *m);
  }
  A1B1Eingaben e;
  e.komponenten = doc.m_Komponenten;
  e.temperatur = doc.m_Temperatur;
  e.kopftemperatur = doc.m_Kopftemperatur;
  e.initialdruck = doc.m_Initialdruck;
  e.teufe = doc.m_Teufe;
  e.bohrlochlaenge = doc.m_Bohrlochlaenge;
  e.durchmesser = doc.m_Durchmesser;
  e.wgv = wgv;
  const A1B1Vorschlag v = A1B1Berechnen(e);
  out << A1B1Text(v, false) << '\n';
  if (!v.gueltig) return ABGEBROCHEN;
  if (a.uebernehmen) {
    doc.m_A1 = v.a1;
    doc.m_B1 = v.b1;
    const std::string fehler = ZlvDateiSpeichern(a.datei, doc);
    if (!fehler.empty()) return Fehler(err, fehler);
  }
  return ERFOLG;
}

int Show(const Argumente& a, std::ostream& out, std::ostream& err) {
  CZelvorDoc doc;
  if (!Laden(a.datei, doc, err)) return FEHLER;
  // One line per value, whatever the value holds: set takes the escapes back.
  for (const Eingabefeld& f : Eingabefelder()) out << f.name << '=' << Maskiert(EingabeAlsText(doc, f)) << '\n';
  for (const Prognoseangabe& p : Prognoseangaben()) out << p.name << '=' << Maskiert(p.text(doc.m_Prognose)) << '\n';
  // Storage settings are listed once a well has some (a working gas of 0 means none and is not taken).
  if (doc.m_Speicher != Speichereinstellungen{})
    for (const Speicherangabe& p : Speicherangaben()) out << p.name << '=' << Maskiert(p.text(doc.m_Speicher)) << '\n';
  // The aquifer settings only with a model: the well file keeps them only then.
  if (doc.m_Aquifer.Gesetzt())
    for (const Aquiferangabe& g : Aquiferangaben()) out << g.name << '=' << Maskiert(AquiferText(doc.m_Aquifer, g)) << '\n';
  // Decline settings likewise, once one differs from its default.
  if (!doc.m_Rueckgang.Standard())
    for (const Rueckgangsangabe& p : Rueckgangsangaben()) out << p.name << '=' << Maskiert(p.text(doc.m_Rueckgang)) << '\n';
  for (std::size_t i = 0; i < doc.m_Ratenzeilen.size(); ++i) {
    out << "Ratenzeile=" << Maskiert(doc.m_Ratenzeilen[i]);
    if (const auto datum = ZeilenDatum(doc.m_RatenDatum, i)) out << "  " << DatumText(*datum);
    out << '\n';
  }
  for (const Schliessdruckmessung& m : doc.m_Messungen)
    out << "Schliessdruckmessung=" << SchliessdruckmessungText(m) << '\n';
  return ERFOLG;
}

bool DateiFehlt(const std::string& pfad) {
  struct stat st {};
  return ::stat(pfad.c_str(), &st) != 0 && errno == ENOENT;
}

int Set(const Argumente& a, std::ostream& err) {
  Dateisperre sperre;
  if (const std::string m = DateiSperren(a.datei, sperre, SPERRE_WARTEN); !m.empty()) return Fehler(err, m);
  CZelvorDoc doc;
  if (DateiFehlt(a.datei)) {
    doc.NeuesDokument();
  } else if (!Laden(a.datei, doc, err)) {
    return FEHLER;
  }
  const Speichereinstellungen speicherVorher = doc.m_Speicher;
  const double ogipVorher = doc.m_OGIP;
  const float pResMaxVorher = doc.m_Prognose.pResMax;
  for (const std::string& zuweisung : a.zuweisungen) {
    const size_t gleich = zuweisung.find('=');
    const std::string name = zuweisung.substr(0, gleich);
    const std::string wert = Demaskiert(zuweisung.substr(gleich + 1));
    std::optional<std::string> m;
    if (const Eingabefeld* feld = EingabefeldSuchen(name)) {
      m = EingabeSetzen(doc, *feld, wert);
    } else if (const Prognoseangabe* p = PrognoseangabeSuchen(name)) {
      m = p->setzen(doc.m_Prognose, wert);
    } else if (const Speicherangabe* sp = SpeicherangabeSuchen(name)) {
      m = sp->setzen(doc.m_Speicher, wert);
    } else if (const Aquiferangabe* aq = AquiferangabeSuchen(name)) {
      m = AquiferSetzen(doc.m_Aquifer, *aq, wert);
    } else if (const Rueckgangsangabe* r = RueckgangsangabeSuchen(name)) {
      m = r->setzen(doc.m_Rueckgang, wert);
    } else {
      return Fehler(err, "Unbekanntes Feld \"" + name + "\".");
    }
    if (m) return Fehler(err, name + ": " + *m);
  }
  if (const auto m = PrognoseeinstellungenPruefen(doc.m_Prognose)) return Fehler(err, *m);
  // A well whose storage settings already disagreed with its gas in place stays editable.
  const Speicherurteil speicher = SpeicheraenderungPruefen(speicherVorher, ogipVorher, doc.m_Speicher, doc.m_OGIP);
  if (speicher.ablehnung) return Fehler(err, *speicher.ablehnung);
  if (speicher.warnung) err << "Warnung: " << *speicher.warnung << '\n';
  // Volumes the well's balance does not bear out are taken, and said at once.
  if (doc.m_bInjektion && doc.m_Speicher.Gesetzt() &&
      (doc.m_Speicher != speicherVorher || doc.m_OGIP != ogipVorher || doc.m_Prognose.pResMax != pResMaxVorher)) {
    CZelvorDoc probe = doc;
    probe.Auswertung();
    for (const std::string& h : DokumentKennlinien(probe).hinweise) err << "Warnung: " << h << '\n';
  }
  // A model may be entered one value after another; until it can be computed, each call says what is missing.
  if (const std::string m = AquiferdatenPruefen(doc.m_Aquifer); !m.empty()) err << "Warnung: " << m << '\n';
  if (!doc.m_Aquifer.Gesetzt() && doc.m_Aquifer != Aquiferdaten{})
    err << "Warnung: Ohne Aquifermodell (Aquifer) werden die übrigen Aquifereinstellungen nicht gespeichert.\n";
  if (a.raten) {
    if (const int status = RatenImportieren(*a.raten, doc, err); status != ERFOLG) return status;
  }
  if (a.messungen) {
    const Messungsimport m = MessungenLesen(*a.messungen, a.kopfdruck);
    if (!m.geoeffnet) return Fehler(err, m.meldung);
    if (!m.uebernommen) {
      // One line, as a refused rate import gives it.
      Fehler(err, "Aus \"" + SteuerzeichenSichtbar(*a.messungen) +
                      "\" wurde keine Schließdruckmessung eingelesen; die Bohrung bleibt unverändert: " +
                      EineZeile(m.meldung));
      return ABGEBROCHEN;
    }
    err << m.status << '\n';
    doc.m_Messungen = m.messungen;
  }
  if (const auto warnung = EingabenPruefen(doc)) err << "Warnung: " << *warnung << '\n';
  const std::string fehler = ZlvDateiSpeichern(a.datei, doc);
  if (!fehler.empty()) return Fehler(err, fehler);
  return ERFOLG;
}

}  // namespace

std::optional<std::string> AusgabeUeberschreibtEingabe(const std::string& ausgabe, const std::vector<std::string>& eingaben) {
  for (const std::string& eingabe : eingaben)
    if (DieselbeDatei(ausgabe, eingabe))
      return "Die Ausgabedatei \"" + ausgabe + "\" ist die Eingabedatei \"" + eingabe + "\"; sie wird nicht überschrieben.";
  return std::nullopt;
}

std::optional<std::string> AusgabeUeberschreibtEingabe(const std::string& ausgabe, const Argumente& a) {
  std::vector<std::string> eingaben{a.datei};
  if (a.raten) eingaben.push_back(*a.raten);
  return AusgabeUeberschreibtEingabe(ausgabe, eingaben);
}

int Fehler(std::ostream& err, const std::string& meldung) {
  err << PROGRAMM << meldung << '\n';
  return FEHLER;
}

int Aufruffehler(std::ostream& err, const std::string& meldung) {
  return Fehler(err, meldung + " Der Aufruf steht in \"zelvor-cli --help\".");
}

Lauf Auswerten(const Argumente& a, CZelvorDoc& doc, std::ostream& err) {
  if (!Laden(a.datei, doc, err)) return Lauf::Fehler;
  // A rate file that gives no line is not evaluated with the well's own lines in its place.
  if (a.raten && RatenImportieren(*a.raten, doc, err) != ERFOLG) return Lauf::Fehler;
  doc.m_bVariablerC = a.variablerC;
  doc.m_bGrafikRaten = a.grafikRaten;
  if (!doc.Auswertung()) return Lauf::Abgebrochen;
  if (doc.m_Ratenzeilen.size() > static_cast<size_t>(MAX_RATENZEILEN)) err << HoechstzahlMeldung() << '\n';
  return Lauf::Vollstaendig;
}

int Ausfuehren(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    out << Gebrauch();
    return ERFOLG;
  }
  if (argc == 2 && std::string(argv[1]) == "--version") {
    out << "zelvor-cli " << PROGRAMMVERSION << '\n';
    return ERFOLG;
  }
  if (argc >= 2 && std::string(argv[1]) == "feld") return Feld(argc, argv, out, err);
  Argumente a;
  if (const auto m = ArgumenteLesen(argc, argv, a)) return Aufruffehler(err, *m);
  // zelvor-cli's main hands these on before it gets here; only an embedding caller can arrive.
  if (IstZeichenbefehl(a.befehl)) return Fehler(err, "Den Befehl " + a.befehl + " führt zelvor-cli-zeichnen aus.");
  if (a.befehl == "evaluate") return Evaluate(a, out, err);
  if (a.befehl == "analyze") return Analyze(a, out, err);
  if (a.befehl == "forecast") return Forecast(a, out, err);
  if (a.befehl == "ogip") return Ogip(a, out, err);
  if (a.befehl == "aquifer") return AquiferBefehl(a, out, err);
  if (a.befehl == "rueckgang") return RueckgangBefehl(a, out, err);
  if (a.befehl == "kennlinien") return Kennlinien(a, out, err);
  if (a.befehl == "speicherjahr") return SpeicherjahrBefehl(a, out, err);
  if (a.befehl == "results") return Results(a, out, err);
  if (a.befehl == "export") return Export(a, out, err);
  if (a.befehl == "propose") return Propose(a, out, err);
  if (a.befehl == "show") return Show(a, out, err);
  return Set(a, err);
}

}  // namespace zelvor::cli
