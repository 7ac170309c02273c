#pragma once
// Texts and identities of the program as a whole.
#include <QString>

namespace zelvor {

inline const QString ANWENDUNGSTITEL = QStringLiteral("zelvor");
inline const QString DATEIFILTER = QStringLiteral("Dateityp Zelvor (*.zlv)");
inline const QString DATEIENDUNG = QStringLiteral(".zlv");
// The settings live under this organisation name, as they always have.
inline const QString PROFILSCHLUESSEL = QStringLiteral("Local AppWizard-Generated Applications");
inline constexpr int MAX_LETZTE_DATEIEN = 4;

inline const QString BEREIT = QStringLiteral("Bereit");
inline const QString DRUCK_FEHLGESCHLAGEN =
    QStringLiteral("Das Dokument konnte nicht gedruckt werden: der Drucker lässt sich nicht öffnen.");
inline const QString HILFE_NICHT_GEFUNDEN = QStringLiteral("Onlinehilfe nicht gefunden!");

// Command identities, as menus, toolbar, keys and the context menu share them.
enum Befehl : int {
  ID_FILE_NEW = 57600,
  ID_FILE_OPEN = 57601,
  ID_FILE_SAVE = 57603,
  ID_FILE_SAVE_AS = 57604,
  ID_FILE_PRINT_SETUP = 57606,
  ID_FILE_PRINT = 57607,
  ID_FILE_PRINT_DIRECT = 57608,
  ID_FILE_PRINT_PREVIEW = 57609,
  ID_FILE_MRU_FILE1 = 57616,
  ID_EDIT_COPY = 57634,
  ID_EDIT_CUT = 57635,
  ID_EDIT_PASTE = 57637,
  ID_EDIT_UNDO = 57643,
  ID_APP_ABOUT = 57664,
  ID_APP_EXIT = 57665,
  ID_NEXT_PANE = 57680,
  ID_PREV_PANE = 57681,
  ID_VIEW_TOOLBAR = 59392,
  ID_VIEW_STATUS_BAR = 59393,
  ID_DATEN_AENDERN = 32771,
  ID_GRAFIK = 32772,
  ID_TABELLE = 32773,
  ID_ONLINE_HILFE = 32774,
  ID_GRAFIKLUPE = 32775,
  ID_ERGEBNISSE_AUSGEBEN = 32778,
  ID_ERGEBNISSE_EINLESEN = 32779,
  // Beyond the original command set.
  ID_LIEFERFAEHIGKEIT = 32780,         // view "Lieferfähigkeit"
  ID_PROGNOSE = 32781,                 // view "Förderprognose"
  ID_PROGNOSE_EINSTELLUNGEN = 32782,   // "Förderprognose..." settings dialog
  ID_EXPORTIEREN = 32783,              // "Exportieren..."
  ID_MATERIALBILANZ = 32784,           // view "Materialbilanz"
  ID_GASVORRAT_UEBERNEHMEN = 32785,    // "Gasvorrat übernehmen"
  ID_MESSUNGEN = 32786,                // "Schließdruckmessungen..." dialog
  ID_FELDUEBERSICHT = 32790,           // "Feldübersicht..."
  ID_SPEICHERKENNLINIEN = 32792,       // view "Speicherkennlinien"
  ID_AQUIFER = 32794,                  // "Aquifer..." dialog
  ID_RUECKGANG = 32796,                // view "Förderrückgang"
  ID_RUECKGANG_EINSTELLUNGEN = 32797,  // "Förderrückgang..." settings dialog
};

}  // namespace zelvor
