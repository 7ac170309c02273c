#include "cli/Feld.h"

#include <cerrno>
#include <cstdlib>
#include <set>

#include "calc/Format.h"
#include "calc/Parallel.h"
#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Json.h"
#include "cli/Maskierung.h"
#include "feld/Felddatei.h"
#include "export/Export.h"
#include "export/Feldexport.h"
#include "report/Feldtabelle.h"

namespace zelvor::cli {
namespace {

constexpr unsigned MAX_JOBS = 256;

std::string Wert(const std::optional<double>& w) { return w ? JsonZahl(*w) : "null"; }

// The site's capacity by fill level, the same keys as "kennlinien --json" where they mean the same.
std::string JsonPunkte(const std::vector<Feldkennlinienpunkt>& punkte) {
  std::string j = "[";
  for (std::size_t i = 0; i < punkte.size(); ++i) {
    const Feldkennlinienpunkt& p = punkte[i];
    j += std::string(i ? ",\n      " : "\n      ") + "{\"Fuellgrad\": " + JsonZahl(100.0 * p.fuellgrad) +
         ", \"Inventar\": " + JsonZahl(p.inventar) + ", \"InventarGWh\": " + Wert(p.inventarGwh) +
         ", \"Qaus\": " + JsonZahl(p.qAus) + ", \"Qein\": " + JsonZahl(p.qEin) +
         ", \"OhneQaus\": " + std::to_string(p.ohneAus) + ", \"OhneQein\": " + std::to_string(p.ohneEin) + "}";
  }
  return j + "]";
}

std::string Json(const Feldkennlinien& k) {
  std::string j = "  \"Speicherkennlinien\": {\"Bohrungen\": " + std::to_string(k.Bohrungen()) +
                  ", \"Arbeitsgas\": " + JsonZahl(k.Arbeitsgas()) + ", \"Kissengas\": " + JsonZahl(k.Kissengas()) +
                  ",\n    \"Punkte\": " + JsonPunkte(k.Punkte());
  // With wells with an aquifer model: "Punkte" are the injection season's sums, these the withdrawal season's.
  if (k.ZweiRichtungen())
    j += ",\n    \"MitAquifer\": " + std::to_string(k.MitAquifer()) + ",\n    \"Ausspeicherung\": " +
         JsonPunkte(k.Ausspeicherung());
  return j + "},\n";
}

// The site's storage year: its days, the wells' targets checked for it and the EU indicator.
std::string Json(const Standortspeicherjahr& s) {
  std::string j = "  \"Speicherjahr\": {\"Bohrungen\": " + std::to_string(s.bohrungen) + ", \"Meldung\": " +
                  JsonText(s.meldung) + ", \"Arbeitsgas\": " + JsonZahl(s.arbeitsgas) +
                  ", \"Kissengas\": " + JsonZahl(s.kissengas) + ",\n    \"Tage\": [";
  for (std::size_t i = 0; i < s.tage.size(); ++i) {
    const Standorttag& t = s.tage[i];
    j += std::string(i ? ",\n      " : "\n      ") + "{\"Datum\": " + JsonText(DatumIso(t.tag)) +
         ", \"Fuellgrad\": " + JsonZahl(100.0 * t.fuellgrad) + ", \"Inventar\": " + JsonZahl(t.inventar) +
         ", \"GasImSpeicher\": " + JsonZahl(t.gasImSpeicher) + ", \"Einspeisung\": " + JsonZahl(t.einspeisung) +
         ", \"Ausspeisung\": " + JsonZahl(t.ausspeisung) + "}";
  }
  j += "],\n    \"Ziele\": [";
  for (std::size_t i = 0; i < s.ziele.size(); ++i) {
    const Standortziel& z = s.ziele[i];
    j += std::string(i ? ", " : "") + "{\"Datum\": " + JsonText(DatumIso(z.datum)) + ", \"Ziel\": " +
         JsonZahl(100.0 * z.ziel) + ", \"Erreicht\": " + JsonZahl(100.0 * z.erreicht) + ", \"Erfuellt\": " +
         (z.erfuellt ? "true" : "false") + ", \"Bohrungen\": " + std::to_string(z.bohrungen) + "}";
  }
  j += "],\n    \"EU\": {\"Indikator\": true, \"Ziel\": " + JsonZahl(s.eu.ziel) + ", \"Abweichung\": " +
       JsonZahl(s.eu.abweichung) + ", \"Schwelle\": " + JsonZahl(s.eu.SchwelleProzent()) + ", \"Fenster\": [";
  for (std::size_t i = 0; i < s.euFenster.size(); ++i) {
    const EuIndikator& f = s.euFenster[i];
    j += std::string(i ? ", " : "") + "{\"Von\": " + JsonText(DatumIso(f.von)) + ", \"Bis\": " +
         JsonText(DatumIso(f.bis)) + ", \"Vollstaendig\": " + (f.vollstaendig ? "true" : "false") +
         ", \"Hoechster\": " + JsonZahl(100.0 * f.hoechster) + ", \"HoechsterAm\": " +
         JsonText(DatumIso(f.hoechsterAm)) + ", \"ErreichtAm\": " +
         (f.erreichtAm ? JsonText(DatumIso(*f.erreichtAm)) : std::string("null")) + ", \"Erfuellt\": " +
         (f.erfuellt ? "true" : "false") + "}";
  }
  return j + "]}},\n";
}

// A storage well's state on the field's Stand; nothing for the other wells, so their rows stay as they were.
std::string Speicherstand(const Feldbohrung& b) {
  if (!b.Speichert()) return "";
  return ", \"Speichertag\": " + (b.speichertag ? JsonText(DatumIso(*b.speichertag)) : std::string("null")) +
         ", \"Fuellgrad\": " + Wert(b.fuellgrad ? std::optional<double>(100.0 * *b.fuellgrad) : std::nullopt) +
         ", \"QEin\": " + Wert(b.qEin);
}

std::string Json(const Feldergebnis& f) {
  std::string j = "{\n  \"Bohrungen\": [";
  for (std::size_t i = 0; i < f.bohrungen.size(); ++i) {
    const Feldbohrung& b = f.bohrungen[i];
    j += std::string(i ? ",\n    " : "\n    ") + "{\"Bohrung\": " + JsonText(b.name) + ", \"Datei\": " +
         JsonText(b.datei) + ", \"Injektion\": " + (b.injektion ? "true" : "false") + ", \"Fehler\": " +
         JsonText(b.fehler) + ", \"Prognosebeginn\": " + (b.start ? JsonText(DatumIso(*b.start)) : std::string("null")) +
         ", \"OGIP\": " + Wert(b.ogip) + ", \"Gp\": " + Wert(b.gp) + ", \"Anteil\": " +
         Wert(b.anteil) + ", \"CWert\": " + Wert(b.cMittel) + ", \"n\": " + Wert(b.n) + ", \"AOF\": " + Wert(b.aof) +
         ", \"QJetzt\": " + Wert(b.qJetzt) + ", \"Restreserven\": " + Wert(b.restreserven) + ", \"Jahre\": " +
         Wert(b.jahre) + ", \"GStern\": " + Wert(b.gStern) + Speicherstand(b) +
         (b.rueckgangEur ? ", \"RueckgangEUR\": " + Wert(b.rueckgangEur) : std::string()) + ", \"Bemerkung\": " +
         JsonText(b.bemerkung) + "}";
  }
  j += "],\n  \"Zusammenfassung\": " + JsonTextListe(FeldZusammenfassung(f)) + ",\n";
  if (f.stand) j += "  \"Stand\": " + JsonText(DatumIso(*f.stand)) + ",\n";
  j += "  \"Verlauf\": [";
  const Feldverlauf& v = f.verlauf;
  // On the calendar, each row's ISO date; an undated field's JSON stays as it was.
  const auto datum = [&f](double jahre) -> std::string {
    if (!f.stand) return "";
    const std::optional<Tag> t = TagNachJahren(*f.stand, jahre);
    return ", \"Datum\": " + (t ? JsonText(DatumIso(*t)) : std::string("null"));
  };
  for (std::size_t k = 0; k < v.jahre.size(); ++k)
    j += std::string(k ? ",\n    " : "\n    ") + "{\"Jahre\": " + JsonZahl(v.jahre[k]) + datum(v.jahre[k]) +
         ", \"Rate\": " + JsonZahl(v.rate[k]) + ", \"GpAbJetzt\": " + JsonZahl(v.gpAbJetzt[k]) + ", \"Gp\": " +
         JsonZahl(v.gp[k]) + ", \"Bohrungen\": " + std::to_string(v.bohrungen[k]) + "}";
  j += "],\n";
  // Only a field with storage wells' curves has the key, so other fields' JSON stays as it was.
  if (!f.kennlinien.Leer()) j += Json(f.kennlinien);
  if (f.speicherjahr.bohrungen > 0) j += Json(f.speicherjahr);
  // Likewise the declines beside the forecasts, only when a well has a decline fit.
  if (const Feldrueckgang& r = f.rueckgang; !r.Leer() && r.stand) {
    j += "  \"Rueckgang\": {\"Bohrungen\": " + std::to_string(r.bohrungen) + ", \"EUR\": " + JsonZahl(r.eur) +
         ", \"EURPrognose\": " + JsonZahl(r.eurPrognose) + ", \"Stand\": " + JsonText(DatumIso(*r.stand)) + ", \"Verlauf\": [";
    for (std::size_t k = 0; k < r.jahre.size(); ++k)
      j += std::string(k ? ", " : "") + "{\"Jahre\": " + JsonZahl(r.jahre[k]) + ", \"RateRueckgang\": " + JsonZahl(r.rateRueckgang[k]) +
           ", \"RatePrognose\": " + JsonZahl(r.ratePrognose[k]) + ", \"MengeRueckgang\": " + JsonZahl(r.mengeRueckgang[k]) +
           ", \"MengePrognose\": " + JsonZahl(r.mengePrognose[k]) + "}";
    j += "]},\n";
  }
  j += std::string("  \"Fehlgeschlagen\": ") + std::to_string(f.Fehlgeschlagene()) + "\n}\n";
  return j;
}

}  // namespace

std::optional<std::string> FeldargumenteLesen(int argc, const char* const* argv, Feldargumente& a) {
  std::set<std::string> gegeben;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--json" || arg == "--abgleich" || arg == "--jobs" || arg == "-o") && !gegeben.insert(arg).second)
      return "Die Option " + arg + " ist mehrfach angegeben.";
    if (arg == "--json") {
      a.json = true;
    } else if (arg == "--abgleich") {
      a.abgleich = true;
    } else if (arg == "--eu-abweichung") {
      if (i + 1 >= argc) return "Die Option " + arg + " verlangt einen Wert.";
      const std::string wert = argv[++i];
      double d = 0;
      char rest = 0;
      if (Scanne(wert.c_str(), "%lf%c", &d, &rest) != 1 || !(d >= 0.0) || !(d <= EU_MAX_ABWEICHUNG))
        return "--eu-abweichung verlangt eine Zahl von 0 bis 15 (Prozentpunkte).";
      a.euAbweichung = d;
    } else if (arg == "--jobs" || arg == "-o") {
      if (i + 1 >= argc) return "Die Option " + arg + " verlangt einen Wert.";
      const std::string wert = argv[++i];
      if (arg == "-o") {
        a.ausgabe = wert;
        continue;
      }
      char* ende = nullptr;
      errno = 0;
      const long n = std::strtol(wert.c_str(), &ende, 10);
      if (wert.empty() || *ende != '\0' || errno != 0 || n < 1 || n > static_cast<long>(MAX_JOBS))
        return "--jobs verlangt eine ganze Zahl von 1 bis " + std::to_string(MAX_JOBS) + ".";
      a.jobs = static_cast<unsigned>(n);
    } else if (arg.size() > 1 && arg[0] == '-') {
      return "Unbekannte Option \"" + arg + "\" für feld.";
    } else {
      a.angaben.push_back(arg);
    }
  }
  if (a.angaben.empty()) return std::string("Keine Bohrung, kein Ordner und keine Felddatei angegeben.");
  if (a.ausgabe) {
    if (a.json) return std::string("--json und -o schließen einander aus.");
    if (!AusgabeformatAus(*a.ausgabe) && !ExportformatAus(*a.ausgabe, false))
      return "Die Ausgabedatei \"" + *a.ausgabe + "\" muss auf .csv, .xlsx, .png, .svg oder .pdf enden.";
  }
  return std::nullopt;
}

