#include "cli/Prognose.h"

#include <optional>
#include <string>

#include "calc/Foerderprognose.h"
#include "calc/Format.h"
#include "calc/Lieferfaehigkeit.h"
#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Json.h"
#include "doc/CZelvorDoc.h"

namespace zelvor::cli {
namespace {

std::string Json(const Foerderprognose& p) {
  std::string j = "{\n  \"Meldung\": " + JsonText(p.meldung) + ",\n";
  j += "  \"GpStart\": " + JsonZahl(p.gpStart) + ", \"GpEnde\": " + JsonZahl(p.gpEnde) + ", \"QmaxStart\": " +
       JsonZahl(p.qMaxStart) + ", \"Ausbeute\": " + JsonZahl(p.Gemacht() ? p.Ausbeute() : 0.0) +
       ", \"PlateauJahre\": " + JsonZahl(p.plateauJahre) + ", \"Jahre\": " + JsonZahl(p.jahre) + ",\n  \"Zeilen\": [";
  for (std::size_t i = 0; i < p.zeilen.size(); ++i) {
    const Prognosezeile& z = p.zeilen[i];
    j += std::string(i ? ",\n    " : "\n    ") + "{\"Gp\": " + JsonZahl(z.gp) + ", \"PZ\": " + JsonZahl(z.pz) +
         ", \"pws\": " + JsonZahl(z.pws) + ", \"Qmax\": " + JsonZahl(z.qMax) + ", \"Q\": " + JsonZahl(z.q) +
         ", \"Jahre\": " + JsonZahl(z.jahre) + ", \"Plateauende\": " + (z.plateauEnde ? "true" : "false") + "}";
  }
  return j + "]\n}\n";
}

void Text(const Foerderprognose& p, std::ostream& out) {
  const PrognoseEingaben& e = p.eingaben;
  out << Formatiere("    Förderprognose bei p_min %.1f bar, C-Modell: %s", e.pMin,
                    PrognosemodellText(e.modell).c_str())
      << '\n';
  out << "          Gp        P/Z    Schliess-      Q_max           Q      Zeit\n";
  out << "      (Mio m3)     (bar)  druck (bar)    (m3/h)      (m3/h)   (Jahre)\n";
  for (const Prognosezeile& z : p.zeilen)
    out << Formatiere("%13.3f %9.2f %11.2f %11.1f %11.1f %9.2f%s", z.gp, z.pz, z.pws, z.qMax, z.q, z.jahre,
                      z.plateauEnde ? "  Plateauende" : "")
        << '\n';
  out << Formatiere("    Gp bei Aufgabe          (Mio m3):%12.3f\n", p.gpEnde);
  out << Formatiere("    Restreserven            (Mio m3):%12.3f\n", p.Restreserven());
  out << Formatiere("    Ausbeutefaktor Gp/OGIP       (%%):%12.2f\n", 100.0 * p.Ausbeute());
  out << Formatiere("    Plateaudauer             (Jahre):%12.2f\n", p.plateauJahre);
  out << Formatiere("    Zeit bis zur Aufgabe     (Jahre):%12.2f\n", p.jahre);
  out << Formatiere("    Q_max zu Beginn           (m3/h):%12.1f\n", p.qMaxStart);
}

}  // namespace

int Forecast(const Argumente& a, std::ostream& out, std::ostream& err) {
  CZelvorDoc doc;
  if (Auswerten(a, doc, err) == Lauf::Fehler) return FEHLER;
  Prognoseeinstellungen e = doc.m_Prognose;
  for (const auto& [option, wert] : a.prognose) {
    std::optional<std::string> m;
    if (option == "--pmin") m = PminSetzen(e, wert);
    if (option == "--plateau") m = QPlanSetzen(e, wert);
    if (option == "--end") m = QEndeSetzen(e, wert);
    if (option == "--model") m = ModellSetzen(e, wert);
    if (option == "--steps") m = SchritteSetzen(e, wert);
    if (m) return Fehler(err, option + ": " + *m);
  }
  if (const auto m = PrognoseeinstellungenPruefen(e)) return Fehler(err, *m);
  // The well file does not keep "Variabler C-Wert"; the variable model needs the run's fit.
  if (e.modell == Prognosemodell::Variabel && !doc.m_bVariablerC) {
    doc.m_bVariablerC = 1;
    doc.Auswertung();
  }
  PrognoseEingaben pe;
  pe.pMin = e.pMin;
  pe.qPlan = e.qPlan;
  pe.qEnde = e.qEnde;
  pe.modell = e.modell;
  pe.schritte = e.schritte;
  if (e.modell == Prognosemodell::Gegendruck) {
    const Lieferfaehigkeit l = LieferfaehigkeitBerechnen(doc.m_Lauf);
    if (l.gegendruck.gueltig) {
      pe.gegendruck = Gegendruckwerte{l.gegendruck.cn, l.gegendruck.n};
    } else if (!l.gegendruck.meldung.empty()) {
      pe.gegendruckMeldung = l.gegendruck.meldung;
    } else if (!l.meldungen.empty()) {
      pe.gegendruckMeldung = l.meldungen.front();
    }
  }
  const Foerderprognose p = PrognoseBerechnen(doc.m_Lauf, pe);
  if (a.json) {
    out << Json(p);
  } else if (!p.Gemacht()) {
    out << p.meldung << '\n';
  } else {
    Text(p, out);
  }
  return p.Gemacht() ? ERFOLG : ABGEBROCHEN;
}

}  // namespace zelvor::cli
