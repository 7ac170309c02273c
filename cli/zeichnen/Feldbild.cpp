#include "cli/zeichnen/Feldbild.h"

#include <QFile>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Feld.h"
#include "feld/Felddatei.h"
#include "views/Ausgabedatei.h"
#include "views/FeldZeichnen.h"
#include "views/Lometric.h"

namespace zelvor::cli {

int Feldbild(int argc, const char* const* argv, std::ostream& err) {
  Feldargumente a;
  if (const auto m = FeldargumenteLesen(argc, argv, a)) return Aufruffehler(err, *m);
  if (!SVG_MOEGLICH && AusgabeformatAus(*a.ausgabe) == Ausgabeformat::Svg) return Fehler(err, KEIN_SVG);
  bool meldungen = false;
  std::optional<Feldergebnis> f = FeldAusArgumenten(a, err, meldungen);
  if (!f) return FEHLER;
  const auto feld = std::make_shared<const Feldergebnis>(std::move(*f));
  const std::string name = Feldname(a.angaben);
  const QString pfad = QFile::decodeName(a.ausgabe->c_str());
  QString fehler;
  switch (AusgabeformatAus(*a.ausgabe).value_or(Ausgabeformat::Pdf)) {
    case Ausgabeformat::Png:
      fehler = ErzeugtesSchreiben(pfad, PngDaten(AnalyseseiteBild(FeldDiagrammseite(*feld, name), name, 96)));
      break;
    case Ausgabeformat::Svg:
      fehler = AnalyseseiteAlsSvg(pfad, FeldDiagrammseite(*feld, name), name);
      break;
    case Ausgabeformat::Pdf:
      fehler = InPdfAusgeben(pfad, *FeldDruckvorlage(feld, name), true);  // the wide table reads better across
      break;
  }
  if (!fehler.isEmpty()) return Fehler(err, fehler.toStdString());
  return feld->Fehlgeschlagene() > 0 || meldungen ? ABGEBROCHEN : ERFOLG;
}

}  // namespace zelvor::cli
