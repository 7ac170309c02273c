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
#include "views/RueckgangZeichnen.h"
#include "views/SpeicherkennlinienZeichnen.h"
#include "views/TabelleZeichnen.h"

namespace zelvor::cli {
namespace {

// The reason the file could not be written, as the other writers give it.
int Ergebnis(Lauf lauf, const QString& fehler, std::ostream& err) {
  if (!fehler.isEmpty()) return Fehler(err, fehler.toStdString());
  return lauf == Lauf::Abgebrochen ? ABGEBROCHEN : ERFOLG;
}

}  // namespace

int Graph(const Argumente& a, std::ostream& err) {
  if (!SVG_MOEGLICH && AusgabeformatAus(*a.ausgabe) == Ausgabeformat::Svg) return Fehler(err, KEIN_SVG);
  if (const auto m = AusgabeUeberschreibtEingabe(*a.ausgabe, a)) return Fehler(err, *m);
  CZelvorDoc doc;
  const Lauf lauf = Auswerten(a, doc, err);
  if (lauf == Lauf::Fehler) return FEHLER;
  const std::string titel = Dokumenttitel(a.datei);
  const QString pfad = QFile::decodeName(a.ausgabe->c_str());
  GrafikZustand zustand;  // the screen's layout
  zustand.grafiklupe = a.grafiklupe;
  QString fehler;
  const Ausgabeformat format = AusgabeformatAus(*a.ausgabe).value_or(Ausgabeformat::Pdf);
  if (a.ansicht == "lieferfaehigkeit") {
    if (format == Ausgabeformat::Png) fehler = ErzeugtesSchreiben(pfad, PngDaten(LieferfaehigkeitBild(doc, titel, 96)));
    if (format == Ausgabeformat::Svg) fehler = LieferfaehigkeitAlsSvg(pfad, doc, titel);
    if (format == Ausgabeformat::Pdf) fehler = InPdfAusgeben(pfad, *LieferfaehigkeitDruckvorlage(doc, titel), a.quer);
    return Ergebnis(lauf, fehler, err);
  }
  if (a.ansicht == "materialbilanz" || a.ansicht == "speicherkennlinien" || a.ansicht == "rueckgang") {
    const Analyseseite seite = a.ansicht == "materialbilanz"       ? MaterialbilanzSeite(doc)
                               : a.ansicht == "speicherkennlinien" ? SpeicherkennlinienSeite(doc)
                                                                   : RueckgangSeite(doc);
    if (format == Ausgabeformat::Png) fehler = ErzeugtesSchreiben(pfad, PngDaten(AnalyseseiteBild(seite, titel, 96)));
    if (format == Ausgabeformat::Svg) fehler = AnalyseseiteAlsSvg(pfad, seite, titel);
    if (format == Ausgabeformat::Pdf)
      fehler = InPdfAusgeben(pfad, *AnalyseseiteDruckvorlage([&seite] { return seite; }, titel), a.quer);
    return Ergebnis(lauf, fehler, err);
  }
  if (a.ansicht == "prognose") {
    VariablenCFuerPrognoseEinschalten(doc, doc.m_Prognose.modell);
    if (format == Ausgabeformat::Png) fehler = ErzeugtesSchreiben(pfad, PngDaten(PrognoseBild(doc, titel, 96)));
    if (format == Ausgabeformat::Svg) fehler = PrognoseAlsSvg(pfad, doc, titel);
    if (format == Ausgabeformat::Pdf) fehler = InPdfAusgeben(pfad, *PrognoseDruckvorlage(doc, titel), a.quer);
    return Ergebnis(lauf, fehler, err);
  }
  switch (format) {
    case Ausgabeformat::Png:
      fehler = ErzeugtesSchreiben(pfad, PngDaten(GrafikBild(doc, titel, zustand, 96)));
      break;
    case Ausgabeformat::Svg:
      fehler = GrafikAlsSvg(pfad, doc, titel, zustand);
      break;
    case Ausgabeformat::Pdf:
      fehler = InPdfAusgeben(pfad, *GrafikDruckvorlage(doc, titel, a.grafiklupe), a.quer);
      break;
  }
  return Ergebnis(lauf, fehler, err);
}

int Print(const Argumente& a, std::ostream& err) {
  if (const auto m = AusgabeUeberschreibtEingabe(*a.ausgabe, a)) return Fehler(err, *m);
  CZelvorDoc doc;
  const Lauf lauf = Auswerten(a, doc, err);
  if (lauf == Lauf::Fehler) return FEHLER;
  const QString pfad = QFile::decodeName(a.ausgabe->c_str());
  return Ergebnis(lauf, InPdfAusgeben(pfad, *TabellenDruckvorlage(doc, Dokumenttitel(a.datei)), a.quer), err);
}

}  // namespace zelvor::cli
