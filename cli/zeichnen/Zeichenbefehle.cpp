#include "cli/zeichnen/Zeichenbefehle.h"

#include <QFile>
#include <QImage>
#include <QString>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "doc/CZelvorDoc.h"
#include "doc/DokumentPrognose.h"
#include "doc/Dokumenttitel.h"
#include "views/Ausgabedatei.h"
#include "views/Drucken.h"
#include "views/GrafikZeichnen.h"
#include "views/LieferfaehigkeitZeichnen.h"
#include "views/Lometric.h"
#include "views/MaterialbilanzZeichnen.h"
#include "views/PrognoseZeichnen.h"
#include "views/TabelleZeichnen.h"

namespace zelvor::cli {
namespace {

int Ergebnis(Lauf lauf, bool geschrieben, const Argumente& a, std::ostream& err) {
  if (!geschrieben) return Fehler(err, "Die Datei \"" + *a.ausgabe + "\" kann nicht geschrieben werden.");
  return lauf == Lauf::Abgebrochen ? ABGEBROCHEN : ERFOLG;
}

}  // namespace

int Graph(const Argumente& a, std::ostream& err) {
  if (!SVG_MOEGLICH && AusgabeformatAus(*a.ausgabe) == Ausgabeformat::Svg) return Fehler(err, KEIN_SVG);
  CZelvorDoc doc;
  const Lauf lauf = Auswerten(a, doc, err);
  if (lauf == Lauf::Fehler) return FEHLER;
  const std::string titel = Dokumenttitel(a.datei);
  const QString pfad = QFile::decodeName(a.ausgabe->c_str());
  GrafikZustand zustand;  // the screen's layout
  zustand.grafiklupe = a.grafiklupe;
  bool geschrieben = false;
  const Ausgabeformat format = AusgabeformatAus(*a.ausgabe).value_or(Ausgabeformat::Pdf);
  if (a.ansicht == "lieferfaehigkeit") {
    if (format == Ausgabeformat::Png) geschrieben = AusgabedateiSchreiben(pfad, PngDaten(LieferfaehigkeitBild(doc, titel, 96))).isEmpty();
    if (format == Ausgabeformat::Svg) geschrieben = LieferfaehigkeitAlsSvg(pfad, doc, titel);
    if (format == Ausgabeformat::Pdf)
      geschrieben = InPdfAusgeben(pfad, *LieferfaehigkeitDruckvorlage(doc, titel), a.quer);
    return Ergebnis(lauf, geschrieben, a, err);
  }
  if (a.ansicht == "materialbilanz") {
    const Analyseseite seite = MaterialbilanzSeite(doc);
    if (format == Ausgabeformat::Png)
      geschrieben = AusgabedateiSchreiben(pfad, PngDaten(AnalyseseiteBild(seite, titel, 96))).isEmpty();
    if (format == Ausgabeformat::Svg) geschrieben = AnalyseseiteAlsSvg(pfad, seite, titel);
    if (format == Ausgabeformat::Pdf)
      geschrieben = InPdfAusgeben(pfad, *AnalyseseiteDruckvorlage([&seite] { return seite; }, titel), a.quer);
    return Ergebnis(lauf, geschrieben, a, err);
  }
  if (a.ansicht == "prognose") {
    VariablenCFuerPrognoseEinschalten(doc, doc.m_Prognose.modell);
    if (format == Ausgabeformat::Png) geschrieben = AusgabedateiSchreiben(pfad, PngDaten(PrognoseBild(doc, titel, 96))).isEmpty();
    if (format == Ausgabeformat::Svg) geschrieben = PrognoseAlsSvg(pfad, doc, titel);
    if (format == Ausgabeformat::Pdf) geschrieben = InPdfAusgeben(pfad, *PrognoseDruckvorlage(doc, titel), a.quer);
    return Ergebnis(lauf, geschrieben, a, err);
  }
  switch (format) {
    case Ausgabeformat::Png:
      geschrieben = AusgabedateiSchreiben(pfad, PngDaten(GrafikBild(doc, titel, zustand, 96))).isEmpty();
      break;
    case Ausgabeformat::Svg:
      geschrieben = GrafikAlsSvg(pfad, doc, titel, zustand);
      break;
    case Ausgabeformat::Pdf:
      geschrieben = InPdfAusgeben(pfad, *GrafikDruckvorlage(doc, titel, a.grafiklupe), a.quer);
      break;
  }
  return Ergebnis(lauf, geschrieben, a, err);
}

int Print(const Argumente& a, std::ostream& err) {
  CZelvorDoc doc;
  const Lauf lauf = Auswerten(a, doc, err);
  if (lauf == Lauf::Fehler) return FEHLER;
  const QString pfad = QFile::decodeName(a.ausgabe->c_str());
  const bool geschrieben = InPdfAusgeben(pfad, *TabellenDruckvorlage(doc, Dokumenttitel(a.datei)), a.quer);
  return Ergebnis(lauf, geschrieben, a, err);
}

}  // namespace zelvor::cli