bool IstFeldbild(int argc, const char* const* argv) {
  if (argc < 2 || std::string(argv[1]) != "feld") return false;
  Feldargumente a;
  if (FeldargumenteLesen(argc, argv, a)) return false;  // the wrong call is told by zelvor-cli itself
  return a.ausgabe && AusgabeformatAus(*a.ausgabe).has_value();
}

std::optional<Feldergebnis> FeldAusArgumenten(const Feldargumente& a, std::ostream& err, bool& meldungen) {
  const Bohrungsliste liste = BohrungslisteAus(a.angaben);
  if (a.ausgabe) {
    std::vector<std::string> eingaben = a.angaben;
    eingaben.insert(eingaben.end(), liste.pfade.begin(), liste.pfade.end());
    if (const auto m = AusgabeUeberschreibtEingabe(*a.ausgabe, eingaben)) {
      Fehler(err, *m);
      return std::nullopt;
    }
  }
  for (const std::string& m : liste.meldungen) Fehler(err, m);
  meldungen = !liste.meldungen.empty();
  if (liste.doppelt > 0) err << DoppeltHinweis(liste.doppelt) << '\n';  // a note, not a failure
  if (liste.pfade.empty()) {
    Fehler(err, "Keine Bohrung zu berechnen.");
    return std::nullopt;
  }
  Feldergebnis f = FeldBerechnen(liste.pfade, a.jobs ? a.jobs : StandardThreadanzahl(), a.abgleich);
  if (a.euAbweichung > 0) {
    EuIndikatorEinstellungen eu;
    eu.abweichung = a.euAbweichung;
    f.speicherjahr = StandortspeicherjahrDer(f.bohrungen, eu);
  }
  return f;
}

