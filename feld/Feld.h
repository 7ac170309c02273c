#pragma once
// A field: a list of well files, every well computed with the same core functions as a single well (read
// with its forecast settings, evaluate, deliverability analysis, forecast, gas-in-place match), one row
// per well, and the field's deliverability over time from the production wells' forecasts. The wells
// are independent and computed in parallel; the result does not depend on the number of threads.
#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calc/Datum.h"
#include "calc/Feldverlauf.h"
#include "calc/Speicherkennlinien.h"
#include "feld/Feldkennlinien.h"
#include "feld/Feldrueckgang.h"
#include "feld/Standortspeicherjahr.h"

namespace zelvor {

// A storage well's state at any Gp: its run with the storage's gas in place, its forecast settings, the
// equation they ask for and its volumes.
struct Speichermodell {
  Laufdaten lauf;
  PrognoseEingaben eingaben;
  Lieferansatz ansatz;
  Speichervolumen volumen;

  Kennlinienpunkt Bei(double gp) const { return Speicherzustand(lauf, eingaben, ansatz, volumen).Bei(gp); }
};

struct Feldbohrung {
  std::string datei;   // the path as given
  std::string name;    // the well's name, else its file name
  std::string fehler;  // why the well could not be read or evaluated (German); empty when it was
  bool injektion = false;
  // Numbers the well does not have (unread, no fit, no forecast) are empty.
  std::optional<double> ogip;          // Mio m3
  std::optional<double> gp;            // last evaluated Gp, Mio m3
  std::optional<double> anteil;        // Gp / OGIP
  std::optional<double> cMittel;       // mean C-value, m3/h per bar²
  std::optional<double> n;             // back-pressure exponent, when its fit is valid
  std::optional<double> aof;           // at the current pressure: back-pressure equation, else the C-value model
  std::optional<double> qJetzt;        // deliverable rate now at the well's p_min, m3/h
  std::optional<double> restreserven;  // Mio m3
  std::optional<double> jahre;         // years to abandonment
  std::optional<double> gStern;        // the matched gas in place, Mio m3 (when asked for and made)
  std::string bemerkung;               // the failure, or why there is no forecast
  // The forecast's rows (production wells with a forecast); on the calendar (Feldergebnis::stand), in
  // years from the field's Stand, beginning there.
  Bohrungsverlauf verlauf;
  std::optional<Tag> start;            // the forecast's start: the date of the well's last line (a storage
                                       // well: its storage year's first day)
  // Its forecast ended before the field's Stand: it delivers nothing there and keeps its final Gp.
  bool vorDemStandAufgegeben = false;
  // A storage well with its working gas set: its capacity curves in steps of FELDKENNLINIEN_SCHRITT,
  // its volumes and calorific value (kWh/m3, 0 when not given). Empty for every other well.
  std::vector<Kennlinienpunkt> kennlinien;
  // With an aquifer model `kennlinien` is the injection season's curve and this the withdrawal season's;
  // empty without one (`kennlinien` then serves both directions).
  std::vector<Kennlinienpunkt> kennlinienAus;
  Speichervolumen volumen;
  double brennwert = 0;
  // Its storage year by its own plan and seasons (meldung says why there is none), and what its state at
  // any Gp is computed from, so that its row can give the state on the field's Stand.
  Speicherjahr speicherjahr;
  std::shared_ptr<const Speichermodell> speichermodell;
  // The state its row shows: on the field's Stand where its storage year covers it, else on its storage
  // year's first morning (its state now). fuellgrad 0 to 1; qJetzt is then its withdrawal capacity.
  std::optional<Tag> speichertag;
  std::optional<double> fuellgrad;
  std::optional<double> qEin;  // injection capacity at p_max, m3/h
  // A production well's decline fit of its dated lines (doc/DokumentRueckgang.h): its EUR, and the fitted
  // rate from its last dated line (rueckgangStart) to the limit, in years from that date; once the field
  // is on its Stand (FeldrueckgangBerechnen), in years from the Stand, which rueckgangStart then is.
  std::optional<double> rueckgangEur;  // Mio m3
  std::optional<Tag> rueckgangStart;
  Bohrungsverlauf rueckgangVerlauf;
  // The aquifer model its run and forecast take ("fetkovich", ...); empty: none.
  std::string aquifer;

  bool Fehlgeschlagen() const { return !fehler.empty(); }
  // Summed into the field's production.
  bool Liefert() const { return !Fehlgeschlagen() && !injektion && !verlauf.empty(); }
  // Summed into the site's capacity by fill level.
  bool Speichert() const { return !Fehlgeschlagen() && injektion && !kennlinien.empty(); }
};

// One well, from its file. The gas-in-place match costs ten times the rest of a well, so it is made
// only when asked for (mitAbgleich).
Feldbohrung BohrungBerechnen(const std::string& pfad, bool mitAbgleich = false);

struct Feldergebnis {
  std::vector<Feldbohrung> bohrungen;  // in the order of the files given
  Feldverlauf verlauf;                 // at round times: the field's table
  bool abgebrochen = false;            // cancelled before every well was computed
  // The field on the calendar: the latest start of its production wells. Each well enters with its own
  // forecast at that date; a well without a date counts as starting on it. Nothing when no well is dated.
  std::optional<Tag> stand;
  // The storage wells' capacity curves summed by fill level; empty without such a well.
  Feldkennlinien kennlinien;
  // The storage wells' storage years summed on the calendar; empty (no wells summed) without one.
  Standortspeicherjahr speicherjahr;
  // The production wells' decline curves summed beside their forecasts; empty without a decline fit.
  Feldrueckgang rueckgang;

  std::size_t Fehlgeschlagene() const;
  // The production wells summed into the field, as indices into bohrungen.
  std::vector<std::size_t> Liefernde() const;
};

// Puts the production wells on the calendar: the Stand (the latest start), each well's forecast cut and
// shifted to begin there (a well abandoned before it delivers nothing), and a note in the row of a well
// without a date. A dated well's row then tells the Stand too: its Gp, deliverable rate, reserves and
// years from its own forecast at that date. Nothing is changed and nothing returned when no production
// well is dated.
std::optional<Tag> AufDenStandBringen(std::vector<Feldbohrung>& bohrungen);

// The field's course of the production wells of bohrungen at the given times (the Gp of those abandoned
// before the Stand in the field's Gp).
Feldverlauf FeldverlaufDer(const std::vector<Feldbohrung>& bohrungen, const std::vector<double>& zeiten);

// The capacity by fill level of the storage wells of bohrungen.
Feldkennlinien FeldkennlinienDer(const std::vector<Feldbohrung>& bohrungen);

// The site's storage year of the storage wells of bohrungen (none without such a well's storage year).
Standortspeicherjahr StandortspeicherjahrDer(const std::vector<Feldbohrung>& bohrungen,
                                             const EuIndikatorEinstellungen& eu = {});

// Sets each storage well's shown state for the field's Stand (see Feldbohrung::speichertag), with a
// remark naming the morning shown where that is not the Stand.
void SpeicherstandSetzen(std::vector<Feldbohrung>& bohrungen, std::optional<Tag> stand);

// The field without the wells at the given indices (into bohrungen), its course and capacity summed anew; the other
// wells are not computed again.
Feldergebnis OhneBohrungen(const Feldergebnis& f, const std::vector<std::size_t>& indizes);

// Computes every well on up to `threads` threads. fortschritt(k) is called from the worker threads after
// each well with the number done. When *abbrechen becomes true, no further well starts and the answer is
// marked abgebrochen (the wells not computed have no row).
Feldergebnis FeldBerechnen(const std::vector<std::string>& pfade, unsigned threads, bool mitAbgleich = false,
                           const std::atomic<bool>* abbrechen = nullptr,
                           const std::function<void(std::size_t)>& fortschritt = {});

}  // namespace zelvor