int Feld(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  Feldargumente a;
  if (const auto m = FeldargumenteLesen(argc, argv, a)) return Aufruffehler(err, *m);
  bool meldungen = false;
  const std::optional<Feldergebnis> f = FeldAusArgumenten(a, err, meldungen);
  if (!f) return FEHLER;
  const int status = f->Fehlgeschlagene() > 0 || meldungen ? ABGEBROCHEN : ERFOLG;
  if (a.ausgabe) {
    const Exportformat format = *ExportformatAus(*a.ausgabe, false);
    const std::string fehler = ExportSchreiben(*a.ausgabe, FeldTabellen(*f), format);
    if (!fehler.empty()) return Fehler(err, fehler);
    out << "Die Tabellen sind in die Datei " << NameSichtbar(*a.ausgabe) << " exportiert.\n";
  } else if (a.json) {
    out << Json(*f);
  } else {
    // Names escaped before the columns are measured, so that a tab in a name neither reaches the terminal
    // nor shifts the columns.
    Feldergebnis anzeige = *f;
    for (Feldbohrung& b : anzeige.bohrungen) {
      b.name = NameSichtbar(b.name);
      b.datei = NameSichtbar(b.datei);
    }
    for (const std::string& zeile : FeldText(anzeige)) out << Sichtbar(zeile) << '\n';
  }
  return status;
}

}  // namespace zelvor::cli
